// Checks every file the game loads from the program folder against what the
// programs rely on.

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QStringDecoder>
#include <QTest>
#include <QtEndian>
#include <cmath>

namespace {

const QRgb magenta = qRgb(255, 0, 255);

QString suite_path(const QString& relative)
{
    const QString dir = qEnvironmentVariable("SUITE_DIR");
    return QDir(dir).filePath(relative);
}

QByteArray read_all(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

int topmost_opaque_row(const QImage& img)
{
    const QRgb key = img.pixel(0, 0);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != key)
                return y;
    return img.height();
}

double luma(QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); }

// Mean and spread of the brightness of a rectangle.
std::pair<double, double> brightness(const QImage& img, const QRect& r)
{
    double sum = 0, sq = 0;
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double l = luma(img.pixel(x, y));
            sum += l;
            sq += l * l;
            ++n;
        }
    const double mean = sum / n;
    return {mean, std::sqrt(std::max(0.0, sq / n - mean * mean))};
}

// The game's comment reader: fields split by commas or line ends; a field
// that starts with a double quote ends at the next one.
QStringList read_fields(const QString& text)
{
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && text[i] == ' ')
            ++i;
        if (i >= n)
            break;
        QString field;
        if (text[i] == '"') {
            const qsizetype end = text.indexOf('"', i + 1);
            field = text.mid(i + 1, (end < 0 ? n : end) - i - 1);
            i = end < 0 ? n : end + 1;
            while (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n')
                ++i;
        } else {
            qsizetype end = i;
            while (end < n && text[end] != ',' && text[end] != '\r' && text[end] != '\n')
                ++end;
            field = text.mid(i, end - i);
            i = end;
        }
        if (i < n && text[i] == ',')
            ++i;
        else if (i < n && text[i] == '\r')
            i += (i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
        else if (i < n && text[i] == '\n')
            ++i;
        fields << field;
    }
    return fields;
}

QString decode_cp932(const QByteArray& bytes, bool* ok)
{
    QStringDecoder decoder("windows-31j");
    const QString text = decoder.decode(bytes);
    *ok = decoder.isValid() && !decoder.hasError() && !text.contains(QChar(0xfffd));
    return text;
}

}  // namespace

class AssetFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("SUITE_DIR"), "SUITE_DIR is not set");
        QVERIFY(QDir(suite_path("bmp")).exists());
    }

    void keyed_sprites_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        for (const char* n : {"ana3", "mipo31", "mipo32", "mipo33", "ita5", "hazure31", "hazure32", "hazure33",
                              "hazure34", "hazure_m", "zan", "start", "soubi", "help", "score", "config", "server",
                              "net", "tokei", "note"})
            QTest::newRow(n) << QString(n) + ".bmp" << 50;
        QTest::newRow("help_next") << QString("help_next.bmp") << 32;
        QTest::newRow("help_back") << QString("help_back.bmp") << 32;
        QTest::newRow("mipo_about") << QString("mipo_about.bmp") << 64;
        for (const char* n : {"ANA3", "MIPO31", "MIPO32", "MIPO33", "ITA5", "HAZURE31", "HAZURE32", "HAZURE33",
                              "HAZURE34", "HAZURE_M"})
            QTest::newRow(qPrintable(QString("snow ") + n)) << QString("../skin/snow/") + n + ".BMP" << 50;
    }

    // Drawn from the top-left corner with that pixel as the transparent
    // colour: the key is magenta, nothing else comes near it.
    void keyed_sprites()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        const QByteArray bytes = read_all(suite_path("bmp/" + name));
        QVERIFY2(bytes.size() > 54, qPrintable(name + " is missing"));
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        const QImage img = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(img.size(), QSize(size, size));
        QCOMPARE(img.pixel(0, 0), magenta);
        int key = 0, near = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb c = img.pixel(x, y);
                if (c == magenta) {
                    ++key;
                    continue;
                }
                const int d = std::abs(qRed(c) - 255) + qGreen(c) + std::abs(qBlue(c) - 255);
                if (d < 90)
                    ++near;
            }
        QCOMPARE(near, 0);
        // something is drawn, and something is left transparent
        QVERIFY2(key > size * size / 10, qPrintable(QString::number(key)));
        QVERIFY2(key < size * size * 9 / 10, qPrintable(QString::number(key)));
    }

    // The empty hole is a dark opening with a lighter rim in the lower part
    // of the cell; above it the gradient shows through.
    void empty_hole()
    {
        const QImage img(suite_path("bmp/ana3.bmp"));
        QVERIFY(!img.isNull());
        QCOMPARE(topmost_opaque_row(img) > 20, true);
        QVERIFY(luma(img.pixel(25, 42)) < 110);
        int rim_light = 0;
        for (int x = 2; x < 48; ++x)
            for (int y = 28; y < 50; ++y)
                if (img.pixel(x, y) != magenta && luma(img.pixel(x, y)) > 170)
                    ++rim_light;
        QVERIFY(rim_light > 30);
    }

    // Frames go from low to high, and each shows more than the empty hole.
    void rising_frames_data()
    {
        QTest::addColumn<QStringList>("frames");
        QTest::newRow("seal") << QStringList{"mipo31.bmp", "mipo32.bmp", "mipo33.bmp"};
        QTest::newRow("yeti") << QStringList{"hazure31.bmp", "hazure32.bmp", "hazure33.bmp", "hazure34.bmp"};
    }

    void rising_frames()
    {
        QFETCH(QStringList, frames);
        const QImage hole(suite_path("bmp/ana3.bmp"));
        int previous = topmost_opaque_row(hole);
        for (const QString& f : frames) {
            const QImage img(suite_path("bmp/" + f));
            QVERIFY2(!img.isNull(), qPrintable(f));
            const int top = topmost_opaque_row(img);
            QVERIFY2(top < previous, qPrintable(f + " does not rise"));
            previous = top;
        }
    }

    // The game restores the empty hole before each frame and draws the frame
    // over it, so every frame carries the hole's near rim itself.
    void frames_include_the_hole()
    {
        const QImage hole(suite_path("bmp/ana3.bmp"));
        QVERIFY(!hole.isNull());
        for (const char* n : {"mipo31", "mipo32", "mipo33", "ita5", "hazure31", "hazure32", "hazure33", "hazure34",
                              "hazure_m", "zan"}) {
            const QImage img(suite_path(QString("bmp/%1.bmp").arg(n)));
            QVERIFY2(!img.isNull(), n);
            int missing = 0, rim = 0;
            for (int y = 44; y < 50; ++y)
                for (int x = 0; x < 50; ++x)
                    if (hole.pixel(x, y) != magenta) {
                        ++rim;
                        missing += img.pixel(x, y) == magenta;
                    }
            QVERIFY(rim > 50);
            QVERIFY2(missing == 0, n);
        }
    }

    void icons_are_distinct()
    {
        QList<QImage> icons;
        for (const char* n : {"start", "soubi", "help", "score", "config", "server", "net", "tokei", "note"})
            icons << QImage(suite_path(QString("bmp/%1.bmp").arg(n)));
        for (int i = 0; i < icons.size(); ++i)
            for (int j = i + 1; j < icons.size(); ++j)
                QVERIFY(icons[i] != icons[j]);
    }

    void opaque_pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const char* n : {"no1.bmp", "no2.bmp", "no3.bmp", "nogo.bmp", "wall.bmp"})
            QTest::newRow(n) << QString(n) << QSize(150, 150);
        QTest::newRow("zantetuken") << QString("zantetuken.bmp") << QSize(50, 50);
        QTest::newRow("title") << QString::fromUtf8("みぽぽかん2000.bmp") << QSize(210, 360);
    }

    void opaque_pictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QByteArray bytes = read_all(suite_path("bmp/" + name));
        QVERIFY2(!bytes.isEmpty(), qPrintable(name + " is missing"));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        const QImage img = QImage::fromData(bytes, "BMP");
        QCOMPARE(img.size(), size);
        // a picture, not a flat fill
        const auto [mean, spread] = brightness(img, img.rect());
        QVERIFY2(spread > 10, qPrintable(QString::number(spread)));
        Q_UNUSED(mean);
    }

    void countdown_pictures_differ()
    {
        QList<QImage> all;
        for (const char* n : {"no1.bmp", "no2.bmp", "no3.bmp", "nogo.bmp"})
            all << QImage(suite_path(QString("bmp/") + n));
        for (int i = 0; i < all.size(); ++i)
            for (int j = i + 1; j < all.size(); ++j)
                QVERIFY(all[i] != all[j]);
    }

    // Labels are written over the lower part of the title picture.
    void title_has_calm_label_area()
    {
        const QImage img(suite_path(QString::fromUtf8("bmp/みぽぽかん2000.bmp")));
        QVERIFY(!img.isNull());
        const auto [low_mean, low_spread] = brightness(img, QRect(0, 185, 210, 175));
        QVERIFY2(low_mean > 200, qPrintable(QString::number(low_mean)));
        QVERIFY2(low_spread < 20, qPrintable(QString::number(low_spread)));
        const auto [top_mean, top_spread] = brightness(img, QRect(0, 0, 210, 180));
        Q_UNUSED(top_mean);
        QVERIFY2(top_spread > low_spread * 2, "the scene above looks as plain as the label area");
    }

    void splash_logo()
    {
        QImageReader reader(suite_path("bmp/thwlogo.jpg"));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage img = reader.read();
        QVERIFY(!img.isNull());
        QVERIFY(img.width() >= 180 && img.width() <= 220);
        QCOMPARE(img.height(), 65);
        // light behind the credit line
        QVERIFY(brightness(img, QRect(0, 45, img.width(), 20)).first > 200);
        QVERIFY(brightness(img, QRect(0, 0, img.width(), 42)).second > 15);
    }

    void notepad_window_icon()
    {
        QImageReader reader(suite_path("memolu.ico"));
        QCOMPARE(reader.format(), QByteArray("ico"));
        const QImage img = reader.read();
        QCOMPARE(img.size(), QSize(32, 32));
        QVERIFY(img.hasAlphaChannel());
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);    // round badge: clear corners
        QVERIFY(qAlpha(img.pixel(16, 16)) > 200); // solid middle
    }

    // The game's own window icon: the seal on a round patch of ice.
    void game_window_icon()
    {
        QImageReader reader(suite_path("mpkx.ico"));
        QCOMPARE(reader.format(), QByteArray("ico"));
        const QImage img = reader.read();
        QCOMPARE(img.size(), QSize(48, 48));
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QVERIFY(qAlpha(img.pixel(24, 24)) > 200);
    }

    // The snow skin is every sprite a skin replaces, each one changed, under
    // Windows-style names.
    void snow_skin_differs_from_the_sprites()
    {
        const QDir skin(suite_path("skin/snow"));
        QCOMPARE(skin.entryList(QDir::Files).size(), 10);
        for (const char* n : {"ana3", "mipo31", "mipo32", "mipo33", "ita5", "hazure31", "hazure32", "hazure33",
                              "hazure34", "hazure_m"}) {
            const QImage own(suite_path(QString("bmp/") + n + ".bmp"));
            const QImage snow(skin.filePath(QString(n).toUpper() + ".BMP"));
            QVERIFY2(!snow.isNull(), n);
            QCOMPARE(snow.size(), own.size());
            QVERIFY2(snow != own, n);
        }
    }

    void cursors_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* n : {"harisen3.cur", "harisen4.cur", "ono1.cur", "ono2.cur", "arutema1.cur", "arutema2.cur"})
            QTest::newRow(n) << QString(n);
    }

    // Real .cur files: type 2, one 32 x 32 image, hot spot inside it, and Qt
    // reads them and makes a cursor of them.
    void cursors()
    {
        QFETCH(QString, name);
        const QByteArray bytes = read_all(suite_path("bmp/" + name));
        QVERIFY2(bytes.size() > 22, qPrintable(name + " is missing"));
        const auto* d = bytes.constData();
        QCOMPARE(qFromLittleEndian<quint16>(d + 0), quint16(0));
        QCOMPARE(qFromLittleEndian<quint16>(d + 2), quint16(2));
        QCOMPARE(qFromLittleEndian<quint16>(d + 4), quint16(1));
        QCOMPARE(quint8(d[6]), quint8(32));
        QCOMPARE(quint8(d[7]), quint8(32));
        const int hx = qFromLittleEndian<quint16>(d + 10);
        const int hy = qFromLittleEndian<quint16>(d + 12);
        QVERIFY(hx >= 0 && hx < 32 && hy >= 0 && hy < 32);
        const quint32 size = qFromLittleEndian<quint32>(d + 14);
        const quint32 offset = qFromLittleEndian<quint32>(d + 18);
        QCOMPARE(qint64(offset) + size, qint64(bytes.size()));

        QImageReader reader(suite_path("bmp/" + name));
        const QImage img = reader.read();
        QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(img.size(), QSize(32, 32));
        QVERIFY(img.hasAlphaChannel());
        int opaque = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                opaque += qAlpha(img.pixel(x, y)) == 255;
        QVERIFY(opaque > 60 && opaque < 32 * 32 * 3 / 4);
        // the weapon lands on the hot spot: something is drawn close to it
        bool near_hot = false;
        for (int y = qMax(0, hy - 6); y <= qMin(31, hy + 6); ++y)
            for (int x = qMax(0, hx - 6); x <= qMin(31, hx + 6); ++x)
                near_hot = near_hot || qAlpha(img.pixel(x, y)) > 0;
        QVERIFY(near_hot);
        const QCursor cursor(QPixmap::fromImage(img), hx, hy);
        QCOMPARE(cursor.hotSpot(), QPoint(hx, hy));
    }

    void raised_and_striking_differ()
    {
        for (auto [up, down] : {std::pair("harisen3", "harisen4"), {"ono1", "ono2"}, {"arutema1", "arutema2"}}) {
            const QImage a(suite_path(QString("bmp/%1.cur").arg(up)));
            const QImage b(suite_path(QString("bmp/%1.cur").arg(down)));
            QVERIFY(!a.isNull() && !b.isNull());
            QVERIFY(a != b);
        }
    }

    void sounds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("min_seconds");
        QTest::addColumn<double>("max_seconds");
        QTest::newRow("hit") << QString("q1.wav") << 0.15 << 0.6;
        QTest::newRow("opening") << QString("open_mpkx.wav") << 1.2 << 2.5;
        QTest::newRow("sword") << QString("zantetuken.wav") << 0.6 << 1.6;
        QTest::newRow("music") << QString("kirakira.wav") << 15.0 << 25.0;
    }

    // PCM, 22050 Hz, 16 bit, stereo; audible and not clipped.
    void sounds()
    {
        QFETCH(QString, name);
        QFETCH(double, min_seconds);
        QFETCH(double, max_seconds);
        const QByteArray bytes = read_all(suite_path("wav/" + name));
        QVERIFY2(bytes.size() > 44, qPrintable(name + " is missing"));
        const char* d = bytes.constData();
        QCOMPARE(bytes.mid(0, 4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint32>(d + 4), quint32(bytes.size() - 8));
        QCOMPARE(bytes.mid(8, 4), QByteArray("WAVE"));
        QCOMPARE(bytes.mid(12, 4), QByteArray("fmt "));
        QCOMPARE(qFromLittleEndian<quint16>(d + 20), quint16(1));
        QCOMPARE(qFromLittleEndian<quint16>(d + 22), quint16(2));
        QCOMPARE(qFromLittleEndian<quint32>(d + 24), quint32(22050));
        QCOMPARE(qFromLittleEndian<quint32>(d + 28), quint32(88200));
        QCOMPARE(qFromLittleEndian<quint16>(d + 32), quint16(4));
        QCOMPARE(qFromLittleEndian<quint16>(d + 34), quint16(16));
        const int data_at = 20 + int(qFromLittleEndian<quint32>(d + 16));
        QCOMPARE(bytes.mid(data_at, 4), QByteArray("data"));
        const quint32 data_bytes = qFromLittleEndian<quint32>(d + data_at + 4);
        QCOMPARE(qint64(data_at) + 8 + data_bytes, qint64(bytes.size()));
        const double seconds = data_bytes / 88200.0;
        QVERIFY2(seconds >= min_seconds && seconds <= max_seconds, qPrintable(QString::number(seconds)));
        int peak = 0;
        for (quint32 i = 0; i < data_bytes; i += 2)
            peak = qMax(peak, std::abs(int(qFromLittleEndian<qint16>(d + data_at + 8 + i))));
        QVERIFY2(peak > 32767 / 4, qPrintable(QString::number(peak)));
        QVERIFY2(peak < 32767, "clipped");
    }

    void comment_files_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::newRow("hits") << QString("hitc.csv") << 22;
        QTest::newRow("misses") << QString("missc.csv") << 11;
    }

    void comment_files()
    {
        QFETCH(QString, name);
        QFETCH(int, count);
        const QByteArray bytes = read_all(suite_path(name));
        QVERIFY2(!bytes.isEmpty(), qPrintable(name + " is missing"));
        QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
        bool ok = false;
        const QString text = decode_cp932(bytes, &ok);
        QVERIFY2(ok, "not clean CP932");
        const QStringList fields = read_fields(text);
        QCOMPARE(fields.size(), count);
        for (const QString& f : fields)
            QVERIFY2(!f.trimmed().isEmpty(), "an empty comment");
    }

    void update_history()
    {
        const QByteArray bytes = read_all(suite_path(QString::fromUtf8("更新履歴mpkx.txt")));
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
        bool ok = false;
        const QString text = decode_cp932(bytes, &ok);
        QVERIFY(ok);
        QVERIFY(text.contains("1.0.84"));
        QVERIFY(text.contains("2000"));
    }

    // The comment reader used above, on the cases the game's files may hold.
    void field_reader()
    {
        QCOMPARE(read_fields(QString::fromUtf8("良い,とても良い\r\n")), QStringList({"良い", "とても良い"}));
        QCOMPARE(read_fields(QString::fromUtf8("\"良い,とても良い\"\r\nx")),
                 QStringList({QString::fromUtf8("良い,とても良い"), "x"}));
        QCOMPARE(read_fields("a\r\nb"), QStringList({"a", "b"}));
    }
};

QTEST_MAIN(AssetFilesTest)
#include "asset_files_test.moc"
