#include "trash_panel.h"
#include "companion_texts.h"
#include "platform/ui/prompt.h"
#include "platform/trash/trash.h"

namespace companion {

TrashPanel::TrashPanel(platform::Trash& trash, platform::Prompt& prompt, QObject* parent)
    : QObject(parent), trash_(trash), prompt_(prompt)
{
    connect(&trash_, &platform::Trash::figures_read, this, &TrashPanel::figures_read);
    connect(&trash_, &platform::Trash::emptied, this, &TrashPanel::emptied);
}

void TrashPanel::refresh()
{
    emptying_outcome_.reset();
    reading_ = true;
    trash_.query();
}

void TrashPanel::empty_clicked()
{
    if (busy())
        return;
    if (known_count_ == quint64(0)) {
        refresh(); // nothing to ask about; show what is there now
        return;
    }
    if (prompt_.ask(texts::kEmptyQuestion, texts::kEmptyTitle, platform::Prompt::Buttons::YesNoDefaultNo,
                    platform::Prompt::Icon::Question) != platform::Prompt::kYes)
        return;
    emptying_ = true;
    trash_.empty();
}

void TrashPanel::emptied(bool ok)
{
    emptying_ = false;
    reading_ = true;
    emptying_outcome_ = ok; // kept past the read that follows
    trash_.query();
}

void TrashPanel::figures_read(bool ok, quint64 size, quint64 count)
{
    reading_ = false;
    if (!ok) {
        known_count_.reset();
        lines_[1] = texts::kFailed;
    } else {
        known_count_ = count;
        lines_ = {texts::kTrashSizeCaption, QString::number(size) + texts::kTrashBytes, texts::kTrashCountCaption,
                  QString::number(count) + texts::kTrashItems, QStringLiteral("\r\n"), texts::kTrashMotto};
    }
    if (emptying_outcome_)
        lines_[4] = *emptying_outcome_ ? texts::kEmptied : texts::kFailed;
    emit lines_changed();
}

} // namespace companion
