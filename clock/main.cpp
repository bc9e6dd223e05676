#include "tokei_window.h"
#include "platform/app/program_start.h"
#include <QApplication>

int main(int argc, char* argv[])
{
    const platform::ProgramStart start(argc, argv,
                                       {QString::fromUtf8("クルリトでも"), QString::fromLatin1(TokeiWindow::kVersion),
                                        QStringLiteral("A clock that marks the seconds counter-clockwise."),
                                        platform::desktop_id("Kururito"), QStringLiteral("kururito.ico")});
    if (const auto code = start.exit_code())
        return *code;
    QApplication app(argc, argv);
    start.setup(app);

    TokeiWindow window;
    window.start();
    return app.exec();
}
