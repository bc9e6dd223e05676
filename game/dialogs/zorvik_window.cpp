#include "zorvik_window.h"
#include "dialog_texts.h"
#include <QIcon>
#include <QLabel>

ZorvikWindow::ZorvikWindow(const QString& version, const QString& icon_path, SysInfo sys_info, QWidget* parent)
    : InfoBox(std::move(sys_info), parent)
{
    setWindowTitle(dialog_texts::kZorvikCaption);
    setFixedSize(440, 250);

    auto* pic_icon = new QLabel(this);
    pic_icon->setGeometry(16, 16, 48, 48);
    pic_icon->setPixmap(QIcon(icon_path).pixmap(48, 48));
    pic_icon->setAccessibleName(dialog_texts::kZorvikIconName);
    auto* telop = text_label(dialog_texts::kZorvikTelop, QRect(80, 14, 300, 56), 0, true);
    auto* version_label = text_label(dialog_texts::version_line(version), QRect(80, 74, 200, 20));
    auto* at = text_label(dialog_texts::zorvik_at(), QRect(80, 102, 300, 56));
    auto* attention = text_label(dialog_texts::kAttention, QRect(16, 172, 276, 64));
    attention->setStyleSheet(QStringLiteral("color: rgb(170, 0, 0);"));
    place_buttons(166);
    controls_ = {pic_icon, telop, version_label, at, attention};
}
