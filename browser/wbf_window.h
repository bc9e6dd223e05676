#pragma once
#include "browser_history.h"
#include "hover_pictures.h"
#include <QMainWindow>
#include <QUrl>
#include <memory>
#include <optional>

class QAction;
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

    // Clears the pictures of all six buttons: each shows its caption again.
    void ico();

signals:
    // Save finished writing (or failed to write) the page's text.
    void save_done(bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

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
    void on_renderer_gone();

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

    QWidget* face = nullptr;
    QStatusBar* stb = nullptr;
    QTimer* Timer1 = nullptr;
    QWebEngineProfile* profile_ = nullptr;
    QWebEnginePage* page_ = nullptr;
    WbfControls c_{};
    QList<QPair<QPushButton*, QString>> hover_buttons_; // button, picture file
};
