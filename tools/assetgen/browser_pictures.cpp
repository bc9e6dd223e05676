#include "pictures.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "gif_writer.h"
#include "paint_kit.h"

namespace assetgen {

namespace {

// Every hover picture fills its 65 x 33 toolbar button, less a pixel of frame.
constexpr int kWidth = 63;
constexpr int kHeight = 31;

enum class Glyph { back, forward, again, show, stop, home };

struct HoverPicture {
    const char* file;
    Glyph glyph;
    const char* word;  // in the mascot's words
    QColor light;
    QColor dark;
};

void paint_glyph(QPainter& p, Glyph glyph, const QRectF& box)
{
    const QPointF c = box.center();
    const qreal r = box.height() / 2;
    p.setPen(QPen(QColor(90, 40, 60), 1.5));
    p.setBrush(Qt::white);
    QPainterPath path;
    switch (glyph) {
    case Glyph::back:
    case Glyph::forward: {
        const qreal s = glyph == Glyph::back ? -1 : 1;
        path.moveTo(c.x() + s * r, c.y());
        path.lineTo(c.x(), c.y() - r);
        path.lineTo(c.x(), c.y() - r / 2.5);
        path.lineTo(c.x() - s * r, c.y() - r / 2.5);
        path.lineTo(c.x() - s * r, c.y() + r / 2.5);
        path.lineTo(c.x(), c.y() + r / 2.5);
        path.lineTo(c.x(), c.y() + r);
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    case Glyph::again: {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - r * 0.7, c.y() - r * 0.7, r * 1.4, r * 1.4), 100 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        QPolygonF head;
        head << QPointF(c.x() - 1, c.y() - r) << QPointF(c.x() + r * 0.5, c.y() - r * 0.7)
             << QPointF(c.x() - 1, c.y() - r * 0.3);
        p.drawPolygon(head);
        break;
    }
    case Glyph::show:
        // An eye, wide open.
        path.moveTo(c.x() - r, c.y());
        path.quadTo(c.x(), c.y() - r * 1.3, c.x() + r, c.y());
        path.quadTo(c.x(), c.y() + r * 1.3, c.x() - r, c.y());
        p.drawPath(path);
        p.setBrush(QColor(60, 30, 50));
        p.drawEllipse(c, r * 0.38, r * 0.38);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(c + QPointF(-r * 0.12, -r * 0.14), r * 0.12, r * 0.12);
        break;
    case Glyph::stop:
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-r * 0.7, -r * 0.7), c + QPointF(r * 0.7, r * 0.7));
        p.drawLine(c + QPointF(r * 0.7, -r * 0.7), c + QPointF(-r * 0.7, r * 0.7));
        break;
    case Glyph::home:
        path.moveTo(c.x(), c.y() - r);
        path.lineTo(c.x() + r, c.y() - r * 0.05);
        path.lineTo(c.x() + r * 0.7, c.y() - r * 0.05);
        path.lineTo(c.x() + r * 0.7, c.y() + r * 0.9);
        path.lineTo(c.x() - r * 0.7, c.y() + r * 0.9);
        path.lineTo(c.x() - r * 0.7, c.y() - r * 0.05);
        path.lineTo(c.x() - r, c.y() - r * 0.05);
        path.closeSubpath();
        p.drawPath(path);
        p.setBrush(QColor(240, 120, 150));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(c.x() - r * 0.2, c.y() + r * 0.3, r * 0.4, r * 0.6));
        break;
    }
}

QImage hover_picture(const HoverPicture& h)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(255, 250, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, kHeight);
    fill.setColorAt(0, h.light);
    fill.setColorAt(1, h.dark);
    p.setBrush(fill);
    p.setPen(QPen(h.dark.darker(140), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1), 8, 8);
    // A little shine along the top.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(QRectF(4, 2, kWidth - 8, kHeight / 2.6), 5, 5);

    paint_glyph(p, h.glyph, QRectF(3, 6, 19, 19));
    outlined_text(p, QRectF(21, 0, kWidth - 22, kHeight), QString::fromUtf8(h.word), bold_font(11, true),
                  Qt::white, h.dark.darker(150), 2.5);
    draw_twinkle(p, QPointF(kWidth - 6, 6), 3.5, QColor(255, 255, 210));
    p.end();
    return image;
}

}  // namespace

void write_browser_pictures(const QString& cg_dir)
{
    const HoverPicture pictures[] = {
        {"left1.gif", Glyph::back, "もどる", QColor(140, 200, 255), QColor(60, 120, 210)},
        {"right1.gif", Glyph::forward, "すすむ", QColor(150, 230, 170), QColor(50, 150, 90)},
        {"again.gif", Glyph::again, "こうしん", QColor(255, 220, 130), QColor(225, 140, 40)},
        {"hyouji.gif", Glyph::show, "ひょうじ", QColor(220, 180, 255), QColor(140, 90, 210)},
        {"stop.gif", Glyph::stop, "ちゅうし", QColor(255, 160, 160), QColor(210, 60, 70)},
        {"home.gif", Glyph::home, "ほーむ", QColor(255, 190, 220), QColor(220, 100, 150)},
    };
    for (const HoverPicture& h : pictures)
        write_gif(hover_picture(h), QDir(cg_dir).filePath(QString::fromLatin1(h.file)));
}

}  // namespace assetgen
