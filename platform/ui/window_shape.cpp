#include "window_shape.h"
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QRegion>
#include <QWidget>
#include <QWindow>

namespace platform {

void set_rounded_shape(QWidget* window, const QRect& rect, int corner_width, int corner_height)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(rect), corner_width / 2.0, corner_height / 2.0);
    window->setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void set_ellipse_shape(QWidget* window, const QRect& rect)
{
    window->setMask(QRegion(rect, QRegion::Ellipse));
}

void clear_shape(QWidget* window)
{
    window->clearMask();
}

void set_topmost(QWidget* window, bool on)
{
    if (is_topmost(window) == on)
        return;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    // QWidget::setWindowFlags would destroy and re-create the native window (a new
    // window id, focus and activation lost). Switch the state on the window that
    // exists instead, and let the widget know without re-creating anything.
    window->overrideWindowFlags(flags);
    if (QWindow* handle = window->windowHandle())
        handle->setFlags(flags);
}

bool is_topmost(const QWidget* window)
{
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

namespace {

// A frameless outline that moves from one rectangle to the other and deletes itself.
class RectOutline : public QWidget {
public:
    RectOutline()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                               | Qt::WindowTransparentForInput)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setStyleSheet(QStringLiteral("background: rgb(0, 0, 128);"));
    }
};

} // namespace

void animate_rect(const QRect& from, const QRect& to, int duration_ms)
{
    auto* outline = new RectOutline;
    const QRect start = from.isEmpty() ? QRect(from.topLeft(), QSize(1, 1)) : from;
    outline->setGeometry(start.left(), start.top(), start.width(), 18);
    outline->show();
    auto* anim = new QPropertyAnimation(outline, "geometry", outline);
    anim->setDuration(duration_ms);
    anim->setStartValue(QRect(start.left(), start.top(), start.width(), 18));
    anim->setEndValue(QRect(to.left(), to.top(), std::max(to.width(), 1), 18));
    QObject::connect(anim, &QPropertyAnimation::finished, outline, &QWidget::close);
    anim->start();
}

} // namespace platform
