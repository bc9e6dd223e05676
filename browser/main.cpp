// ぴころん, the web browser of the suite.
#include "root_check.h"
#include "settings_off.h"
#include "wbf_window.h"
#include "platform/clock.h"
#include "platform/ui/file_dialogs.h"
#include "platform/files/program_folder.h"
#include "platform/app/program_start.h"
#include "platform/ui/prompt.h"
#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // The page is drawn in software: the window is small, and leaving OpenGL out
    // keeps Mesa and its LLVM out of the process (some 60 MiB). Either can be
    // set otherwise from outside.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    const platform::ProgramStart start(argc, argv,
                                       {QString::fromUtf8("ぴころん"), QStringLiteral("1.0.0"),
                                        QStringLiteral("A small web browser that opens the suite's start page."),
                                        platform::desktop_id("Picoron"), QStringLiteral("brovu.ico")});
    if (const auto code = start.exit_code())
        return *code;
    QApplication app(argc, argv);
    start.setup(app);
    keep_no_settings_files();
    platform::QtPrompt prompt;

    // Run as root, the engine would end the process without a word: say why instead.
    const QString refusal = root_check::refusal_for_this_process();
    if (!refusal.isEmpty()) {
        std::fprintf(stderr, "brovu_v1000: %s\n", qPrintable(refusal));
        std::fflush(stderr);
        prompt.inform(refusal, WbfWindow::caption(), platform::Prompt::Icon::Critical);
        return 1;
    }

    platform::SystemClock clock;
    platform::QtFileDialogs dialogs;
    WbfWindow window(prompt, dialogs, clock, platform::program_folder());
    prompt.set_parent(&window);
    dialogs.set_parent(&window);
    window.show();
    return app.exec();
}
