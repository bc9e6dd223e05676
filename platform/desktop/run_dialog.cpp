#include "run_dialog.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace platform {

RunDialog::RunDialog(std::function<bool(const RunCommand&)> run, QWidget* parent)
    : QDialog(parent), run_(std::move(run)), line_(new QLineEdit(this))
{
    setWindowTitle(title());
    auto* text = new QLabel(QString::fromUtf8("開くプログラム、フォルダ、文書、またはアドレスを入力してください。"), this);
    text->setWordWrap(true);
    auto* name = new QLabel(QString::fromUtf8("名前(&O):"), this);
    name->setBuddy(line_);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QString::fromUtf8("キャンセル"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    ok_->setEnabled(false);
    connect(line_, &QLineEdit::textChanged, this, [this](const QString& t) { ok_->setEnabled(!t.trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &RunDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RunDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(name);
    row->addWidget(line_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(row);
    layout->addWidget(buttons);
    resize(360, sizeHint().height());
}

void RunDialog::show_fresh()
{
    show();
    raise();
    activateWindow();
    line_->setFocus(Qt::ShortcutFocusReason);
    line_->selectAll();
    // Focus changes of the window coming back may still be queued and would drop the selection.
    QTimer::singleShot(0, line_, &QLineEdit::selectAll);
}

void RunDialog::accept()
{
    const RunCommand command = RunCommand::parse(line_->text());
    if (command.kind == RunCommand::Kind::Nothing)
        return;
    if (!run_(command)) {
        QApplication::beep();
        line_->selectAll();
        line_->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace platform
