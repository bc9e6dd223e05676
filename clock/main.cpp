#include "tokei_window.h"
#include "platform/display_check.h"
#include "platform/display_platform.h"
#include "platform/japanese_ui.h"
#include <QApplication>

int main(int argc, char* argv[])
{
    platform::prefer_xwayland(); // windows are placed where they belong only through XWayland
    const platform::DisplayProbe display(argc, argv);
    if (!display.reachable())
        return platform::kNoDisplayExitCode;
    QApplication app(argc, argv);
    platform::setup_japanese_ui(app);
    QApplication::setApplicationName(QStringLiteral("クルリトでも"));
    QApplication::setApplicationVersion(QString::fromLatin1(TokeiWindow::kVersion));

    TokeiWindow window;
    window.start();
    return app.exec();
}
