#include "title_sequence.h"
#include "platform/text/legacy/rounding.h"

using legacy::round_half_even;

TitleSequence::TitleSequence(platform::Random& random, int client_width, int client_height)
    : random_(random),
      centre_(static_cast<int>(round_half_even(client_width / 2.0)),
              static_cast<int>(round_half_even(client_height / 2.0)))
{
}

QPoint TitleSequence::random_point()
{
    const int x = static_cast<int>(round_half_even(random_.next() * 600));
    const int y = static_cast<int>(round_half_even(random_.next() * 400));
    return {x, y};
}

TitleSequence::Step TitleSequence::tick()
{
    Step step;
    ++work_i_;
    if (work_i_ == 15)
        step.label = QStringLiteral("since 1996");
    else if (work_i_ == 30)
        step.label = QStringLiteral("at 2000");
    else if (work_i_ == 45)
        step.label = QString();

    if (work_i_ >= kFirstRayTick) {
        step.lines.push_back({centre_, random_point(), qRgb(0, 0, 255)});
        step.lines.push_back({centre_, random_point(), qRgb(255, 0, 0)});
        open_r_ += kRadiusStep;
        step.circle_radius = open_r_;
    }
    step.move_panel = open_r_ > 100;
    step.finished = open_r_ > 200;
    return step;
}
