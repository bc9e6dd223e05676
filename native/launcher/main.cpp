#include "home_page_launcher.h"
#include "xdg_url_opener.h"
#include "platform/program_identity.h"
#include <QCoreApplication>

// No window: ask the desktop to open the home page and end at once.
int main(int argc, char* argv[])
{
    if (const auto code = platform::answer_help_or_version(
            argc, argv,
            {QStringLiteral("zorvik home"), QStringLiteral(SUITE_VERSION),
             QStringLiteral("Opens the maker's home page in your web browser."), {}, {}}))
        return *code;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zorvik"));
    XdgUrlOpener opener;
    return HomePageLauncher::run(opener);
}
