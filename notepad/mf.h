#pragma once
#include "editor_view.h"
#include "file_commands.h"
#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Setting;
namespace platform {
class PickList;
}

// The notepad's main window: four buttons, the font-size list, the path box
// and the text area, with the file menu and the information menu.
class MF final : public QMainWindow, public EditorView {
    Q_OBJECT
public:
    // `data_dir`: where the settings file lives; empty for the program folder.
    MF(platform::Prompt& prompt, platform::FileDialogs& dialogs, QString app_dir,
       std::function<void()> beep = {}, QString data_dir = {});
    ~MF() override;

    static QString caption();
    static FileCommands::Version version();

    Setting* settings_window() const { return setting_; }
    FileCommands& commands() { return *commands_; }
    QPlainTextEdit* memo_area() const { return memo; }

    // EditorView
    QString text() const override;
    void set_text(const QString& text) override;
    QString path() const override;
    void set_path(const QString& path) override;
    bool is_modified() const override;
    void set_modified(bool modified) override;
    TextEncoding encoding() const override { return encoding_; }
    void set_encoding(TextEncoding encoding) override;

    // Text in the edit control's form (CR LF) to and from the text area's.
    static QString to_display(const QString& crlf_text);
    static QString from_display(const QString& raw_text);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layout_controls();
    void f_sizeCB_Click();
    void build_menu();
    static QIcon window_icon(const QString& app_dir);

    QWidget* face = nullptr;
    QPushButton* open_f_cb = nullptr;
    QPushButton* write = nullptr;
    QPushButton* read = nullptr;
    QPushButton* save_cb = nullptr;
    platform::PickList* f_sizeCB = nullptr;
    QLineEdit* read_path = nullptr;
    QPlainTextEdit* memo = nullptr;
    Setting* setting_ = nullptr;
    std::unique_ptr<FileCommands> commands_;
    TextEncoding encoding_ = TextEncoding::Cp932;
};
