#include "blank_program.h"
#include "platform/app/program_start.h"
#include "platform/ui/prompt.h"
#include "platform/app/single_instance.h"
#include <QApplication>
#include <QCursor>
#include <QScreen>

int main(int argc, char* argv[])
{
    // Without any display the window cannot be made at all.
    static_assert(BlankProgram::kNoWindow == platform::kNoDisplayExitCode);
    const platform::ProgramStart start(argc, argv,
                                       {QString::fromUtf8("まっくら画面 yomino"), QStringLiteral(SUITE_VERSION),
                                        QStringLiteral("Blacks out the screen until a key, a click or a mouse move."),
                                        platform::desktop_id("Yomino"), {}});
    if (const auto code = start.exit_code())
        return *code;
    QApplication app(argc, argv);
    start.setup(app);

    platform::QtPrompt prompt;
    platform::SingleInstance instance(QStringLiteral("yomino02"));
    BlankProgram program(prompt, instance);

    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect rect = screen ? screen->geometry() : QRect();
    if (const auto code = program.start(rect, QCursor::pos()))
        return *code;
    return app.exec();
}
