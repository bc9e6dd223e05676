#include "time_gauge.h"
#include <QAccessible>
#include <algorithm>
#include <cmath>

TimeGauge::TimeGauge(QWidget* parent, int width, int height) : platform::SurfaceWidget(parent, width, height) {}

void TimeGauge::set_used(double fraction, bool cleared)
{
    // Whole seconds used, as the time label counts them.
    const int used = cleared ? 0 : static_cast<int>(std::floor(std::clamp(fraction, 0.0, 1.0) * kSeconds + 1e-9));
    const int left = kSeconds - used;
    if (left == seconds_left_)
        return;
    seconds_left_ = left;
    QAccessibleValueChangeEvent event(this, left);
    QAccessible::updateAccessibility(&event);
}
