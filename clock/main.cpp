#include "tokei_window.h"
#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("クルリトでも"));
    QApplication::setApplicationVersion(QString::fromLatin1(TokeiWindow::kVersion));

    TokeiWindow window;
    window.start();
    return app.exec();
}
