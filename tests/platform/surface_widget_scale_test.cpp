// A picture box on a scaled screen: its pixels grow as blocks, never blended with their neighbours.
#include "platform/surface_widget.h"
#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

// A 1-pixel checkerboard of two colours: every pixel is an edge, the worst case for smoothing.
platform::SurfaceWidget* checkered_box(int width, int height)
{
    auto* box = new platform::SurfaceWidget(nullptr, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            box->surface().fill_rect(QRect(x, y, 1, 1), (x + y) % 2 ? qRgb(255, 0, 255) : qRgb(20, 60, 200));
    return box;
}

// Paints `box` as the screen does at `ratio` device pixels per pixel and returns the device pixels.
QImage painted_at(QWidget& box, qreal ratio)
{
    QImage device(qCeil(box.width() * ratio), qCeil(box.height() * ratio), QImage::Format_RGB32);
    device.setDevicePixelRatio(ratio);
    device.fill(Qt::black);
    box.render(&device);
    return device;
}

} // namespace

class SurfaceWidgetScaleTest : public QObject {
    Q_OBJECT

private slots:
    void each_pixel_becomes_a_block_of_its_own_colour_at_twice_the_size()
    {
        std::unique_ptr<platform::SurfaceWidget> box(checkered_box(12, 8));
        const QImage device = painted_at(*box, 2.0);
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x)
                QCOMPARE(QColor(device.pixel(x, y)), QColor(box->surface().pixel(x / 2, y / 2)));
    }

    void a_fractional_ratio_shows_only_the_pictures_own_colours()
    {
        std::unique_ptr<platform::SurfaceWidget> box(checkered_box(12, 8));
        for (qreal ratio : {1.25, 1.5, 1.75}) {
            const QImage device = painted_at(*box, ratio);
            for (int y = 0; y < int(8 * ratio); ++y)
                for (int x = 0; x < int(12 * ratio); ++x) {
                    const QRgb p = device.pixel(x, y) & 0xffffff;
                    if (p != 0xff00ff && p != 0x143cc8)
                        QFAIL(qPrintable(QString("blended pixel %1 at (%2, %3), ratio %4")
                                             .arg(p, 6, 16, QChar('0')).arg(x).arg(y).arg(ratio)));
                }
        }
    }
};

QTEST_MAIN(SurfaceWidgetScaleTest)
#include "surface_widget_scale_test.moc"
