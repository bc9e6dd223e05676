#pragma once
#include "file_commands.h"
#include "memo_editor.h"
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
// and the text area, with the file menu and the information menu. The file
// commands work on the text area and the path box through `editor()`.
class MF final : public QMainWindow {
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
    MemoEditor& editor() { return *editor_; }
    QPlainTextEdit* memo_area() const { return memo; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layout_controls();
    void f_sizeCB_Click();
    void build_menu();
    void show_encoding(TextEncoding encoding);
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
    std::unique_ptr<MemoEditor> editor_;
    std::unique_ptr<FileCommands> commands_;
};
