#include "xdg_url_opener.h"
#include <QProcess>
#include <QStandardPaths>

XdgUrlOpener::XdgUrlOpener()
    : program_(QStandardPaths::findExecutable(QStringLiteral("xdg-open")))
{
}

void XdgUrlOpener::open(const QString& url)
{
    QProcess::startDetached(program_, {url});
}
