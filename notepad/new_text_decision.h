#pragma once
#include <QString>

// The questions of "新規作成" (and of closing with unsaved text):
// which question comes first, what each answer does, and whether the
// text goes away afterwards.
class NewTextDecision {
public:
    enum class Question { None, SaveOverwrite, SaveAs };
    enum class Action { Keep, Clear, OverwriteSaveThenClear, SaveAsThenClear };

    static inline const QString kTitle = QStringLiteral("メモルー");
    static inline const QString kOverwriteQuestion = QStringLiteral("現在作業中のファイルを上書しますか？");
    static inline const QString kSaveQuestion = QStringLiteral("現在作業中のファイルを保存しますか？");

    // `existing_name` is the existence test of the path box.
    static Question question(bool text_empty, bool path_empty, const QString& existing_name);
    static QString question_text(Question q);
    // `answer` is a Prompt code: 6 Yes, 7 No, anything else Cancel.
    static Action action(Question q, int answer);
    // After a save the text is cleared only when the save wrote the file:
    // a cancelled dialog or a refused overwrite keeps the text.
    static bool clear_after_save(bool saved) { return saved; }
};
