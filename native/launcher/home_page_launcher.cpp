#include "home_page_launcher.h"

int HomePageLauncher::run(UrlOpener& opener)
{
    if (!opener.available())
        return kNoDesktop;
    opener.open(QString::fromLatin1(kAddress));
    return kAsked;
}
