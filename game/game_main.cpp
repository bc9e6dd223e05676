#include "game_main.h"
#include "core/game_app.h"
#include "core/game_texts.h"
#include "platform/program_folder.h"
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

int run_game(int argc, char* argv[], const PokanWindow::Options& options)
{
    QApplication app(argc, argv);
    QFont::insertSubstitutions(game_texts::kUiFont, {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QTranslator qt_ja;
    if (qt_ja.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qt_ja);

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
