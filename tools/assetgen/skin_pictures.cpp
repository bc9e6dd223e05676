#include "pictures.h"

#include "keying.h"
#include "paint_kit.h"

#include <QDir>
#include <QtMath>
#include <stdexcept>

namespace assetgen {
namespace {

// A keyed sprite back on a clear canvas, to paint more onto.
QImage unkeyed(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        throw std::runtime_error("cannot read " + path.toStdString());
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == key)
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A red knitted hat with a white brim and a bobble, on a head whose top is at `top`.
void paint_hat(QPainter& p, qreal top, qreal tilt_deg)
{
    p.save();
    p.translate(25, top + 6);
    p.rotate(tilt_deg);
    QPainterPath cap;
    cap.moveTo(-12.5, 2);
    cap.cubicTo(-12, -9, 12, -9, 12.5, 2);
    cap.closeSubpath();
    QLinearGradient red(0, -8, 0, 2);
    red.setColorAt(0, QColor(240, 70, 70));
    red.setColorAt(1, QColor(170, 20, 40));
    p.setPen(QPen(QColor(110, 10, 30), 0.9));
    p.setBrush(red);
    p.drawPath(cap);
    p.setPen(QPen(QColor(255, 150, 150), 0.7));
    for (qreal x : {-6.0, 0.0, 6.0})
        p.drawLine(QPointF(x, -5.5), QPointF(x * 1.1, 1));
    p.setPen(QPen(QColor(150, 160, 180), 0.8));
    p.setBrush(QColor(250, 250, 255));
    p.drawRoundedRect(QRectF(-13.5, 0, 27, 4.5), 2.2, 2.2);
    p.setBrush(ball_gradient(QPointF(-1, -8.5), 3.5, Qt::white, QColor(200, 210, 230)));
    p.drawEllipse(QPointF(0, -7.5), 3.2, 3.2);
    p.restore();
}

// Lumps of fresh snow on the near rim of the hole.
void paint_snowy_rim(QPainter& p)
{
    p.setPen(QPen(QColor(170, 190, 220), 0.7));
    p.setBrush(QColor(252, 253, 255));
    for (int k = 0; k < 7; ++k) {
        const qreal a = qDegreesToRadians(25.0 + k * 21.5);
        const QPointF c(25 + 21.5 * qCos(a), 40 + 7.6 * qSin(a));
        p.drawEllipse(c, 3.6 - (k % 2) * 0.8, 2.2);
    }
}

void paint_flakes(QPainter& p, int seed)
{
    const QPointF spots[] = {{6, 6}, {43, 9}, {39, 27}, {8, 24}, {20, 4}};
    p.setPen(QPen(QColor(90, 150, 230), 1.3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const QPointF c = spots[(seed + 2 * i) % 5];
        for (int arm = 0; arm < 3; ++arm) {
            const qreal a = qDegreesToRadians(arm * 60.0 + seed * 10.0);
            const QPointF d(2.6 * qCos(a), 2.6 * qSin(a));
            p.drawLine(c - d, c + d);
        }
    }
}

}  // namespace

void write_snow_skin(const QString& bmp_dir, const QString& skin_dir)
{
    // Windows-style names: the chooser matches them ignoring case.
    struct Sprite {
        const char* file;
        qreal hat_top; // < 0: no hat
        qreal hat_tilt;
    };
    const Sprite sprites[] = {
        {"ana3.bmp", -1, 0},     {"mipo31.bmp", 23.5, 0}, {"mipo32.bmp", 15.0, 0}, {"mipo33.bmp", 5.0, 0},
        {"ita5.bmp", 8.0, -14},  {"hazure31.bmp", -1, 0}, {"hazure32.bmp", -1, 0}, {"hazure33.bmp", -1, 0},
        {"hazure34.bmp", -1, 0}, {"hazure_m.bmp", -1, 0},
    };
    if (!QDir().mkpath(skin_dir))
        throw std::runtime_error("cannot create " + skin_dir.toStdString());
    int seed = 0;
    for (const Sprite& s : sprites) {
        QImage canvas = unkeyed(QDir(bmp_dir).filePath(s.file));
        {
            QPainter p(&canvas);
            p.setRenderHint(QPainter::Antialiasing);
            if (s.hat_top >= 0)
                paint_hat(p, s.hat_top, s.hat_tilt);
            paint_snowy_rim(p);
            paint_flakes(p, seed++);
        }
        save_bmp(keyed(canvas), QDir(skin_dir).filePath(QString::fromLatin1(s.file).toUpper()));
    }
}

}  // namespace assetgen
