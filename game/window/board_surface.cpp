#include "board_surface.h"
#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

BoardSurface::BoardSurface(QWidget* parent, int size) : platform::SurfaceWidget(parent, size, size)
{
    setFocusPolicy(Qt::StrongFocus);
}

void BoardSurface::names_may_change()
{
    if (compare_pending_)
        return;
    compare_pending_ = true;
    QTimer::singleShot(0, this, &BoardSurface::compare_names);
}

void BoardSurface::compare_names()
{
    compare_pending_ = false;
    if (!cells_)
        return;
    if (const QString name = cells_->board_name(); name != told_board_name_) {
        told_board_name_ = name;
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    for (int cell = 0; cell < kCells; ++cell) {
        const QString name = cells_->cell_name(cell);
        if (name == told_names_[cell])
            continue;
        told_names_[cell] = name;
        QAccessibleEvent event(this, QAccessible::NameChanged);
        event.setChild(cell);
        QAccessible::updateAccessibility(&event);
    }
}

void BoardSurface::keyPressEvent(QKeyEvent* event)
{
    // The keypad's arrows (NumLock off) strike holes as its digits do: they are the window's.
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    int to = -1;
    switch (event->key()) {
    case Qt::Key_Left: to = current_ % 3 ? current_ - 1 : current_; break;
    case Qt::Key_Right: to = current_ % 3 < 2 ? current_ + 1 : current_; break;
    case Qt::Key_Up: to = current_ >= 3 ? current_ - 3 : current_; break;
    case Qt::Key_Down: to = current_ < 6 ? current_ + 3 : current_; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!plain || !cells_)
            break;
        event->accept();
        show_frame_ = true;
        update(cell_rect(current_));
        cells_->board_keyed();
        // One press, one strike: a held key does not strike again.
        if (!event->isAutoRepeat())
            cells_->activate_cell(current_);
        return;
    default:
        break;
    }
    if (to < 0 || keypad || !plain) {
        platform::SurfaceWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (cells_)
        cells_->board_keyed();
    move_current(to);
}

void BoardSurface::move_current(int to)
{
    const int from = current_;
    current_ = to;
    show_frame_ = true;
    update(cell_rect(from));
    update(cell_rect(to));
    tell_focus();
    if (cells_)
        cells_->cell_made_current(to);
}

void BoardSurface::tell_focus()
{
    if (!hasFocus())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(current_);
    QAccessible::updateAccessibility(&event);
}

void BoardSurface::focusInEvent(QFocusEvent* event)
{
    platform::SurfaceWidget::focusInEvent(event);
    update(cell_rect(current_));
    // After Qt has told the board itself as the focus: the cell is what is read last.
    QTimer::singleShot(0, this, &BoardSurface::tell_focus);
}

void BoardSurface::focusOutEvent(QFocusEvent* event)
{
    platform::SurfaceWidget::focusOutEvent(event);
    update(cell_rect(current_));
}

void BoardSurface::mousePressEvent(QMouseEvent* event)
{
    // The mouse needs no frame; the keyboard brings it back.
    if (show_frame_) {
        show_frame_ = false;
        update(cell_rect(current_));
    }
    platform::SurfaceWidget::mousePressEvent(event);
}

void BoardSurface::paint_over(QPainter& painter)
{
    if (!show_frame_ || !hasFocus())
        return;
    const QRect frame = cell_rect(current_).adjusted(1, 1, -2, -2);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(frame);
}
