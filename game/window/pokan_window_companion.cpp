// The main window as a desktop companion: the icon menu on the idle board, the
// mascot's talk, the panels and the System and Info menus.
#include "pokan_window.h"
#include "game/data/game_texts.h"
#include "game/companion/companion_panel.h"
#include "game/companion/companion_texts.h"
#include "game/companion/icon_menu.h"
#include "game/companion/system_panel_texts.h"
#include "game/play/mouse_cls.h"
#include "platform/desktop/recent_documents.h"

using companion::IconMenu;

void PokanWindow::connect_companion()
{
    back0_->setMouseTracking(true);
    connect(back0_, &platform::SurfaceWidget::mouse_moved, this,
            [this](Qt::MouseButtons, QPointF pos) { board_mouse_move(pos); });
    connect(form_, &platform::SurfaceWidget::clicked, this, &PokanWindow::form_click);

    connect(menus_.info_mg[0], &QAction::triggered, this, [this] { info_mg(0); });
    connect(menus_.info_mg[1], &QAction::triggered, this, [this] { info_mg(1); });
    connect(menus_.win_end, &QAction::triggered, this, [this] { ask_and_end_session(false); });
    connect(menus_.reboot, &QAction::triggered, this, [this] { ask_and_end_session(true); });
    connect(menus_.explorer, &QAction::triggered, this, [this] { services_.desktop.actions.open_home_folder(); });
    connect(menus_.exec, &QAction::triggered, this, [this] { services_.desktop.actions.show_run_dialog(); });
    connect(menus_.sys_propa, &QAction::triggered, this,
            [this] { services_.desktop.actions.show_system_properties(); });
    connect(menus_.clear_resent, &QAction::triggered, this, &PokanWindow::clear_recent);
    connect(menus_.open_wb, &QAction::triggered, this, [this] { start_program(QStringLiteral("brovu_v1000.exe")); });
    connect(menus_.www_home, &QAction::triggered, this, [this] { start_program(QStringLiteral("zorvik_home.exe")); });
    connect(&services_.desktop.session, &platform::SessionControl::failed, this, [this] {
        services_.prompt.inform(companion::texts::kFailed, game_texts::kCloseTitle, platform::Prompt::Icon::Warning);
    });
}

void PokanWindow::read_names()
{
    host_name_ = services_.desktop.system.host_name();
    user_name_ = services_.desktop.system.user_name();
    gomibako_->set_names(user_name_, host_name_);
    plate_lines_[0]->setText(companion::SystemPanelTexts::platform_line(services_.desktop.system.version()));
    plate_lines_[1]->setText(user_name_);
    plate_lines_[2]->setText(host_name_);
    plate_lines_[3]->setText(companion::SystemPanelTexts::plate_memory(services_.desktop.system.memory()));
}

void PokanWindow::draw_icons()
{
    platform::Surface& board = back0_->surface();
    const QImage wall = load_picture(paths_.bmp_dir + QString::fromUtf8(IconMenu::kWall));
    if (wall.isNull())
        board.fill(qRgb(255, 255, 255)); // the icons still come, on white
    else
        board.copy_from(platform::Surface(wall), wall.rect(), QPoint(0, 0));
    // The key colour is the hole picture's, as the icons are drawn to match it.
    const QRgb key = board_.sprites().key(0);
    platform::Surface& staging = board_.sprites().pic[14];
    for (const int index : IconMenu::draw_order()) {
        const companion::IconCell& cell = IconMenu::cells()[index];
        const QImage icon = load_picture(paths_.bmp_dir + cell.bitmap);
        if (icon.isNull())
            continue; // a missing icon leaves its place empty; the menu still works
        staging.set_picture(icon);
        platform::trans_blt(board, cell.position.x(), cell.position.y(), 50, 50, staging, 0, 0, key);
    }
    back0_->refresh();
    board_.back()->names_may_change(); // the cells are the icons now
}

void PokanWindow::menucoment(int cell)
{
    if (const std::optional<QString> comment = IconMenu::hover_comment(cell))
        board_.set_comment(*comment);
}

void PokanWindow::board_mouse_move(QPointF pos)
{
    if (engine_->game_mode() == GameMode::Playing)
        return;
    menucoment(MouseCls::mouse_index(static_cast<float>(pos.x()), static_cast<float>(pos.y())));
}

void PokanWindow::iconmenu(int cell)
{
    const companion::IconCell* icon = IconMenu::cell(cell);
    if (!icon)
        return;
    switch (icon->action) {
    case companion::IconAction::StartGame:
        begin();
        break;
    case companion::IconAction::ShowScores:
        score_show();
        break;
    case companion::IconAction::StartProgram:
        start_program(icon->program);
        break;
    case companion::IconAction::ShowEquipment:
        show_equipment();
        break;
    case companion::IconAction::ShowHelp:
        show_help();
        break;
    case companion::IconAction::ShowSettings:
        show_settings();
        break;
    }
}

void PokanWindow::form_click()
{
    if (const std::optional<QString> line = talk_.click(static_cast<int>(engine_->game_mode()))) {
        board_.set_comment(*line);
        announcer_->say(*line, Announcer::Weight::Chatter);
    }
}

void PokanWindow::info_mg(int index)
{
    gomibako_->set_names(user_name_, host_name_);
    if (index == 0) {
        gomibako_->gomi_e();
        gomibako_->mem_s();
    } else {
        gomibako_->mem_e();
        gomibako_->gomi_s();
    }
}

void PokanWindow::start_program(const QString& shipped_name)
{
    // A program that is not there stays silent; the game does not wait for it.
    services_.desktop.starter.start(companion::local_program_name(shipped_name));
}

void PokanWindow::ask_and_end_session(bool reboot)
{
    const int answer = services_.prompt.ask(companion::texts::kSureQuestion,
                                            reboot ? companion::texts::kRebootTitle : companion::texts::kShutdownTitle,
                                            platform::Prompt::Buttons::YesNo, platform::Prompt::Icon::Question);
    if (answer == platform::Prompt::kYes)
        services_.desktop.session.request(reboot ? platform::SessionControl::Action::Reboot
                                                 : platform::SessionControl::Action::PowerOff);
}

void PokanWindow::clear_recent()
{
    const int answer = services_.prompt.ask(companion::texts::kClearRecentQuestion, companion::texts::kClearRecentTitle,
                                            platform::Prompt::Buttons::YesNo, platform::Prompt::Icon::Question);
    if (answer != platform::Prompt::kYes)
        return;
    using Outcome = platform::RecentDocuments::Outcome;
    const QString path = platform::RecentDocuments::default_path();
    switch (platform::RecentDocuments::clear(path)) {
    case Outcome::Cleared:
    case Outcome::NoList:
        break;
    case Outcome::LeftAlone:
        services_.prompt.inform(companion::texts::recent_left_alone(path), companion::texts::kClearRecentTitle,
                                platform::Prompt::Icon::Information);
        break;
    case Outcome::Failed:
        services_.prompt.inform(companion::texts::kFailed, companion::texts::kClearRecentTitle, platform::Prompt::Icon::Warning);
        break;
    }
}
