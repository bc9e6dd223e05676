#include "companion_panel.h"
#include "companion_texts.h"
#include "system_panel_texts.h"
#include "trash_panel.h"
#include "game/data/game_texts.h"
#include "platform/desktop/system_info.h"
#include <QDateTime>
#include <QLabel>
#include <QPushButton>

using companion::SystemPanelTexts;

namespace {

constexpr QRgb kPanelColour = qRgb(236, 244, 255);
const QString kFigureStyle = QStringLiteral("background: rgb(250, 230, 100); color: black;");

QLabel* label(QWidget* parent, const QString& text, QRect geometry, const QFont& font)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setFont(font);
    return l;
}

QPushButton* button(QWidget* parent, const QString& text, QRect geometry, const QFont& font)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(geometry);
    b->setFont(font);
    return b;
}

} // namespace

CompanionPanel::CompanionPanel(QWidget* parent, platform::SystemInfo& system, companion::TrashPanel& trash,
                               const QFont& font)
    : platform::SurfaceWidget(parent, 210, 360), system_(system), trash_(trash), font_(font)
{
    surface().fill(kPanelColour);
    Controls& c = controls_;
    label(this, game_texts::kMakerLine, QRect(8, 8, 97, 17), font_);
    QFont big = font_;
    big.setPointSize(13);
    label(this, companion::texts::kPanelName, QRect(24, 24, 169, 25), big);
    c.mgl = label(this, companion::texts::kSystemTitle, QRect(8, 48, 67, 15), font_);
    c.user = label(this, QString(), QRect(8, 64, 89, 17), font_);
    c.host = label(this, QString(), QRect(8, 80, 89, 17), font_);
    for (int i = 0; i < SystemPanelTexts::kMemoryLabels; ++i) {
        c.memlabel[i] = label(this, QString(), SystemPanelTexts::memory_label_rect(i), font_);
        c.memlabel[i]->setStyleSheet(kFigureStyle);
        c.memlabel[i]->hide();
    }
    c.pasttime[0] = label(this, companion::texts::kUptimeCaption, QRect(8, 240, 73, 17), font_);
    c.pasttime[1] = label(this, QString(), QRect(72, 240, 89, 17), font_);
    // Date, time and weekday on two lines beside 戻る, so that the weekday is not hidden under it.
    QFont small = font_;
    small.setPointSize(8);
    c.ntime = label(this, QString(), QRect(8, 254, 126, 30), small);
    c.ntime->setWordWrap(true);
    for (int i = 0; i < companion::TrashPanel::kLines; ++i) {
        c.gomilabel[i] = label(this, QString(), QRect(72, 112 + 20 * i, 120, 15), font_);
        c.gomilabel[i]->setStyleSheet(kFigureStyle);
        c.gomilabel[i]->hide();
    }
    c.del = button(this, companion::texts::kDelete, QRect(8, 256, 57, 25), font_);
    c.ref = button(this, companion::texts::kRefresh, QRect(72, 256, 57, 25), font_);
    c.return_b = button(this, companion::texts::kBack, QRect(136, 256, 57, 25), font_);
    for (QWidget* w : {static_cast<QWidget*>(c.pasttime[0]), static_cast<QWidget*>(c.pasttime[1]),
                       static_cast<QWidget*>(c.ntime), static_cast<QWidget*>(c.del), static_cast<QWidget*>(c.ref)})
        w->hide();

    connect(c.return_b, &QPushButton::clicked, this, [this] {
        mem_e();
        gomi_e();
    });
    connect(c.del, &QPushButton::clicked, &trash_, &companion::TrashPanel::empty_clicked);
    connect(c.ref, &QPushButton::clicked, &trash_, &companion::TrashPanel::refresh);
    connect(&trash_, &companion::TrashPanel::lines_changed, this, &CompanionPanel::show_trash_lines);
    clock_.setInterval(20);
    connect(&clock_, &QTimer::timeout, this, &CompanionPanel::get_time_now);
    hide();
}

void CompanionPanel::set_names(const QString& user, const QString& host)
{
    controls_.user->setText(user);
    controls_.host->setText(host);
}

void CompanionPanel::mem_s()
{
    Controls& c = controls_;
    c.pasttime[0]->show();
    c.pasttime[1]->show();
    c.ntime->show();
    c.mgl->setText(companion::texts::kSystemTitle);
    gomi_e();
    for (QLabel* l : c.memlabel)
        l->show();
    const QRgb blue = qRgb(0, 0, 255);
    surface().circle(QPoint(30, 30), 15, blue);
    surface().circle(QPoint(30, 30), 20, blue);
    surface().circle(QPoint(120, 120), 60, blue);
    refresh();
    show();
    raise();
    mem();
    c.pasttime[0]->setText(companion::texts::kUptimeCaption);
    get_time_now();
    clock_.start();
}

void CompanionPanel::mem_e()
{
    clock_.stop();
    clear_drawing();
    Controls& c = controls_;
    c.pasttime[0]->hide();
    c.pasttime[1]->hide();
    c.ntime->hide();
    for (QLabel* l : c.memlabel)
        l->hide();
    hide();
}

void CompanionPanel::gomi_s()
{
    Controls& c = controls_;
    for (QLabel* l : c.gomilabel)
        l->show();
    c.mgl->setText(companion::texts::kTrashTitle);
    mem_e();
    show_trash_lines();
    trash_.refresh();
    c.del->show();
    c.ref->show();
    show();
    raise();
    const QRgb red = qRgb(255, 0, 0);
    surface().circle(QPoint(50, 50), 20, red);
    surface().circle(QPoint(50, 50), 25, red);
    refresh();
}

void CompanionPanel::gomi_e()
{
    Controls& c = controls_;
    for (QLabel* l : c.gomilabel)
        l->hide();
    c.del->hide();
    c.ref->hide();
    hide();
}

void CompanionPanel::mem()
{
    const std::array<QString, SystemPanelTexts::kMemoryLabels> texts = SystemPanelTexts::memory_labels(system_.memory());
    for (int i = 0; i < SystemPanelTexts::kMemoryLabels; ++i) {
        QLabel* l = controls_.memlabel[i];
        // Figures of a big machine are wider than their cell: the font gives way, not the figure.
        l->setFont(SystemPanelTexts::fitted(font_, texts[i], l->width()));
        l->setText(texts[i]);
    }
}

void CompanionPanel::get_time_now()
{
    controls_.ntime->setText(SystemPanelTexts::date_line(QDateTime::currentDateTime()));
    controls_.pasttime[1]->setText(SystemPanelTexts::uptime(system_.uptime_ms()));
}

void CompanionPanel::show_trash_lines()
{
    const auto& lines = trash_.lines();
    for (int i = 0; i < companion::TrashPanel::kLines; ++i)
        controls_.gomilabel[i]->setText(lines[i]);
    controls_.del->setEnabled(!trash_.busy());
}

void CompanionPanel::clear_drawing()
{
    surface().fill(kPanelColour);
    refresh();
}
