#include "logo_window.h"
#include "board_accessible.h"
#include "game/data/game_texts.h"
#include "game/data/sprite_set.h"
#include "platform/text/legacy/rounding.h"
#include "platform/app/startup_trace.h"
#include "platform/ui/window_shape.h"
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {

const QString kCredit = QStringLiteral("(C)2000 zorvik");

// The plate: the window's rectangle from (1, 1) with rounded 20 x 20 corners.
const QRect kPlate(1, 1, LogoWindow::kWidth - 1, LogoWindow::kHeight - 1);
constexpr int kCorner = 20;

} // namespace

LogoWindow::LogoWindow(platform::Clock& clock, const QString& bmp_dir, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::SplashScreen), clock_(clock), bmp_dir_(bmp_dir),
      surface_(kWidth, kHeight)
{
    board_accessible::install(); // the splash is a window to screen readers
    setFixedSize(kWidth, kHeight);
    setWindowTitle(game_texts::kProductName); // what a task bar or pager names it
    setAttribute(Qt::WA_OpaquePaintEvent);
    poll_timer_.setInterval(10);
    poll_timer_.setTimerType(Qt::PreciseTimer);
    connect(&poll_timer_, &QTimer::timeout, this, &LogoWindow::poll);
}

QString LogoWindow::load()
{
    platform::set_rounded_shape(this, kPlate, kCorner, kCorner);
    platform::set_topmost(this, true);

    const QString picture_path = bmp_dir_ + QStringLiteral("thwlogo.jpg");
    const QImage picture = load_picture(picture_path);
    if (picture.isNull())
        return picture_path;
    surface_.fill(qRgb(255, 255, 255));
    surface_.copy_from(platform::Surface(picture), picture.rect(), QPoint(0, 0));

    QFont font(game_texts::kUiFont);
    font.setPointSize(14);
    const int line = QFontMetrics(font).lineSpacing();
    // Two empty lines, then the credit, which runs down into the lower left corner: it starts
    // where the corner's curve ends, so that no part of it is cut off.
    surface_.print(QPoint(kPlate.left() + kCorner / 2, 2 * line), kCredit, font, qRgb(0, 0, 0));

    // The right third: 200 two-pixel lines from white to blue, in a scale of
    // 6000 units across the window.
    const double per_unit = kWidth / 6000.0;
    for (int i = 1; i <= 200; ++i) {
        const int red = static_cast<int>(legacy::round_half_even(255 - i / 300.0 * 255));
        const int green = static_cast<int>(legacy::round_half_even(255 - i / 250.0 * 255));
        const int x = static_cast<int>(legacy::round_half_even((4000 + 10 * i) * per_unit));
        surface_.line(QPoint(x, -1), QPoint(x, 85), qRgb(red, green, 255), 2);
    }
    return QString();
}

void LogoWindow::start()
{
    if (QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    platform::animate_rect(QRect(0, 0, 0, 0), geometry());
    show();
    logo_wait_ = true;
    shown_at_ = clock_.now_ms();
    poll_timer_.start();
}

void LogoWindow::poll()
{
    if (!logo_wait_)
        return;
    if (platform::Clock::elapsed(shown_at_, clock_.now_ms()) > kWaitMs) {
        poll_timer_.stop();
        emit wait_over();
    }
}

void LogoWindow::exit_ani(QWidget* main_window, bool activate)
{
    // No notification area to fly to on this desktop: just go.
    hide();
    if (main_window) {
        main_window->show();
        if (activate) {
            main_window->raise();
            main_window->activateWindow();
        }
    }
    logo_wait_ = false;
    clearMask();
}

void LogoWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, surface_.image());
    platform::trace_first_paint("splash-painted");
}

void LogoWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        hide();
}
