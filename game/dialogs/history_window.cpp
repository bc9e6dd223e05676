#include "history_window.h"
#include "dialog_texts.h"
#include "history_file.h"
#include "platform/ui/accessible_role.h"
#include "platform/ui/prompt.h"
#include <QPlainTextEdit>
#include <QShortcut>

HistoryWindow::HistoryWindow(QString app_dir, platform::Prompt& prompt, QWidget* parent)
    : QWidget(parent, Qt::Window), app_dir_(std::move(app_dir)), prompt_(prompt)
{
    setWindowTitle(dialog_texts::kHistoryCaption);
    his_text_ = new QPlainTextEdit(this);
    his_text_->setReadOnly(true);
    his_text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    platform::name_control(his_text_, dialog_texts::kHistoryName);
    platform::set_accessible_role(this, QAccessible::Dialog);
    setAccessibleDescription(dialog_texts::kHistoryDescription);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    // 200 twips from the screen's corner, 600 x 500.
    move(13, 13);
    resize(600, 500);
}

void HistoryWindow::readfile()
{
    history_file::Text history = history_file::read(app_dir_ + history_file::kFileName);
    switch (history.outcome) {
    case history_file::Outcome::Unreadable:
        prompt_.inform(history_file::kReadError, dialog_texts::kProgramTitle);
        return;
    case history_file::Outcome::TooLarge:
        his_text_->setPlainText(history_file::kTooLarge);
        return;
    case history_file::Outcome::Read:
        break;
    }
    // The box shows line breaks; the file's CR LF pairs become one each.
    his_text_->setPlainText(history.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void HistoryWindow::resizeEvent(QResizeEvent*)
{
    his_text_->setGeometry(rect());
}
