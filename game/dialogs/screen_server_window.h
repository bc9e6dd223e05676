#pragma once
#include "platform/ui/surface.h"
#include <QTimer>
#include <QWidget>

class QLabel;
namespace platform {
class Random;
}

// The screen saver: a black window over the whole screen where circles of random
// colours appear every 10 ms, wiped now and then. A click hides it.
class ScreenServerWindow final : public QWidget {
    Q_OBJECT
public:
    ScreenServerWindow(platform::Random& random, QWidget* parent = nullptr);

    // Covers the screen `over` stands on (the primary screen without one) and shows.
    void show_over(const QWidget* over);
    void tick();

    const platform::Surface& surface() const { return surface_; }
    const QTimer& timer() const { return timer1_; }
    QLabel* label1() const { return label1_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent*) override;

private:
    platform::Random& random_;
    platform::Surface surface_;
    QLabel* label1_;
    QTimer timer1_;
};
