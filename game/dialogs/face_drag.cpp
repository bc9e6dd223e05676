#include "face_drag.h"
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

FaceDrag::FaceDrag(QWidget* window) : QObject(window), window_(window)
{
    add(window);
}

void FaceDrag::add(QWidget* handle)
{
    handle->installEventFilter(this);
}

bool FaceDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            return false;
        dragging_ = true;
        press_global_ = e->globalPosition().toPoint();
        window_at_press_ = window_->pos();
        // Wayland lets no window place itself: the compositor moves it for us.
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && window_->windowHandle())
            dragging_ = !window_->windowHandle()->startSystemMove();
        return true;
    }
    case QEvent::MouseMove:
        if (!dragging_)
            return false;
        window_->move(window_at_press_ + static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - press_global_);
        return true;
    case QEvent::MouseButtonRelease:
        if (!dragging_)
            return false;
        dragging_ = false;
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
