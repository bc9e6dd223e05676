#include "about_window.h"
#include "dialog_texts.h"
#include "picture_button.h"
#include "platform/text/legacy/rounding.h"
#include "platform/random.h"
#include "platform/ui/surface_widget.h"
#include <QLabel>
#include <algorithm>

AboutWindow::AboutWindow(const QString& version, const QString& icon_path, platform::Random& random,
                         SysInfo sys_info, QWidget* parent)
    : InfoBox(std::move(sys_info), parent), random_(random)
{
    setWindowTitle(dialog_texts::about_caption());
    setFixedSize(440, 270);

    auto* icon = new PictureButton(this, 64, 64, dialog_texts::kAboutIconName);
    icon->setAccessibleDescription(dialog_texts::kAboutIconDescription);
    icon->move(icon_home_);
    icon->surface().fill(palette().color(QPalette::Window).rgb());
    const QImage picture(icon_path);
    if (!picture.isNull()) {
        const platform::Surface source(picture);
        platform::trans_blt(icon->surface(), 0, 0, 64, 64, source, 0, 0, source.pixel(0, 0));
    }
    auto* title = text_label(dialog_texts::kProgramTitle, QRect(96, 14, 220, 34), 18, true);
    auto* version_label = text_label(dialog_texts::version_line(version), QRect(98, 52, 220, 20));
    auto* description = text_label(dialog_texts::kDescription, QRect(98, 80, 326, 84));
    auto* line = new QLabel(this);
    line->setGeometry(16, 172, 408, 1);
    line->setStyleSheet(QStringLiteral("background: rgb(160, 160, 160);"));
    auto* disclaimer = text_label(dialog_texts::kDisclaimer, QRect(16, 182, 276, 76));
    place_buttons(186);
    icon->raise(); // it walks over the texts
    controls_ = {icon, title, version_label, description, disclaimer};

    wander_timer_.setInterval(10);
    wander_timer_.setTimerType(Qt::PreciseTimer);
    connect(&wander_timer_, &QTimer::timeout, this, &AboutWindow::wander_tick);
    connect(icon, &platform::SurfaceWidget::clicked, this, &AboutWindow::icon_click);
}

void AboutWindow::icon_click()
{
    // Each click starts a walk of its own; walks add up and each brings the icon back.
    walks_.emplace_back(IconWander::direction_for(random_.next()));
    wander_timer_.start();
}

void AboutWindow::wander_tick()
{
    QPoint units;
    for (IconWander& walk : walks_) {
        walk.advance(kStepsPerTick);
        units += walk.offset();
    }
    std::erase_if(walks_, [](const IconWander& walk) { return walk.finished(); });
    if (walks_.empty())
        wander_timer_.stop();
    const auto px = [](int u) { return int(legacy::round_half_even(double(u) / kTwipsPerPixel)); };
    controls_.about_mipo_ico->move(icon_home_ + QPoint(px(units.x()), px(units.y())));
}
