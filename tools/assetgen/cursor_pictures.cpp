#include "pictures.h"

#include "cur_writer.h"
#include "paint_kit.h"

#include <QDir>
#include <QtMath>

namespace assetgen {
namespace {

// Every weapon is drawn lying along the -x axis from its grip end (0, 0) to
// its striking end; the cursor turns it into place.
const QColor ink(36, 30, 40);

void paint_harisen(QPainter& p)
{
    // grip wrapped in red tape
    p.setPen(QPen(ink, 1.0));
    p.setBrush(QColor(230, 50, 60));
    p.drawRoundedRect(QRectF(-9, -2.4, 10, 4.8), 1.5, 1.5);
    p.setPen(QPen(Qt::white, 0.9));
    p.drawLine(QPointF(-6, -2.2), QPointF(-4.5, 2.2));
    p.drawLine(QPointF(-3, -2.2), QPointF(-1.5, 2.2));
    // the folded paper, widening to the striking end
    QPainterPath fan;
    fan.moveTo(-8.5, -2.6);
    fan.lineTo(-22, -6.5);
    fan.lineTo(-22, 6.5);
    fan.lineTo(-8.5, 2.6);
    fan.closeSubpath();
    QLinearGradient paper(0, -6, 0, 6);
    paper.setColorAt(0.0, QColor(255, 255, 255));
    paper.setColorAt(1.0, QColor(236, 226, 200));
    p.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(paper);
    p.drawPath(fan);
    p.setPen(QPen(QColor(180, 165, 130), 0.7));
    for (int k = -2; k <= 2; ++k)
        p.drawLine(QPointF(-9, k * 0.9), QPointF(-21.6, k * 2.4));
}

void paint_axe(QPainter& p)
{
    p.setPen(QPen(ink, 1.0));
    QLinearGradient wood(0, -2, 0, 2);
    wood.setColorAt(0.0, QColor(200, 140, 80));
    wood.setColorAt(1.0, QColor(130, 80, 40));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(-24, -1.9, 25, 3.8), 1.8, 1.8);
    // the steel head at the far end
    QPainterPath head;
    head.moveTo(-23.5, -3);
    head.lineTo(-17.5, -3);
    head.lineTo(-15.0, 7.5);
    head.quadTo(-20.5, 10.5, -26.5, 7.5);
    head.closeSubpath();
    QLinearGradient steel(-26, 0, -15, 8);
    steel.setColorAt(0.0, QColor(240, 244, 250));
    steel.setColorAt(1.0, QColor(120, 130, 150));
    p.setBrush(steel);
    p.drawPath(head);
    p.setPen(QPen(Qt::white, 0.9));
    p.drawLine(QPointF(-25, 7.4), QPointF(-16.2, 7.4));
}

void paint_ultimate_sword(QPainter& p)
{
    // a glowing aura
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 110, 255, 110));
    p.drawRoundedRect(QRectF(-29, -4.2, 21, 8.4), 4, 4);
    // blade
    QPainterPath blade;
    blade.moveTo(-8, -2.6);
    blade.lineTo(-25, -2.6);
    blade.lineTo(-29, 0);
    blade.lineTo(-25, 2.6);
    blade.lineTo(-8, 2.6);
    blade.closeSubpath();
    QLinearGradient shine(0, -2.6, 0, 2.6);
    shine.setColorAt(0.0, QColor(255, 255, 255));
    shine.setColorAt(0.5, QColor(170, 240, 255));
    shine.setColorAt(1.0, QColor(80, 150, 230));
    p.setPen(QPen(QColor(40, 50, 110), 0.9));
    p.setBrush(shine);
    p.drawPath(blade);
    // winged golden guard with a red jewel, and the grip
    p.setBrush(QColor(250, 205, 60));
    QPainterPath guard;
    guard.moveTo(-6, -7);
    guard.quadTo(-9.5, -3, -8, 0);
    guard.quadTo(-9.5, 3, -6, 7);
    guard.quadTo(-4.5, 2, -5, 0);
    guard.quadTo(-4.5, -2, -6, -7);
    p.drawPath(guard);
    p.setBrush(QColor(90, 50, 140));
    p.drawRect(QRectF(-5, -1.6, 4.6, 3.2));
    p.setBrush(QColor(250, 205, 60));
    p.drawEllipse(QPointF(0, 0), 1.8, 1.8);
    p.setBrush(QColor(230, 30, 70));
    p.drawEllipse(QPointF(-7.2, 0), 1.5, 1.5);
}

void paint_impact(QPainter& p, QPointF at)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 60));
    p.drawPath(star_path(at, 5.5, 2.4, 6, 15));
    p.setBrush(Qt::white);
    p.drawEllipse(at, 1.4, 1.4);
}

void paint_swing_lines(QPainter& p)
{
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2, 2, 44, 44), 130 * 16, 40 * 16);
    p.setPen(QPen(QColor(60, 60, 90, 200), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(6, 6, 40, 40), 128 * 16, 34 * 16);
}

// Grip at the lower right; the striking end points at `tip`.
QImage paint_cursor(void (*weapon)(QPainter&), qreal length, QPointF tip, bool striking)
{
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF grip(27.5, 27.5);
    const QPointF d = grip - tip;
    const qreal angle = qRadiansToDegrees(qAtan2(d.y(), d.x()));
    if (striking)
        paint_swing_lines(p);
    p.save();
    p.translate(grip);
    p.rotate(angle);
    p.scale(qSqrt(d.x() * d.x() + d.y() * d.y()) / length, 1.0);
    weapon(p);
    p.restore();
    if (striking)
        paint_impact(p, tip);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

void write_cursor_files(const QString& dir)
{
    // The hot spot is where the weapon lands. Raised, the weapon is held up
    // above it; striking, its end is right on it.
    const QPoint hot(6, 20);
    const QPointF raised_tip(9.5, 4.0), struck_tip(6.0, 20.0);
    const struct { const char* up; const char* down; void (*paint)(QPainter&); qreal length; } weapons[] = {
        {"harisen3.cur", "harisen4.cur", paint_harisen, 21.0},
        {"ono1.cur", "ono2.cur", paint_axe, 22.0},
        {"arutema1.cur", "arutema2.cur", paint_ultimate_sword, 27.0},
    };
    for (const auto& w : weapons) {
        write_cur(paint_cursor(w.paint, w.length, raised_tip, false), hot, QDir(dir).filePath(w.up));
        write_cur(paint_cursor(w.paint, w.length, struck_tip, true), hot, QDir(dir).filePath(w.down));
    }
}

}  // namespace assetgen
