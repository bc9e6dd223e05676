#include "game_main.h"

int main(int argc, char* argv[]) { return run_game(argc, argv, GameBuild::earlier()); }
