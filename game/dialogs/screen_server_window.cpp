#include "screen_server_window.h"
#include "dialog_texts.h"
#include "screen_saver_steps.h"
#include "platform/ui/accessible_role.h"
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

ScreenServerWindow::ScreenServerWindow(platform::Random& random, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), random_(random)
{
    setWindowTitle(QStringLiteral("screenserver"));
    setAccessibleDescription(dialog_texts::kSaverDescription);
    platform::set_accessible_role(this, QAccessible::Window);
    label1_ = new QLabel(QString(dialog_texts::kSaverLabel).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                         this);
    label1_->setGeometry(16, 40, 241, 41);
    label1_->setStyleSheet(QStringLiteral("color: white; background: black;"));
    label1_->setAttribute(Qt::WA_TransparentForMouseEvents);
    timer1_.setInterval(10);
    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, &ScreenServerWindow::tick);
}

void ScreenServerWindow::show_over(const QWidget* over)
{
    QScreen* screen = over && over->screen() ? over->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    setGeometry(area);
    if (surface_.width() != area.width() || surface_.height() != area.height())
        surface_ = platform::Surface(area.width(), area.height(), qRgb(0, 0, 0));
    show();
    raise();
    activateWindow();
    timer1_.start();
}

void ScreenServerWindow::tick()
{
    if (surface_.is_null())
        return;
    const ScreenSaverStep step = ScreenSaverStep::next(random_, QSize(surface_.width(), surface_.height()));
    if (step.clear)
        surface_.fill(qRgb(0, 0, 0));
    surface_.circle(step.centre, step.radius, step.colour);
    if (step.clear)
        update();
    else
        update(QRect(step.centre, step.centre).adjusted(-step.radius - 1, -step.radius - 1, step.radius + 1,
                                                        step.radius + 1));
}

void ScreenServerWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.drawImage(event->rect(), surface_.image(), event->rect());
}

void ScreenServerWindow::mousePressEvent(QMouseEvent*)
{
    hide();
}

void ScreenServerWindow::keyPressEvent(QKeyEvent* event)
{
    // It covers everything: Escape is a way out that needs no mouse.
    if (event->key() == Qt::Key_Escape)
        hide();
    else
        QWidget::keyPressEvent(event);
}

void ScreenServerWindow::hideEvent(QHideEvent*)
{
    // Nobody sees a hidden screen saver: it rests until it is shown again.
    timer1_.stop();
}
