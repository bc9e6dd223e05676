#include "wbf_window.h"
#include "address_rules.h"
#include "browser_texts.h"
#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/pick_list.h"
#include "platform/prompt.h"
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNavigationRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

const QString kFilter = QStringLiteral(
    "htmlファイル(*.html,*.html)|*.html; *.htm|画像ファイル(*.jpg,*.gif,*.png)|*.jpg;*.gif;*.png|"
    "テキストフィイル(*.txt)|*.txt|全てのファイル(*.*)|*.*");
const QString kVersionTitle = QStringLiteral("ぴころん(ぴころんぶらうざ)");

} // namespace

WbfWindow::WbfWindow(platform::Prompt& prompt, platform::FileDialogs& dialogs, platform::Clock& clock,
                     QString dir)
    : prompt_(prompt), dialogs_(dialogs), clock_(clock), app_dir(std::move(dir)), cg_dir(app_dir + "cg/")
{
    // Status bar with its one panel, the counter's start, the folders.
    stb = new QStatusBar(this);
    setStatusBar(stb);
    c_.status_panel = new QLabel(stb);
    c_.status_panel->setObjectName("status_panel");
    stb->addWidget(c_.status_panel, 1);
    start_ms = clock_.now_ms();

    setWindowTitle(caption());
    build_controls();
    build_menu();

    // The pictures are read once; a missing one only leaves its button as it is.
    QStringList files;
    for (const auto& [button, file] : hover_buttons_)
        files << file;
    pictures_ = std::make_unique<HoverPictures>(cg_dir, files);

    // Off the record: no cookies, cache or history on disk. Pages without a
    // charset are read as CP932, like every text of the suite.
    profile_ = new QWebEngineProfile(this);
    profile_->settings()->setDefaultTextEncoding(QStringLiteral("Shift_JIS"));
    page_ = new QWebEnginePage(profile_, c_.wb);
    c_.wb->setPage(page_);
    connect_engine();

    resize(px(11205), px(3195) + menuBar()->sizeHint().height());
    const QString start_page = app_dir + kStartPage;
    show_address(start_page);
    go_text(start_page);
    layout_browser();
    history_.start(start_page);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &WbfWindow::Timer1_Timer);
    Timer1->start();
}

WbfWindow::~WbfWindow()
{
    // Closing moves focus about; nothing may navigate any more. The page must go
    // before its profile.
    c_.urlBox->disconnect(this);
    delete page_;
    page_ = nullptr;
}

QString WbfWindow::caption()
{
    return QStringLiteral("TCP/IPの僕の☆　WebBrowser");
}

int WbfWindow::px(int twips) const
{
    return static_cast<int>(twips * logicalDpiX() / 1440.0);
}

void WbfWindow::build_controls()
{
    face = new QWidget(this);
    face->setObjectName("face");
    face->setMouseTracking(true);
    face->installEventFilter(this);
    setCentralWidget(face);

    struct ButtonSpec {
        QPushButton** slot;
        const char* name;
        const char* caption;
        int left;
        const char* tip;
        const char* picture;
    };
    const ButtonSpec buttons[] = {
        {&c_.lastp, "lastp", "←戻る", 0, "前のページにジャンプします。", "left1.gif"},
        {&c_.nextp, "nextp", "進む→", 960, "次のページにジャンプします。", "right1.gif"},
        {&c_.reload, "reload", "↓更新", 1920, "サーバからページを読み直す。", "again.gif"},
        {&c_.display, "display", "表示", 2880, "現在のURL先を表示", "hyouji.gif"},
        {&c_.stop_b, "stop_b", "×中止", 3840, "現在のページの表示を中止します。", "stop.gif"},
        {&c_.home, "home", "▲ホーム", 4800, "Homeにジャンプします。", "home.gif"},
    };
    for (const ButtonSpec& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), face);
        button->setObjectName(b.name);
        button->setGeometry(px(b.left), 0, px(975), px(495));
        button->setToolTip(QString::fromUtf8(b.tip));
        button->setProperty("caption", button->text());
        button->installEventFilter(this);
        *b.slot = button;
        hover_buttons_.append({button, QString::fromLatin1(b.picture)});
    }
    c_.nextp->setEnabled(false);

    c_.Text1 = new QLineEdit(QStringLiteral("Text1"), face);
    c_.Text1->setObjectName("Text1");
    c_.Text1->setGeometry(px(5760), 0, px(2775), px(495));

    c_.st = new QLabel(QStringLiteral("ステータス"), face);
    c_.st->setObjectName("st");
    c_.st->setAutoFillBackground(true);
    QPalette white = c_.st->palette();
    white.setColor(QPalette::Window, Qt::white);
    c_.st->setPalette(white);
    c_.st->setGeometry(px(0), px(600), px(7335), px(495));

    c_.nettime = new QLabel(QStringLiteral("Label1"), face);
    c_.nettime->setObjectName("nettime");
    c_.nettime->setGeometry(px(2400), px(600), px(4815), px(495));

    // The list is ours to fill: the box adds nothing typed. Only Enter and a pick
    // from the list go anywhere; leaving the box (Tab, the drop-down, a click
    // elsewhere) does not, whatever it holds.
    auto* url_box = new platform::PickList(face);
    c_.urlBox = url_box;
    c_.urlBox->setObjectName("urlBox");
    c_.urlBox->setDuplicatesEnabled(true);
    c_.urlBox->setToolTip(QStringLiteral("URLを入力して下さい。"));
    c_.urlBox->setEditText(QStringLiteral("URL"));
    c_.urlBox->move(0, px(1200));
    connect(url_box, &platform::PickList::entered, this, &WbfWindow::urlBox_KeyDown);
    connect(url_box, &platform::PickList::picked, this, &WbfWindow::urlBox_Click);

    c_.wb = new QWebEngineView(face);
    c_.wb->setObjectName("wb");

    connect(c_.lastp, &QPushButton::clicked, this, &WbfWindow::lastp_Click);
    connect(c_.nextp, &QPushButton::clicked, this, &WbfWindow::nextp_Click);
    connect(c_.reload, &QPushButton::clicked, this, [this] {
        history_.unrecorded_started();
        page_->triggerAction(QWebEnginePage::Reload);
    });
    connect(c_.display, &QPushButton::clicked, this, &WbfWindow::display_Click);
    connect(c_.stop_b, &QPushButton::clicked, this, &WbfWindow::stop_b_Click);
    // There is no system home page to go to: home is the start page.
    connect(c_.home, &QPushButton::clicked, this, [this] { go_text(app_dir + kStartPage); });
}

void WbfWindow::build_menu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    c_.m_fopen = file->addAction(QStringLiteral("ページを開く"), this, &WbfWindow::m_fopen_Click);
    c_.m_fsave = file->addAction(QStringLiteral("保存"), this, &WbfWindow::m_fsave_Click);
    c_.m_exit = file->addAction(QStringLiteral("終了"), this, &QWidget::close);
    c_.m_exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    c_.hp = help->addAction(QString::fromLatin1(kMakerShortAddress), this,
                            [this] { go(QUrl(QString::fromLatin1(kMakerAddress)), NavMode::Ordinary); });
    c_.history = help->addAction(QStringLiteral("更新履歴"), this,
                                 [this] { go(QUrl::fromLocalFile(app_dir + kUpdateHistory), NavMode::Ordinary); });
    c_.m_ver = help->addAction(QStringLiteral("バージョン情報"), this, [this] {
        prompt_.inform(QStringLiteral("ぴころんぶらうざ ～ zorvik / nabelune がつくりました\r\n"
                                      "Releace Version : 1.0.0\r\n"),
                       kVersionTitle);
    });
    const std::pair<QAction*, const char*> names[] = {{c_.m_fopen, "m_fopen"}, {c_.m_fsave, "m_fsave"},
                                                      {c_.m_exit, "m_exit"},   {c_.hp, "hp"},
                                                      {c_.history, "history"}, {c_.m_ver, "m_ver"}};
    for (const auto& [action, name] : names)
        action->setObjectName(name);
}

void WbfWindow::connect_engine()
{
    connect(page_, &QWebEnginePage::loadingChanged, this, &WbfWindow::on_loading_changed);
    connect(page_, &QWebEnginePage::urlChanged, this, [this](const QUrl& url) {
        c_.status_panel->setText(QStringLiteral("ダウンロード完了"));
        show_address(address_rules::text_of_url(url));
    });
    connect(page_, &QWebEnginePage::renderProcessTerminated, this, &WbfWindow::on_renderer_gone);
    // Every navigation passes the local-file check, also those the engine starts on its
    // own: a link in a page or in its listing of a folder, a reload, a redirect.
    connect(page_, &QWebEnginePage::navigationRequested, this, [this](QWebEngineNavigationRequest& request) {
        const bool refused = refuse_local_file(request.url());
        if (refused)
            request.reject();
        // A refused page's load still starts and stops: the status panel keeps saying why.
        if (request.isMainFrame())
            refused_ = refused ? request.url() : QUrl();
    });
    // Pages asking for a new window: a link the user clicked opens here, the rest is ignored.
    connect(page_, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        if (request.isUserInitiated() && address_rules::is_allowed(request.requestedUrl()))
            go(request.requestedUrl(), NavMode::Ordinary);
    });
    connect(profile_, &QWebEngineProfile::downloadRequested, this, [this](QWebEngineDownloadRequest* download) {
        const auto path = dialogs_.save_file(QString(), QStringLiteral("全てのファイル(*.*)|*.*"), 1,
                                             app_dir + download->suggestedFileName());
        if (!path) {
            download->cancel();
            return;
        }
        const QFileInfo target(*path);
        download->setDownloadDirectory(target.absolutePath());
        download->setDownloadFileName(target.fileName());
        download->accept();
    });
}

void WbfWindow::on_loading_changed(const QWebEngineLoadingInfo& info)
{
    if (!refused_.isEmpty() && info.url() == refused_ && info.status() != QWebEngineLoadingInfo::LoadSucceededStatus) {
        if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus) {
            refused_.clear();
            history_.load_abandoned();
            update_buttons();
        }
        return;
    }
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
        stopped_by_user_ = false;
        c_.status_panel->setText(QStringLiteral("ダウンロード開始"));
        return;
    }
    // The end of a load the user stopped keeps saying so.
    if (!stopped_by_user_)
        c_.status_panel->setText(QStringLiteral("ダウンロード完了"));
    stopped_by_user_ = false;
    if (recovering_) {
        // Whatever ends now is the dead page or the empty one replacing it.
        if (info.url() == QUrl(QStringLiteral("about:blank")))
            recovering_ = false;
        history_.load_abandoned();
    } else if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
        const QString address = address_rules::text_of_url(page_->url());
        if (history_.load_completed(address))
            add_to_list(history_.current());
        show_address(address); // the same address again gives no urlChanged

    } else {
        history_.load_abandoned();
    }
    update_buttons();
}

void WbfWindow::on_renderer_gone()
{
    // The page's process died: nothing of that load is recorded, an empty page
    // takes its place and the next address brings up a new process.
    history_.load_abandoned();
    recovering_ = true;
    QTimer::singleShot(0, this, [this] { page_->setUrl(QUrl(QStringLiteral("about:blank"))); });
}

bool WbfWindow::go(const QUrl& url, NavMode mode)
{
    if (!url.isValid() || !address_rules::is_allowed(url))
        return false;
    if (refuse_local_file(url))
        return false;
    if (mode == NavMode::Ordinary)
        history_.load_abandoned(); // a new ordinary load replaces whatever was pending
    // The empty page after a dead renderer may still be on its way: the engine then drops it
    // without a word, and this load's end must not be taken for its end.
    recovering_ = false;
    page_->load(url);
    return true;
}

bool WbfWindow::refuse_local_file(const QUrl& url)
{
    // A local file is looked at before the engine gets it: a FIFO would keep it
    // waiting for ever, a missing file would show an empty page without a word.
    const auto problem = address_rules::local_file_problem(url);
    if (problem == address_rules::LocalFileProblem::None)
        return false;
    c_.status_panel->setText(browser_texts::local_file_problem_text(problem));
    return true;
}

bool WbfWindow::go_text(const QString& text)
{
    const auto url = address_rules::url_of_text(text, app_dir);
    return url && go(*url, NavMode::Ordinary);
}

void WbfWindow::go_box_text()
{
    c_.urlBox->lineEdit()->setModified(false); // the next address shown replaces the typed one
    go_text(c_.urlBox->currentText());
}

void WbfWindow::urlBox_KeyDown()
{
    go_box_text();
}

void WbfWindow::urlBox_Click(int index)
{
    c_.urlBox->setEditText(c_.urlBox->itemText(index));
    go_box_text();
}

void WbfWindow::show_address(const QString& text)
{
    // Never overwrite what the user is typing.
    if (c_.urlBox->lineEdit()->isModified())
        return;
    c_.urlBox->setEditText(text);
}

void WbfWindow::add_to_list(const QString& text)
{
    // Inserting into an empty list makes it current; the box keeps its own text.
    QLineEdit* edit = c_.urlBox->lineEdit();
    const QString typed = edit->text();
    const bool modified = edit->isModified();
    c_.urlBox->insertItem(0, text);
    if (edit->text() != typed) {
        edit->setText(typed);
        edit->setModified(modified);
    }
}

void WbfWindow::update_buttons()
{
    c_.lastp->setEnabled(history_.back_enabled());
    c_.nextp->setEnabled(history_.forward_enabled());
    if (!history_.forward_tip().isEmpty())
        c_.nextp->setToolTip(history_.forward_tip());
}

void WbfWindow::go_history(const std::optional<QString>& address, NavMode mode)
{
    if (address) {
        c_.urlBox->lineEdit()->setModified(false);
        show_address(*address);
        if (!go(address_rules::url_of_text(*address, app_dir).value_or(QUrl()), mode))
            history_.load_abandoned();
    }
    update_buttons();
}

void WbfWindow::lastp_Click()
{
    go_history(history_.back(), NavMode::Back);
}

void WbfWindow::nextp_Click()
{
    go_history(history_.forward(), NavMode::Forward);
}

void WbfWindow::display_Click()
{
    history_.display(c_.urlBox->currentText());
    go_box_text();
}

void WbfWindow::stop_b_Click()
{
    stopped_by_user_ = page_->isLoading();
    page_->triggerAction(QWebEnginePage::Stop);
    history_.load_abandoned();
    c_.status_panel->setText(QStringLiteral("ユーザにより中止しました。"));
}

void WbfWindow::m_fopen_Click()
{
    if (const auto path = dialogs_.open_file(QStringLiteral("wb ファイルを開く。"), kFilter, 1))
        go(QUrl::fromLocalFile(*path), NavMode::Ordinary);
}

void WbfWindow::m_fsave_Click()
{
    const auto path = dialogs_.save_file(QString(), kFilter, 1);
    if (!path)
        return;
    QPointer<WbfWindow> self(this);
    page_->toPlainText([self, path = *path](const QString& text) {
        if (!self)
            return;
        const bool ok = platform::write_file_atomically(path, browser_texts::saved_page_bytes(text));
        if (!ok)
            self->prompt_.inform(QStringLiteral("ファイルの書き込みエラーです｡"), caption(),
                                 platform::Prompt::Icon::Warning);
        emit self->save_done(ok);
    });
}

void WbfWindow::Timer1_Timer()
{
    c_.Text1->setText(browser_texts::counter_text(history_.history_last(), history_.history_pos()));
    c_.nettime->setText(browser_texts::seconds_text(start_ms, clock_.now_ms()));
}

void WbfWindow::ico()
{
    for (const auto& [button, file] : hover_buttons_) {
        button->setIcon(QIcon());
        button->setText(button->property("caption").toString());
    }
}

void WbfWindow::layout_browser()
{
    if (!c_.urlBox)
        return;
    const int width = face->width();
    c_.urlBox->setGeometry(0, px(1200), width, c_.urlBox->sizeHint().height());
    // The page starts below the address box, however tall the style makes it.
    const int top = std::max(px(1440), c_.urlBox->geometry().bottom() + 1);
    c_.wb->setGeometry(0, top, width, std::max(0, face->height() - top));
}

bool WbfWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (!c_.wb || !pictures_)
        return QMainWindow::eventFilter(watched, event); // still being built
    if (watched == face && event->type() == QEvent::MouseMove)
        ico();
    if (watched == face && event->type() == QEvent::Resize)
        layout_browser();
    if (event->type() == QEvent::Enter) {
        for (const auto& [button, file] : hover_buttons_) {
            if (watched != button)
                continue;
            const QPixmap picture = pictures_->picture(file);
            if (!picture.isNull()) {
                button->setText(QString());
                button->setIcon(picture);
                button->setIconSize(picture.size());
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
