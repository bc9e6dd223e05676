#include "skin_loader.h"
#include <QDir>
#include <QImageReader>

namespace {

bool equal_ignoring_ascii_case(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x >= 'A' && x <= 'Z')
            x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z')
            y += 'a' - 'A';
        if (x != y)
            return false;
    }
    return true;
}

QImage read_picture(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    return reader.read();
}

} // namespace

QString SkinLoader::find_file(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (dir.exists(name))
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries)
        if (equal_ignoring_ascii_case(entry, name))
            return dir.filePath(entry);
    return dir.filePath(name);
}

SkinLoader::Probe SkinLoader::probe(const QString& folder)
{
    return {read_picture(find_file(folder, QString::fromLatin1(kProbeSeal))),
            read_picture(find_file(folder, QString::fromLatin1(kProbeYeti)))};
}

SkinLoader::Skin SkinLoader::load(const QString& folder)
{
    Skin skin;
    for (int i = 0; i < kFiles; ++i) {
        const QString name = QString::fromLatin1(kSkinFiles[i].name);
        skin.pictures[i] = read_picture(find_file(folder, name));
        if (skin.pictures[i].isNull()) {
            skin.missing = name;
            skin.pictures = {};
            return skin;
        }
    }
    return skin;
}
