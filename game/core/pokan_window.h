#pragma once
#include "game_data.h"
#include "game_paths.h"
#include "game_services.h"
#include "game_sounds.h"
#include "pokan_menus.h"
#include "sprite_set.h"
#include "title_plate.h"
#include "title_sequence.h"
#include "game/dialogs/weapon_cursors.h"
#include "platform/surface_widget.h"
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

// The game's main window: the board, the gauge, the result labels, the comment
// line, the title panel with its animation, the title plate and the menus.
class PokanWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 210;
    static constexpr int kClientHeight = 360;
    static constexpr QPoint kBoardPos{30, 112};
    static constexpr int kBoardSize = 150;

    struct Options {
        QString version_text = QStringLiteral("1.0.84"); // major.minor.revision
        bool with_skin_chooser = true;
    };

    PokanWindow(GameServices services, Options options, QWidget* parent = nullptr);
    ~PokanWindow() override;

    // The load handler: sounds, sprite holders, labels, the title panel.
    // Returns the full path of a picture that would not load, or "".
    QString load(const GamePaths& paths);
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
    void data_on();

    // Hole under a point of the board, also shown in the debug caption.
    int mouse_index(float x, float y);

    GameData& data() { return data_; }
    const GamePaths& paths() const { return paths_; }
    GameSounds& sounds() { return *sounds_; }
    SpriteSet& sprites() { return sprites_; }
    WeaponCursors& weapon_cursors() { return weapon_cursors_; }
    PokanMenus& menus() { return menus_; }

    // The surfaces and controls the game draws into.
    platform::Surface& form_surface() { return form_->surface(); }
    platform::SurfaceWidget& form() { return *form_; }
    platform::SurfaceWidget& board() { return *back0_; }
    platform::Surface& back(int i) { return i == 0 ? back0_->surface() : back_work_.at(i - 1); }
    platform::SurfaceWidget& gauge() { return *gauge_; }
    TitlePlate& mpkx() { return *mpkx_; }
    platform::SurfaceWidget& zorviklogo() { return *zorviklogo_; }
    // The companion panels' surface, the full client area, hidden until a panel opens.
    platform::SurfaceWidget& gomibako() { return *gomibako_; }
    QLabel& zorvik_label() { return *zorvik_label_; }
    QLabel& coment() { return *coment_; }
    QLabel& data_label(int i) { return *data_labels_.at(i); }
    QLabel& lbl_version() { return *lbl_version_; }
    QLabel& mousec() { return *mousec_; }
    QTimer& timer_open() { return timer_open_; }
    QTimer& timer5() { return timer5_; }

    int game_mode() const { return game_mode_; }
    bool title_running() const { return timer_open_.isActive(); }

signals:
    // The window has closed and released what it held; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_controls();
    void connect_menus();
    void paint_background();
    void draw_empty_holes();
    void mpkx_click();
    void act(Qt::MouseButton button, QPointF pos);
    void form_mouse_down(Qt::MouseButton button);
    void shutdown();

    GameServices services_;
    Options options_;
    GamePaths paths_;
    GameData data_;
    SpriteSet sprites_;
    WeaponCursors weapon_cursors_;
    std::unique_ptr<GameSounds> sounds_;
    std::unique_ptr<TitleSequence> title_;
    PokanMenus menus_;

    platform::SurfaceWidget* form_ = nullptr;
    platform::SurfaceWidget* back0_ = nullptr;
    std::array<platform::Surface, 2> back_work_;
    platform::SurfaceWidget* gauge_ = nullptr;
    QLabel* coment_ = nullptr;
    std::array<QLabel*, 6> data_labels_{};
    TitlePlate* mpkx_ = nullptr;
    QLabel* lbl_version_ = nullptr;
    QLabel* selvio_ = nullptr;
    platform::SurfaceWidget* gomibako_ = nullptr;
    platform::SurfaceWidget* zorviklogo_ = nullptr;
    QLabel* zorvik_label_ = nullptr;
    QLabel* mouse_ = nullptr;
    QLabel* mousec_ = nullptr;

    QTimer timer_open_; // title animation, 10 ms
    QTimer timer5_;     // title text jiggle, 22 ms
    QTimer timer1_;     // coordinate readout, 200 ms, never started

    int game_mode_ = 0;
    bool shut_down_ = false;
    bool title_ended_ = false;
};
