#include "file_commands.h"
#include "platform/ui/scripted_file_dialogs.h"
#include "platform/ui/scripted_prompt.h"
#include "platform/text/text_codec.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::Prompt;

namespace {

struct FakeView final : EditorView {
    QString text_, path_;
    bool modified_ = false;
    TextEncoding encoding_ = TextEncoding::Cp932;
    QString text() const override { return text_; }
    void set_text(const QString& t) override { text_ = t; }
    QString path() const override { return path_; }
    void set_path(const QString& p) override { path_ = p; }
    bool is_modified() const override { return modified_; }
    void set_modified(bool m) override { modified_ = m; }
    TextEncoding encoding() const override { return encoding_; }
    void set_encoding(TextEncoding e) override { encoding_ = e; }
};

QByteArray bytes_of(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class FileCommandsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakeView view;
    platform::ScriptedPrompt prompt;
    platform::ScriptedFileDialogs dialogs;
    int beeps = 0;
    FileCommands cmd{view, prompt, dialogs, dir.path() + "/", [this] { ++beeps; }, {1, 0, 4}};

    QString file(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
};

} // namespace

TEST_F(FileCommandsTest, OpensUpTo32000BytesAndKeepsTheTextForLargerFiles)
{
    put(file("ok.txt"), QByteArray(31998, 'x') + "\r\n");
    put(file("big.txt"), QByteArray(32001, 'y'));
    dialogs.answer(file("ok.txt"));
    EXPECT_TRUE(cmd.open_with_dialog());
    EXPECT_EQ(view.text_, QString(31998, 'x') + "\r\n");
    EXPECT_EQ(view.path_, file("ok.txt"));
    EXPECT_EQ(dialogs.shown.at(0).filter,
              "テキスト(*.txt)|*.txt|ドキュメント(*.doc)|*.doc|全てのファイル(*.*)|*.*");
    EXPECT_EQ(dialogs.shown.at(0).filter_index, 1);

    view.text_ = "unsaved diary";
    dialogs.answer(file("big.txt"));
    EXPECT_FALSE(cmd.open_with_dialog());
    EXPECT_EQ(view.text_, "unsaved diary");
    EXPECT_EQ(view.path_, file("ok.txt"));
    EXPECT_EQ(beeps, 1);
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].text, "ファイルが大きすぎます。32KBまで対応。");

    dialogs.answer(std::nullopt); // Cancel
    EXPECT_FALSE(cmd.open_with_dialog());
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(view.text_, "unsaved diary");
}

TEST_F(FileCommandsTest, ReadErrorIsToldAndKeepsText)
{
    view.text_ = "keep";
    EXPECT_FALSE(cmd.load_text_file(file("missing.txt")));
    EXPECT_EQ(view.text_, "keep");
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].text, "ファイルの読み出しエラーです｡");
    EXPECT_EQ(prompt.asked[0].title, "memolu");
    EXPECT_FALSE(cmd.load_text_file(dir.path()));
    EXPECT_EQ(prompt.asked.size(), 2);
}

TEST_F(FileCommandsTest, OverwriteSaveAsksForExistingFilesOnly)
{
    put(file("d.txt"), "old");
    view.path_ = file("d.txt");
    view.text_ = QString::fromUtf8("日記\r\nきょうは晴れ");
    prompt.answer(Prompt::kNo);
    EXPECT_FALSE(cmd.overwrite_save());
    EXPECT_EQ(bytes_of(file("d.txt")), "old");
    EXPECT_EQ(prompt.asked.at(0).text, "ファイルを上書きしますか？");
    EXPECT_EQ(prompt.asked.at(0).title, "memolu");
    EXPECT_EQ(cmd.scratch(), "7");

    prompt.answer(Prompt::kYes);
    view.modified_ = true;
    EXPECT_TRUE(cmd.overwrite_save());
    EXPECT_EQ(bytes_of(file("d.txt")),
              QByteArray::fromHex("93fa8b4c") + "\r\n" + QByteArray::fromHex("82ab82e582a482cd90b082ea") + "\r\n");
    EXPECT_FALSE(view.modified_);

    view.path_ = file("new.txt");
    EXPECT_TRUE(cmd.overwrite_save());
    EXPECT_EQ(prompt.asked.size(), 2); // no question for a new file
    EXPECT_TRUE(QFile::exists(file("new.txt")));

    view.path_ = file("no/such/folder/x.txt");
    EXPECT_FALSE(cmd.overwrite_save());
    EXPECT_EQ(prompt.asked.last().text, "ファイルの書き込みエラーです｡");
}

TEST_F(FileCommandsTest, SaveAsTellsNaiForNewFilesAndAsksForExistingOnes)
{
    view.text_ = "a\r\nb\r\n";
    dialogs.answer(file("fresh.txt"));
    EXPECT_TRUE(cmd.save_as());
    EXPECT_EQ(prompt.asked.at(0).text, "ない");
    EXPECT_EQ(prompt.asked.at(0).title, "memolu");
    EXPECT_EQ(bytes_of(file("fresh.txt")), "a\r\nb\r\n\r\n");
    EXPECT_EQ(view.path_, file("fresh.txt"));
    EXPECT_TRUE(dialogs.shown.at(0).save);
    EXPECT_EQ(dialogs.shown.at(0).initial_path, "");

    view.text_ = "changed";
    view.path_ = "elsewhere";
    dialogs.answer(file("fresh.txt"));
    prompt.answer(Prompt::kCancel);
    EXPECT_FALSE(cmd.save_as());
    EXPECT_EQ(prompt.asked.at(1).text, "上書しちゃいますか？");
    EXPECT_EQ(prompt.asked.at(1).title, "メモルー");
    EXPECT_EQ(bytes_of(file("fresh.txt")), "a\r\nb\r\n\r\n");
    EXPECT_EQ(view.path_, "elsewhere");

    dialogs.answer(file("fresh.txt"));
    prompt.answer(Prompt::kOk);
    EXPECT_TRUE(cmd.save_as());
    EXPECT_EQ(bytes_of(file("fresh.txt")), "changed\r\n");

    dialogs.answer(std::nullopt);
    EXPECT_FALSE(cmd.save_as());
    EXPECT_EQ(prompt.asked.size(), 3); // a cancelled dialog says nothing
}

TEST_F(FileCommandsTest, NewTextFollowsItsQuestions)
{
    view.path_.clear();
    EXPECT_FALSE(cmd.m_new());
    EXPECT_TRUE(prompt.asked.isEmpty()); // nothing to lose, nothing asked

    put(file("d.txt"), "on disk");
    view.path_ = file("d.txt");
    view.text_ = "edited";
    prompt.answer(Prompt::kCancel);
    EXPECT_FALSE(cmd.m_new());
    EXPECT_EQ(prompt.asked.last().text, "現在作業中のファイルを上書しますか？");
    EXPECT_EQ(prompt.asked.last().title, "メモルー");
    EXPECT_EQ(view.text_, "edited");

    prompt.answer(Prompt::kNo);
    EXPECT_TRUE(cmd.m_new());
    EXPECT_EQ(view.text_, "");
    EXPECT_EQ(view.path_, "");
    EXPECT_EQ(bytes_of(file("d.txt")), "on disk");

    view.path_ = file("d.txt");
    view.text_ = "edited";
    prompt.answer(Prompt::kYes); // save it
    prompt.answer(Prompt::kYes); // and yes, overwrite
    EXPECT_TRUE(cmd.m_new());
    EXPECT_EQ(bytes_of(file("d.txt")), "edited\r\n");
    EXPECT_EQ(view.text_, "");
}

TEST_F(FileCommandsTest, NewTextKeepsTheTextWhenTheSaveDidNotHappen)
{
    view.path_ = file("not-yet.txt");
    view.text_ = "precious";
    prompt.answer(Prompt::kYes);
    dialogs.answer(std::nullopt); // then Cancel in the Save dialog
    EXPECT_FALSE(cmd.m_new());
    EXPECT_EQ(prompt.asked.last().text, "現在作業中のファイルを保存しますか？");
    EXPECT_EQ(view.text_, "precious");
    EXPECT_EQ(view.path_, file("not-yet.txt"));

    prompt.answer(Prompt::kYes);
    dialogs.answer(file("saved.txt"));
    EXPECT_TRUE(cmd.m_new());
    EXPECT_EQ(bytes_of(file("saved.txt")), "precious\r\n");
    EXPECT_EQ(view.text_, "");
}

TEST_F(FileCommandsTest, ClosingAsksOnlyAboutUnsavedText)
{
    view.text_ = "saved already";
    EXPECT_TRUE(cmd.query_close());
    EXPECT_TRUE(prompt.asked.isEmpty());

    view.modified_ = true;
    view.path_.clear();
    prompt.answer(Prompt::kCancel);
    EXPECT_FALSE(cmd.query_close());
    EXPECT_EQ(prompt.asked.last().text, "現在作業中のファイルを保存しますか？");
    prompt.answer(Prompt::kYes);
    dialogs.answer(std::nullopt);
    EXPECT_FALSE(cmd.query_close());
    prompt.answer(Prompt::kNo);
    EXPECT_TRUE(cmd.query_close());
    EXPECT_EQ(view.text_, "saved already"); // closing clears nothing
}

TEST_F(FileCommandsTest, HistoryLoadsWithoutNamingTheUsersFile)
{
    put(file("更新履歴mlz.txt"), QByteArray::fromHex("8d589056979a97f0") + "\r\n");
    put(file("mine.txt"), "my diary");
    view.path_ = file("mine.txt");
    EXPECT_TRUE(cmd.m_rireki());
    EXPECT_EQ(view.text_, QString::fromUtf8("更新履歴\r\n"));
    EXPECT_EQ(view.path_, "");
    EXPECT_FALSE(cmd.overwrite_save()); // nowhere to write: told, not written over "mine.txt"
    EXPECT_EQ(bytes_of(file("mine.txt")), "my diary");
}

TEST_F(FileCommandsTest, InformationBoxHasFiveLinesAndTheEncoding)
{
    cmd.m_info();
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].title, "メモルー");
    EXPECT_EQ(prompt.asked[0].text, "メモルー 2k\r\nReleace Version :1.0.4\r\nzorvik/nabelune\r\nゾルヴィク『ナベルネ』\r\n"
                                    "at 2000\r\n\r\n文字コード: Shift_JIS (CP932)");
    EXPECT_EQ(cmd.scratch(), "1");
    view.encoding_ = TextEncoding::Utf8Bom;
    cmd.m_info();
    EXPECT_TRUE(prompt.asked[1].text.endsWith("文字コード: UTF-8 (BOM付き)"));
}

TEST_F(FileCommandsTest, Utf8FilesComeBackInUtf8AndEveryOtherInCp932)
{
    const QByteArray utf8 = QString::fromUtf8("きょうは\r\n晴れ\nのち雨").toUtf8();
    const QByteArray bom = QByteArray("\xef\xbb\xbf") + "plain\r\n";
    const QByteArray cp932 = QByteArray::fromHex("93fa8b4c") + "\r\n";
    put(file("u.txt"), utf8);
    put(file("b.txt"), bom);
    put(file("c.txt"), cp932);

    view.path_ = file("u.txt");
    ASSERT_TRUE(cmd.load_text_file(view.path_));
    EXPECT_EQ(view.text_, QString::fromUtf8("きょうは\r\n晴れ\nのち雨\r\n"));
    EXPECT_EQ(view.encoding_, TextEncoding::Utf8);
    prompt.answer(Prompt::kYes);
    ASSERT_TRUE(cmd.overwrite_save());
    EXPECT_EQ(bytes_of(file("u.txt")), utf8 + "\r\n\r\n");

    ASSERT_TRUE(cmd.load_text_file(file("b.txt")));
    EXPECT_EQ(view.text_, "plain\r\n"); // the mark is not text
    EXPECT_EQ(view.encoding_, TextEncoding::Utf8Bom);
    dialogs.answer(file("b2.txt"));
    ASSERT_TRUE(cmd.save_as());
    EXPECT_EQ(bytes_of(file("b2.txt")), bom + "\r\n");

    ASSERT_TRUE(cmd.load_text_file(file("c.txt")));
    EXPECT_EQ(view.text_, QString::fromUtf8("日記\r\n"));
    EXPECT_EQ(view.encoding_, TextEncoding::Cp932);

    // CP932 whose bytes happen to be valid UTF-8 (ﾃｽ, "OK ﾊｲ") keeps its bytes, and
    // what is typed into it is saved in CP932 too.
    for (const QByteArray& katakana : {QByteArray::fromHex("c3bd0d0a"), QByteArray::fromHex("4f4b20cab2")}) {
        const QByteArray lines = katakana.endsWith("\r\n") ? katakana : katakana + "\r\n";
        put(file("k.txt"), katakana);
        view.path_ = file("k.txt");
        ASSERT_TRUE(cmd.load_text_file(view.path_));
        EXPECT_EQ(view.encoding_, TextEncoding::Cp932);
        EXPECT_EQ(view.text_, platform::decode_cp932(lines));
        prompt.answer(Prompt::kYes);
        ASSERT_TRUE(cmd.overwrite_save());
        EXPECT_EQ(bytes_of(view.path_), lines + "\r\n"); // the one CR LF every save adds
        view.text_ += QString::fromUtf8("日記");
        prompt.answer(Prompt::kYes);
        ASSERT_TRUE(cmd.overwrite_save());
        EXPECT_EQ(bytes_of(view.path_), lines + QByteArray::fromHex("93fa8b4c") + "\r\n");
    }

    // The size limit is the file's bytes: 10700 characters of 3 bytes each do not open.
    put(file("long.txt"), QString(10700, QChar(0x3042)).toUtf8());
    dialogs.answer(file("long.txt"));
    EXPECT_FALSE(cmd.open_with_dialog());
    EXPECT_EQ(prompt.asked.last().text, "ファイルが大きすぎます。32KBまで対応。");
}

TEST_F(FileCommandsTest, CharactersWithoutACp932CodeAreAskedAboutBeforeWriting)
{
    view.text_ = QString::fromUtf8("海😀と〜♨😀\r\n");
    view.path_ = file("e.txt");

    EXPECT_FALSE(cmd.overwrite_save()); // unscripted: Cancel
    EXPECT_FALSE(QFile::exists(file("e.txt")));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].buttons, Prompt::Buttons::YesNoCancel);
    EXPECT_TRUE(prompt.asked[0].text.contains(QString::fromUtf8("\r\n😀 ♨\r\n"))) << prompt.asked[0].text.toStdString();

    prompt.answer(Prompt::kNo); // as "?"
    view.modified_ = true;
    EXPECT_TRUE(cmd.overwrite_save());
    EXPECT_EQ(bytes_of(file("e.txt")), QByteArray::fromHex("8a43") + "?" + QByteArray::fromHex("82c68160") + "??\r\n\r\n");
    EXPECT_EQ(view.encoding_, TextEncoding::Cp932);
    EXPECT_FALSE(view.modified_);

    prompt.answer(Prompt::kYes); // overwrite
    prompt.answer(Prompt::kYes); // in UTF-8
    EXPECT_TRUE(cmd.overwrite_save());
    EXPECT_EQ(bytes_of(file("e.txt")), QString::fromUtf8("海😀と〜♨😀\r\n\r\n").toUtf8());
    EXPECT_EQ(view.encoding_, TextEncoding::Utf8);
    const int asked = prompt.asked.size();
    prompt.answer(Prompt::kYes);
    EXPECT_TRUE(cmd.overwrite_save()); // UTF-8 from now on: nothing more to ask
    EXPECT_EQ(prompt.asked.size(), asked + 1);

    // New text starts in CP932 again.
    prompt.answer(Prompt::kNo);
    EXPECT_TRUE(cmd.m_new());
    EXPECT_EQ(view.encoding_, TextEncoding::Cp932);
}

TEST_F(FileCommandsTest, UnencodableQuestionNamesEachCharacterOnce)
{
    const QString q = FileCommands::unencodable_question(QString::fromUtf8("😀♨😀"));
    EXPECT_TRUE(q.contains(QString::fromUtf8("\r\n😀 ♨\r\n"))) << q.toStdString();
    QString many;
    for (char32_t c = 0x1F600; c < 0x1F60C; ++c)
        many += QString::fromUcs4(&c, 1);
    EXPECT_TRUE(FileCommands::unencodable_question(many).contains(QString::fromUtf8(" …\r\n")));
}
