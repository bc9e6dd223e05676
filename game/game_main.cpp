#include "game_main.h"
#include "core/game_app.h"
#include "platform/display_check.h"
#include "platform/japanese_ui.h"
#include "platform/program_folder.h"
#include <QApplication>

int run_game(int argc, char* argv[], const PokanWindow::Options& options)
{
    const platform::DisplayProbe display(argc, argv);
    if (!display.reachable())
        return platform::kNoDisplayExitCode;
    QApplication app(argc, argv);
    platform::setup_japanese_ui(app);

    platform::SystemClock clock;
    platform::SystemRandom random;
    auto sound = platform::make_sdl_sound_system();
    platform::QtPrompt prompt;
    GameApp game({clock, random, *sound, prompt}, GamePaths::in_folder(platform::program_folder()), options);

    int exit_code = 0;
    QObject::connect(&game, &GameApp::failed, &app, [&](const QString&) {
        exit_code = 1;
        app.exit(1);
    });
    QObject::connect(&game, &GameApp::finished, &app, [&] {
        app.closeAllWindows();
        app.exit(exit_code);
    });
    game.show_logo();
    // A failure before the event loop runs cannot stop the loop: it ends here.
    if (exit_code != 0)
        return exit_code;
    const int result = app.exec();
    return exit_code != 0 ? exit_code : result;
}
