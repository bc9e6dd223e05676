// The generator's writers: colour keying, .cur and .wav files, CP932 texts.

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QImageReader>
#include <QPainter>
#include <QTest>
#include <QtEndian>
#include <stdexcept>

#include "cur_writer.h"
#include "keying.h"
#include "synth.h"
#include "text_convert.h"
#include "wav_writer.h"

using namespace assetgen;

class AssetWritersTest : public QObject {
    Q_OBJECT

private slots:
    void cp932_text()
    {
        // the wave dash of CP932 is the full-width tilde
        QCOMPARE(to_cp932_crlf(QString::fromUtf8("きゅ～")), QByteArray("\x82\xab\x82\xe3\x81\x60"));
        QCOMPARE(to_cp932_crlf(QString::fromUtf8("ｷｭ")), QByteArray("\xb7\xad"));
        // line ends of any kind become CR LF, once
        QCOMPARE(to_cp932_crlf("a\nb\r\nc\rd\n"), QByteArray("a\r\nb\r\nc\r\nd\r\n"));
        // what CP932 cannot hold becomes "?", one per character
        QCOMPARE(to_cp932_crlf(QString::fromUtf8("a😀b〜c")), QByteArray("a?b?c"));
        QCOMPARE(to_cp932_crlf(QString()), QByteArray());
    }

    void keyed_snaps_every_pixel()
    {
        QImage canvas = new_canvas(20, 20);
        {
            QPainter p(&canvas);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 10, 245));  // almost the key
            p.drawEllipse(QPointF(6, 6), 4.3, 4.3);
            p.setBrush(QColor(20, 200, 40, 100));  // faint: must vanish
            p.drawRect(12, 12, 6, 6);
            p.setBrush(QColor(20, 120, 200));
            p.drawEllipse(QPointF(15, 5), 3.7, 3.7);
        }
        const QImage out = keyed(canvas);
        QCOMPARE(out.size(), QSize(20, 20));
        QCOMPARE(out.pixel(0, 0), key_colour);
        QCOMPARE(out.pixel(15, 15), key_colour);
        QCOMPARE(out.pixel(15, 5), qRgb(20, 120, 200));
        QVERIFY(out.pixel(6, 6) != key_colour);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const QRgb c = out.pixel(x, y);
                QVERIFY(c == key_colour || !near_key(c));
                // edges are never blends of the blue disc and the key
                if (c != key_colour && (x - 15) * (x - 15) + (y - 5) * (y - 5) <= 16)
                    QVERIFY(qRed(c) < 60);
            }
    }

    void keyed_forces_the_corner()
    {
        QImage canvas = new_canvas(4, 4);
        canvas.fill(QColor(10, 20, 30));
        const QImage out = keyed(canvas);
        QCOMPARE(out.pixel(0, 0), key_colour);
        QCOMPARE(out.pixel(1, 0), qRgb(10, 20, 30));
    }

    void cursor_round_trip()
    {
        QImage img(32, 32, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        for (int i = 0; i < 32; ++i)
            img.setPixel(i, i, qRgba(200, 30, 40, 255));
        img.setPixel(31, 0, qRgba(0, 0, 255, 255));
        const QByteArray bytes = cur_bytes(img, QPoint(3, 29));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 2), quint16(2));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 10), quint16(3));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 12), quint16(29));
        QCOMPARE(bytes.size(), 22 + 40 + 32 * 32 * 4 + 32 * 4);

        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer, "cur");
        const QImage back = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!back.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(back.size(), QSize(32, 32));
        // rows are stored bottom-up: a mix-up would move these
        QCOMPARE(back.pixel(31, 0), qRgba(0, 0, 255, 255));
        QCOMPARE(back.pixel(5, 5), qRgba(200, 30, 40, 255));
        QCOMPARE(qAlpha(back.pixel(0, 31)), 0);
    }

    void wave_file()
    {
        Track t(0.5);
        t.add(0.0, note(440, 0.2, Wave::sine, {}), 2.0, -1.0);  // hard left, too loud
        t.normalise(0.5);
        const QByteArray bytes = wav_bytes(t);
        const char* d = bytes.constData();
        QCOMPARE(bytes.size(), 44 + 11025 * 4);
        QCOMPARE(qFromLittleEndian<quint32>(d + 40), quint32(11025 * 4));
        int left = 0, right = 0;
        for (int i = 44; i < bytes.size(); i += 4) {
            left = qMax(left, qAbs(int(qFromLittleEndian<qint16>(d + i))));
            right = qMax(right, qAbs(int(qFromLittleEndian<qint16>(d + i + 2))));
        }
        QVERIFY(qAbs(left - 16384) < 200);
        QVERIFY(right < 50);
    }

    void wave_clips_instead_of_wrapping()
    {
        Track t(0.01);
        Samples loud(t.left().size(), 3.0f);
        t.add(0.0, loud, 1.0, 0.0);
        const QByteArray bytes = wav_bytes(t);
        for (int i = 44; i < bytes.size(); i += 2)
            QVERIFY(qFromLittleEndian<qint16>(bytes.constData() + i) > 0);
    }

    // Every sound piece fades to silence at its end: no click when it stops.
    void pieces_end_quietly()
    {
        const Samples pieces[] = {glide(700, 200, 0.05, Wave::square, 1.0), bell(880, 0.2),
                                  struck(500, 0.1, {{1.0, 1.0, 5.0}}), noise(0.05, 5.0, 3)};
        for (const Samples& s : pieces) {
            QVERIFY(s.size() > 100);
            QVERIFY(std::abs(s.back()) < 0.01f);
            float loud = 0;
            for (std::size_t i = 0; i < s.size() / 2; ++i)
                loud = std::max(loud, std::abs(s[i]));
            QVERIFY(loud > 0.3f);
        }
    }

    void text_file_conversion()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile in(dir.filePath("in.txt"));
        QVERIFY(in.open(QIODevice::WriteOnly));
        in.write("\xef\xbb\xbf" "\xe3\x83\x9f\xe3\x83\x9d\n");  // BOM, "ミポ", LF
        in.close();
        convert_text_file(dir.filePath("in.txt"), dir.filePath("out.txt"));
        QFile out(dir.filePath("out.txt"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), QByteArray("\x83\x7e\x83\x7c\r\n"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 convert_text_file(dir.filePath("missing.txt"), dir.filePath("x.txt")));
    }

    void note_lasts_its_length_and_release()
    {
        const Samples s = note(220, 0.5, Wave::square, {0.01, 0.1, 0.5, 0.2});
        QCOMPARE(int(s.size()), int(0.7 * sample_rate));
        QVERIFY(std::abs(s.back()) < 0.01f);
        QVERIFY(std::abs(s[s.size() / 3]) > 0.2f);
    }
};

QTEST_MAIN(AssetWritersTest)
#include "asset_writers_test.moc"
