#pragma once
// What a window of pictures shows on a scaled screen, device pixel by device pixel.
#include "platform/ui/surface_widget.h"
#include <QBackingStore>
#include <QImage>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <map>
#include <vector>

namespace scaled_screen {

// The device pixels the window has painted for the screen: its backing store, which keeps
// every pixel that no paint has touched since, as the screen does.
inline QImage painted(QWidget& window)
{
    QTest::qWait(30); // the updates still due are painted first
    QBackingStore* store = window.backingStore();
    if (!store || !store->paintDevice() || store->paintDevice()->devType() != QInternal::Image)
        return {};
    QImage image = static_cast<QImage*>(store->paintDevice())->copy();
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

// What a picture box shows, pixel for pixel: the box alone drawn at one device pixel per pixel.
inline QImage in_pixels(platform::SurfaceWidget& box)
{
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    box.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// For each device pixel along an axis of `length` pixels, the pixel it belongs to: pixel i
// owns the device pixels from round(i × scale) up to round((i + 1) × scale), the edges
// rounded as Qt rounds the edges of a widget's region.
inline std::vector<int> pixel_of_device_pixel(qreal scale, int length)
{
    std::vector<int> owner;
    for (int i = 0; i < length; ++i)
        owner.insert(owner.end(), qRound((i + 1) * scale) - qRound(i * scale), i);
    return owner;
}

// Empty when every device pixel the window's picture boxes own shows the pixel of the picture
// it belongs to; else the first that does not: a row or a column left from an earlier
// picture, or one nobody painted. A device pixel belongs to the topmost visible widget whose
// rectangle holds it (its edges rounded to device pixels); where that is not a picture box
// (a label, whose text is drawn at the screen's resolution) nothing is looked at.
inline QString shows_its_pictures(QWidget& window)
{
    const QImage screen = painted(window);
    if (screen.isNull())
        return QStringLiteral("the window has no picture of its own on the screen");
    const qreal scale = window.devicePixelRatioF();
    const std::vector<int> column_pixel = pixel_of_device_pixel(scale, window.width());
    const std::vector<int> row_pixel = pixel_of_device_pixel(scale, window.height());

    struct Placed {
        QWidget* widget;
        QRect rect; // in the window's pixels
    };
    std::vector<Placed> placed; // bottom to top
    const std::function<void(QWidget&, QPoint)> place = [&](QWidget& widget, QPoint origin) {
        placed.push_back({&widget, QRect(origin, widget.size())});
        for (QObject* child : widget.children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w && !w->isWindow() && w->isVisible())
                place(*w, origin + w->pos());
        }
    };
    place(window, QPoint(0, 0));

    std::map<QWidget*, QImage> pictures;
    const int width = std::min<int>(screen.width(), int(column_pixel.size()));
    const int height = std::min<int>(screen.height(), int(row_pixel.size()));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QPoint pixel(column_pixel[x], row_pixel[y]);
            const Placed* top = nullptr;
            for (const Placed& p : placed)
                if (p.rect.contains(pixel))
                    top = &p;
            auto* box = top ? qobject_cast<platform::SurfaceWidget*>(top->widget) : nullptr;
            if (!box)
                continue;
            auto it = pictures.find(box);
            if (it == pictures.end())
                it = pictures.emplace(box, in_pixels(*box)).first;
            const QPoint in_box = pixel - top->rect.topLeft();
            const QRgb shown = screen.pixel(x, y) & 0xffffff;
            const QRgb own = it->second.pixel(in_box) & 0xffffff;
            if (shown != own)
                return QStringLiteral("scale %1: device pixel (%2, %3) shows #%4, not #%5 of pixel (%6, %7) of the %8")
                    .arg(scale).arg(x).arg(y).arg(shown, 6, 16, QChar('0')).arg(own, 6, 16, QChar('0'))
                    .arg(in_box.x()).arg(in_box.y()).arg(QString::fromLatin1(box->metaObject()->className()));
        }
    return {};
}

} // namespace scaled_screen
