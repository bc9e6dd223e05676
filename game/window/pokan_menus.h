#pragma once
#include <QAction>
#include <QMenu>
#include <array>

class QMainWindow;

// The main window's menu bar and its two popup menus, with their exact captions.
// Entries whose features are not built yet are present and disabled.
struct PokanMenus {
    QMenu* file = nullptr;
    QAction* start = nullptr;
    QAction* m_stop = nullptr;
    QAction* reset = nullptr;
    QAction* m_soubi = nullptr;
    QAction* m_set = nullptr;
    QAction* scorecall = nullptr;
    QAction* change_pic = nullptr; // absent (null) in the earlier build
    QAction* m_help = nullptr;
    QAction* exit = nullptr;

    QMenu* mode_menu = nullptr;
    std::array<QAction*, 2> mode{};

    QMenu* system = nullptr;
    QMenu* win_exit = nullptr;
    QAction* win_end = nullptr;
    QAction* reboot = nullptr;
    QAction* explorer = nullptr;
    QAction* screen_server = nullptr;
    QAction* exec = nullptr;
    QAction* sys_propa = nullptr;
    std::array<QAction*, 2> info_mg{};
    QAction* clear_resent = nullptr;

    QMenu* info = nullptr;
    QAction* about_mipo = nullptr;
    QAction* about_zorvik = nullptr;
    QAction* open_wb = nullptr;
    QAction* www_home = nullptr;
    QAction* rireki = nullptr;

    QMenu* sm = nullptr;
    QAction* sm_start = nullptr;
    QAction* sm_reset = nullptr;
    QAction* sm_exit = nullptr;
    QAction* sm_cancel = nullptr;

    QMenu* sm3 = nullptr;
    QAction* sm3_zorvik = nullptr;

    // Builds everything onto `window`'s menu bar; the popups are owned by `window`.
    static PokanMenus build(QMainWindow* window, bool with_skin_chooser);
};
