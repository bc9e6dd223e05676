#include "blank_program.h"
#include "platform/display_check.h"
#include "platform/display_platform.h"
#include "platform/japanese_ui.h"
#include "platform/prompt.h"
#include "platform/single_instance.h"
#include <QApplication>
#include <QCursor>
#include <QScreen>

int main(int argc, char* argv[])
{
    // Without any display to show on the window cannot be made at all.
    platform::prefer_xwayland(); // windows are placed where they belong only through XWayland
    const platform::DisplayProbe display(argc, argv);
    if (!display.reachable())
        return BlankProgram::kNoWindow;

    QApplication app(argc, argv);
    platform::setup_japanese_ui(app);
    QApplication::setApplicationName(QStringLiteral("yomino02"));

    platform::QtPrompt prompt;
    platform::SingleInstance instance(QStringLiteral("yomino02"));
    BlankProgram program(prompt, instance);

    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect rect = screen ? screen->geometry() : QRect();
    if (const auto code = program.start(rect, QCursor::pos()))
        return *code;
    return app.exec();
}
