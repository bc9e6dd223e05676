#include "new_text_decision.h"
#include "platform/ui/prompt.h"

NewTextDecision::Question NewTextDecision::question(bool text_empty, bool path_empty, const QString& existing_name)
{
    if (text_empty && path_empty)
        return Question::None;
    return existing_name.isEmpty() ? Question::SaveAs : Question::SaveOverwrite;
}

QString NewTextDecision::question_text(Question q)
{
    switch (q) {
    case Question::SaveOverwrite: return kOverwriteQuestion;
    case Question::SaveAs: return kSaveQuestion;
    case Question::None: break;
    }
    return QString();
}

NewTextDecision::Action NewTextDecision::action(Question q, int answer)
{
    if (q == Question::None)
        return Action::Keep;
    if (answer == platform::Prompt::kYes)
        return q == Question::SaveOverwrite ? Action::OverwriteSaveThenClear : Action::SaveAsThenClear;
    if (answer == platform::Prompt::kNo)
        return Action::Clear;
    return Action::Keep;
}
