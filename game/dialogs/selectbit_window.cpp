#include "selectbit_window.h"
#include "dialog_texts.h"
#include "platform/ui/accessible_role.h"
#include "platform/desktop/drive_list.h"
#include "platform/ui/prompt.h"
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>

namespace {

constexpr int kDriveWidth = 200; // 3000 twips
constexpr int kPreview = 50;

QLabel* preview(QWidget* parent, const QString& name, const QString& tip)
{
    auto* label = new QLabel(parent);
    label->setFixedSize(kPreview, kPreview);
    label->setToolTip(tip);
    label->setAccessibleName(name);
    label->setStyleSheet(QStringLiteral("border: 1px solid rgb(200, 200, 200);"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void show_picture(QLabel* label, const QImage& image)
{
    label->setPixmap(QPixmap::fromImage(SelectbitWindow::preview_of(image)));
}

// The drive whose path holds `path` best: the longest one that is a prefix of it.
int drive_of(const QStringList& drives, const QString& path)
{
    int best = 0;
    qsizetype best_length = -1;
    for (int i = 0; i < drives.size(); ++i) {
        QString root = drives[i];
        if (!root.endsWith(QLatin1Char('/')))
            root += QLatin1Char('/');
        if ((path + QLatin1Char('/')).startsWith(root) && root.size() > best_length) {
            best = i;
            best_length = root.size();
        }
    }
    return best;
}

} // namespace

SelectbitWindow::SelectbitWindow(QString app_dir, const platform::DriveList& drives, platform::Prompt& prompt,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), app_dir_(std::move(app_dir)), drives_(drives), prompt_(prompt)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Button, Qt::white);
    setPalette(white);
    resize(360, 320);
    setMinimumSize(300, 240);

    platform::set_accessible_role(this, QAccessible::Dialog);
    setAccessibleDescription(dialog_texts::kSkinChooserDescription);
    // The closing of the window's frame, for the keyboard.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    auto* drive = new QComboBox(this);
    platform::name_control(drive, dialog_texts::kDriveListName);
    auto* dir = new QListWidget(this);
    platform::name_control(dir, dialog_texts::kFolderListName);
    auto* pic = preview(this, dialog_texts::kTarget, dialog_texts::kTargetTip);
    auto* picback = preview(this, dialog_texts::kDecoy, dialog_texts::kDecoyTip);
    auto* command1 = new QPushButton(dialog_texts::kDecide, this);
    auto* info = new QLabel(this);
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (auto [text, name] : {std::pair{dialog_texts::kTarget, "target"}, std::pair{dialog_texts::kDecoy, "decoy"}}) {
        auto* caption = new QLabel(text, this);
        caption->setObjectName(QString::fromLatin1(name));
    }
    controls_ = {drive, dir, pic, picback, command1, info};

    drive_paths_ = drives_.drives();
    for (const QString& path : drive_paths_)
        drive->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), path);

    // Load: the program's own bitmaps are the first skin on offer.
    const QString own_bmp = app_dir_ + QStringLiteral("bmp");
    last_drive_ = drive_of(drive_paths_, own_bmp);
    drive->setCurrentIndex(last_drive_);
    set_dir_path(own_bmp);
    setWindowTitle(app_dir_);
    info->setText(dialog_texts::kChooseFolder);
    lay_out();

    connect(drive, &QComboBox::currentIndexChanged, this, &SelectbitWindow::drive_change);
    connect(dir, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { set_dir_path(item->data(Qt::UserRole).toString()); });
    connect(command1, &QPushButton::clicked, this, &SelectbitWindow::command1_click);
}

void SelectbitWindow::resizeEvent(QResizeEvent*)
{
    lay_out();
}

void SelectbitWindow::lay_out()
{
    const int right = kDriveWidth + 16;
    controls_.drive->setGeometry(0, 0, kDriveWidth, controls_.drive->sizeHint().height());
    const int list_top = controls_.drive->height() + 2;
    const int info_height = 44;
    controls_.dir->setGeometry(0, list_top, kDriveWidth, height() - list_top - info_height - 4);
    controls_.info->setGeometry(6, height() - info_height - 2, width() - 12, info_height);
    auto* target = findChild<QLabel*>(QStringLiteral("target"));
    auto* decoy = findChild<QLabel*>(QStringLiteral("decoy"));
    target->setGeometry(right, 8, 100, 18);
    controls_.pic->move(right, 28);
    decoy->setGeometry(right, 90, 100, 18);
    controls_.picback->move(right, 110);
    controls_.command1->setGeometry(right, 180, std::max(80, width() - right - 16), 30);
}

QImage SelectbitWindow::preview_of(const QImage& sprite)
{
    // Shown as the board shows it: the key colour lets the white behind it through.
    QImage preview = sprite.convertToFormat(QImage::Format_RGB32);
    if (preview.isNull())
        return preview;
    const QRgb key = preview.pixel(0, 0);
    for (int y = 0; y < preview.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(preview.scanLine(y));
        for (int x = 0; x < preview.width(); ++x)
            if (line[x] == key)
                line[x] = qRgb(255, 255, 255);
    }
    return preview;
}

bool SelectbitWindow::set_dir_path(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    QString error;
    const auto subfolders = platform::read_subfolders(clean, &error);
    if (!subfolders) {
        prompt_.inform(error, dialog_texts::kFileShow);
        return false;
    }
    const bool moved = clean != dir_path_;
    dir_path_ = clean;
    fill_folder_list(*subfolders);
    if (moved)
        dir_change();
    return true;
}

void SelectbitWindow::fill_folder_list(const QStringList& subfolders)
{
    QListWidget* list = controls_.dir;
    list->clear();
    // The way down from the root as open folders, then the folders inside.
    QStringList chain;
    for (QString at = dir_path_;; at = QFileInfo(at).path()) {
        chain.prepend(at);
        if (QDir(at).isRoot() || at == QFileInfo(at).path())
            break;
    }
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QString indent = QStringLiteral("  ");
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString name = depth == 0 ? chain[0] : QFileInfo(chain[depth]).fileName();
        auto* item = new QListWidgetItem(open, indent.repeated(depth) + name, list);
        item->setData(Qt::UserRole, chain[depth]);
    }
    for (const QString& name : subfolders) {
        auto* item = new QListWidgetItem(closed, indent.repeated(chain.size()) + name, list);
        item->setData(Qt::UserRole, QDir(dir_path_).filePath(name));
    }
    list->setCurrentRow(int(chain.size()) - 1);
}

void SelectbitWindow::dir_change()
{
    skin_path_ = dir_path_;
    setWindowTitle(dialog_texts::file_show(skin_path_));
    skin_found_ = false;
    // The seal first; when it fails the yeti is not tried.
    const SkinLoader::Probe probe = SkinLoader::probe(skin_path_);
    if (!probe.seal.isNull())
        show_picture(controls_.pic, probe.seal);
    if (!probe.seal.isNull() && !probe.yeti.isNull())
        show_picture(controls_.picback, probe.yeti);
    if (probe.found()) {
        tell(dialog_texts::kSkinFound);
        skin_found_ = true;
    } else {
        tell(dialog_texts::kSkinNotFound);
    }
}

void SelectbitWindow::drive_change(int index)
{
    if (index < 0 || index >= drive_paths_.size())
        return;
    if (!set_dir_path(drive_paths_[index])) {
        const QSignalBlocker quiet(controls_.drive);
        controls_.drive->setCurrentIndex(last_drive_);
        return;
    }
    last_drive_ = index;
    setWindowTitle(dialog_texts::file_show(dir_path_));
}

void SelectbitWindow::command1_click()
{
    if (!skin_found_) {
        tell(dialog_texts::kChooseFolder);
        return;
    }
    // All ten or none: a skin that lacks a picture changes nothing.
    const SkinLoader::Skin skin = SkinLoader::load(skin_path_);
    if (!skin.complete()) {
        tell(dialog_texts::skin_incomplete(skin.missing));
        return;
    }
    emit skin_chosen(skin);
}

void SelectbitWindow::tell(const QString& message)
{
    controls_.info->setText(message);
    platform::announce(controls_.info, message);
}
