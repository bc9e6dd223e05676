#include "tokei_window.h"
#include "clock_face.h"
#include "platform/ui/accessible_role.h"
#include "platform/ui/window_shape.h"
#include "twips.h"
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

struct LabelPlace {
    const char* text;
    int x, y;
};
constexpr LabelPlace kSecondLabels[4] = {{"0", 110, 60}, {"15", 65, 10}, {"30", 15, 60}, {"45", 65, 105}};

QLabel* white_label(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

TokeiWindow::TokeiWindow(Now now, const QLocale& locale)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), now_(std::move(now)), time_text_(locale)
{
    setObjectName(QStringLiteral("tokeiF"));
    setWindowTitle(QStringLiteral("クルリトでも"));
    platform::set_accessible_role(this, QAccessible::Window);
    setAccessibleDescription(QStringLiteral("反時計回りの時計｡C: circle mode, T: always top, I: クレジット, "
                                            "Menu または Shift+F10: メニュー"));
    // The window itself takes the keys: it has no control to put them in.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A small Japanese face with half-width digits of 6 px, which the pixel layout is made for.
    QFont face = font();
    face.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"), QStringLiteral("VL Gothic"),
                      face.family()});
    face.setPixelSize(12);
    setFont(face);
    back_colour_ = palette().color(QPalette::Base).rgb();

    nowtime_ = white_label(this, QString(), 48, 50);
    nowtime_->setObjectName(QStringLiteral("nowtime"));
    for (int i = 0; i < 4; ++i) {
        s_label_[i] = white_label(this, QString::fromLatin1(kSecondLabels[i].text), kSecondLabels[i].x,
                                  kSecondLabels[i].y);
        s_label_[i]->setObjectName(QStringLiteral("s_label_%1").arg(i));
    }

    sm_ = new QMenu(this);
    sm_->setObjectName(QStringLiteral("sm"));
    sm_cir_ = sm_->addAction(QStringLiteral("circle mode"));
    sm_cir_->setCheckable(true);
    sm_a_top_ = sm_->addAction(QStringLiteral("always top"));
    sm_a_top_->setCheckable(true);
    sm_->addSeparator();
    sm_end_ = sm_->addAction(QStringLiteral("End"));
    // The menu's switches have keys of their own on the window too.
    sm_cir_->setShortcut(Qt::Key_C);
    sm_a_top_->setShortcut(Qt::Key_T);
    addActions({sm_cir_, sm_a_top_});
    connect(sm_cir_, &QAction::triggered, this, &TokeiWindow::sm_cir_click);
    connect(sm_a_top_, &QAction::triggered, this, &TokeiWindow::sm_a_top_click);
    connect(sm_end_, &QAction::triggered, this, &QWidget::close);

    sm3_ = new QMenu(this);
    sm3_->setObjectName(QStringLiteral("sm3"));
    a_i_ = sm3_->addAction(QStringLiteral("クルリトでも (C) 2000-2026 zorvik/nabelune"));

    timer_.setInterval(kPassMs);
    connect(&timer_, &QTimer::timeout, this, &TokeiWindow::clock_pass);
}

void TokeiWindow::start()
{
    QScreen* scr = screen() ? screen() : QGuiApplication::primaryScreen();
    const double dpi_x = scr ? scr->logicalDotsPerInchX() : 96.0;
    const double dpi_y = scr ? scr->logicalDotsPerInchY() : 96.0;
    move(twips_to_pixels(200, dpi_x), twips_to_pixels(200, dpi_y));
    // Its size never changes: the window manager is told so, and offers no maximise (the
    // window has no buttons, but a key or the window manager's menu could ask for one).
    setFixedSize(twips_to_pixels(2000, dpi_x), twips_to_pixels(2000, dpi_y));
    drawing_ = platform::Surface(width(), height(), back_colour_);
    print_splash();

    show();
    running_ = true;
    clock_pass();
    timer_.start();
}

void TokeiWindow::print_splash()
{
    const QStringList lines = {
        QString(),
        QString(),
        QStringLiteral("       zorvik/nabelune"),
        QStringLiteral("      クルリトでも"),
        QString(),
        QString(),
        QStringLiteral("      Release Version : "),
        QString(16, QLatin1Char(' ')) + QLatin1String(kVersion),
    };
    const QFontMetrics fm(font());
    int y = 0;
    for (const QString& line : lines) {
        if (!line.isEmpty())
            drawing_.print(QPoint(0, y), line, font(), qRgb(255, 0, 0));
        y += fm.height();
    }
}

void TokeiWindow::clock_pass()
{
    const QDateTime now = now_();
    const ClockPass p = ticker_.pass(time_text_.time(now.time()), time_text_.date(now.date()));

    if (nowtime_->text() != p.caption) {
        nowtime_->setText(p.caption);
        nowtime_->adjustSize();
    }
    if (!p.changed || !p.seconds)
        return;

    const int s = *p.seconds;
    if (p.clear)
        drawing_.fill(back_colour_);
    drawing_.circle(ClockFace::kCentre, ClockFace::kCircleRadius, ClockFace::circle_colour(s), 1);
    const QPoint dot = ClockFace::dot_position(s);
    const int half = ClockFace::kDotSize / 2;
    drawing_.fill_rect(QRect(dot.x() - half, dot.y() - half, ClockFace::kDotSize, ClockFace::kDotSize),
                       ClockFace::dot_colour(s));
    update();
}

void TokeiWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(back_colour_));
    p.drawImage(0, 0, drawing_.image());
}

void TokeiWindow::mousePressEvent(QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        drag_begin(event->position());
        break;
    case Qt::RightButton:
        sm_->popup(event->globalPosition().toPoint());
        break;
    case Qt::MiddleButton:
        sm3_->popup(event->globalPosition().toPoint());
        break;
    default:
        break;
    }
}

void TokeiWindow::keyPressEvent(QKeyEvent* event)
{
    // The two menus of the right and middle buttons, by the keys for a context menu
    // and I, opened at the clock's centre with their first entry ready for the arrows.
    const bool menu_key = event->key() == Qt::Key_Menu
                          || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    QMenu* menu = menu_key ? sm_ : event->key() == Qt::Key_I && event->modifiers() == Qt::NoModifier ? sm3_ : nullptr;
    if (!menu) {
        QWidget::keyPressEvent(event);
        return;
    }
    menu->popup(mapToGlobal(rect().center()));
    if (!menu->actions().isEmpty())
        menu->setActiveAction(menu->actions().first());
}

void TokeiWindow::mouseMoveEvent(QMouseEvent* event)
{
    drag_move(event->globalPosition());
}

void TokeiWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
}

void TokeiWindow::drag_begin(QPointF pos)
{
    // Wayland lets only the compositor move windows.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && windowHandle()
        && windowHandle()->startSystemMove())
        return;
    dragging_ = true;
    drag_x_ = pos.x();
    drag_y_ = pos.y();
}

void TokeiWindow::drag_move(QPointF global_pos)
{
    if (!dragging_)
        return;
    // Keep the point that was pressed under the mouse.
    move((global_pos - QPointF(drag_x_, drag_y_)).toPoint());
}

void TokeiWindow::sm_cir_click()
{
    // The action is already toggled: checked means circle mode is now on.
    if (sm_cir_->isChecked())
        platform::set_ellipse_shape(this, QRect(QPoint(1, 1), QPoint(width() - 1, height() - 1)));
    else
        platform::clear_shape(this);
}

void TokeiWindow::sm_a_top_click()
{
    always_top(sm_a_top_->isChecked() ? 1 : 0);
}

void TokeiWindow::always_top(unsigned char on)
{
    platform::set_topmost(this, on == 1);
}

void TokeiWindow::closeEvent(QCloseEvent* event)
{
    running_ = false;
    timer_.stop();
    event->accept();
}
