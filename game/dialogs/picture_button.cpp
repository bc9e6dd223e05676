#include "picture_button.h"
#include "platform/ui/accessible_role.h"
#include <QKeyEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget* parent, int width, int height, const QString& name)
    : platform::SurfaceWidget(parent, width, height)
{
    setFocusPolicy(Qt::StrongFocus);
    platform::set_accessible_role(this, QAccessible::Button);
    setAccessibleName(name);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (plain && !event->isAutoRepeat()) {
            emit clicked();
            return;
        }
        break;
    default:
        break;
    }
    platform::SurfaceWidget::keyPressEvent(event);
}

void PictureButton::paint_over(QPainter& painter)
{
    if (!hasFocus())
        return;
    QPen pen(palette().color(QPalette::Highlight), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PictureButton::focusInEvent(QFocusEvent* event)
{
    platform::SurfaceWidget::focusInEvent(event);
    update();
}

void PictureButton::focusOutEvent(QFocusEvent* event)
{
    platform::SurfaceWidget::focusOutEvent(event);
    update();
}
