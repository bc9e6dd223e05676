#pragma once
#include "weapon_cursors.h"
#include "game/data/game_paths.h"
#include "game/data/game_settings.h"
#include <QDialog>
#include <QImage>
#include <array>

class QLabel;
class QPushButton;
class QToolButton;
namespace platform {
class Prompt;
}

// The equipment dialog: three weapon icons; 装備 and OK equip the one clicked
// last (weapon 0 until one is clicked), change the cursors over the board and
// keep the choice in "config.csv". Borderless, moved by dragging its face or label.
class SoubiDialog final : public QDialog {
    Q_OBJECT
public:
    SoubiDialog(GameSettings& settings, WeaponCursors& cursors, GamePaths paths, platform::Prompt& prompt,
                QWidget* parent = nullptr);

    // Shows the dialog with its left edge at the right edge of `main_window`.
    void show_beside(const QWidget* main_window);

    uint8_t chosen() const { return chosen_; }

    struct Controls {
        std::array<QToolButton*, 3> pic;
        QLabel* no;
        QLabel* choice_no;
        QLabel* sou_lab;
        QPushButton* soubi_ok;
        QPushButton* ok_button;
        QPushButton* cancel_button;
        QPushButton* initiarize;
    };
    const Controls& controls() const { return controls_; }

signals:
    // A new weapon is in use and stored.
    void weapon_changed();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void pic_click(int index);
    // Checks the icon of the weapon worn now, and only that one.
    void show_worn();
    // buki_no := the chosen weapon, its cursors, the file. False (with one message)
    // when a cursor or the file failed; then nothing has changed.
    bool equip();

    GameSettings& settings_;
    WeaponCursors& cursors_;
    GamePaths paths_;
    platform::Prompt& prompt_;
    QImage face_;
    Controls controls_{};
    uint8_t chosen_ = 0;
};
