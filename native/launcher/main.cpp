#include "home_page_launcher.h"
#include "xdg_url_opener.h"
#include <QCoreApplication>

// No window: ask the desktop to open the home page and end at once.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zorvik"));
    XdgUrlOpener opener;
    return HomePageLauncher::run(opener);
}
