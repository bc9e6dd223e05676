#include "save_target.h"
#include "browser_texts.h"
#include "download_rules.h"
#include "platform/ui/file_dialogs.h"
#include "platform/ui/prompt.h"
#include <QFileInfo>

namespace {
const QString kTitle = QStringLiteral("ぴころん");
}

bool SaveTarget::allowed(const QString& path) const
{
    return !download_rules::lies_in(path, program_folder_);
}

std::optional<QString> SaveTarget::choose(const QString& title, const QString& filter, const QString& initial_path)
{
    QString proposed = initial_path;
    for (;;) {
        const auto path = dialogs_.save_file(title, filter, 1, proposed);
        if (!path)
            return std::nullopt;
        proposed = *path;
        if (!allowed(*path)) {
            prompt_.inform(browser_texts::program_folder_refusal(), kTitle, platform::Prompt::Icon::Warning);
            proposed = initial_path;
            continue;
        }
        const QFileInfo target(*path);
        if (target.isDir())
            continue; // a folder is no file to write: the dialog again
        if (target.exists() || target.isSymLink()) {
            const int answer = prompt_.ask(browser_texts::replace_question(*path), kTitle,
                                           platform::Prompt::Buttons::YesNoDefaultNo,
                                           platform::Prompt::Icon::Question);
            if (answer != platform::Prompt::kYes)
                continue;
        }
        return path;
    }
}
