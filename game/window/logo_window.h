#pragma once
#include "platform/clock.h"
#include "platform/ui/surface.h"
#include <QTimer>
#include <QWidget>

// The splash: a rounded window with the maker's picture, a credit line and a
// white-to-blue band. It waits one second, then asks for the main window.
class LogoWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 305;
    static constexpr int kHeight = 65;
    static constexpr uint32_t kWaitMs = 999;

    LogoWindow(platform::Clock& clock, const QString& bmp_dir, QWidget* parent = nullptr);

    // Paints the splash. Returns the picture's path when it would not load, or "".
    QString load();
    // Centres the splash, shows it and starts the one-second wait.
    void start();
    // One look at the clock while waiting.
    void poll();
    // Hides the splash and shows `main_window`, made the active window when `activate`.
    void exit_ani(QWidget* main_window, bool activate = true);

    bool waiting() const { return logo_wait_; }
    const platform::Surface& surface() const { return surface_; }

signals:
    // The second is over: time to prepare the main window.
    void wait_over();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    platform::Clock& clock_;
    QString bmp_dir_;
    platform::Surface surface_;
    QTimer poll_timer_;
    uint32_t shown_at_ = 0;
    bool logo_wait_ = false;
};
