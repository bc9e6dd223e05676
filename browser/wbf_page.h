#pragma once
#include <QWebEnginePage>

class PageDialogs;

// The page of the browser's one view: its boxes (alert, confirm, prompt) are
// ours, so that none can hold the window shut or pass for the system's own.
class WbfPage final : public QWebEnginePage {
    Q_OBJECT
public:
    WbfPage(QWebEngineProfile* profile, PageDialogs& dialogs, QObject* parent);

protected:
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& default_value,
                          QString* result) override;

private:
    PageDialogs& dialogs_;
};
