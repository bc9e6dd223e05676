// The main window by keyboard and for screen readers: the keys of the window, the
// board's cells as the keyboard and screen readers see them, the menus' keys.
#include "pokan_window.h"
#include "access_texts.h"
#include "game/companion/icon_menu.h"
#include "game/play/keypad_map.h"
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>

using companion::IconMenu;

// ---- keys

void PokanWindow::connect_keys()
{
    // F10 opens the first menu; Alt and a menu's letter opens that menu. The captions stay
    // as they are: screen readers read these keys as the menus' shortcuts.
    const std::pair<QMenu*, Qt::Key> letters[] = {
        {menus_.file, Qt::Key_F}, {menus_.mode_menu, Qt::Key_M}, {menus_.system, Qt::Key_S}, {menus_.info, Qt::Key_I}};
    for (const auto& [menu, letter] : letters) {
        QAction* opener = menu->menuAction();
        opener->setShortcut(QKeySequence(Qt::ALT | letter));
        connect(opener, &QAction::triggered, this, [this, opener] { menuBar()->setActiveAction(opener); });
    }
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(menus_.file->menuAction()); });
    // The right-click menu: the menu key or Shift+F10, at the current cell.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* popup = new QShortcut(keys, this);
        connect(popup, &QShortcut::activated, this, &PokanWindow::popup_main_menu);
    }
}

void PokanWindow::popup_main_menu()
{
    const QRect cell = BoardSurface::cell_rect(board_.back()->current_cell());
    menus_.sm->popup(back0_->mapToGlobal(cell.center()));
}

void PokanWindow::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
    const int key = event->key();
    // The title is skipped as by a click on it.
    if (plain && title_running()
        && (key == Qt::Key_Escape || key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        skip_title();
        event->accept();
        return;
    }
    // T: the mascot talks, as a click beside the board makes it.
    if (plain && key == Qt::Key_T && !(event->modifiers() & Qt::ShiftModifier)) {
        if (!event->isAutoRepeat())
            form_click();
        event->accept();
        return;
    }
    const int hole = plain ? keypad_hole(key, event->modifiers() & Qt::KeypadModifier) : -1;
    if (hole < 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // One press, one strike: a held key does not strike again. Between games the
    // same keys open the icons.
    if (!event->isAutoRepeat()) {
        if (engine_->accepts_strikes())
            strike(hole);
        else if (shows_icons())
            open_icon(hole);
    }
    event->accept();
}

void PokanWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The keyboard starts on the board (once the title has made it usable).
    if (!focusWidget() && back0_->isEnabled())
        back0_->setFocus(Qt::OtherFocusReason);
}

// ---- the board's cells

bool PokanWindow::shows_icons() const
{
    const GameMode mode = engine_->game_mode();
    return title_ended_ && (mode == GameMode::Startup || mode == GameMode::Ready);
}

void PokanWindow::open_icon(int cell)
{
    // The plate makes way first, as it does for a click.
    if (!mpkx_->isHidden())
        mpkx_click();
    iconmenu(cell);
}

QString PokanWindow::board_name() const
{
    const GameMode mode = engine_->game_mode();
    return mode == GameMode::Startup || mode == GameMode::Ready ? access_texts::kIconBoard : access_texts::kGameBoard;
}

QString PokanWindow::cell_name(int cell) const
{
    const GameMode mode = engine_->game_mode();
    if (mode == GameMode::Startup || mode == GameMode::Ready)
        return IconMenu::hover_comment(cell).value_or(QString());
    switch (engine_->ana_flag(cell)) {
    case GameEngine::kSeal:
        return access_texts::hole(cell, access_texts::kSeal);
    case GameEngine::kYeti:
        return access_texts::hole(cell, access_texts::kYeti);
    case GameEngine::kStruck:
        return access_texts::hole(cell, engine_->hazure_state(cell) >= GameEngine::kStruckState
                                            ? access_texts::kStruckYeti
                                            : access_texts::kStruckSeal);
    default:
        return access_texts::hole(cell, access_texts::kFree);
    }
}

void PokanWindow::activate_cell(int cell)
{
    if (engine_->game_mode() == GameMode::Playing) {
        if (engine_->accepts_strikes())
            strike(cell);
        return;
    }
    if (shows_icons())
        open_icon(cell);
}

void PokanWindow::board_keyed()
{
    if (shows_icons() && !mpkx_->isHidden())
        mpkx_click();
}

void PokanWindow::cell_made_current(int cell)
{
    // The icon's comment, as when the pointer comes over it.
    if (shows_icons())
        menucoment(cell);
}
