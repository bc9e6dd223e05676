#include "sprite_set.h"
#include "platform/files/regular_file.h"
#include <QFile>
#include <QImageReader>

namespace {

struct HolderFile {
    int holder;
    const char* file;
};

// In load order. pic(4), pic(6) and pic(14) start empty: they are work boxes.
constexpr HolderFile kHolderFiles[] = {
    {0, "ana3.bmp"},     {1, "mipo31.bmp"},   {2, "mipo32.bmp"},   {3, "mipo33.bmp"},
    {5, "ita5.bmp"},     {7, "hazure31.bmp"}, {8, "hazure32.bmp"}, {9, "hazure33.bmp"},
    {10, "hazure34.bmp"}, {11, "hazure_m.bmp"}, {12, "zan.bmp"},   {13, "zantetuken.bmp"},
};

constexpr const char* kCountFiles[] = {"nogo.bmp", "no1.bmp", "no2.bmp", "no3.bmp"};

} // namespace

QImage load_picture(const QString& path)
{
    // Only a regular file: a FIFO by a picture's name would wait for a writer for ever.
    QFile file(path);
    if (!platform::open_regular_file(file))
        return {};
    QImageReader reader(&file);
    reader.setAutoTransform(false);
    return reader.read();
}

QString SpriteSet::load(const QString& bmp_dir)
{
    for (const auto& [holder, file] : kHolderFiles) {
        const QString path = bmp_dir + QString::fromUtf8(file);
        const QImage image = load_picture(path);
        if (image.isNull())
            return path;
        pic[holder].set_picture(image);
    }
    for (int i = 0; i < 4; ++i) {
        const QString path = bmp_dir + QString::fromUtf8(kCountFiles[i]);
        const QImage image = load_picture(path);
        if (image.isNull())
            return path;
        count_pic[i].set_picture(image);
    }
    for (int i : {4, 6, 14})
        pic[i] = platform::Surface(50, 50);
    return QString();
}
