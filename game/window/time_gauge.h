#pragma once
#include "platform/ui/surface_widget.h"

// The time gauge: a game's used time filled in from the left. For screen readers
// it is a progress bar of the seconds left, told when the whole second changes.
class TimeGauge final : public platform::SurfaceWidget {
    Q_OBJECT
public:
    static constexpr int kSeconds = 20;

    TimeGauge(QWidget* parent, int width, int height);

    // The part of the game that is used up, 0..1; `cleared` for the empty gauge between games.
    void set_used(double fraction, bool cleared);
    int seconds_left() const { return seconds_left_; }

private:
    int seconds_left_ = kSeconds;
};
