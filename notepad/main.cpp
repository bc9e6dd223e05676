// メモルー 2k: the diary notepad of the suite.
#include "mf.h"
#include "platform/data_folder.h"
#include "platform/display_check.h"
#include "platform/display_platform.h"
#include "platform/file_dialogs.h"
#include "platform/japanese_ui.h"
#include "platform/program_folder.h"
#include "platform/prompt.h"
#include <QApplication>

int main(int argc, char** argv)
{
    platform::prefer_xwayland(); // windows are placed where they belong only through XWayland
    const platform::DisplayProbe display(argc, argv);
    if (!display.reachable())
        return platform::kNoDisplayExitCode;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("memolu"));
    app.setApplicationVersion(QStringLiteral("%1.%2.%3")
                                  .arg(MEMOLU_VERSION_MAJOR)
                                  .arg(MEMOLU_VERSION_MINOR)
                                  .arg(MEMOLU_VERSION_REVISION));
    platform::setup_japanese_ui(app);

    const QString app_dir = platform::program_folder();
    platform::QtPrompt prompt;
    platform::QtFileDialogs dialogs;
    // An installed program folder cannot be written: the colours go to the user's folder.
    MF window(prompt, dialogs, app_dir, {}, platform::data_folder(app_dir, {QStringLiteral("mlz_config.ini")}));
    prompt.set_parent(&window);
    dialogs.set_parent(&window);
    window.show();
    return app.exec();
}
