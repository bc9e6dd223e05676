#pragma once
#include "icon_wander.h"
#include "info_box.h"
#include <QTimer>
#include <vector>

class QLabel;
namespace platform {
class Random;
class SurfaceWidget;
}

// The about box: the program's title and version, a few words about the game and
// its icon, which wanders off and back when clicked. Closing it stops every walk.
class AboutWindow final : public InfoBox {
    Q_OBJECT
public:
    static constexpr int kStepsPerTick = 30; // units per 10 ms: about two seconds a walk
    static constexpr int kTwipsPerPixel = 15;

    AboutWindow(const QString& version, const QString& icon_path, platform::Random& random, SysInfo sys_info,
                QWidget* parent = nullptr);

    struct Controls {
        platform::SurfaceWidget* about_mipo_ico;
        QLabel* lbl_title;
        QLabel* lbl_version;
        QLabel* lbl_description;
        QLabel* lbl_disclaimer;
    };
    const Controls& controls() const { return controls_; }
    QPoint icon_home() const { return icon_home_; }
    int walks() const { return int(walks_.size()); }

private:
    void icon_click();
    void wander_tick();

    platform::Random& random_;
    Controls controls_{};
    QPoint icon_home_{16, 16};
    std::vector<IconWander> walks_;
    QTimer wander_timer_;
};
