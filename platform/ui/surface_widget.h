#pragma once
#include "surface.h"
#include <QWidget>

class QPainter;

namespace platform {

// Draws the `part` rectangle of `image` with its top left corner at `at`. On a screen
// scaled by a fraction, pixel x becomes the device pixels from round(x × scale) to
// round((x + 1) × scale), its edges rounded as Qt rounds a widget's region: the picture
// fills exactly the device pixels Qt gives it, with no row or column left unpainted
// beside its neighbours, and a part drawn again lands on the very device pixels the
// whole did. (Qt's own scaling leaves the last row or column of a picture that ends
// half-way into a device pixel unpainted, and places a part by its own rounding.)
void draw_on_device_pixels(QPainter& painter, QPoint at, const QImage& image, const QRect& part);

// A picture box: shows its persistent Surface and reports the mouse in its own pixels.
// Drawing on surface() shows after refresh(), as with a picture box's Refresh.
class SurfaceWidget : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceWidget(QWidget* parent = nullptr, int width = 0, int height = 0);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    // Takes the picture and the picture's size (AutoSize).
    void set_picture(const QImage& picture);
    void refresh() { update(); }

signals:
    void mouse_pressed(Qt::MouseButton button, QPointF pos);
    void mouse_moved(Qt::MouseButtons buttons, QPointF pos);
    void mouse_released(Qt::MouseButton button, QPointF pos);
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    // Drawn over the surface in the same paint, for widgets that add a layer.
    virtual void paint_over(QPainter&) {}
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Surface surface_;
    bool press_inside_ = false;
};

} // namespace platform
