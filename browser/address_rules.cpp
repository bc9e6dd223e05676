#include "address_rules.h"
#include <QDir>

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

QString text_of_url(const QUrl& url)
{
    return url.isLocalFile() && !url.hasQuery() && !url.hasFragment() ? url.toLocalFile() : url.toString();
}

bool is_allowed(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("file"))
        return true;
    if (scheme == QLatin1String("about"))
        return url.path() == QLatin1String("blank");
    if (scheme == QLatin1String("view-source")) {
        const QUrl inner(url.toString().mid(scheme.size() + 1));
        return inner.scheme().toLower() != QLatin1String("view-source") && is_allowed(inner);
    }
    return false;
}

} // namespace address_rules
