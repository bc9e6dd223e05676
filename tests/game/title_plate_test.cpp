// The title plate as it shows on screen while its text shakes: the same pixels as
// the text laid over the picture, and nothing repainted beyond the text's reach.
#include "game/window/title_plate.h"
#include "tests/platform/ui/scaled_screen.h"
#include <QPainter>
#include <QtTest>

namespace {

// A picture with a different colour at every pixel, so a misplaced copy shows.
QImage patterned_picture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x * 7 + y * 3) & 0xff));
    return image;
}

// Half-transparent text, as the antialiased title is at its edges.
QPixmap title_text()
{
    QPixmap pixmap(193, 33);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.fillRect(QRect(0, 0, 60, 33), QColor(40, 60, 200, 255));
    p.fillRect(QRect(80, 5, 100, 20), QColor(200, 0, 0, 128));
    return pixmap;
}

QImage expected(const QImage& picture, const QPixmap& text, QPoint at)
{
    QImage image = picture.copy();
    QPainter(&image).drawPixmap(at, text);
    return image;
}

// Counts the paints of every widget and the area each covers.
class PaintWatch : public QObject {
public:
    QMap<QObject*, QRegion> painted;
    int paints = 0;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            painted[o] += static_cast<QPaintEvent*>(e)->region();
            ++paints;
        }
        return false;
    }
};

} // namespace

class TitlePlateTest : public QObject {
    Q_OBJECT

private slots:
    void shows_the_text_over_the_picture_wherever_it_shakes_to()
    {
        QWidget window;
        window.resize(210, 360);
        TitlePlate plate(&window, 210, 360);
        const QImage picture = patterned_picture(210, 360);
        plate.surface().set_picture(picture);
        const QPixmap text = title_text();
        plate.set_title(text, QPoint(10, 188));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QPoint places[] = {{10, 188}, {15, 193}, {12, 190}, {15, 193}, {10, 188}, {13, 188}};
        for (const QPoint at : places) {
            plate.move_title(at);
            QCOMPARE(plate.grab().toImage().convertToFormat(QImage::Format_RGB32), expected(picture, text, at));
        }
        // Drawing on the picture shows under the text, also at places it has been before.
        plate.surface().fill_rect(QRect(0, 180, 210, 60), qRgb(0, 255, 0));
        plate.refresh();
        for (const QPoint at : {QPoint(10, 188), QPoint(15, 193)}) {
            plate.move_title(at);
            QCOMPARE(plate.grab().toImage().convertToFormat(QImage::Format_RGB32),
                     expected(plate.surface().image(), text, at));
        }
    }

    // ctest runs this on screens scaled by 1.25, 1.5, 1.75 and 2 as well: wherever the text
    // shakes to, each device pixel shows the plate there, never the text where it was before nor
    // a pixel no paint reached (the pieces beside the text meet it inside a device pixel).
    void shows_only_the_plate_on_a_scaled_screen()
    {
        QWidget window;
        window.resize(210, 377);
        TitlePlate plate(&window, 210, 360);
        plate.move(0, 17); // under a menu bar, as in the game
        plate.surface().set_picture(patterned_picture(210, 360));
        plate.set_title(title_text(), QPoint(10, 188));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int i = 0; i < 36; ++i) {
            plate.move_title(QPoint(10 + i % 6, 188 + (i / 6)));
            QCOMPARE(scaled_screen::shows_its_pictures(window), QString());
        }
    }

    void a_shake_repaints_only_what_the_text_leaves_and_enters()
    {
        QWidget window;
        window.resize(210, 360);
        TitlePlate plate(&window, 210, 360);
        plate.surface().set_picture(patterned_picture(210, 360));
        plate.set_title(title_text(), QPoint(10, 188));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);

        PaintWatch watch;
        window.installEventFilter(&watch);
        plate.installEventFilter(&watch);
        for (int i = 0; i < 20; ++i) {
            plate.move_title(QPoint(10 + i % 6, 188 + (i * 5) % 6));
            QTest::qWait(5);
        }
        QTest::qWait(50);
        QVERIFY(watch.paints > 0);
        QCOMPARE(watch.painted.keys(), QList<QObject*>({&plate}));
        QVERIFY(QRegion(QRect(10, 188, 193 + 5, 33 + 5)).contains(watch.painted[&plate].boundingRect()));
    }
};

QTEST_MAIN(TitlePlateTest)
#include "title_plate_test.moc"
