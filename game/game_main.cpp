#include "game_main.h"
#include "core/game_app.h"
#include "platform/japanese_ui.h"
#include "platform/program_folder.h"
#include <QApplication>
#include <QIcon>

int run_game(int argc, char* argv[], const PokanWindow::Options& options)
{
    QApplication app(argc, argv);
    platform::setup_japanese_ui(app);
    app.setWindowIcon(QIcon(platform::program_folder() + QStringLiteral("mpkx.ico")));

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
    const int result = app.exec();
    return exit_code != 0 ? exit_code : result;
}
