#include "skin_loader.h"
#include "game/data/sprite_set.h"
#include <QDir>
#include <QFileInfo>

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

} // namespace

QString SkinLoader::find_file(const QString& folder, const QString& name)
{
    // Files only (links to files too): a folder or a FIFO by the exact name does not hide
    // the picture under another case.
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(name)).isFile())
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries)
        if (equal_ignoring_ascii_case(entry, name))
            return dir.filePath(entry);
    return dir.filePath(name);
}

SkinLoader::Probe SkinLoader::probe(const QString& folder)
{
    return {load_picture(find_file(folder, QString::fromLatin1(kProbeSeal))),
            load_picture(find_file(folder, QString::fromLatin1(kProbeYeti)))};
}

SkinLoader::Skin SkinLoader::load(const QString& folder)
{
    Skin skin;
    for (int i = 0; i < kFiles; ++i) {
        const QString name = QString::fromLatin1(kSkinFiles[i].name);
        skin.pictures[i] = load_picture(find_file(folder, name));
        if (skin.pictures[i].isNull()) {
            skin.missing = name;
            skin.pictures = {};
            return skin;
        }
    }
    return skin;
}
