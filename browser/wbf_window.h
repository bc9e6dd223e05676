#pragma once
#include "browser_history.h"
#include "browser_texts.h"
#include "hover_pictures.h"
#include <QMainWindow>
#include <QUrl>
#include <memory>
#include <optional>

class DownloadKeeper;
class HangWatch;
class PageDialogs;
class QAction;
class QCloseEvent;
class QWebEngineCertificateError;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTimer;
class QWebEngineLoadingInfo;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;
class SaveTarget;
namespace platform {
class Clock;
class FileDialogs;
class Prompt;
}

// What a test may look at and act on; the window owns all of it.
struct WbfControls {
    QPushButton* lastp;
    QPushButton* nextp;
    QPushButton* reload;
    QPushButton* display;
    QPushButton* stop_b;
    QPushButton* home;
    QLineEdit* Text1;
    QLabel* st;
    QLabel* nettime;
    QComboBox* urlBox;
    QWebEngineView* wb;
    QLabel* status_panel;
    QLabel* security;   // beside the address: https or not
    QLabel* no_sandbox; // in the status bar while the engine runs without its sandbox; else null
    QAction* m_fopen;
    QAction* m_fsave;
    QAction* m_exit;
    QAction* hp;
    QAction* history;
    QAction* m_ver;
};

// The browser's one window: six toolbar buttons with hover pictures, the address
// list, the web view on an off-the-record profile, the status panel and the
// seconds label. The history rules live in BrowserHistory; this maps the
// engine's signals onto them.
class WbfWindow final : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kMakerAddress = "https://zorvik.example.com/";
    static constexpr const char* kMakerShortAddress = "zorvik.example.com";
    static constexpr const char* kStartPage = "mpkx.html";
    static constexpr const char* kUpdateHistory = "更新履歴wb.txt";

    WbfWindow(platform::Prompt& prompt, platform::FileDialogs& dialogs, platform::Clock& clock, QString app_dir);
    ~WbfWindow() override;

    static QString caption();
    const WbfControls& controls() const { return c_; }
    const BrowserHistory& history() const { return history_; }
    QWebEnginePage* page() const { return page_; }
    PageDialogs* page_dialogs() const { return page_dialogs_; }
    DownloadKeeper* downloads() const { return downloads_; }

    // Clears the pictures of all six buttons: each shows its caption again.
    void ico();

signals:
    // Save finished writing (or failed to write) the page's text.
    void save_done(bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build_controls();
    void build_menu();
    void connect_engine();
    void layout_browser();
    int px(int twips) const;

    // Navigation. Each returns whether a load really started; a local file that
    // cannot be shown is reported in the status panel instead.
    bool go(const QUrl& url, NavMode mode);
    bool go_text(const QString& text);
    // A local file that cannot be shown: said in the status panel, and true.
    bool refuse_local_file(const QUrl& url);
    // Back / Forward: the history's answer, if any, is shown and loaded.
    void go_history(const std::optional<QString>& address, NavMode mode);
    // The box's text goes: Enter in the box, a pick from its list, 表示.
    void go_box_text();
    void urlBox_KeyDown();
    void urlBox_Click(int index);
    void show_address(const QString& text);
    void add_to_list(const QString& text);
    void update_buttons();

    void on_loading_changed(const QWebEngineLoadingInfo& info);
    void on_renderer_gone(int status);
    void on_certificate_error(const QWebEngineCertificateError& error);
    void on_hung();
    void deny_permissions();
    void show_connection();
    // While a page's box waits, the window's controls wait with it (終了 does not).
    void set_waiting_for_page(bool waiting);
    void build_accessibility();

    void lastp_Click();
    void nextp_Click();
    void display_Click();
    void stop_b_Click();
    void m_fopen_Click();
    void m_fsave_Click();
    void Timer1_Timer();

    platform::Prompt& prompt_;
    platform::FileDialogs& dialogs_;
    platform::Clock& clock_;
    const QString app_dir;
    const QString cg_dir;
    std::unique_ptr<HoverPictures> pictures_;
    BrowserHistory history_;
    uint32_t start_ms = 0;
    bool stopped_by_user_ = false; // the load now ending was stopped with ×中止
    bool recovering_ = false; // the empty page after the renderer died is on its way
    QUrl refused_; // a local file the engine was refused: its load ends without a word
    QString after_recovery_; // said in the status panel once the empty page is there
    bool ending_hung_page_ = false; // the page process now ending was ended by the user
    // The certificate the engine refused last, and whether our page about it is on its way or shown.
    QUrl certificate_url_;
    browser_texts::CertificateProblem certificate_problem_ = browser_texts::CertificateProblem::Other;
    bool certificate_page_ = false;

    QWidget* face = nullptr;
    QStatusBar* stb = nullptr;
    QTimer* Timer1 = nullptr;
    QWebEngineProfile* profile_ = nullptr;
    QWebEnginePage* page_ = nullptr;
    PageDialogs* page_dialogs_ = nullptr;
    DownloadKeeper* downloads_ = nullptr;
    HangWatch* hang_watch_ = nullptr;
    std::unique_ptr<SaveTarget> save_target_;
    WbfControls c_{};
    QList<QPair<QPushButton*, QString>> hover_buttons_; // button, picture file
};
