#include "info_box.h"
#include "dialog_texts.h"
#include <QLabel>
#include <QPushButton>

InfoBox::InfoBox(SysInfo sys_info, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint), sys_info_(std::move(sys_info))
{
    setAttribute(Qt::WA_DeleteOnClose);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    sys_info_button_ = new QPushButton(dialog_texts::kSysInfo, this);
    sys_info_button_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(sys_info_button_, &QPushButton::clicked, this, [this] {
        start_sys_info(sys_info_.tool, sys_info_.start, sys_info_.prompt, dialog_texts::kProgramTitle);
    });
}

void InfoBox::place_buttons(int top)
{
    const int w = 120;
    ok_->setGeometry(width() - w - 12, top, w, 28);
    sys_info_button_->setGeometry(width() - w - 12, top + 36, w, 28);
}

void InfoBox::done(int result)
{
    // OK, Escape and the close box all unload the window.
    QDialog::done(result);
    close();
}

QLabel* InfoBox::text_label(const QString& text, QRect at, int point_size, bool bold)
{
    auto* label = new QLabel(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
    label->setGeometry(at);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont f = label->font();
    if (point_size > 0)
        f.setPointSize(point_size);
    f.setBold(bold);
    label->setFont(f);
    return label;
}
