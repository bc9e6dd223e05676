#include "pictures.h"

#include "keying.h"
#include "paint_kit.h"
#include "seal_painter.h"

#include <QDir>
#include <QtMath>

namespace assetgen {
namespace {

struct Countdown {
    const char* file;
    const char* text;
    QColor light, dark;  // the sunburst
    QColor top, bottom;  // the letters
};

void paint_sunburst(QPainter& p, const QColor& light, const QColor& dark)
{
    p.fillRect(QRectF(0, 0, 150, 150), light);
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    const QPointF c(75, 80);
    for (int i = 0; i < 16; i += 2) {
        QPainterPath ray;
        const qreal a0 = i * M_PI / 8, a1 = (i + 1) * M_PI / 8;
        ray.moveTo(c);
        ray.lineTo(c + QPointF(200 * qCos(a0), 200 * qSin(a0)));
        ray.lineTo(c + QPointF(200 * qCos(a1), 200 * qSin(a1)));
        ray.closeSubpath();
        p.drawPath(ray);
    }
    QRadialGradient glow(c, 70);
    glow.setColorAt(0.0, QColor(255, 255, 255, 230));
    glow.setColorAt(0.6, QColor(255, 255, 255, 60));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(c, 70, 70);
}

void paint_snow(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    const QPointF flakes[] = {{12, 14}, {132, 20}, {24, 62}, {140, 70}, {110, 8}, {40, 30}, {120, 46}};
    for (const QPointF& f : flakes)
        p.drawEllipse(f, 2.2, 2.2);
    draw_twinkle(p, {28, 18}, 7, Qt::white);
    draw_twinkle(p, {126, 34}, 6, Qt::white);
}

void paint_countdown(QPainter& p, const Countdown& c, int index)
{
    p.setRenderHint(QPainter::Antialiasing);
    paint_sunburst(p, c.light, c.dark);
    paint_snow(p);

    // an ice floe with the seal on it, cheering
    p.setPen(QPen(QColor(70, 130, 190), 1.5));
    QLinearGradient ice(0, 118, 0, 150);
    ice.setColorAt(0, QColor(250, 253, 255));
    ice.setColorAt(1, QColor(170, 210, 240));
    p.setBrush(ice);
    p.drawEllipse(QPointF(75, 150), 95, 26);

    const bool go = index == 0;
    p.save();
    const qreal seal_x = go ? 75 : (index % 2 ? 122 : 28);
    p.translate(seal_x, go ? 104 : 112);
    p.scale(go ? 1.05 : 0.8, go ? 1.05 : 0.8);
    p.translate(-25, -25);
    paint_seal(p, {0.0, go ? SealFace::joy : SealFace::happy, go || index == 1, go ? 0.0 : (index % 2 ? -10 : 10)});
    p.restore();

    QLinearGradient letters(0, 20, 0, 110);
    letters.setColorAt(0.0, c.top);
    letters.setColorAt(1.0, c.bottom);
    const bool big = !go;
    QFont f = bold_font(big ? 104 : 62);
    const QRectF box = go ? QRectF(0, 6, 150, 80) : QRectF(go ? 0 : (index % 2 ? 10 : 40), 8, 100, 104);
    outlined_text(p, box, QString::fromLatin1(c.text), f, Qt::white, QColor(40, 40, 90), 12);
    outlined_text(p, box, QString::fromLatin1(c.text), f, letters, Qt::white, 4);
}

}  // namespace

void write_countdown_pictures(const QString& dir)
{
    const Countdown all[] = {
        {"nogo.bmp", "GO!", QColor(255, 236, 120), QColor(255, 200, 80), QColor(255, 120, 60), QColor(230, 30, 60)},
        {"no1.bmp", "1", QColor(190, 240, 200), QColor(140, 220, 170), QColor(80, 200, 120), QColor(20, 130, 90)},
        {"no2.bmp", "2", QColor(255, 220, 190), QColor(255, 190, 150), QColor(255, 170, 60), QColor(240, 100, 30)},
        {"no3.bmp", "3", QColor(255, 210, 230), QColor(250, 180, 210), QColor(255, 120, 170), QColor(200, 50, 130)},
    };
    for (int i = 0; i < 4; ++i) {
        QImage img(150, 150, QImage::Format_ARGB32_Premultiplied);
        img.fill(all[i].light);
        {
            QPainter p(&img);
            paint_countdown(p, all[i], i);
        }
        save_bmp(img, QDir(dir).filePath(all[i].file));
    }
}

}  // namespace assetgen
