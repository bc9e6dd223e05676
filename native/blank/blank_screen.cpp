#include "blank_screen.h"
#include "platform/ui/accessible_role.h"
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

BlankScreen::BlankScreen(const QRect& screen_rect, QPoint start)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , rule_(start.x(), start.y())
{
    setObjectName(QStringLiteral("ss"));
    setWindowTitle(QStringLiteral("Screen Sever"));
    // The caption says little to a listener: what the window is and how it goes away.
    platform::set_accessible_role(this, QAccessible::Window);
    setAccessibleDescription(QString::fromUtf8("画面を覆う黒い画面｡キーを押すか、クリックするか、マウスを動かすと閉じます｡"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::BlankCursor);
    setGeometry(screen_rect);
}

bool BlankScreen::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: // Alt combinations and other would-be shortcuts
        finish();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::LeftButton || button == Qt::RightButton)
            finish();
        return true;
    }
    case QEvent::MouseMove: {
        const QPoint p = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (rule_.on_move(p.x(), p.y()))
            finish();
        return true;
    }
    case QEvent::Wheel:
        return true;
    default:
        return QWidget::event(event);
    }
}

void BlankScreen::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(rect(), Qt::black);
}

void BlankScreen::closeEvent(QCloseEvent* event)
{
    // Only our own close goes through; the window manager's is ignored.
    if (closing_)
        event->accept();
    else
        event->ignore();
}

void BlankScreen::finish()
{
    if (finished_)
        return;
    finished_ = true;
    unsetCursor();
    closing_ = true;
    close();
    emit blank_finished();
}
