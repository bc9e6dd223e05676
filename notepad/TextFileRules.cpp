#include "TextFileRules.h"
#include "platform/text_codec.h"
#include <QDir>
#include <QFileInfo>

QString TextFileRules::decode_file(const QByteArray& bytes)
{
    const QString all = platform::decode_cp932(bytes);
    QString out;
    out.reserve(all.size() + all.size() / 16 + 2);
    qsizetype start = 0;
    const qsizetype n = all.size();
    while (start < n) {
        qsizetype cr = all.indexOf(QLatin1Char('\r'), start);
        if (cr < 0) {
            out += QStringView(all).mid(start);
            out += QLatin1String("\r\n");
            break;
        }
        out += QStringView(all).mid(start, cr - start);
        out += QLatin1String("\r\n");
        start = cr + 1;
        if (start < n && all[start] == QLatin1Char('\n'))
            ++start;
    }
    return out;
}

QByteArray TextFileRules::encode_file(const QString& text)
{
    QByteArray out = platform::encode_cp932(text);
    out += "\r\n";
    return out;
}

QString TextFileRules::existence_test(const QString& path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    if (info.isDir()) {
        if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\')))
            return QString();
        const QStringList files = QDir(path).entryList(QDir::Files, QDir::Name);
        return files.isEmpty() ? QString() : files.constFirst();
    }
    return info.exists() ? info.fileName() : QString();
}
