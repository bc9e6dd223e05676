#pragma once
#include "dialog_throttle.h"
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>

class QAction;
class QDialog;
class QWidget;
namespace platform {
class Clock;
}

// The boxes a page opens (alert, confirm, prompt), ours rather than the
// engine's: each names the site in its text, the browser window stays open to
// its close button and to 終了 (Ctrl+Q, also from the box), and from the third
// box in ten seconds the box offers to stop the site's boxes. The page waits for
// the answer; the window's controls wait with it.
class PageDialogs final : public QObject {
    Q_OBJECT
public:
    enum class Kind { Alert, Confirm, Prompt };
    struct Answer {
        bool ok = false;
        QString text;
    };

    // `busy` is told when a box opens (true) and closes (false); `exit` goes into every box.
    PageDialogs(QWidget* window, platform::Clock& clock, QAction* exit, std::function<void(bool)> busy);

    Answer show(Kind kind, const QUrl& origin, const QString& message, const QString& default_text = QString());
    // The window closes: an open box is cancelled and none opens any more.
    void shut();

signals:
    // A box is open and waits for the user.
    void opened(QDialog* box);

private:
    QWidget* window_;
    platform::Clock& clock_;
    QAction* exit_;
    std::function<void(bool)> busy_;
    DialogThrottle throttle_;
    QPointer<QDialog> open_;
    bool shut_ = false;
};
