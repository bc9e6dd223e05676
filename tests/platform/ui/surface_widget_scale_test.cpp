// A picture box on a scaled screen: its pixels grow as blocks, never blended with their neighbours.
#include "platform/ui/surface_widget.h"
#include "scaled_screen.h"
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

// A window laid out like the game's: a face under a menu bar's height, small pictures on it
// with edges at every quarter of a device pixel, and a plate over the whole face.
struct FaceWithPictures {
    QWidget window;
    platform::SurfaceWidget* face;
    std::vector<platform::SurfaceWidget*> pictures;
    platform::SurfaceWidget* plate;

    FaceWithPictures()
    {
        window.resize(210, 377);
        face = new platform::SurfaceWidget(&window, 210, 360);
        face->move(0, 17);
        for (int y = 0; y < 360; ++y)
            face->surface().fill_rect(QRect(0, y, 210, 1), qRgb(0, std::min(y, 255), 255));
        const QRect places[] = {{8, 88, 177, 9}, {30, 112, 150, 150}, {1, 1, 3, 3},   {2, 6, 5, 6},
                                {3, 14, 2, 5},   {5, 22, 6, 7},      {190, 271, 7, 2}, {201, 300, 9, 1}};
        int i = 0;
        for (const QRect& place : places) {
            auto* picture = new platform::SurfaceWidget(face, place.width(), place.height());
            picture->move(place.topLeft());
            picture->surface().fill(qRgb(255, 40 * i, 0));
            pictures.push_back(picture);
            ++i;
        }
        plate = new platform::SurfaceWidget(face, 210, 360);
        plate->surface().fill(qRgb(250, 250, 250));
    }
};

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

    // On the screen itself, at the scale the test runs with (QT_SCALE_FACTOR; ctest runs it at
    // 1, 1.25, 1.5, 1.75 and 2): every device pixel shows the picture it lies on, also where an
    // edge falls inside a device pixel, and after the plate over them went and parts were redrawn.
    void every_device_pixel_shows_the_picture_it_lies_on()
    {
        FaceWithPictures f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QCOMPARE(scaled_screen::shows_its_pictures(f.window), QString());

        f.plate->hide();
        QCOMPARE(scaled_screen::shows_its_pictures(f.window), QString());

        // A part of a picture and of the face drawn anew, as a game does with its holes and gauge.
        f.pictures[1]->surface().fill_rect(QRect(50, 50, 50, 50), qRgb(20, 200, 20));
        f.pictures[1]->update(QRect(50, 50, 50, 50));
        f.pictures[0]->surface().fill_rect(QRect(0, 0, 61, 9), qRgb(200, 0, 0));
        f.pictures[0]->update(QRect(0, 0, 61, 9));
        f.face->surface().fill_rect(QRect(0, 270, 210, 30), qRgb(120, 120, 0));
        f.face->update(QRect(0, 270, 210, 30));
        QCOMPARE(scaled_screen::shows_its_pictures(f.window), QString());
    }
};

QTEST_MAIN(SurfaceWidgetScaleTest)
#include "surface_widget_scale_test.moc"
