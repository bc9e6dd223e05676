#include "prompt.h"
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

static int prompt_code(QMessageBox::StandardButton b)
{
    switch (b) {
    case QMessageBox::Yes: return Prompt::kYes;
    case QMessageBox::No: return Prompt::kNo;
    case QMessageBox::Cancel: return Prompt::kCancel;
    default: return Prompt::kOk;
    }
}

int QtPrompt::ask(const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const int result = box.exec();
    if (result == -1 || box.clickedButton() == nullptr) // closed by Escape or the window manager
        return buttons == Buttons::Ok ? kOk : (buttons == Buttons::YesNo ? kNo : kCancel);
    return prompt_code(static_cast<QMessageBox::StandardButton>(box.standardButton(box.clickedButton())));
}

std::optional<QString> QtPrompt::input(const QString& prompt, const QString& title,
                                       const QString& default_text, std::optional<QPoint> position)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(default_text);
    if (position)
        dialog.move(*position);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace platform
