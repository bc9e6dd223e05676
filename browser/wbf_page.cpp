#include "wbf_page.h"
#include "page_dialogs.h"

WbfPage::WbfPage(QWebEngineProfile* profile, PageDialogs& dialogs, QObject* parent)
    : QWebEnginePage(profile, parent), dialogs_(dialogs)
{
}

void WbfPage::javaScriptAlert(const QUrl& origin, const QString& message)
{
    dialogs_.show(PageDialogs::Kind::Alert, origin, message);
}

bool WbfPage::javaScriptConfirm(const QUrl& origin, const QString& message)
{
    return dialogs_.show(PageDialogs::Kind::Confirm, origin, message).ok;
}

bool WbfPage::javaScriptPrompt(const QUrl& origin, const QString& message, const QString& default_value,
                               QString* result)
{
    const PageDialogs::Answer answer = dialogs_.show(PageDialogs::Kind::Prompt, origin, message, default_value);
    if (answer.ok && result)
        *result = answer.text;
    return answer.ok;
}
