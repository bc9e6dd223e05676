#pragma once
#include "game/window/pokan_window.h"

// Runs the game program; both builds start here with their own options.
int run_game(int argc, char* argv[], const PokanWindow::Options& options);
