#pragma once
#include "file_dialogs.h"
#include "scripted_answers.h"
#include <QList>
#include <deque>

namespace platform {

// Answers Open and Save dialogs from a script (a path, or nullopt for Cancel)
// and remembers every dialog shown. An unscripted dialog is cancelled and counted.
class ScriptedFileDialogs final : public FileDialogs {
public:
    struct Shown {
        bool save;
        QString title;
        QString filter;
        int filter_index;
        QString initial_path;
    };

    QList<Shown> shown;
    int unscripted = 0;

    void answer(std::optional<QString> path) { answers_.push_back(std::move(path)); }

    std::optional<QString> open_file(const QString& title, const QString& filter, int filter_index,
                                     const QString& initial_path) override
    {
        return next({false, title, filter, filter_index, initial_path});
    }

    std::optional<QString> save_file(const QString& title, const QString& filter, int filter_index,
                                     const QString& initial_path) override
    {
        return next({true, title, filter, filter_index, initial_path});
    }

private:
    std::optional<QString> next(Shown s)
    {
        shown.append(std::move(s));
        if (answers_.empty()) {
            ++unscripted;
            return std::nullopt;
        }
        return take_front(answers_);
    }

    std::deque<std::optional<QString>> answers_;
};

} // namespace platform
