#include "pokan_board.h"
#include "board_accessible.h"
#include "window_labels.h"
#include "game/data/game_texts.h"
#include "game/play/mouse_cls.h"
#include "platform/text/legacy/rounding.h"
#include <algorithm>

namespace {

constexpr int kCell = MouseCls::kCell;

QPoint hole_corner(int hole)
{
    return QPoint(MouseCls::mipo_x(hole).value_or(0), MouseCls::mipo_y(hole).value_or(0));
}

} // namespace

PokanBoard::PokanBoard(QWidget* window)
{
    // Before the first widget a screen reader could ask about.
    board_accessible::install();
    form_ = new platform::SurfaceWidget(window, kClientWidth, kClientHeight);
    form_->setFixedSize(kClientWidth, kClientHeight);

    back0_ = new BoardSurface(form_, kBoardSize);
    back0_->move(kBoardPos);
    back0_->setEnabled(false);
    // A press on the board is the board's, even while it is disabled: never the window's.
    back0_->setAttribute(Qt::WA_NoMousePropagation);
    for (auto& work : back_work_)
        work = platform::Surface(kBoardSize, kBoardSize);

    gauge_ = new TimeGauge(form_, 177, 9);
    gauge_->move(8, 88);

    for (int i = 0; i < 6; ++i) {
        const QRect r(10 + (i % 2 ? 100 : 0), 10 + 25 * (i / 2), 90, 20);
        data_[i] = window_labels::make_label(form_, QString(), r);
        window_labels::set_colours(data_[i], QStringLiteral("black"), QStringLiteral("white"));
    }
    coment_ = window_labels::make_label(form_, game_texts::kProductName,
                                        QRect(1, kClientHeight - 80, kClientWidth, 26), 11);
    window_labels::set_colours(coment_, QStringLiteral("black"), QStringLiteral("white"));
}

void PokanBoard::paint_background()
{
    // Blue at the top row to cyan at row 255, cyan below.
    platform::Surface& s = form_->surface();
    for (int y = 0; y < s.height(); ++y)
        s.fill_rect(QRect(0, y, s.width(), 1), qRgb(0, std::min(y, 255), 255));
    form_->refresh();
}

void PokanBoard::draw_empty_holes()
{
    platform::Surface& form = form_->surface();
    const platform::Surface& hole = sprites_.pic[0];
    for (int row = 0; row < 3; ++row)
        for (int x : {30, 80, 130})
            platform::trans_blt(form, x, kBoardPos.y() + 50 * row, 50, 50, hole, 0, 0, sprites_.key(0));
    form_->refresh();
}

void PokanBoard::restore_board()
{
    back0_->surface().copy_from(form_->surface(), QRect(kBoardPos, QSize(kBoardSize, kBoardSize)), QPoint(0, 0));
    back0_->refresh();
    back0_->names_may_change();
}

void PokanBoard::restore_hole(int hole)
{
    const QPoint at = hole_corner(hole);
    back0_->surface().copy_from(form_->surface(), QRect(at + kBoardPos, QSize(kCell, kCell)), at);
    back0_->update(QRect(at, QSize(kCell, kCell)));
    back0_->names_may_change();
}

void PokanBoard::draw_sprite(int hole, int pic)
{
    const QPoint at = hole_corner(hole);
    platform::trans_blt(back0_->surface(), at.x(), at.y(), kCell, kCell, sprites_.pic.at(pic), 0, 0, sprites_.key(pic));
    back0_->update(QRect(at, QSize(kCell, kCell)));
    back0_->names_may_change();
}

void PokanBoard::draw_opaque(int hole, int pic)
{
    const QPoint at = hole_corner(hole);
    back0_->surface().copy_from(sprites_.pic.at(pic), QRect(0, 0, kCell, kCell), at);
    back0_->update(QRect(at, QSize(kCell, kCell)));
    back0_->names_may_change();
}

void PokanBoard::show_count_down(int digit)
{
    const platform::Surface& picture = sprites_.count_pic.at(digit);
    back0_->surface().copy_from(picture, QRect(0, 0, picture.width(), picture.height()), QPoint(0, 0));
    back0_->refresh();
    back0_->names_may_change();
    if (count_down_shown_)
        count_down_shown_(digit);
}

void PokanBoard::set_board_enabled(bool enabled)
{
    // A disabled board loses the keyboard focus (for the count-down); it takes it back
    // when enabled again, unless the user has put the focus elsewhere meanwhile.
    QWidget* window = back0_->window();
    const bool had_focus = window->focusWidget() == back0_;
    back0_->setEnabled(enabled);
    if (!enabled && had_focus) {
        refocus_ = true;
        focus_went_to_ = window->focusWidget();
    }
    if (enabled && refocus_) {
        refocus_ = false;
        if (!window->focusWidget() || window->focusWidget() == focus_went_to_)
            back0_->setFocus(Qt::OtherFocusReason);
    }
}

void PokanBoard::fill_gauge(double fraction, QRgb colour)
{
    platform::Surface& gauge = gauge_->surface();
    const int width = static_cast<int>(
        std::clamp<int64_t>(legacy::round_half_even(fraction * gauge.width()), 0, gauge.width()));
    gauge.fill_rect(QRect(0, 0, width, gauge.height()), colour);
    gauge_->refresh();
    // The whole gauge in white is the empty gauge between games.
    gauge_->set_used(fraction, fraction >= 1.0 && colour == qRgb(255, 255, 255));
}

void PokanBoard::set_label(int index, const QString& text)
{
    data_.at(index)->setText(text);
}

void PokanBoard::show_headings()
{
    for (int i = 0; i < 6; ++i)
        data_[i]->setText(game_texts::kDataHeadings[i]);
}

void PokanBoard::set_comment(const QString& text)
{
    coment_->setText(text);
}

void PokanBoard::set_board_tip(const QString& text)
{
    back0_->setToolTip(text);
}
