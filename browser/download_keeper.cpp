#include "download_keeper.h"
#include "address_rules.h"
#include "download_rules.h"
#include "platform/clock.h"
#include "platform/ui/prompt.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <cstdio>

using browser_texts::DownloadEnd;

DownloadKeeper::DownloadKeeper(platform::Prompt& prompt, platform::FileDialogs& dialogs, platform::Clock& clock,
                               QString program_folder, QObject* parent)
    : QObject(parent), prompt_(prompt), clock_(clock), targets_(prompt, dialogs, std::move(program_folder))
{
}

void DownloadKeeper::user_acted()
{
    last_input_ms_ = clock_.now_ms();
    refused_site_.clear();
}

void DownloadKeeper::end(const QString& file_name, DownloadEnd how)
{
    emit status(browser_texts::download_end_text(file_name, how));
    emit ended(file_name, how);
}

void DownloadKeeper::take(QWebEngineDownloadRequest* download)
{
    const QString name = download_rules::safe_file_name(download->suggestedFileName());
    if (asking_) {
        download->cancel();
        end(name, DownloadEnd::Refused);
        return;
    }
    asking_ = true;
    const auto asked = qScopeGuard([this] { asking_ = false; });
    QUrl from = download->url();
    if (from.host().isEmpty() && download->page())
        from = download->page()->url(); // data: and blob: come from the page
    const QString site = address_rules::site_of(from);

    // The questions run their own event loops: the engine may drop the download meanwhile.
    QPointer<QWebEngineDownloadRequest> alive(download);
    if (!download_rules::started_by_user(last_input_ms_, clock_.now_ms())) {
        if (site == refused_site_) {
            download->cancel();
            return end(name, DownloadEnd::Refused);
        }
        const int answer = prompt_.ask(browser_texts::unasked_download_question(site, name),
                                       QStringLiteral("ぴころん"), platform::Prompt::Buttons::YesNoDefaultNo,
                                       platform::Prompt::Icon::Question);
        if (answer != platform::Prompt::kYes) {
            refused_site_ = site;
            if (alive)
                alive->cancel();
            end(name, DownloadEnd::Refused);
            return;
        }
    }
    const QString folder = download_rules::proposed_folder(
        QStandardPaths::writableLocation(QStandardPaths::DownloadLocation), QDir::homePath());
    const auto target = targets_.choose(browser_texts::download_dialog_title(site),
                                        QStringLiteral("全てのファイル(*.*)|*.*"), QDir(folder).filePath(name));
    if (!alive)
        return end(name, DownloadEnd::Failed);
    if (!target) {
        download->cancel();
        return end(name, DownloadEnd::Cancelled);
    }

    const QFileInfo info(*target);
    QString part = download_rules::part_name(info.fileName());
    for (int n = 1; QFileInfo::exists(info.dir().filePath(part)) || QFileInfo(info.dir().filePath(part)).isSymLink(); ++n)
        part = download_rules::part_name(info.fileName() + QLatin1Char('.') + QString::number(n));
    const QString part_path = info.dir().filePath(part);
    const QString shown = info.fileName();
    download->setDownloadDirectory(info.absolutePath());
    download->setDownloadFileName(part);
    connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, this, [this, download, shown] {
        emit status(browser_texts::download_progress_text(shown, download->receivedBytes(), download->totalBytes()));
    });
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this,
            [this, download, part_path, target = *target] { finish(download, part_path, target); });
    emit status(browser_texts::download_progress_text(shown, 0, download->totalBytes()));
    download->accept();
}

void DownloadKeeper::finish(QWebEngineDownloadRequest* download, const QString& part, const QString& target)
{
    if (!download->isFinished())
        return;
    const QString shown = QFileInfo(target).fileName();
    if (download->state() != QWebEngineDownloadRequest::DownloadCompleted) {
        QFile::remove(part);
        return end(shown, download->state() == QWebEngineDownloadRequest::DownloadCancelled ? DownloadEnd::Cancelled
                                                                                           : DownloadEnd::Failed);
    }
    // Never executable, and the old file stays until the new one is whole: rename replaces it at once.
    QFile::setPermissions(part, QFile::permissions(part) & ~(QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup |
                                                             QFile::ExeOther));
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(part);
        return end(shown, DownloadEnd::Failed);
    }
    end(shown, DownloadEnd::Done);
}
