#include "FileCommands.h"
#include "NewTextDecision.h"
#include "TextFileRules.h"
#include "platform/atomic_file.h"
#include <QFileInfo>

using platform::Prompt;

FileCommands::FileCommands(EditorView& view, Prompt& prompt, platform::FileDialogs& dialogs, QString app_dir,
                           std::function<void()> beep, Version version)
    : view_(view), prompt_(prompt), dialogs_(dialogs), app_dir_(std::move(app_dir)), beep_(std::move(beep)),
      version_(version)
{
}

bool FileCommands::load_text_file(const QString& path)
{
    QByteArray bytes;
    if (path.isEmpty() || QFileInfo(path).isDir() || !platform::read_whole_file(path, &bytes)) {
        prompt_.inform(kReadError, kAppTitle);
        return false;
    }
    view_.set_text(TextFileRules::decode_file(bytes));
    view_.set_modified(false);
    return true;
}

bool FileCommands::open_with_dialog()
{
    const auto chosen = dialogs_.open_file(QStringLiteral("開く"), kFilter, 1, view_.path());
    const QFileInfo info(chosen.value_or(QString()));
    if (!chosen || !info.isFile()) {
        beep_();
        return false;
    }
    if (!TextFileRules::fits_open_limit(info.size())) {
        // Told in a box: the text being edited stays where it is.
        beep_();
        prompt_.inform(kTooLarge, kAppTitle, Prompt::Icon::Warning);
        return false;
    }
    if (!load_text_file(*chosen))
        return false; // the path box keeps naming the file the text came from
    view_.set_path(*chosen);
    return true;
}

bool FileCommands::write_text(const QString& path)
{
    if (path.isEmpty() || !platform::write_file_atomically(path, TextFileRules::encode_file(view_.text()))) {
        prompt_.inform(kWriteError, kAppTitle);
        return false;
    }
    view_.set_modified(false);
    return true;
}

bool FileCommands::overwrite_save()
{
    const QString path = view_.path();
    scratch_ = TextFileRules::existence_test(path);
    if (!scratch_.isEmpty()) {
        scratch_ = QString::number(prompt_.ask(kOverwriteQuestion, kAppTitle, Prompt::Buttons::YesNo,
                                               Prompt::Icon::Question));
        if (scratch_ == QLatin1String("7"))
            return false;
    }
    return write_text(path);
}

bool FileCommands::save_as()
{
    const auto chosen = dialogs_.save_file(QStringLiteral("名前を付けて保存"), kFilter, 1, QString());
    if (!chosen || chosen->isEmpty())
        return false;
    scratch_ = TextFileRules::existence_test(*chosen);
    if (!scratch_.isEmpty()) {
        scratch_ = QString::number(prompt_.ask(kSaveAsQuestion, kTitle, Prompt::Buttons::OkCancel,
                                               Prompt::Icon::Question));
    } else {
        prompt_.inform(kNotThere, kAppTitle);
        scratch_.clear();
    }
    if (scratch_ == QLatin1String("2"))
        return false;
    if (!write_text(*chosen))
        return false;
    view_.set_path(*chosen);
    return true;
}

bool FileCommands::settle_unsaved(After after)
{
    const QString path = view_.path();
    scratch_ = TextFileRules::existence_test(path);
    const bool text_empty = after == After::Clear ? view_.text().isEmpty() : false;
    const auto question = NewTextDecision::question(text_empty, path.isEmpty(), scratch_);
    if (question == NewTextDecision::Question::None)
        return false;
    const int answer = prompt_.ask(NewTextDecision::question_text(question), NewTextDecision::kTitle,
                                   Prompt::Buttons::YesNoCancel, Prompt::Icon::Question);
    scratch_ = QString::number(answer);
    switch (NewTextDecision::action(question, answer)) {
    case NewTextDecision::Action::Keep:
        return false;
    case NewTextDecision::Action::Clear:
        break;
    case NewTextDecision::Action::OverwriteSaveThenClear:
        if (!NewTextDecision::clear_after_save(overwrite_save()))
            return false;
        break;
    case NewTextDecision::Action::SaveAsThenClear:
        if (!NewTextDecision::clear_after_save(save_as()))
            return false;
        break;
    }
    if (after == After::Clear) {
        view_.set_text(QString());
        view_.set_path(QString());
        view_.set_modified(false);
    }
    return true;
}

bool FileCommands::m_new()
{
    return settle_unsaved(After::Clear);
}

bool FileCommands::query_close()
{
    if (!view_.is_modified())
        return true;
    return settle_unsaved(After::Close);
}

QString FileCommands::info_text(Version v)
{
    return QStringList{QStringLiteral("メモルー 2k"),
                       QStringLiteral("Releace Version :%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision),
                       QStringLiteral("zorvik/nabelune"), QStringLiteral("ゾルヴィク『ナベルネ』"),
                       QStringLiteral("at 2000")}
        .join(QLatin1String("\r\n"));
}

void FileCommands::m_info()
{
    scratch_ = QString::number(prompt_.ask(info_text(version_), kTitle, Prompt::Buttons::Ok));
}

bool FileCommands::m_rireki()
{
    if (!load_text_file(app_dir_ + kHistoryFile))
        return false;
    // The history is not the user's file: 上書保存 must not write it over theirs.
    view_.set_path(QString());
    return true;
}
