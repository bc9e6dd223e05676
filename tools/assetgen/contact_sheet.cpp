#include "contact_sheet.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <stdexcept>

namespace assetgen {

void write_contact_sheet(const QString& bmp_dir, const QString& out_png)
{
    const QDir dir(bmp_dir);
    const QStringList names = dir.entryList({"*.bmp", "*.jpg", "*.cur"}, QDir::Files, QDir::Name);
    const int scale = 3, pad = 8, columns = 6, cell = 150 * scale / 2 + pad;
    struct Item { QImage image; bool keyed; };
    QList<Item> items;
    for (const QString& name : names) {
        QImage img(dir.filePath(name));
        if (img.isNull())
            throw std::runtime_error("cannot read " + name.toStdString());
        const bool opaque = img.width() > 50 || name == "zantetuken.bmp" || name.endsWith(".cur");
        items.push_back({img, !opaque});
    }
    // big pictures get a whole row each
    int x = pad, y = pad, row_h = 0, width = columns * cell + pad;
    QList<QPoint> places;
    for (const Item& it : items) {
        const QSize s = it.image.size() * scale;
        if (x + s.width() > width) {
            x = pad;
            y += row_h + pad;
            row_h = 0;
        }
        places.push_back({x, y});
        x += s.width() + pad;
        row_h = qMax(row_h, s.height());
    }
    QImage sheet(width, y + row_h + pad, QImage::Format_RGB32);
    QPainter p(&sheet);
    for (int i = 0; i < sheet.height(); ++i)
        p.fillRect(0, i, sheet.width(), 1, QColor(0, qMin(255, i / 3), 255));
    for (int i = 0; i < items.size(); ++i) {
        QImage img = items[i].image.convertToFormat(QImage::Format_ARGB32);
        if (items[i].keyed) {
            const QRgb key = img.pixel(0, 0);
            for (int yy = 0; yy < img.height(); ++yy)
                for (int xx = 0; xx < img.width(); ++xx)
                    if (img.pixel(xx, yy) == key)
                        img.setPixel(xx, yy, 0);
        }
        p.drawImage(QRect(places[i], img.size() * scale), img);
    }
    p.end();
    if (!sheet.save(out_png))
        throw std::runtime_error("cannot write " + out_png.toStdString());
}

}  // namespace assetgen
