#pragma once
#include <QRect>

class QWidget;

namespace platform {

// Window regions: only the part inside the shape is shown and takes the mouse.
void set_rounded_shape(QWidget* window, const QRect& rect, int corner_width, int corner_height);
void set_ellipse_shape(QWidget* window, const QRect& rect);
void clear_shape(QWidget* window);

// Keeps the window above all others (or not), without moving or resizing it.
void set_topmost(QWidget* window, bool on);
bool is_topmost(const QWidget* window);

// A short outline animation from one screen rectangle to another, the way a
// window "flies" to or from a place. Returns at once; the outline goes away by itself.
void animate_rect(const QRect& from, const QRect& to, int duration_ms = 200);

} // namespace platform
