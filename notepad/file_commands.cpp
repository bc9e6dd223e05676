#include "file_commands.h"
#include "new_text_decision.h"
#include "text_file_rules.h"
#include "platform/files/atomic_file.h"
#include "platform/files/regular_file.h"
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
    // Only a regular file: a FIFO or a device would wait for ever or never end.
    QByteArray bytes;
    if (path.isEmpty() || !platform::read_regular_file(path, &bytes)) {
        prompt_.inform(kReadError, kAppTitle);
        return false;
    }
    const TextEncoding encoding = TextFileRules::detect_encoding(bytes);
    view_.set_text(TextFileRules::decode_file(bytes, encoding));
    view_.set_encoding(encoding);
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
    if (path.isEmpty()) {
        prompt_.inform(kWriteError, kAppTitle);
        return false;
    }
    const QString text = view_.text();
    TextEncoding encoding = view_.encoding();
    QString lost;
    QByteArray bytes = TextFileRules::encode_file(text, encoding, &lost);
    if (!lost.isEmpty()) {
        // Asked before anything is written: keep them in UTF-8, let them go, or stop.
        switch (prompt_.ask(unencodable_question(lost), kTitle, Prompt::Buttons::YesNoCancel, Prompt::Icon::Warning)) {
        case Prompt::kYes:
            encoding = TextEncoding::Utf8;
            bytes = TextFileRules::encode_file(text, encoding);
            break;
        case Prompt::kNo:
            break;
        default:
            return false;
        }
    }
    if (!platform::write_file_atomically(path, bytes)) {
        prompt_.inform(kWriteError, kAppTitle);
        return false;
    }
    view_.set_encoding(encoding);
    view_.set_modified(false);
    return true;
}

QString FileCommands::unencodable_question(const QString& lost)
{
    constexpr int kShown = 10;
    QStringList shown;
    for (const char32_t c : lost.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (!shown.contains(one))
            shown << one;
    }
    const bool more = shown.size() > kShown;
    return QStringLiteral("次の文字は Shift_JIS (CP932) で保存できません。\r\n%1%2\r\n\r\n"
                          "はい: UTF-8 で保存します\r\n"
                          "いいえ: 「?」に置き換えて保存します\r\n"
                          "キャンセル: 保存しません")
        .arg(shown.mid(0, kShown).join(QLatin1Char(' ')), more ? QStringLiteral(" …") : QString());
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
        view_.set_encoding(TextEncoding::Cp932);
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

QString FileCommands::info_text(Version v, TextEncoding encoding)
{
    return QStringList{QStringLiteral("メモルー 2k"),
                       QStringLiteral("Releace Version :%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision),
                       QStringLiteral("zorvik/nabelune"), QStringLiteral("ゾルヴィク『ナベルネ』"),
                       QStringLiteral("at 2000"), QString(),
                       QStringLiteral("文字コード: ") + TextFileRules::encoding_name(encoding)}
        .join(QLatin1String("\r\n"));
}

void FileCommands::m_info()
{
    scratch_ = QString::number(prompt_.ask(info_text(version_, view_.encoding()), kTitle, Prompt::Buttons::Ok));
}

bool FileCommands::m_rireki()
{
    if (!load_text_file(app_dir_ + kHistoryFile))
        return false;
    // The history is not the user's file: 上書保存 must not write it over theirs.
    view_.set_path(QString());
    return true;
}
