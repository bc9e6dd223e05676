#include "prompt.h"
#include <QInputDialog>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>

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

QWidget* QtPrompt::owner() const
{
    QWidget* owner = owner_ ? owner_() : parent_;
    return owner && owner->isVisible() ? owner : nullptr;
}

int QtPrompt::ask(const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    QMessageBox box(owner());
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
    case Buttons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const int result = box.exec();
    if (result == -1 || box.clickedButton() == nullptr) // closed by Escape or the window manager
        return buttons == Buttons::Ok ? kOk : (buttons == Buttons::YesNoCancel || buttons == Buttons::OkCancel ? kCancel : kNo);
    return prompt_code(static_cast<QMessageBox::StandardButton>(box.standardButton(box.clickedButton())));
}

std::optional<QString> QtPrompt::input(const QString& prompt, const QString& title,
                                       const QString& default_text, Placement placement)
{
    QWidget* const parent = owner();
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    QString label = prompt;
    label.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    dialog.setLabelText(label);
    dialog.setTextValue(default_text);
    // Above the game's window, which may be on top of the others.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // A box of one size, as the message boxes are: its own layout would let it stretch
    // sideways (and a window manager maximise it).
    dialog.adjustSize(); // makes the layout
    if (dialog.layout())
        dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (placement.left || placement.top) {
        // The usual place first (centred on the parent or the screen), then the given axes.
        const QRect area = parent ? parent->window()->frameGeometry()
                                   : (dialog.screen() ? dialog.screen()->availableGeometry() : QRect());
        const QRect screen = dialog.screen() ? dialog.screen()->availableGeometry() : area;
        QPoint at(area.center().x() - dialog.width() / 2, area.center().y() - dialog.height() / 2);
        if (placement.left)
            at.setX(screen.left() + *placement.left);
        if (placement.top)
            at.setY(screen.top() + *placement.top);
        dialog.move(at);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace platform
