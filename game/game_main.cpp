#include "game_main.h"
#include "game/window/desktop_services.h"
#include "game/window/game_app.h"
#include "game/data/game_texts.h"
#include "platform/desktop/detached_process_starter.h"
#include "platform/trash/linux_trash.h"
#include "platform/desktop/logind_session_control.h"
#include "platform/desktop/system_info_tool.h"
#include "platform/desktop/run_dialog.h"
#include "platform/desktop/xdg_desktop_actions.h"
#include "platform/files/data_folder.h"
#include "platform/files/program_folder.h"
#include "platform/app/program_start.h"
#include <QApplication>

int run_game(int argc, char* argv[], const PokanWindow::Options& options)
{
    const platform::ProgramStart start(argc, argv,
                                       {game_texts::kProductName, options.version_text,
                                        QStringLiteral("A whack-a-seal game and desktop companion."),
                                        platform::desktop_id(options.desktop_name), QStringLiteral("mpkx.ico")});
    if (const auto code = start.exit_code())
        return *code;
    QApplication app(argc, argv);
    start.setup(app);

    platform::SystemClock clock;
    platform::SystemRandom random;
    auto sound = platform::make_sound_system();
    platform::QtPrompt prompt;
    platform::LinuxSystemInfo system;
    platform::LinuxTrash trash;
    platform::LogindSessionControl session;
    platform::PathSystemInfoTool info_tool;
    std::function<void()> show_system_panel; // set once the main window exists
    platform::XdgDesktopActions actions(info_tool, [&] {
        if (show_system_panel)
            show_system_panel();
    });
    GamePaths paths = GamePaths::in_folder(platform::program_folder());
    // An installed program folder cannot be written: the scores and settings go to the user's folder.
    paths.data_dir = platform::data_folder(paths.app_dir, {QStringLiteral("score.ini"), QStringLiteral("config.csv")});
    platform::DetachedProcessStarter starter(paths.app_dir);
    DesktopServices desktop{system, trash, session, actions, starter};
    GameApp game({clock, random, *sound, prompt, desktop}, paths, options);
    // The result box, the table and the name box stand over the game's window, not beside it.
    prompt.set_owner([&game]() -> QWidget* { return game.main_window(); });
    show_system_panel = [&game] {
        if (PokanWindow* w = game.main_window())
            w->info_mg(0);
    };

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
