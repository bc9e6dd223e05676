#pragma once
#include "game/data/game_data.h"
#include "game/data/game_paths.h"
#include "announcer.h"
#include "board_surface.h"
#include "game_services.h"
#include "game_sounds.h"
#include "pokan_board.h"
#include "pokan_menus.h"
#include "title_plate.h"
#include "title_sequence.h"
#include "desktop_services.h"
#include "game_build.h"
#include "game/companion/mascot_talk.h"
#include "game/dialogs/game_dialogs.h"
#include "game/dialogs/help_window.h"
#include "game/dialogs/skin_loader.h"
#include "game/dialogs/weapon_cursors.h"
#include "game/play/game_engine.h"
#include "game/play/game_shell.h"
#include "game/scores/score_keeper.h"
#include "platform/desktop/desktop_overlay.h"
#include "platform/ui/surface_widget.h"
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

// The game's main window around the board (`PokanBoard`, what a game draws on):
// the title panel with its animation, the title plate, the companion's panels,
// the menus and the dialogs. It is the game's shell: it runs the timers the
// engine asks for, shows the result, and hands the engine the player's strikes
// and commands; the board shows what the engine draws and the sounds play its cues.
class CompanionPanel;
namespace companion {
class TrashPanel;
}

class PokanWindow : public QMainWindow, private GameShell, private BoardCells {
    Q_OBJECT
public:
    static constexpr int kClientWidth = PokanBoard::kClientWidth;
    static constexpr int kClientHeight = PokanBoard::kClientHeight;
    static constexpr QPoint kBoardPos = PokanBoard::kBoardPos;
    static constexpr int kBoardSize = PokanBoard::kBoardSize;

    using Options = GameBuild;

    // The window with its sounds, from the folders of `paths`.
    PokanWindow(GameServices services, const GamePaths& paths, Options options, QWidget* parent = nullptr);
    ~PokanWindow() override;

    // The load handler: sprite holders, labels, the title panel.
    // Returns the full path of a picture that would not load, or "".
    QString load();
    // Starts the title animation; called once the window is on screen.
    void start_title();
    // Size, title plate picture and background, as start-up prepares them.
    // Returns the path of the title picture when it would not load, or "".
    QString prepare_layout();
    // Applies the weapon of the settings (the cursor over the board). Returns the
    // path of a cursor file that would not load, or "".
    QString apply_weapon();

    void start_up();
    void title_tick();
    void open_end();
    void jiggle_title();
    void always_top();
    void not_top();
    void pokan_end();

    // Hole under a point of the board, also shown in the debug caption.
    int mouse_index(float x, float y);

    GameData& data() { return data_; }
    GameSounds& sounds() { return *sounds_; }
    PokanMenus& menus() { return menus_; }

    // The window's controls, for tests and measurements that look at them.
    struct Controls {
        platform::SurfaceWidget* form;      // the window's own surface: background and empty holes
        platform::SurfaceWidget* board;     // back(0)
        platform::SurfaceWidget* gauge;
        QLabel* coment;
        std::array<QLabel*, 6> data;        // data(0..5)
        TitlePlate* mpkx;
        QLabel* lbl_version;
        platform::SurfaceWidget* zorviklogo; // the title panel
        QLabel* zorvik_label;
        CompanionPanel* gomibako;           // the companion panels' surface
        std::array<QLabel*, 4> plate_lines; // the plate's system lines: platform, user, host, memory
        QLabel* mouse;                      // debug captions, outside the visible width
        QLabel* mousec;
        Announcer* announcer;               // what a screen reader is told without the focus
        const QTimer* timer_open;
        const QTimer* timer5;
        const SpriteSet* sprites;
    };
    const Controls& controls() const { return controls_; }

    GameMode game_mode() const { return engine_->game_mode(); }
    const GameEngine& engine() const { return *engine_; }
    bool title_running() const { return timer_open_.isActive(); }

    // The player's commands.
    void start_click();  // ファイル → 開始 (F1): ends the title first
    void begin();        // a game from the popup or the icon menu
    void stop_act();     // 中断 / 再開
    void reset_command();
    void mode_click(int mode);
    // The top-ten table in a box; after a game that took a place, with the player's
    // line first and on the desktop while the box is open.
    void score_show();

    // ---- the desktop companion (pokan_window_companion.cpp)
    // The wall and the nine icons on the board.
    void draw_icons();
    // A left click on icon `cell` between games; the comment of the icon under the pointer.
    void iconmenu(int cell);
    void menucoment(int cell);
    // メモリ情報 (0) or ゴミ箱 (1).
    void info_mg(int index);

signals:
    // The window has closed and released what it held; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void build_controls();
    void connect_menus();
    void connect_keys();
    void skip_title();
    // A strike in a game, told to a screen reader as a hit or a miss.
    void strike(int hole);
    // The last seconds of a game, each told once.
    void tell_time();
    // The board shows the icon menu (or will, once the plate makes way).
    bool shows_icons() const;
    void open_icon(int cell);
    void popup_main_menu();

    // BoardCells
    QString board_name() const override;
    QString cell_name(int cell) const override;
    void activate_cell(int cell) override;
    void board_keyed() override;
    void cell_made_current(int cell) override;
    void mpkx_click();
    void act(Qt::MouseButton button, QPointF pos);
    void back_mouse_up();
    void form_mouse_down(Qt::MouseButton button);
    void top_menu_opened();
    void sync_board_cursor(bool pressed = false);
    // A menu or a message box is open: the game stands still, as it always has.
    bool modal_moment() const;
    void sort(int place);
    void connect_companion();
    void read_names();
    void board_mouse_move(QPointF pos);
    void form_click();
    void start_program(const QString& shipped_name);
    void ask_and_end_session(bool reboot);
    void clear_recent();
    void count_down_timer_fired();
    void pass_timer_fired();
    void shutdown();

    // GameShell
    void set_topmost(bool on) override;
    void set_stop_entry(bool visible, const QString& caption) override;
    void set_mode_checks(int mode) override;
    void close_panels() override;
    void show_idle_board() override;
    void reset_talk() override;
    void show_title_plate() override;
    void run_count_down_timer(bool on) override;
    void run_pass_timer(bool on) override;
    void game_finished(const FinishedGame& result) override;

    GameServices services_;
    Options options_;
    GamePaths paths_;
    GameData data_;
    PokanBoard board_;
    WeaponCursors weapon_cursors_;
    std::unique_ptr<GameSounds> sounds_;
    std::unique_ptr<TitleSequence> title_;
    PokanMenus menus_;

    platform::SurfaceWidget* form_ = nullptr;  // board_.form()
    platform::SurfaceWidget* back0_ = nullptr; // board_.back()
    TitlePlate* mpkx_ = nullptr;
    QLabel* lbl_version_ = nullptr;
    QLabel* selvio_ = nullptr;
    CompanionPanel* gomibako_ = nullptr;
    std::unique_ptr<companion::TrashPanel> trash_panel_;
    std::array<QLabel*, 4> plate_lines_{};
    QString user_name_;
    QString host_name_;
    platform::SurfaceWidget* zorviklogo_ = nullptr;
    QLabel* zorvik_label_ = nullptr;
    QLabel* mouse_ = nullptr;
    QLabel* mousec_ = nullptr;
    Announcer* announcer_ = nullptr;
    int told_time_ = -1; // the seconds left last told

    QTimer timer_open_; // title animation, 10 ms
    QTimer timer5_;     // title text jiggle, 22 ms
    QTimer timer1_;     // coordinate readout, 200 ms, never started
    QTimer count_down_timer_; // the count-down's steps, 10 ms
    QTimer pass_timer_;       // the game's passes, 30 ms

    std::unique_ptr<GameEngine> engine_;
    Controls controls_{};
    companion::MascotTalk talk_;
    int last_place_ = 10; // the place the last finished game took, 10 for none
    std::unique_ptr<ScoreKeeper> score_keeper_;
    platform::DesktopOverlay desk_text_;
    bool shut_down_ = false;
    bool title_ended_ = false;

    // ---- the game's dialogs (pokan_window_dialogs.cpp)
public:
    void show_equipment();    // ファイル → 装備; icon 1 of the icon menu
    void show_settings();     // ファイル → 設定; icon 4
    void show_skin_chooser(); // ファイル → 絵柄の変更 (current build only)
    void show_help();         // ファイル → ヘルプ; icon 2
    void show_about();        // 情報 → ミポぽかん。2000
    void show_maker();        // 情報 → ゾルヴィクについて, with the splash
    void show_history();      // 情報 → 更新履歴
    void show_screen_saver(); // システム → スクリーンセーバー
    GameDialogs& dialogs() { return *dialogs_; }
signals:
    // The maker window wants the splash shown again.
    void logo_wanted();
private:
    HelpWindow::Options help_options() const;
    void connect_dialogs();
    void apply_skin(const SkinLoader::Skin& skin);
    std::unique_ptr<GameDialogs> dialogs_;
    // ---- end of the game's dialogs
};
