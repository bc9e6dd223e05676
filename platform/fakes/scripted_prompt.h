#pragma once
#include "../prompt.h"
#include <QList>
#include <deque>

namespace platform {

// Answers questions from a script and remembers every question asked.
// An unscripted question gets the safe answer (OK, No or Cancel) and is counted.
class ScriptedPrompt final : public Prompt {
public:
    struct Asked {
        QString text;
        QString title;
        Buttons buttons;
    };

    QList<Asked> asked;
    QList<Asked> inputs;
    int unscripted = 0;

    void answer(int code) { answers_.push_back(code); }
    void answer_input(std::optional<QString> text) { input_answers_.push_back(std::move(text)); }

    int ask(const QString& text, const QString& title, Buttons buttons, Icon) override
    {
        asked.append({text, title, buttons});
        if (buttons == Buttons::Ok)
            return kOk; // nothing to choose
        if (answers_.empty()) {
            ++unscripted;
            return buttons == Buttons::YesNo ? kNo : kCancel;
        }
        const int a = answers_.front();
        answers_.pop_front();
        return a;
    }

    std::optional<QString> input(const QString& prompt, const QString& title, const QString&,
                                 std::optional<QPoint>) override
    {
        inputs.append({prompt, title, Buttons::OkCancel});
        if (input_answers_.empty()) {
            ++unscripted;
            return std::nullopt;
        }
        auto a = input_answers_.front();
        input_answers_.pop_front();
        return a;
    }

private:
    std::deque<int> answers_;
    std::deque<std::optional<QString>> input_answers_;
};

} // namespace platform
