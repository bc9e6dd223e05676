#include "setting_dialog.h"
#include "dialog_texts.h"
#include "face_drag.h"
#include "gradient_face.h"
#include "settings_rules.h"
#include "game/data/data_files.h"
#include "game/scores/score_keeper.h"
#include "platform/ui/prompt.h"
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

QPushButton* button(QWidget* parent, const QString& text, int left, int top)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(left, top, 84, 28);
    return b;
}

QLineEdit* number_box(QWidget* parent, int left, int top)
{
    auto* box = new QLineEdit(parent);
    box->setGeometry(left, top, 80, 24);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QLabel* white_label(QWidget* parent, const QString& text, QRect at)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

} // namespace

SettingDialog::SettingDialog(GameSettings& settings, GamePaths paths, ScoreTable& table, ScoreKeeper& scores,
                             platform::Prompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), settings_(settings), paths_(std::move(paths)),
      table_(table), scores_(scores), prompt_(prompt)
{
    setWindowTitle(dialog_texts::kSettingsCaption);
    setFixedSize(400, 250);
    face_ = gradient_face([](int i) { return qRgb(0, i, 255); });

    // The help label's first two lines name the two interval boxes beside them.
    QFont help_font = font();
    help_font.setPixelSize(17);
    const int line = QFontMetrics(help_font).lineSpacing();
    auto* set_lab = white_label(this, QString(dialog_texts::kSettingsHelp).replace(QStringLiteral("\r\n"), "\n"),
                                QRect(12, 10, 380, 4 * line + 4));
    set_lab->setFont(help_font);
    set_lab->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const int box_left = 200;
    auto box_top = [&](int row) { return 10 + row * line + (line - 24) / 2; };
    auto* set_mipo = number_box(this, box_left, box_top(0));
    auto* set_miss = number_box(this, box_left, box_top(1));
    white_label(this, dialog_texts::kMilliseconds, QRect(box_left + 86, box_top(0), 60, 24));
    white_label(this, dialog_texts::kMilliseconds, QRect(box_left + 86, box_top(1), 60, 24));
    const int rate_top = 10 + 4 * line + 16;
    auto* rate_label = white_label(this, dialog_texts::kRateLabel, QRect(12, rate_top, 180, 24));
    auto* yukisyutu = number_box(this, box_left, rate_top);
    // The rate has a label of its own; the intervals are named by the help label's lines.
    rate_label->setBuddy(yukisyutu);
    set_mipo->setAccessibleName(dialog_texts::kMipoIntervalName);
    set_miss->setAccessibleName(dialog_texts::kMissIntervalName);

    const int buttons_top = 250 - 40;
    auto* default_button = button(this, QStringLiteral("Default"), 12, buttons_top);
    auto* initiarize = button(this, QStringLiteral("initiarize"), 104, buttons_top);
    auto* ok_button = button(this, QStringLiteral("OK"), 212, buttons_top);
    auto* cancel_button = button(this, dialog_texts::kCancel, 304, buttons_top);
    ok_button->setDefault(true);
    for (QPushButton* b : {default_button, initiarize, cancel_button})
        b->setAutoDefault(false);

    controls_ = {set_mipo, set_miss, yukisyutu, ok_button, cancel_button, default_button, initiarize, set_lab};
    connect(ok_button, &QPushButton::clicked, this, &SettingDialog::ok_click);
    connect(cancel_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(default_button, &QPushButton::clicked, this, &SettingDialog::default_click);
    connect(initiarize, &QPushButton::clicked, this, &SettingDialog::initiarize_click);

    auto* drag = new FaceDrag(this);
    drag->add(set_lab);
}

void SettingDialog::show_dialog()
{
    if (!loaded_) {
        loaded_ = true;
        const settings_rules::Texts texts = settings_rules::texts_of(settings_);
        controls_.set_mipo->setText(texts.mipo);
        controls_.set_miss->setText(texts.miss);
        controls_.yukisyutu->setText(texts.rate);
    }
    show();
    raise();
    activateWindow();
}

void SettingDialog::ok_click()
{
    using Kind = settings_rules::Outcome::Kind;
    const settings_rules::Outcome outcome = settings_rules::check(
        {controls_.set_mipo->text(), controls_.set_miss->text(), controls_.yukisyutu->text()}, settings_);
    if (outcome.kind == Kind::Refused) {
        prompt_.inform(outcome.message, settings_rules::kTitle);
        return;
    }
    if (outcome.kind == Kind::Accepted) {
        QString error;
        if (!data_files::write_config(paths_, outcome.settings, &error)) {
            prompt_.inform(dialog_texts::not_saved(data_files::config_path(paths_), error),
                           settings_rules::kTitle, platform::Prompt::Icon::Warning);
            return;
        }
        settings_ = outcome.settings;
        emit settings_changed();
    }
    accept();
}

void SettingDialog::default_click()
{
    controls_.set_mipo->setText(settings_rules::kDefaultMipo);
    controls_.set_miss->setText(settings_rules::kDefaultMiss);
}

void SettingDialog::initiarize_click()
{
    const int answer = prompt_.ask(dialog_texts::kScoreInitQuestion, dialog_texts::kScoreInitTitle,
                                   platform::Prompt::Buttons::OkCancel, platform::Prompt::Icon::Question);
    if (answer != platform::Prompt::kOk)
        return;
    const ScoreTable before = table_;
    settings_rules::fill_initial_table(table_);
    QString error;
    if (!scores_.save(&error)) {
        table_ = before;
        prompt_.inform(dialog_texts::not_saved(scores_.path(), error), dialog_texts::kScoreInitTitle,
                       platform::Prompt::Icon::Warning);
    }
}

void SettingDialog::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, face_);
}
