#include "game_app.h"
#include "game/data/data_files.h"
#include "game/data/game_texts.h"
#include <QApplication>
#include <QScreen>

namespace {

// One message for every data file that could not be read or written; "" when all is well.
QString data_file_warning(const data_files::ReadResult& read)
{
    QString text;
    if (!read.read_failures.isEmpty())
        text += QString::fromUtf8("データファイルを読めません｡ファイルはそのままにします｡\n")
            + read.read_failures.join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (!read.write_failures.isEmpty())
        text += QString::fromUtf8("データファイルを保存できません｡\n") + read.write_failures.join(QLatin1Char('\n'))
            + QLatin1Char('\n');
    if (!text.isEmpty())
        text += QString::fromUtf8("スコアと設定はこの回だけのものになります｡");
    return text;
}

} // namespace

GameApp::GameApp(GameServices services, GamePaths paths, PokanWindow::Options options)
    : services_(services), paths_(std::move(paths)), options_(std::move(options))
{
}

GameApp::~GameApp() = default;

void GameApp::show_logo()
{
    // Loaded anew each time it is shown.
    logo_ = std::make_unique<LogoWindow>(services_.clock, paths_.bmp_dir);
    const QString missing = logo_->load();
    if (!missing.isEmpty()) {
        fail(missing);
        return;
    }
    connect(logo_.get(), &LogoWindow::wait_over, this, [this] {
        const bool first_time = !main_;
        if (!init_main())
            return;
        // Shown again (by the maker box), the splash leaves the focus where the user has it.
        QWidget* active = QApplication::activeWindow();
        const bool box_in_use = !first_time && active && active != main_.get() && active != logo_.get();
        logo_->exit_ani(main_.get(), !box_in_use);
        // The title plays where it can be seen: once, when the window first shows.
        if (first_time)
            main_->start_title();
    });
    logo_->start();
}

bool GameApp::init_main()
{
    if (!main_) {
        main_ = std::make_unique<PokanWindow>(services_, paths_, options_);
        connect(main_.get(), &PokanWindow::closed, this, &GameApp::finished);
        connect(main_.get(), &PokanWindow::logo_wanted, this, &GameApp::show_logo);
        const QString missing = main_->load();
        if (!missing.isEmpty()) {
            fail(missing);
            return false;
        }
    }
    main_->adjustSize();
    centre_main_window();
    QString missing = main_->prepare_layout();
    if (missing.isEmpty()) {
        const data_files::ReadResult read = data_files::read_files(paths_, main_->data());
        missing = read.missing_file;
        const QString warning = data_file_warning(read);
        if (missing.isEmpty() && !warning.isEmpty())
            services_.prompt.inform(warning, game_texts::kCloseTitle, platform::Prompt::Icon::Warning);
    }
    if (missing.isEmpty())
        missing = main_->apply_weapon();
    if (!missing.isEmpty()) {
        fail(missing);
        return false;
    }
    return true;
}

void GameApp::centre_main_window()
{
    QScreen* screen = main_->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The size without the window manager's frame: the first time the window is not on
    // the screen yet and has none, and centring by it each time keeps a window that is shown
    // again where it stands (move() places the frame's corner, before the first show too).
    const QSize size = main_->size();
    main_->move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

void GameApp::fail(const QString& path)
{
    if (logo_)
        logo_->hide();
    if (main_)
        main_->hide();
    services_.prompt.inform(QString::fromUtf8("必要なファイルが見つからないか、読めません｡\n") + path,
                            game_texts::kCloseTitle, platform::Prompt::Icon::Critical);
    emit failed(path);
}
