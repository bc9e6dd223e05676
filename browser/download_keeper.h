#pragma once
#include "browser_texts.h"
#include "save_target.h"
#include <QObject>
#include <cstdint>
#include <optional>

class QWebEngineDownloadRequest;
namespace platform {
class Clock;
}

// Takes the files pages send. One question at a time: a file the page sends
// while one is asked about is refused; a file that comes without a click or key
// of the user's just before is asked about first, and once the user said no, the
// site's next files without a click are refused unasked until the user acts again. The save dialog proposes the
// Downloads folder and names the site; the program folder is refused. The file
// is written beside its target under a part name and put in place, never
// executable, only when it is complete.
class DownloadKeeper final : public QObject {
    Q_OBJECT
public:
    DownloadKeeper(platform::Prompt& prompt, platform::FileDialogs& dialogs, platform::Clock& clock,
                   QString program_folder, QObject* parent = nullptr);

    // A click or key of the user's in the window.
    void user_acted();
    void take(QWebEngineDownloadRequest* download);

signals:
    void status(const QString& text);
    void ended(const QString& file_name, browser_texts::DownloadEnd end);

private:
    void finish(QWebEngineDownloadRequest* download, const QString& part, const QString& target);
    void end(const QString& file_name, browser_texts::DownloadEnd how);

    platform::Prompt& prompt_;
    platform::Clock& clock_;
    SaveTarget targets_;
    std::optional<uint32_t> last_input_ms_;
    bool asking_ = false;
    QString refused_site_; // said no to; asked again only after a click or key
};
