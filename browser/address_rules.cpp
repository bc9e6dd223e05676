#include "address_rules.h"
#include <QDir>
#include <QFileInfo>

namespace address_rules {

std::optional<QUrl> url_of_text(const QString& text, const QString& app_dir)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QUrl url = trimmed.startsWith(QLatin1Char('/'))
                         ? QUrl::fromLocalFile(trimmed)
                         : QUrl::fromUserInput(trimmed, app_dir);
    if (!url.isValid() || !is_allowed(url))
        return std::nullopt;
    return url;
}

namespace {

bool is_view_source(const QUrl& url)
{
    return url.scheme().compare(QLatin1String("view-source"), Qt::CaseInsensitive) == 0;
}

// The host as its ASCII (xn--) form; QUrl would show some in Unicode.
QString ascii_host(const QUrl& url)
{
    return url.host(QUrl::EncodeUnicode);
}

} // namespace

QString text_of_url(const QUrl& url)
{
    if (url.isLocalFile() && !url.hasQuery() && !url.hasFragment())
        return url.toLocalFile();
    if (is_view_source(url))
        return url.scheme() + QLatin1Char(':') + text_of_url(QUrl(url.toString().mid(url.scheme().size() + 1)));
    const QString text = url.toString(QUrl::RemoveUserInfo);
    const QString shown_host = url.host();
    const QString ascii = ascii_host(url);
    if (shown_host.isEmpty() || shown_host == ascii)
        return text;
    // The host follows the scheme's "//" directly once the user-info is gone.
    const QString shown = QStringLiteral("//") + shown_host;
    const qsizetype at = text.indexOf(shown);
    return at < 0 ? text : text.left(at) + QStringLiteral("//") + ascii + text.mid(at + shown.size());
}

QString site_of(const QUrl& url)
{
    if (url.isLocalFile())
        return QStringLiteral("ローカルファイル");
    QString site = ascii_host(url);
    if (site.contains(QLatin1Char(':')))
        site = QLatin1Char('[') + site + QLatin1Char(']'); // IPv6
    if (url.port() >= 0)
        site += QLatin1Char(':') + QString::number(url.port());
    return site;
}

namespace {

// The page a view-source address shows; any other address is its own.
QUrl shown_url(const QUrl& url)
{
    if (!is_view_source(url))
        return url;
    return QUrl(url.toString().mid(url.scheme().size() + 1));
}

} // namespace

bool is_allowed(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("file"))
        return !url.toLocalFile().isEmpty();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return true;
    if (scheme == QLatin1String("about"))
        return url.path() == QLatin1String("blank");
    if (scheme == QLatin1String("view-source")) {
        const QUrl inner = shown_url(url);
        return inner.scheme().toLower() != QLatin1String("view-source") && is_allowed(inner);
    }
    return false;
}

bool may_load(const QUrl& page, const QUrl& resource, Load load)
{
    if (resource.scheme().compare(QLatin1String("qrc"), Qt::CaseInsensitive) == 0)
        return false;
    if (!resource.isLocalFile())
        return true;
    if (load != Load::Shown || !page.isLocalFile())
        return false;
    const QString folder = QFileInfo(page.toLocalFile()).absolutePath();
    const QString path = QDir::cleanPath(resource.toLocalFile());
    return path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

LocalFileProblem local_file_problem(const QUrl& url)
{
    const QUrl shown = shown_url(url);
    if (!shown.isLocalFile())
        return LocalFileProblem::None;
    const QFileInfo info(shown.toLocalFile()); // stat only, never open
    if (!info.exists())
        return LocalFileProblem::Missing;
    if ((!info.isFile() && !info.isDir()) || !info.isReadable())
        return LocalFileProblem::Unreadable;
    return LocalFileProblem::None;
}

} // namespace address_rules
