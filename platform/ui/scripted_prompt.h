#pragma once
#include "prompt.h"
#include "scripted_answers.h"
#include <QList>
#include <deque>
#include <functional>

namespace platform {

// Answers questions from a script and remembers every question asked.
// An unscripted question gets the safe answer (OK, No or Cancel) and is counted.
class ScriptedPrompt final : public Prompt {
public:
    struct Asked {
        QString text;
        QString title;
        Buttons buttons;
        QString default_text = {}; // input boxes only
        Placement placement = {};  // input boxes only
    };

    QList<Asked> asked;
    QList<Asked> inputs;
    int unscripted = 0;
    // Called while a box is "open", before it answers: a test looks at the world behind it.
    std::function<void(const Asked&)> while_open;

    void answer(int code) { answers_.push_back(code); }
    void answer_input(std::optional<QString> text) { input_answers_.push_back(std::move(text)); }

    int ask(const QString& text, const QString& title, Buttons buttons, Icon) override
    {
        asked.append({text, title, buttons});
        if (while_open)
            while_open(asked.last());
        if (buttons == Buttons::Ok)
            return kOk; // nothing to choose
        if (answers_.empty()) {
            ++unscripted;
            return buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultNo ? kNo : kCancel;
        }
        const int a = answers_.front();
        answers_.pop_front();
        return a;
    }

    std::optional<QString> input(const QString& prompt, const QString& title, const QString& default_text,
                                 Placement placement) override
    {
        inputs.append({prompt, title, Buttons::OkCancel, default_text, placement});
        if (while_open)
            while_open(inputs.last());
        if (input_answers_.empty()) {
            ++unscripted;
            return std::nullopt;
        }
        return take_front(input_answers_);
    }

private:
    std::deque<int> answers_;
    std::deque<std::optional<QString>> input_answers_;
};

} // namespace platform
