#include "soubi_dialog.h"
#include "dialog_texts.h"
#include "face_drag.h"
#include "gradient_face.h"
#include "game/data/data_files.h"
#include "platform/ui/accessible_role.h"
#include "platform/ui/cursor_file.h"
#include "platform/ui/prompt.h"
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace {

const QString kGreen = QStringLiteral("color: rgb(0, 200, 0); background: transparent;");

QPushButton* button(QWidget* parent, const QString& text, const QString& tip, int left, int top)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(left, top, 84, 28);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

QLabel* green_label(QWidget* parent, const QString& text, QRect at)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    label->setStyleSheet(kGreen);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QString shown(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

} // namespace

SoubiDialog::SoubiDialog(GameSettings& settings, WeaponCursors& cursors, GamePaths paths, platform::Prompt& prompt,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), settings_(settings), cursors_(cursors),
      paths_(std::move(paths)), prompt_(prompt)
{
    setWindowTitle(dialog_texts::kSoubiCaption);
    setFixedSize(400, 250);
    face_ = gradient_face([](int i) { return qRgb(i, 0, 0); });

    auto* sou_lab = green_label(this,
                                dialog_texts::kSoubiPrompt + QLatin1Char('\n')
                                    + dialog_texts::current_weapon(settings_.buki_no),
                                QRect(12, 10, 376, 40));

    // The numbers stand three lines apart, each beside its icon.
    const int line = QFontMetrics(font()).lineSpacing();
    const int icons_top = 60;
    auto* no = green_label(this, QStringLiteral("0\n\n\n1\n\n\n2"), QRect(24, icons_top + 12, 16, 7 * line + 4));
    std::array<QToolButton*, 3> pic{};
    for (int i = 0; i < 3; ++i) {
        pic[i] = new QToolButton(this);
        pic[i]->setAutoRaise(true);
        pic[i]->setIconSize(QSize(32, 32));
        pic[i]->setGeometry(44, icons_top + 12 + 3 * line * i + line / 2 - 20, 40, 40);
        pic[i]->setToolTip(dialog_texts::kWeaponTips[i]);
        pic[i]->setAccessibleName(dialog_texts::kWeaponNames[i]);
        // Checked is the weapon worn; a click only chooses (装備 and OK wear it).
        pic[i]->setCheckable(true);
        if (const auto cursor = platform::load_cursor_file(paths_.bmp_dir + WeaponCursors::raised_file(i)))
            pic[i]->setIcon(QIcon(cursor->pixmap()));
        connect(pic[i], &QToolButton::clicked, this, [this, i] { pic_click(i); });
    }
    auto* choice_no = green_label(this, dialog_texts::kChoiceDesign, QRect(110, icons_top + 12, 278, 90));
    choice_no->setWordWrap(true);

    const int buttons_top = 250 - 40;
    auto* soubi_ok = button(this, dialog_texts::kSoubiButton, dialog_texts::kSoubiTip, 12, buttons_top);
    auto* initiarize = button(this, QStringLiteral("initiarize"), dialog_texts::kSoubiInitTip, 104, buttons_top);
    auto* ok_button = button(this, QStringLiteral("OK"), dialog_texts::kSoubiOkTip, 212, buttons_top);
    auto* cancel_button = button(this, dialog_texts::kCancel, dialog_texts::kSoubiCancelTip, 304, buttons_top);
    ok_button->setDefault(true);

    controls_ = {pic, no, choice_no, sou_lab, soubi_ok, ok_button, cancel_button, initiarize};
    show_worn();
    connect(this, &SoubiDialog::weapon_changed, this, &SoubiDialog::show_worn);
    connect(soubi_ok, &QPushButton::clicked, this, [this] { equip(); });
    connect(ok_button, &QPushButton::clicked, this, [this] {
        if (equip())
            accept();
    });
    connect(cancel_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(initiarize, &QPushButton::clicked, this,
            [this] { prompt_.inform(dialog_texts::kShopText, dialog_texts::kShopTitle); });

    auto* drag = new FaceDrag(this);
    drag->add(sou_lab);
}

void SoubiDialog::show_beside(const QWidget* main_window)
{
    if (main_window) {
        const QRect frame = main_window->frameGeometry();
        move(frame.x() + frame.width(), frame.y());
    }
    show();
    raise();
    activateWindow();
}

void SoubiDialog::pic_click(int index)
{
    chosen_ = static_cast<uint8_t>(index);
    controls_.choice_no->setText(shown(dialog_texts::choice(index)));
    platform::announce(controls_.choice_no, controls_.choice_no->text());
    show_worn(); // the click toggled the icon it chose
}

void SoubiDialog::show_worn()
{
    for (int i = 0; i < 3; ++i)
        controls_.pic[i]->setChecked(i == settings_.buki_no);
}

bool SoubiDialog::equip()
{
    // Both cursors first: a weapon that cannot be shown is never stored.
    WeaponCursors trial = cursors_;
    const QString missing = trial.soubi_select(chosen_, paths_.bmp_dir);
    if (!missing.isEmpty()) {
        prompt_.inform(dialog_texts::weapon_missing(missing), dialog_texts::kSoubiCaption,
                       platform::Prompt::Icon::Warning);
        return false;
    }
    GameSettings next = settings_;
    next.buki_no = chosen_;
    QString error;
    if (!data_files::write_config(paths_, next, &error)) {
        prompt_.inform(dialog_texts::not_saved(data_files::config_path(paths_), error),
                       dialog_texts::kSoubiCaption, platform::Prompt::Icon::Warning);
        return false;
    }
    cursors_ = trial;
    settings_ = next;
    emit weapon_changed();
    return true;
}

void SoubiDialog::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, face_);
}
