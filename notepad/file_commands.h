#pragma once
#include "editor_view.h"
#include "platform/ui/file_dialogs.h"
#include "platform/ui/prompt.h"
#include <functional>

// The notepad's file commands over the text area and the path box.
class FileCommands {
public:
    static inline const QString kAppTitle = QStringLiteral("memolu");
    static inline const QString kTitle = QStringLiteral("メモルー");
    static inline const QString kFilter =
        QStringLiteral("テキスト(*.txt)|*.txt|ドキュメント(*.doc)|*.doc|全てのファイル(*.*)|*.*");
    static inline const QString kReadError = QStringLiteral("ファイルの読み出しエラーです｡");
    static inline const QString kWriteError = QStringLiteral("ファイルの書き込みエラーです｡");
    static inline const QString kTooLarge = QStringLiteral("ファイルが大きすぎます。32KBまで対応。");
    static inline const QString kOverwriteQuestion = QStringLiteral("ファイルを上書きしますか？");
    static inline const QString kSaveAsQuestion = QStringLiteral("上書しちゃいますか？");
    static inline const QString kNotThere = QStringLiteral("ない");
    static inline const QString kHistoryFile = QStringLiteral("更新履歴mlz.txt");

    struct Version {
        int major, minor, revision;
    };

    FileCommands(EditorView& view, platform::Prompt& prompt, platform::FileDialogs& dialogs, QString app_dir,
                 std::function<void()> beep, Version version);

    // Each returns whether it did its work (text loaded, file written, text cleared).
    bool load_text_file(const QString& path);
    bool open_with_dialog();
    bool overwrite_save();
    bool save_as();
    bool m_new();
    void m_info();
    bool m_rireki();
    // Whether the window may close now; asks about unsaved text first.
    bool query_close();

    QString scratch() const { return scratch_; }
    static QString info_text(Version v, TextEncoding encoding);
    // The question before a CP932 save that would lose `lost` (the characters
    // without a CP932 code, in text order, repeats allowed).
    static QString unencodable_question(const QString& lost);

private:
    bool write_text(const QString& path);
    enum class After { Clear, Close };
    bool settle_unsaved(After after);

    EditorView& view_;
    platform::Prompt& prompt_;
    platform::FileDialogs& dialogs_;
    QString app_dir_;
    std::function<void()> beep_;
    Version version_;
    QString scratch_;
};
