// The main window's side of the game's dialogs and extra windows: the menu entries
// that open them and what their results change in the game.
#include "pokan_window.h"
#include "game/dialogs/about_window.h"
#include "game/dialogs/help_window.h"
#include "game/dialogs/history_window.h"
#include "game/dialogs/screen_server_window.h"
#include "game/dialogs/selectbit_window.h"
#include "game/dialogs/setting_dialog.h"
#include "game/dialogs/soubi_dialog.h"
#include "game/dialogs/zorvik_window.h"

namespace {

const QString kAboutIcon = QStringLiteral("mipo_about.bmp"); // in bmp/
const QString kProgramIcon = QStringLiteral("mpkx.ico");     // in the program folder

// Shows the window of `slot`, made by `make` when there is none (never made, or unloaded).
template <class Window, class Make>
Window* open_window(QPointer<Window>& slot, Make make)
{
    if (!slot)
        slot = make();
    slot->show();
    slot->raise();
    return slot;
}

} // namespace

void PokanWindow::connect_dialogs()
{
    const std::pair<QAction*, void (PokanWindow::*)()> entries[] = {
        {menus_.m_soubi, &PokanWindow::show_equipment},   {menus_.m_set, &PokanWindow::show_settings},
        {menus_.change_pic, &PokanWindow::show_skin_chooser}, {menus_.m_help, &PokanWindow::show_help},
        {menus_.about_mipo, &PokanWindow::show_about},    {menus_.about_zorvik, &PokanWindow::show_maker},
        {menus_.rireki, &PokanWindow::show_history},      {menus_.screen_server, &PokanWindow::show_screen_saver},
    };
    for (const auto& [action, show] : entries) {
        if (!action) // the earlier build has no skin chooser
            continue;
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, show);
    }
}

void PokanWindow::show_settings()
{
    if (!dialogs_)
        return;
    if (!dialogs_->setting)
        dialogs_->setting = new SettingDialog(data_.settings, paths_, data_.score_table, *score_keeper_,
                                              services_.prompt, this);
    dialogs_->setting->show_dialog();
}

void PokanWindow::show_equipment()
{
    if (!dialogs_)
        return;
    if (!dialogs_->soubi) {
        dialogs_->soubi = new SoubiDialog(data_.settings, weapon_cursors_, paths_, services_.prompt, this);
        connect(dialogs_->soubi, &SoubiDialog::weapon_changed, this, [this] { sync_board_cursor(); });
    }
    dialogs_->soubi->show_beside(this);
}

void PokanWindow::show_skin_chooser()
{
    if (!dialogs_ || !options_.with_skin_chooser)
        return;
    open_window(dialogs_->selectbit, [this] {
        auto* chooser = new SelectbitWindow(paths_.app_dir, *dialogs_->services.drives, services_.prompt, this);
        connect(chooser, &SelectbitWindow::skin_chosen, this, &PokanWindow::apply_skin);
        return chooser;
    });
}

void PokanWindow::apply_skin(const SkinLoader::Skin& skin)
{
    for (int i = 0; i < SkinLoader::kFiles; ++i)
        board_.sprites().pic[SkinLoader::kSkinFiles[i].holder].set_picture(skin.pictures[i]);
    // The clean board under the game gets the new empty holes, so that a hole the
    // game restores later is a hole of the new skin.
    if (title_ended_) {
        board_.paint_background();
        board_.draw_empty_holes();
    }
}

// The earlier build keeps the window's own caption and shows no page counter.
HelpWindow::Options PokanWindow::help_options() const
{
    if (options_.help_page_label)
        return {};
    return {QStringLiteral("help"), false};
}

void PokanWindow::show_help()
{
    if (!dialogs_)
        return;
    open_window(dialogs_->help, [this] {
        return new HelpWindow(board_.sprites(), paths_.bmp_dir, services_.prompt, help_options(), this);
    });
}

void PokanWindow::show_about()
{
    if (!dialogs_)
        return;
    sounds_->play_simple(QStringLiteral("open_mpkx.wav"));
    open_window(dialogs_->about, [this] {
        return new AboutWindow(options_.version_text, paths_.bmp_dir + kAboutIcon, services_.random,
                               {*dialogs_->services.info_tool, dialogs_->services.start_program, services_.prompt},
                               this);
    });
}

void PokanWindow::show_maker()
{
    if (!dialogs_)
        return;
    open_window(dialogs_->zorvik, [this] {
        return new ZorvikWindow(options_.version_text, paths_.app_dir + kProgramIcon,
                                {*dialogs_->services.info_tool, dialogs_->services.start_program, services_.prompt},
                                this);
    });
    emit logo_wanted();
}

void PokanWindow::show_history()
{
    if (!dialogs_)
        return;
    open_window(dialogs_->history, [this] { return new HistoryWindow(paths_.app_dir, services_.prompt, this); })
        ->readfile();
}

void PokanWindow::show_screen_saver()
{
    if (!dialogs_)
        return;
    if (!dialogs_->screen_server)
        dialogs_->screen_server = new ScreenServerWindow(services_.random, this);
    dialogs_->screen_server->show_over(this);
}
