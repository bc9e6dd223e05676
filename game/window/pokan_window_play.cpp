// The main window as the game's shell: commands and strikes go to the engine, and
// the timers, the menus, the panels and the result the engine asks for are here.
#include "pokan_window.h"
#include "access_texts.h"
#include "game/data/game_texts.h"
#include "game/companion/companion_panel.h"
#include "game/play/mouse_cls.h"
#include "game/scores/score_rules.h"
#include "game/scores/score_texts.h"
#include "platform/ui/window_shape.h"
#include <QApplication>
#include <QCursor>
#include <QMenu>

// ---- the player's commands

void PokanWindow::start_click()
{
    gomibako_->mem_e(); // the system panel's clock stops
    open_end();
    timer5_.stop();
    mpkx_->hide();
    begin();
}

void PokanWindow::begin()
{
    // The title's timers and panel make way for the game.
    zorviklogo_->hide();
    timer_open_.stop();
    timer5_.stop();
    services_.sound.reconnect(); // a sound server that went away may be back
    told_time_ = -1;
    engine_->begin();
    sync_board_cursor();
}

void PokanWindow::stop_act()
{
    engine_->stop_act();
    sync_board_cursor();
}

void PokanWindow::reset_command()
{
    engine_->reset_command();
    sync_board_cursor();
}

void PokanWindow::mode_click(int mode)
{
    engine_->mode_click(mode);
}

void PokanWindow::top_menu_opened()
{
    not_top();
    if (engine_->game_mode() == GameMode::Playing)
        stop_act();
}

// ---- strikes

void PokanWindow::act(Qt::MouseButton button, QPointF pos)
{
    const float x = static_cast<float>(pos.x());
    const float y = static_cast<float>(pos.y());
    if (engine_->game_mode() == GameMode::Playing) {
        // Every button strikes during a game.
        sync_board_cursor(true);
        mouse_->setText(QString::number(x) + QLatin1Char(' ') + QString::number(y));
        strike(mouse_index(x, y));
        return;
    }
    if (button == Qt::LeftButton) {
        iconmenu(mouse_index(x, y));
        return;
    }
    (button == Qt::RightButton ? menus_.sm : menus_.sm3)->popup(QCursor::pos());
}

void PokanWindow::back_mouse_up()
{
    sync_board_cursor(false);
}

void PokanWindow::form_mouse_down(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        return;
    (button == Qt::RightButton ? menus_.sm : menus_.sm3)->popup(QCursor::pos());
}

void PokanWindow::strike(int hole)
{
    const int hits = engine_->hits();
    const int misses = engine_->misses();
    engine_->hit_hole(hole);
    // A miss that took the last second has ended the game, and its end has been told.
    if (engine_->game_mode() != GameMode::Playing)
        return;
    const QString comment = board_.coment()->text();
    if (engine_->hits() != hits) {
        announcer_->say(access_texts::hit(comment), Announcer::Weight::Moment);
    } else if (engine_->misses() != misses) {
        told_time_ = engine_->time_left();
        announcer_->say(access_texts::miss(comment, told_time_), Announcer::Weight::Moment);
    }
}

void PokanWindow::tell_time()
{
    if (engine_->game_mode() != GameMode::Playing || !engine_->running())
        return;
    const int left = engine_->time_left();
    if (left >= 1 && left <= 5 && left != told_time_) {
        told_time_ = left;
        announcer_->say(access_texts::seconds_left(left), Announcer::Weight::Alert);
    }
}

void PokanWindow::sync_board_cursor(bool pressed)
{
    if (engine_->game_mode() == GameMode::Playing)
        back0_->setCursor(pressed ? weapon_cursors_.striking() : weapon_cursors_.raised());
    else
        back0_->unsetCursor();
}

// ---- the timers

bool PokanWindow::modal_moment() const
{
    return QApplication::activePopupWidget() != nullptr || QApplication::activeModalWidget() != nullptr;
}

void PokanWindow::count_down_timer_fired()
{
    if (!modal_moment())
        engine_->count_down_tick();
}

void PokanWindow::pass_timer_fired()
{
    if (modal_moment())
        return;
    engine_->pass();
    tell_time();
}

void PokanWindow::run_count_down_timer(bool on)
{
    if (on)
        count_down_timer_.start();
    else
        count_down_timer_.stop();
}

void PokanWindow::run_pass_timer(bool on)
{
    if (on)
        pass_timer_.start();
    else
        pass_timer_.stop();
}

// ---- the window around the board

void PokanWindow::set_topmost(bool on)
{
    if (on)
        always_top();
    else
        not_top();
}

void PokanWindow::set_stop_entry(bool visible, const QString& caption)
{
    menus_.m_stop->setText(caption);
    menus_.m_stop->setVisible(visible);
}

void PokanWindow::set_mode_checks(int mode)
{
    menus_.mode[0]->setChecked(mode == 0);
    menus_.mode[1]->setChecked(mode == 1);
}

void PokanWindow::close_panels()
{
    gomibako_->mem_e();
    gomibako_->gomi_e();
}

void PokanWindow::show_idle_board()
{
    // The icon menu again; nothing of a game's cursor stays.
    draw_icons();
    sync_board_cursor();
}

void PokanWindow::reset_talk()
{
    talk_.reset();
}

void PokanWindow::show_title_plate()
{
    close_panels();
    mpkx_->show();
    mpkx_->raise();
    timer5_.start();
}

void PokanWindow::game_finished(const FinishedGame& result)
{
    sync_board_cursor();
    announcer_->say_now(access_texts::kEnd);
    services_.prompt.inform(score_texts::result_message(result.hits), score_texts::kResultTitle);
    // The other build may have written the table since we read it.
    score_keeper_->reload();
    ScoreTable& table = data_.score_table;
    ScoreEntry& candidate = table[10];
    candidate.score = static_cast<int16_t>(result.score);
    candidate.hits = static_cast<uint8_t>(result.hits);
    candidate.misses = static_cast<uint8_t>(result.misses);
    candidate.hit_rate = static_cast<uint8_t>(result.hit_rate);
    last_place_ = score_rules::rank(table);
    if (last_place_ < score_rules::kNoPlace)
        sort(last_place_);
}

void PokanWindow::sort(int place)
{
    // At the left edge of the screen, at the box's usual height.
    const std::optional<QString> typed = services_.prompt.input(
        score_texts::name_prompt(place), score_texts::kNameTitle, QString(), platform::Prompt::Placement{0, {}});
    score_rules::enter_candidate(data_.score_table, place,
                                 score_rules::stored_name(typed.value_or(QString()), services_.clock.today()));
    QString error;
    if (!score_keeper_->save(&error))
        services_.prompt.inform(QString::fromUtf8("スコアを保存できませんでした｡\n") + score_keeper_->path()
                                    + QStringLiteral(" (") + error + QStringLiteral(")\n")
                                    + QString::fromUtf8("この表はゲームを終えるまで覚えておきます｡"),
                                score_texts::kNameTitle, platform::Prompt::Icon::Warning);
    score_show();
}

void PokanWindow::score_show()
{
    const bool entered = engine_->game_mode() == GameMode::Result && last_place_ < score_rules::kNoPlace;
    const int place = entered ? last_place_ : -1;
    // The other build may have written the table since we last read or wrote it.
    score_keeper_->reload_if_changed();
    // Written on the desktop before the box opens, so that the box stands above it.
    if (entered)
        desk_text_.write(score_texts::player_line(data_.score_table, place));
    services_.prompt.inform(score_texts::table_text(data_.score_table, place), score_texts::kTableTitle);
    desk_text_.clean();
}
