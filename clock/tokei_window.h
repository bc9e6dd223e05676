#pragma once
#include "clock_ticker.h"
#include "platform/ui/surface.h"
#include "time_text.h"
#include <QDateTime>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

// The counter-clockwise clock: a borderless square window with the time and date,
// four second labels and a dot that marks the seconds on a circle.
class TokeiWindow : public QWidget {
    Q_OBJECT
public:
    using Now = std::function<QDateTime()>;

    static constexpr int kPassMs = 250;
    static constexpr const char* kVersion = "1.0.3";

    // A lambda, not the function's address: Qt 6.5 added an overload with a time zone.
    explicit TokeiWindow(Now now = [] { return QDateTime::currentDateTime(); }, const QLocale& locale = QLocale());

    // Places the window, prints the splash and starts the clock.
    void start();
    // One pass of the clock: caption, clearing, circle and dot.
    void clock_pass();

    bool running() const { return running_; }
    const platform::Surface& drawing() const { return drawing_; }
    QLabel* nowtime() const { return nowtime_; }
    QLabel* s_label(int i) const { return s_label_[i]; }
    QMenu* sm() const { return sm_; }
    QMenu* sm3() const { return sm3_; }
    QAction* sm_cir() const { return sm_cir_; }
    QAction* sm_a_top() const { return sm_a_top_; }
    QAction* sm_end() const { return sm_end_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void print_splash();
    void always_top(unsigned char on);
    void drag_begin(QPointF pos);
    void drag_move(QPointF global_pos);
    void sm_cir_click();
    void sm_a_top_click();

    Now now_;
    TimeText time_text_;
    ClockTicker ticker_;
    platform::Surface drawing_;
    QRgb back_colour_;
    QTimer timer_;
    bool running_ = false;
    bool dragging_ = false;
    double drag_x_ = 0, drag_y_ = 0;

    QLabel* nowtime_;
    std::array<QLabel*, 4> s_label_{};
    QMenu* sm_;
    QMenu* sm3_;
    QAction* sm_cir_;
    QAction* sm_a_top_;
    QAction* sm_end_;
    QAction* a_i_;
};
