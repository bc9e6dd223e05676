#include "pokan_window.h"
#include "access_texts.h"
#include "window_labels.h"
#include "game/data/game_texts.h"
#include "game/play/play_texts.h"
#include "game/companion/companion_panel.h"
#include "game/companion/trash_panel.h"
#include "game/play/mouse_cls.h"
#include "platform/text/legacy/rounding.h"
#include "platform/ui/window_shape.h"
#include <QCloseEvent>
#include <QCursor>
#include <QLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

using legacy::round_half_even;

namespace {

using window_labels::make_label;
using window_labels::set_colours;

// The title text "gtl", drawn once.
QPixmap render_title_text()
{
    QPixmap pixmap(193, 33);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f(game_texts::kUiFont);
    f.setPointSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(40, 60, 200));
    p.drawText(pixmap.rect(), Qt::AlignLeft | Qt::AlignVCenter, game_texts::kTitleText);
    return pixmap;
}

} // namespace

PokanWindow::PokanWindow(GameServices services, const GamePaths& paths, Options options, QWidget* parent)
    : QMainWindow(parent), services_(services), options_(std::move(options)), paths_(paths), board_(this),
      sounds_(std::make_unique<GameSounds>(services_.sound, paths_.wav_dir)), talk_(options_.version_text), desk_text_([] {
          QFont f(game_texts::kUiFont);
          f.setPointSize(20);
          return f;
      }())
{
    setWindowTitle(game_texts::caption(options_.version_text));
    setAccessibleDescription(access_texts::kWindowHelp);
    build_controls();
    menus_ = PokanMenus::build(this, options_.with_skin_chooser);
    connect_menus();
    connect_keys();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // A window that cannot change size offers no maximise; close and minimise stay.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    timer_open_.setInterval(10);
    timer_open_.setTimerType(Qt::PreciseTimer);
    connect(&timer_open_, &QTimer::timeout, this, &PokanWindow::title_tick);
    timer5_.setInterval(22);
    timer5_.setTimerType(Qt::PreciseTimer);
    connect(&timer5_, &QTimer::timeout, this, &PokanWindow::jiggle_title);
    timer1_.setInterval(200);

    count_down_timer_.setInterval(10);
    count_down_timer_.setTimerType(Qt::PreciseTimer);
    connect(&count_down_timer_, &QTimer::timeout, this, &PokanWindow::count_down_timer_fired);
    pass_timer_.setInterval(30);
    pass_timer_.setTimerType(Qt::PreciseTimer);
    connect(&pass_timer_, &QTimer::timeout, this, &PokanWindow::pass_timer_fired);
    engine_ = std::make_unique<GameEngine>(services_.clock, services_.random, data_.settings, data_.hit_comments,
                                           data_.miss_comments, board_, static_cast<GameShell&>(*this), *sounds_,
                                           options_.play);
    if (options_.play.board_tip)
        board_.set_board_tip(play_texts::kBoardTip);
}

PokanWindow::~PokanWindow()
{
    // The board outlives the game it asks about by a moment: it asks no more.
    board_.back()->set_cells(nullptr);
    shutdown();
}

void PokanWindow::build_controls()
{
    form_ = board_.form();
    back0_ = board_.back();
    setCentralWidget(form_);

    // Debug captions, outside the visible width.
    mouse_ = make_label(form_, QString(), QRect(kClientWidth + 10, 0, 120, 16));
    mousec_ = make_label(form_, QString(), QRect(kClientWidth + 10, 20, 200, 16));

    announcer_ = new Announcer(form_);
    announcer_->move(kClientWidth + 10, 40);
    board_.on_count_down([this](int digit) {
        announcer_->say(access_texts::count_down(digit), Announcer::Weight::Alert);
    });
    board_.back()->set_cells(this);

    mpkx_ = new TitlePlate(form_, kClientWidth, kClientHeight);
    mpkx_->setToolTip(game_texts::kPlateTip);
    mpkx_->setAccessibleName(game_texts::kTitleText);
    mpkx_->set_title(render_title_text(), QPoint(10, 188));
    // Just below the reach of the shaking title, so that its repaints leave the label alone.
    lbl_version_ = make_label(mpkx_, game_texts::release_version(options_.version_text), QRect(40, 228, 160, 16));
    lbl_version_->setStyleSheet(QStringLiteral("color: rgb(60, 60, 110); background: transparent;"));
    lbl_version_->setAttribute(Qt::WA_TransparentForMouseEvents);
    selvio_ = make_label(mpkx_, QStringLiteral("From selvio"), QRect(112, 304, 90, 16));
    selvio_->setStyleSheet(QStringLiteral("color: rgb(60, 60, 110); background: transparent;"));
    selvio_->setAttribute(Qt::WA_TransparentForMouseEvents);

    trash_panel_ = std::make_unique<companion::TrashPanel>(services_.desktop.trash, services_.prompt);
    QFont panel_font(game_texts::kUiFont);
    panel_font.setPointSize(9);
    gomibako_ = new CompanionPanel(form_, services_.desktop.system, *trash_panel_, panel_font);
    gomibako_->move(0, 0);

    // The machine in four lines on the plate, below the version and clear of the shaking title.
    for (int i = 0; i < 4; ++i) {
        plate_lines_[i] = make_label(mpkx_, QString(), QRect(40, 246 + 14 * i, 165, 14), 8);
        plate_lines_[i]->setStyleSheet(QStringLiteral("color: rgb(60, 60, 110); background: transparent;"));
        plate_lines_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    zorviklogo_ = new platform::SurfaceWidget(form_, kClientWidth, kClientHeight);
    zorviklogo_->setObjectName(QStringLiteral("zorviklogo")); // a button for screen readers
    zorviklogo_->surface().fill(qRgb(0, 0, 0));
    zorvik_label_ = make_label(zorviklogo_, QString(), QRect(0, 0, 200, 30), 18);
    zorvik_label_->setAttribute(Qt::WA_TransparentForMouseEvents);

    controls_ = Controls{form_,        back0_,      board_.gauge(), board_.coment(), board_.data(), mpkx_,
                         lbl_version_, zorviklogo_, zorvik_label_,  gomibako_,       plate_lines_,  mouse_,
                         mousec_,      announcer_,  &timer_open_, &timer5_,      &board_.sprites()};

    connect(zorviklogo_, &platform::SurfaceWidget::clicked, this, &PokanWindow::skip_title);
    // The keyboard reaches the plate under the title too: there a press skips the title.
    connect(mpkx_, &platform::SurfaceWidget::clicked, this, [this] { title_running() ? skip_title() : mpkx_click(); });
    connect(back0_, &platform::SurfaceWidget::mouse_pressed, this, &PokanWindow::act);
    connect(back0_, &platform::SurfaceWidget::mouse_released, this, [this] { back_mouse_up(); });
    connect(form_, &platform::SurfaceWidget::mouse_pressed, this,
            [this](Qt::MouseButton b, QPointF) { form_mouse_down(b); });
}

void PokanWindow::connect_menus()
{
    connect(menus_.exit, &QAction::triggered, this, &PokanWindow::pokan_end);
    connect(menus_.sm_exit, &QAction::triggered, this, &PokanWindow::pokan_end);
    connect(menus_.start, &QAction::triggered, this, &PokanWindow::start_click);
    connect(menus_.scorecall, &QAction::triggered, this, &PokanWindow::score_show);
    connect(menus_.sm_start, &QAction::triggered, this, &PokanWindow::begin);
    connect(menus_.m_stop, &QAction::triggered, this, &PokanWindow::stop_act);
    connect(menus_.reset, &QAction::triggered, this, &PokanWindow::reset_command);
    connect(menus_.sm_reset, &QAction::triggered, this, &PokanWindow::reset_command);
    for (int i = 0; i < 2; ++i)
        connect(menus_.mode[i], &QAction::triggered, this, [this, i] { mode_click(i); });
    for (QMenu* menu : {menus_.file, menus_.system, menus_.info})
        connect(menu, &QMenu::aboutToShow, this, &PokanWindow::top_menu_opened);
    connect_companion();
    connect_dialogs();
}

QString PokanWindow::load()
{
    dialogs_ = std::make_unique<GameDialogs>();
    score_keeper_ = std::make_unique<ScoreKeeper>(paths_, data_.score_table);
    const QString missing = board_.sprites().load(paths_.bmp_dir);
    if (!missing.isEmpty())
        return missing;
    board_.show_headings();
    read_names();
    engine_->first_global();
    title_ = std::make_unique<TitleSequence>(services_.random, kClientWidth, kClientHeight);
    start_up();
    return QString();
}

void PokanWindow::start_title()
{
    timer_open_.start();
}

QString PokanWindow::prepare_layout()
{
    mpkx_->move(0, 0);
    const QImage title = load_picture(paths_.bmp_dir + game_texts::kTitlePicture);
    if (title.isNull())
        return paths_.bmp_dir + game_texts::kTitlePicture;
    mpkx_->surface().set_picture(title);
    mpkx_->surface().resize(kClientWidth, kClientHeight);
    mpkx_->refresh();
    board_.paint_background();
    // Shown again later, the window keeps the empty holes under its board: a game
    // restores holes from there.
    if (title_ended_)
        board_.draw_empty_holes();
    return QString();
}

QString PokanWindow::apply_weapon()
{
    const QString missing = weapon_cursors_.soubi_select(data_.settings.buki_no, paths_.bmp_dir);
    sync_board_cursor();
    return missing;
}

void PokanWindow::start_up()
{
    zorviklogo_->surface().fill(qRgb(0, 0, 0));
    zorviklogo_->refresh();
    const int top = static_cast<int>(round_half_even(0.35 * kClientHeight));
    zorvik_label_->setGeometry(0, top, 200, 30);
    set_colours(zorvik_label_, QStringLiteral("white"), QStringLiteral("transparent"));
    zorvik_label_->setText(game_texts::kMakerLine);
}

void PokanWindow::title_tick()
{
    if (!title_)
        return;
    const TitleSequence::Step step = title_->tick();
    if (step.label)
        zorvik_label_->setText(*step.label);
    platform::Surface& panel = zorviklogo_->surface();
    for (const auto& line : step.lines)
        panel.line(line.from, line.to, line.color);
    if (step.circle_radius > 0)
        panel.circle(title_->centre(), step.circle_radius, qRgb(255, 255, 255));
    zorviklogo_->refresh();
    if (step.move_panel)
        zorviklogo_->move(zorviklogo_->x(), zorviklogo_->y() + TitleSequence::kPanelStep);
    if (step.finished)
        skip_title(); // the same as a click on the panel
}

void PokanWindow::skip_title()
{
    sounds_->play_simple(QStringLiteral("open_mpkx.wav"));
    open_end();
}

void PokanWindow::open_end()
{
    zorviklogo_->surface().fill(qRgb(0, 0, 0));
    timer5_.start();
    timer_open_.stop();
    zorviklogo_->hide();
    title_ended_ = true;
    board_.draw_empty_holes();
    // The board starts out as the clean background it lies on.
    board_.restore_board();
    board_.set_board_enabled(true);
    // The keyboard starts on the board, even where the plate took the focus first (the
    // window came up while the board was not usable yet); the plate is one Tab away.
    if (!focusWidget() || focusWidget() == mpkx_)
        back0_->setFocus(Qt::OtherFocusReason);
}

void PokanWindow::jiggle_title()
{
    const int top = static_cast<int>(round_half_even(services_.random.next() * 5 + 188));
    const int left = static_cast<int>(round_half_even(services_.random.next() * 5 + 10));
    mpkx_->move_title(QPoint(left, top));
}

void PokanWindow::always_top()
{
    platform::set_topmost(this, true);
}

void PokanWindow::not_top()
{
    platform::set_topmost(this, false);
}

void PokanWindow::pokan_end()
{
    // 15 × twips per pixel, which the pixel-scaled panel takes as pixels.
    zorvik_label_->move(zorvik_label_->x(), 15 * 15);
    set_colours(zorvik_label_, QStringLiteral("blue"), QStringLiteral("white"));
    zorvik_label_->setText(game_texts::kCloseLabel);
    zorviklogo_->move(0, 0);
    zorviklogo_->surface().fill(qRgb(255, 255, 255));
    const QImage title = load_picture(paths_.bmp_dir + game_texts::kTitlePicture);
    if (!title.isNull())
        zorviklogo_->surface().copy_from(platform::Surface(title), title.rect(), QPoint(0, 0));
    zorviklogo_->refresh();
    zorviklogo_->show();
    zorviklogo_->raise();

    const int answer = services_.prompt.ask(game_texts::kCloseQuestion, game_texts::kCloseTitle,
                                            platform::Prompt::Buttons::YesNo, platform::Prompt::Icon::Question);
    if (answer == platform::Prompt::kYes)
        close();
    else
        zorviklogo_->hide();
}

int PokanWindow::mouse_index(float x, float y)
{
    const int index = MouseCls::mouse_index(x, y);
    mousec_->setText(MouseCls::click_caption(x, y, index));
    return index;
}

void PokanWindow::mpkx_click()
{
    const bool had_focus = mpkx_->hasFocus();
    timer5_.stop();
    mpkx_->hide();
    draw_icons();
    // Pressed by the keyboard, the plate hands the focus on to the icons it uncovers.
    if (had_focus)
        back0_->setFocus(Qt::OtherFocusReason);
}

void PokanWindow::closeEvent(QCloseEvent* event)
{
    shutdown();
    event->accept();
    emit closed();
}

void PokanWindow::shutdown()
{
    if (shut_down_)
        return;
    shut_down_ = true;
    timer5_.stop();
    timer_open_.stop();
    // The game stops before the sounds it plays go away.
    count_down_timer_.stop();
    pass_timer_.stop();
    desk_text_.clean();
    // The pictures stay until the window goes: a game ending behind a box that was
    // open at the close still draws its last board, silently.
    sounds_->release();
}
