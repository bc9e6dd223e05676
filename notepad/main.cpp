// メモルー 2k: the diary notepad of the suite.
#include "mf.h"
#include "platform/files/data_folder.h"
#include "platform/ui/file_dialogs.h"
#include "platform/files/program_folder.h"
#include "platform/app/program_start.h"
#include "platform/ui/prompt.h"
#include <QApplication>

int main(int argc, char** argv)
{
    const platform::ProgramStart start(argc, argv,
                                       {QString::fromUtf8("メモルー 2k"),
                                        QStringLiteral("%1.%2.%3")
                                            .arg(MEMOLU_VERSION_MAJOR)
                                            .arg(MEMOLU_VERSION_MINOR)
                                            .arg(MEMOLU_VERSION_REVISION),
                                        QStringLiteral("A diary notepad for plain text."),
                                        platform::desktop_id("Memolu"), QStringLiteral("memolu.ico")});
    if (const auto code = start.exit_code())
        return *code;
    QApplication app(argc, argv);
    start.setup(app);

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
