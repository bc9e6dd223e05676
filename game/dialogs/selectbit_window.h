#pragma once
#include "skin_loader.h"
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
namespace platform {
class DriveList;
class Prompt;
}

// The skin chooser: a drive list, a folder list, previews of the seal and the
// yeti of the folder chosen, and 決定, which hands the folder's ten pictures to
// the game when all of them load. Closing the window unloads it.
class SelectbitWindow final : public QWidget {
    Q_OBJECT
public:
    SelectbitWindow(QString app_dir, const platform::DriveList& drives, platform::Prompt& prompt,
                    QWidget* parent = nullptr);

    // Moves the folder list to `path` (as setting its path does). A folder that
    // cannot be read gives the system's error text in a "FileShow" box; the list
    // stays where it was and false is returned.
    bool set_dir_path(const QString& path);
    const QString& dir_path() const { return dir_path_; }
    // A sprite as its preview shows it: on white.
    static QImage preview_of(const QImage& sprite);
    bool skin_found() const { return skin_found_; }

    struct Controls {
        QComboBox* drive;
        QListWidget* dir;
        QLabel* pic;     // the seal preview
        QLabel* picback; // the yeti preview
        QPushButton* command1;
        QLabel* info;
    };
    const Controls& controls() const { return controls_; }

signals:
    // Every picture of a skin loaded; nothing of the game has changed yet.
    void skin_chosen(const SkinLoader::Skin& skin);

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    void lay_out();
    void fill_folder_list(const QStringList& subfolders);
    void dir_change();
    void drive_change(int index);
    void command1_click();
    // Shows `message` in `info`, and has it spoken where Qt can.
    void tell(const QString& message);

    QString app_dir_;
    const platform::DriveList& drives_;
    platform::Prompt& prompt_;
    Controls controls_{};
    QStringList drive_paths_;
    QString dir_path_;  // where the folder list stands
    QString skin_path_; // the folder under test
    bool skin_found_ = false;
    int last_drive_ = 0;
};
