#pragma once
#include "game/data/game_paths.h"
#include "game/data/game_settings.h"
#include "game/data/score_entry.h"
#include <QDialog>
#include <QImage>

class QLabel;
class QLineEdit;
class QPushButton;
class ScoreKeeper;
namespace platform {
class Prompt;
}

// The settings dialog: the seal and yeti intervals and the yeti rate, kept in
// "config.csv"; also resets the top-ten table. Borderless, moved by dragging its
// face or its help label. OK and ｷｬﾝｾﾙ only hide it, so it keeps what was typed.
class SettingDialog final : public QDialog {
    Q_OBJECT
public:
    // `scores` keeps `table` in its file.
    SettingDialog(GameSettings& settings, GamePaths paths, ScoreTable& table, ScoreKeeper& scores,
                  platform::Prompt& prompt, QWidget* parent = nullptr);

    // Shows the dialog; the first time fills the boxes from the settings.
    void show_dialog();

    struct Controls {
        QLineEdit* set_mipo;
        QLineEdit* set_miss;
        QLineEdit* yukisyutu;
        QPushButton* ok_button;
        QPushButton* cancel_button;
        QPushButton* default_button;
        QPushButton* initiarize;
        QLabel* set_lab;
    };
    const Controls& controls() const { return controls_; }

signals:
    // New settings are in memory and in the file.
    void settings_changed();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void ok_click();
    void default_click();
    void initiarize_click();

    GameSettings& settings_;
    GamePaths paths_;
    ScoreTable& table_;
    ScoreKeeper& scores_;
    platform::Prompt& prompt_;
    QImage face_;
    Controls controls_{};
    bool loaded_ = false;
};
