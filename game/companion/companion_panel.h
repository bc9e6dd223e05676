#pragma once
#include "platform/ui/surface_widget.h"
#include <QTimer>
#include <array>

class QLabel;
class QPushButton;

namespace platform {
class SystemInfo;
}
namespace companion {
class TrashPanel;
}

// The panel surface over the main window's whole client area (gomibako): the system
// panel (names, memory figures, a running clock and the time since the system
// started) and the recycle-bin panel (the trash's figures, 削除, 更新); one of the two
// at a time, 戻る closes either.
class CompanionPanel : public platform::SurfaceWidget {
    Q_OBJECT
public:
    CompanionPanel(QWidget* parent, platform::SystemInfo& system, companion::TrashPanel& trash, const QFont& font);

    // The names shown on both panels, read once at start-up.
    void set_names(const QString& user, const QString& host);

    void mem_s();  // open the system panel
    void mem_e();  // close it: the clock stops, the drawing goes
    void gomi_s(); // open the recycle-bin panel
    void gomi_e(); // close it

    bool clock_running() const { return clock_.isActive(); }

    struct Controls {
        QLabel* mgl;
        QLabel* user;
        QLabel* host;
        std::array<QLabel*, 14> memlabel;
        std::array<QLabel*, 2> pasttime;
        QLabel* ntime;
        std::array<QLabel*, 6> gomilabel;
        QPushButton* del;
        QPushButton* ref;
        QPushButton* return_b;
    };
    const Controls& controls() const { return controls_; }

private:
    void mem();
    void get_time_now();
    void show_trash_lines();
    void clear_drawing();

    platform::SystemInfo& system_;
    companion::TrashPanel& trash_;
    QFont font_;
    QTimer clock_; // the clock, every 20 ms while the system panel is open
    Controls controls_{};
};
