#include "platform/files/atomic_file.h"
#include "platform/ui/cursor_file.h"
#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A .cur file: an icon file of one 32 × 32 picture, typed as a cursor, with the
// given hot spot in its directory.
QByteArray cursor_bytes(quint16 hot_x, quint16 hot_y)
{
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "ico").write(picture))
        return {};
    bytes[2] = 2; // type: cursor
    bytes[10] = static_cast<char>(hot_x & 0xff);
    bytes[11] = static_cast<char>(hot_x >> 8);
    bytes[12] = static_cast<char>(hot_y & 0xff);
    bytes[13] = static_cast<char>(hot_y >> 8);
    return bytes;
}

} // namespace

class CursorFileTest : public QObject {
    Q_OBJECT

private slots:
    void hot_spot_comes_from_the_file_and_stays_inside_the_picture()
    {
        struct Case {
            quint16 x, y;
            QPoint expected;
        };
        const Case cases[] = {
            {3, 4, QPoint(3, 4)},
            {0, 31, QPoint(0, 31)},
            {32, 5, QPoint(31, 5)},           // one past the edge
            {40000, 7, QPoint(31, 7)},        // would read back negative
            {65535, 65535, QPoint(31, 31)},
            {12, 32768, QPoint(12, 31)},
        };
        QTemporaryDir dir;
        for (const Case& c : cases) {
            const QByteArray bytes = cursor_bytes(c.x, c.y);
            QVERIFY(!bytes.isEmpty());
            QCOMPARE(platform::cursor_hot_spot(bytes), std::optional<QPoint>(QPoint(c.x, c.y)));
            const QString path = dir.filePath(QStringLiteral("weapon.cur"));
            QVERIFY(platform::write_file_atomically(path, bytes));
            const auto cursor = platform::load_cursor_file(path);
            QVERIFY(cursor);
            QCOMPARE(cursor->pixmap().size(), QSize(32, 32));
            QCOMPARE(cursor->hotSpot(), c.expected);
        }
    }

    void a_file_that_is_no_cursor_gives_none()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.cur"));
        QByteArray icon = cursor_bytes(1, 1);
        icon[2] = 1; // an icon, not a cursor
        QVERIFY(platform::write_file_atomically(path, icon));
        QVERIFY(!platform::load_cursor_file(path));
        QVERIFY(!platform::load_cursor_file(dir.filePath(QStringLiteral("missing.cur"))));
        QVERIFY(platform::write_file_atomically(path, cursor_bytes(1, 1).left(30)));
        QVERIFY(!platform::load_cursor_file(path));
    }
};

QTEST_MAIN(CursorFileTest)
#include "cursor_file_test.moc"
