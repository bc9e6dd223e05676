#include "wbf_window.h"
#include "address_rules.h"
#include "address_box_accessible.h"
#include "download_keeper.h"
#include "hang_watch.h"
#include "page_dialogs.h"
#include "request_guard.h"
#include "root_check.h"
#include "save_target.h"
#include "wbf_page.h"
#include "platform/files/atomic_file.h"
#include "platform/clock.h"
#include "platform/ui/file_dialogs.h"
#include "platform/ui/pick_list.h"
#include "platform/ui/prompt.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QWebEngineCertificateError>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNavigationRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QWebEnginePermission>
#endif
#include <csignal>

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
    if (root_check::sandbox_off_for_this_process()) {
        // Pages then run with this user's rights: said for as long as the window is open.
        c_.no_sandbox = new QLabel(browser_texts::no_sandbox_text(), stb);
        c_.no_sandbox->setObjectName("no_sandbox");
        c_.no_sandbox->setStyleSheet(QStringLiteral("QLabel { color: white; background: #c03030; padding: 0 4px; }"));
        c_.no_sandbox->setToolTip(QStringLiteral("ページを閉じ込める仕組み（サンドボックス）が切られています。"
                                                 "ページは、このユーザの権限でファイルなどに触れることができます。"));
        stb->addPermanentWidget(c_.no_sandbox);
    }
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
    // charset are read as CP932, like every text of the suite. A local page reads
    // no other local file (it still shows the pictures beside it: the engine's
    // LocalContentCanAccessFileUrls stays on, because without it a local page shows
    // no picture at all); no page reaches qrc:.
    profile_ = new QWebEngineProfile(this);
    profile_->settings()->setDefaultTextEncoding(QStringLiteral("Shift_JIS"));
    profile_->setUrlRequestInterceptor(new RequestGuard(profile_));
    page_dialogs_ = new PageDialogs(this, clock_, c_.m_exit, [this](bool waiting) { set_waiting_for_page(waiting); });
    page_ = new WbfPage(profile_, *page_dialogs_, c_.wb);
    c_.wb->setPage(page_);
    save_target_ = std::make_unique<SaveTarget>(prompt_, dialogs_, app_dir);
    downloads_ = new DownloadKeeper(prompt_, dialogs_, clock_, app_dir, this);
    downloads_->setObjectName("downloads");
    hang_watch_ = new HangWatch(page_, clock_, this);
    connect_engine();
    build_accessibility();
    // Clicks and keys anywhere in the window: what the user asked for last.
    qApp->installEventFilter(this);

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
    qApp->removeEventFilter(this);
    page_dialogs_->shut();
    delete hang_watch_;
    hang_watch_ = nullptr;
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
    c_.Text1->setFocusPolicy(Qt::NoFocus); // a counter that changes twice a second: no stop for Tab
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
    name_address_box(url_box); // before anything asks for its accessible interface
    c_.urlBox->setObjectName("urlBox");
    c_.urlBox->setDuplicatesEnabled(true);
    c_.urlBox->setToolTip(QStringLiteral("URLを入力して下さい。"));
    c_.urlBox->setEditText(QStringLiteral("URL"));
    c_.urlBox->move(0, px(1200));
    // No inline completion: "http://site/" must not become an earlier "http://site/get?all=1".
    c_.urlBox->setCompleter(nullptr);

    c_.security = new QLabel(face);
    c_.security->setObjectName("security");
    c_.security->setAlignment(Qt::AlignCenter);
    c_.security->setMargin(2);
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
    // Menus by keys: F10 opens the first, Alt+H the help menu (its caption has no letter to mark).
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this, file] { menuBar()->setActiveAction(file->menuAction()); });
    auto* alt_h = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_H), this);
    connect(alt_h, &QShortcut::activated, this, [this, help] { menuBar()->setActiveAction(help->menuAction()); });
}

void WbfWindow::build_accessibility()
{
    // Buttons lose their text while they show their picture: their names stay.
    for (const auto& [button, file] : hover_buttons_)
        button->setAccessibleName(button->property("caption").toString());
    c_.urlBox->setAccessibleName(QStringLiteral("アドレス"));
    c_.urlBox->setAccessibleDescription(c_.urlBox->toolTip());
    c_.urlBox->lineEdit()->setAccessibleName(QStringLiteral("アドレス"));
    c_.Text1->setAccessibleName(QStringLiteral("履歴の番号"));
    c_.Text1->setAccessibleDescription(QStringLiteral("履歴の最後の番号と今の番号"));
    c_.st->setAccessibleName(c_.st->text());
    c_.nettime->setAccessibleName(QStringLiteral("起動からの秒数"));
    c_.wb->setAccessibleName(QStringLiteral("ページ"));
    c_.security->setAccessibleName(QStringLiteral("接続"));
    c_.status_panel->setAccessibleName(QStringLiteral("状態"));
}

void WbfWindow::set_waiting_for_page(bool waiting)
{
    face->setEnabled(!waiting);
    for (QAction* action : {c_.m_fopen, c_.m_fsave, c_.hp, c_.history, c_.m_ver})
        action->setEnabled(!waiting);
}

void WbfWindow::closeEvent(QCloseEvent* event)
{
    // Whatever box a page has open, the window closes.
    page_dialogs_->shut();
    QMainWindow::closeEvent(event);
}

void WbfWindow::connect_engine()
{
    connect(page_, &QWebEnginePage::loadingChanged, this, &WbfWindow::on_loading_changed);
    connect(page_, &QWebEnginePage::urlChanged, this, [this](const QUrl& url) {
        if (url.scheme() == QLatin1String("data"))
            return; // our own page about a refused certificate: the box keeps the site's address
        c_.status_panel->setText(QStringLiteral("ダウンロード完了"));
        show_address(address_rules::text_of_url(url));
        show_connection();
    });
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) { on_renderer_gone(status); });
    connect(page_, &QWebEnginePage::certificateError, this, &WbfWindow::on_certificate_error);
    deny_permissions();
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
    // Pages asking for a new window: a link the user clicked opens here, as the page's own
    // navigation (its referrer, Fetch Metadata and SameSite cookies as for a link); pop-ups
    // without a click are ignored.
    connect(page_, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        const QUrl url = request.requestedUrl();
        if (!request.isUserInitiated() || !address_rules::is_allowed(url) || refuse_local_file(url))
            return;
        history_.load_abandoned();
        recovering_ = false;
        request.openIn(page_);
    });
    connect(profile_, &QWebEngineProfile::downloadRequested, downloads_, &DownloadKeeper::take);
    connect(downloads_, &DownloadKeeper::status, c_.status_panel, &QLabel::setText);
    connect(hang_watch_, &HangWatch::hung, this, &WbfWindow::on_hung);
}

void WbfWindow::deny_permissions()
{
    // Location, camera, microphone, notifications, pointer lock, screen capture: this browser
    // gives none, and says so at once, so that no page waits for an answer.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    connect(page_, &QWebEnginePage::permissionRequested, this, [](QWebEnginePermission permission) {
        permission.deny();
    });
#else
    connect(page_, &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl& origin, QWebEnginePage::Feature feature) {
                page_->setFeaturePermission(origin, feature, QWebEnginePage::PermissionDeniedByUser);
            });
#endif
    connect(page_, &QWebEnginePage::fileSystemAccessRequested, this,
            [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
    connect(page_, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
}

void WbfWindow::on_certificate_error(const QWebEngineCertificateError& error)
{
    // Refused (nothing accepts it); our page then says why.
    using browser_texts::CertificateProblem;
    certificate_url_ = error.url();
    switch (error.type()) {
    case QWebEngineCertificateError::CertificateAuthorityInvalid:
        certificate_problem_ = CertificateProblem::SelfSigned;
        break;
    case QWebEngineCertificateError::CertificateDateInvalid:
        certificate_problem_ = CertificateProblem::Expired;
        break;
    case QWebEngineCertificateError::CertificateCommonNameInvalid:
        certificate_problem_ = CertificateProblem::NameMismatch;
        break;
    default:
        certificate_problem_ = CertificateProblem::Other;
        break;
    }
}

void WbfWindow::show_connection()
{
    QUrl url = page_->url();
    if (url.scheme() == QLatin1String("view-source"))
        url = QUrl(url.path());
    const auto connection = browser_texts::connection_of(url.scheme(), certificate_page_);
    c_.security->setText(browser_texts::connection_text(connection));
    const char* colour = connection == browser_texts::Connection::Encrypted ? "#207020"
                         : connection == browser_texts::Connection::Local   ? "#505050"
                                                                            : "#c03030";
    c_.security->setStyleSheet(QStringLiteral("QLabel { color: %1; }").arg(QLatin1String(colour)));
    layout_browser();
    // The engine's drawing widget, which takes the keys, comes and goes with the page's process.
    if (QWidget* proxy = c_.wb->focusProxy())
        proxy->setAccessibleName(c_.wb->accessibleName());
}

void WbfWindow::on_hung()
{
    const QString site = address_rules::site_of(page_->url());
    if (prompt_.ask(browser_texts::hung_page_question(site), caption(), platform::Prompt::Buttons::YesNo,
                    platform::Prompt::Icon::Warning) != platform::Prompt::kYes)
        return;
    const qint64 pid = page_->renderProcessPid();
    if (pid > 0) {
        ending_hung_page_ = true;
        ::kill(static_cast<pid_t>(pid), SIGKILL); // our own page's process; the engine makes a new one
    }
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
    if (info.url().scheme() == QLatin1String("data")) {
        // Our page about a refused certificate: not history, and the status keeps saying the load failed.
        if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus) {
            history_.load_abandoned();
            update_buttons();
        }
        return;
    }
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
        stopped_by_user_ = false;
        certificate_page_ = false;
        c_.status_panel->setText(QStringLiteral("ダウンロード開始"));
        return;
    }
    hang_watch_->reset(); // whatever answered, the page is not stuck
    const bool failed = info.status() == QWebEngineLoadingInfo::LoadFailedStatus;
    // The end of a load the user stopped keeps saying so; a failed one says it failed.
    if (!stopped_by_user_)
        c_.status_panel->setText(failed ? browser_texts::load_failed_text() : QStringLiteral("ダウンロード完了"));
    stopped_by_user_ = false;
    if (failed && info.errorDomain() == QWebEngineLoadingInfo::CertificateErrorDomain && !recovering_) {
        // Not the engine's page ("might be down"): ours, saying why the connection is not safe.
        if (certificate_url_.host() != info.url().host())
            certificate_problem_ = browser_texts::CertificateProblem::Other;
        certificate_page_ = true;
        history_.load_abandoned();
        show_address(address_rules::text_of_url(info.url()));
        page_->setHtml(browser_texts::certificate_error_page(address_rules::site_of(info.url()), certificate_problem_));
        show_connection();
        update_buttons();
        return;
    }
    if (recovering_) {
        // Whatever ends now is the dead page or the empty one replacing it.
        if (info.url() == QUrl(QStringLiteral("about:blank"))) {
            recovering_ = false;
            if (!after_recovery_.isEmpty())
                c_.status_panel->setText(after_recovery_);
            after_recovery_.clear();
        }
        history_.load_abandoned();
    } else if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
        const QString address = address_rules::text_of_url(page_->url());
        if (history_.load_completed(address))
            add_to_list(history_.current());
        show_address(address); // the same address again gives no urlChanged

    } else {
        history_.load_abandoned();
    }
    show_connection();
    update_buttons();
}

void WbfWindow::on_renderer_gone(int status)
{
    // The page's process died: nothing of that load is recorded, an empty page
    // takes its place and the next address brings up a new process. The status
    // panel says what happened.
    using browser_texts::PageEnd;
    const PageEnd end = ending_hung_page_ ? PageEnd::Ended
                        : status == QWebEnginePage::KilledTerminationStatus ? PageEnd::Killed
                                                                             : PageEnd::Crashed;
    ending_hung_page_ = false;
    after_recovery_ = browser_texts::page_end_text(end);
    c_.status_panel->setText(after_recovery_);
    hang_watch_->reset();
    history_.load_abandoned();
    recovering_ = true;
    QTimer::singleShot(0, this, [this] {
        if (recovering_) // unless the user went somewhere meanwhile
            page_->setUrl(QUrl(QStringLiteral("about:blank")));
    });
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
    // The page's text is the page's: not into the program folder, no file replaced unasked.
    const auto path = save_target_->choose(QString(), kFilter, QString());
    if (!path)
        return;
    QPointer<WbfWindow> self(this);
    page_->toPlainText([self, path = *path](const QString& text) {
        if (!self)
            return;
        bool ok = platform::write_file_atomically(path, browser_texts::saved_page_bytes(text));
        // A replaced file keeps its permissions: a saved text is never a program.
        const auto exec = QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;
        if (ok && (QFile::permissions(path) & exec))
            ok = QFile::setPermissions(path, QFile::permissions(path) & ~exec);
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
    const int box_height = c_.urlBox->sizeHint().height();
    const int mark = c_.security->text().isEmpty() ? 0 : c_.security->sizeHint().width() + 4;
    c_.urlBox->setGeometry(0, px(1200), std::max(0, width - mark), box_height);
    c_.security->setGeometry(width - mark, px(1200), mark, box_height);
    // The page starts below the address box, however tall the style makes it.
    const int top = std::max(px(1440), c_.urlBox->geometry().bottom() + 1);
    c_.wb->setGeometry(0, top, width, std::max(0, face->height() - top));
}

bool WbfWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (!c_.wb || !pictures_)
        return QMainWindow::eventFilter(watched, event); // still being built
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && downloads_) {
            downloads_->user_acted();
            hang_watch_->user_acted();
        }
    }
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
