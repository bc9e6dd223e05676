#pragma once
#include "board_surface.h"
#include "time_gauge.h"
#include "game/data/sprite_set.h"
#include "game/play/board_view.h"
#include "platform/ui/surface_widget.h"
#include <QLabel>
#include <QPoint>
#include <QPointer>
#include <array>
#include <functional>

// What a game is played on: the window's face with its empty holes, the board
// back(0) over it, the time gauge, the statistic labels data(0..5), the comment
// line coment, and the sprite pictures they are drawn with. It draws what the
// engine asks for; the window around it decides what presses and keys mean.
class PokanBoard final : public BoardView {
public:
    static constexpr int kClientWidth = 210;
    static constexpr int kClientHeight = 360;
    static constexpr QPoint kBoardPos{30, 112};
    static constexpr int kBoardSize = 150;

    // Builds the face and its controls as a child of `window`, which makes `form()`
    // its central widget.
    explicit PokanBoard(QWidget* window);

    platform::SurfaceWidget* form() const { return form_; }
    BoardSurface* back() const { return back0_; }
    TimeGauge* gauge() const { return gauge_; }
    // Called with each count-down picture shown: 3, 2, 1, or 0 for GO.
    void on_count_down(std::function<void(int digit)> shown) { count_down_shown_ = std::move(shown); }
    QLabel* coment() const { return coment_; }
    const std::array<QLabel*, 6>& data() const { return data_; }
    SpriteSet& sprites() { return sprites_; }
    const SpriteSet& sprites() const { return sprites_; }

    // The face: blue at the top to cyan, then the nine empty holes under the board.
    void paint_background();
    void draw_empty_holes();

    // BoardView
    void restore_board() override;
    void restore_hole(int hole) override;
    void draw_sprite(int hole, int pic) override;
    void draw_opaque(int hole, int pic) override;
    void show_count_down(int digit) override;
    void set_board_enabled(bool enabled) override;
    void fill_gauge(double fraction, QRgb colour) override;
    void set_label(int index, const QString& text) override;
    void show_headings() override;
    void set_comment(const QString& text) override;
    void set_board_tip(const QString& text) override;

private:
    SpriteSet sprites_;
    platform::SurfaceWidget* form_ = nullptr;
    BoardSurface* back0_ = nullptr;
    std::array<platform::Surface, 2> back_work_; // back(1), back(2)
    TimeGauge* gauge_ = nullptr;
    std::function<void(int)> count_down_shown_;
    bool refocus_ = true; // the board takes the focus when it is first enabled
    QPointer<QWidget> focus_went_to_; // where Qt put the focus the board lost
    std::array<QLabel*, 6> data_{};
    QLabel* coment_ = nullptr;
};
