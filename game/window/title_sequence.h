#pragma once
#include "platform/random.h"
#include <QPoint>
#include <QRgb>
#include <QString>
#include <optional>
#include <vector>

// The title animation, one step per 10 ms tick: the maker's lines, then random
// blue and red rays and a growing white circle; the panel slides away and the
// title ends with the opening sound.
class TitleSequence {
public:
    struct Line {
        QPoint from;
        QPoint to;
        QRgb color;
    };
    struct Step {
        std::optional<QString> label; // new caption of the maker label
        std::vector<Line> lines;
        int circle_radius = 0;        // a white circle of this radius, when > 0
        bool move_panel = false;      // slide the panel 10 pixels down
        bool finished = false;        // play the opening sound and end the title
    };

    static constexpr int kFirstRayTick = 60;
    static constexpr int kRadiusStep = 3;
    static constexpr int kPanelStep = 10;

    TitleSequence(platform::Random& random, int client_width, int client_height);

    Step tick();
    int work_i() const { return work_i_; }
    int open_r() const { return open_r_; }
    QPoint centre() const { return centre_; }

private:
    QPoint random_point();

    platform::Random& random_;
    QPoint centre_;
    int work_i_ = 0;
    int open_r_ = 0;
};
