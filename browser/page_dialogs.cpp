#include "page_dialogs.h"
#include "address_rules.h"
#include "browser_texts.h"
#include "platform/clock.h"
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr qsizetype kLongestMessage = 2000; // characters; a page may send megabytes
}

PageDialogs::PageDialogs(QWidget* window, platform::Clock& clock, QAction* exit, std::function<void(bool)> busy)
    : QObject(window), window_(window), clock_(clock), exit_(exit), busy_(std::move(busy))
{
}

void PageDialogs::shut()
{
    shut_ = true;
    if (open_)
        open_->reject();
}

PageDialogs::Answer PageDialogs::show(Kind kind, const QUrl& origin, const QString& message,
                                      const QString& default_text)
{
    const QString site = address_rules::site_of(origin);
    // One box at a time; none after the window closes or once the user stopped the site's.
    if (shut_ || open_ || !throttle_.may_open(site))
        return {};
    const bool offer_stop = throttle_.opened(clock_.now_ms());

    // Not modal: the window must still take its close button. Its controls are off meanwhile.
    // On the heap: should the window go while the box waits, the box goes with it.
    QPointer<QDialog> owner(new QDialog(window_, Qt::Dialog));
    QDialog& box = *owner;
    box.setAttribute(Qt::WA_DeleteOnClose, false);
    box.setObjectName(QStringLiteral("page_dialog"));
    box.setWindowModality(Qt::NonModal);
    const QString headline = browser_texts::page_dialog_headline(site);
    box.setWindowTitle(headline);
    auto* layout = new QVBoxLayout(&box);
    auto* head = new QLabel(headline, &box);
    head->setObjectName(QStringLiteral("headline"));
    QFont bold = head->font();
    bold.setBold(true);
    head->setFont(bold);
    head->setTextFormat(Qt::PlainText);
    layout->addWidget(head);
    auto* text = new QLabel(message.left(kLongestMessage), &box);
    text->setObjectName(QStringLiteral("message"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setMaximumWidth(480);
    layout->addWidget(text);
    QLineEdit* edit = nullptr;
    if (kind == Kind::Prompt) {
        edit = new QLineEdit(default_text, &box);
        edit->setAccessibleName(headline);
        edit->setAccessibleDescription(message.left(kLongestMessage));
        layout->addWidget(edit);
    }
    QCheckBox* stop = nullptr;
    if (offer_stop) {
        stop = new QCheckBox(QStringLiteral("このサイトからのダイアログを今後表示しない"), &box);
        stop->setObjectName(QStringLiteral("stop_dialogs"));
        layout->addWidget(stop);
    }
    auto* buttons = new QDialogButtonBox(kind == Kind::Alert ? QDialogButtonBox::Ok
                                                             : QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                         &box);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel))
        cancel->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    layout->addWidget(buttons);
    if (exit_)
        box.addAction(exit_); // Ctrl+Q from the box too

    open_ = &box;
    if (busy_)
        busy_(true);
    QEventLoop loop;
    bool done = false;
    connect(&box, &QDialog::finished, &loop, [&] {
        done = true;
        loop.quit();
    });
    connect(&box, &QObject::destroyed, &loop, [&] {
        done = true;
        loop.quit();
    });
    box.show();
    box.activateWindow();
    if (edit)
        edit->setFocus();
    else
        buttons->button(QDialogButtonBox::Ok)->setFocus();
    QPointer<PageDialogs> self(this);
    emit opened(&box);
    if (!done)
        loop.exec();
    if (!self)
        return {};
    if (busy_)
        busy_(false);
    if (!owner)
        return {};
    open_ = nullptr;

    Answer answer;
    answer.ok = box.result() == QDialog::Accepted && !shut_;
    if (edit)
        answer.text = edit->text();
    if (stop && stop->isChecked() && !shut_)
        throttle_.stop(site);
    delete owner.data();
    return answer;
}
