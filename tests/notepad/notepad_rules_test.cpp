#include "color_settings.h"
#include "font_size_rule.h"
#include "new_text_decision.h"
#include "text_file_rules.h"
#include "text_samples.h"
#include "platform/ui/prompt.h"
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <gtest/gtest.h>

using platform::Prompt;

TEST(TextFileRules, LinesEndAtCrOrCrLfAndEachGetsCrLf)
{
    EXPECT_EQ(TextFileRules::decode_file("a\r\nb"), "a\r\nb\r\n");
    EXPECT_EQ(TextFileRules::decode_file("a\rb\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(TextFileRules::decode_file("a\nb\r\nc"), "a\nb\r\nc\r\n"); // a lone LF stays in its line
    EXPECT_EQ(TextFileRules::decode_file("a\r\r\n\r\n"), "a\r\n\r\n\r\n");
    EXPECT_EQ(TextFileRules::decode_file("\n"), "\n\r\n");
    EXPECT_EQ(TextFileRules::decode_file(""), "");
}

TEST(TextFileRules, ReadsAndWritesCp932)
{
    const QByteArray diary = QByteArray::fromHex("93fa8b4c") + "\r\n" + QByteArray::fromHex("8160"); // 日記, ～
    const QString text = TextFileRules::decode_file(diary);
    EXPECT_EQ(text, QString::fromUtf8("日記\r\n～\r\n"));
    // Saving writes the text and one more CR LF.
    EXPECT_EQ(TextFileRules::encode_file(text), diary + "\r\n\r\n");
    EXPECT_EQ(TextFileRules::encode_file(QString()), QByteArray("\r\n"));
}

TEST(TextFileRules, Utf8IsTakenOnlyWhenOnlyUtf8ExplainsTheBytes)
{
    using E = TextEncoding;
    EXPECT_EQ(TextFileRules::detect_encoding(QString::fromUtf8("日記 ～ 😀").toUtf8()), E::Utf8);
    EXPECT_EQ(TextFileRules::detect_encoding("\xef\xbb\xbf"), E::Utf8Bom);
    EXPECT_EQ(TextFileRules::detect_encoding("\xef\xbb\xbf" "ascii"), E::Utf8Bom);
    EXPECT_EQ(TextFileRules::detect_encoding("only ascii\r\n"), E::Cp932);
    EXPECT_EQ(TextFileRules::detect_encoding(""), E::Cp932);
    EXPECT_EQ(TextFileRules::detect_encoding(QByteArray::fromHex("93fa8b4c82cd90b282ea")), E::Cp932); // 日記は晴れ
    // Not UTF-8: overlong, a surrogate, beyond U+10FFFF, cut off, a stray continuation.
    for (const char* hex : {"c0af", "e08080", "eda080", "f4908080", "e381", "80", "f880808080"})
        EXPECT_EQ(TextFileRules::detect_encoding(QByteArray::fromHex(hex)), E::Cp932) << hex;
    // Valid UTF-8 that is just as well half-width katakana in CP932 stays CP932:
    // ﾂ｢, ﾃｽ, "OK ﾊｲ", ﾃｽﾄ, "ﾈ。ﾃｽ" (42 is the trail byte of 。, no "B"), "ﾈ。OK".
    for (const char* hex : {"c2a2", "c3bd", "4f4b20cab2", "c3bdc4", "c88142c3bd", "c881424f4b"})
        EXPECT_EQ(TextFileRules::detect_encoding(QByteArray::fromHex(hex)), E::Cp932) << hex;
    // Three and four bytes, or a second byte CP932 has no character for (à, À).
    for (const char* hex : {"e0a080", "ed9fbf", "f0908080", "f48fbfbf", "efbfbd", "c3a0", "636166c380"})
        EXPECT_EQ(TextFileRules::detect_encoding(QByteArray::fromHex(hex)), E::Utf8) << hex;
    // Pairs whose second byte CP932 would take for the lead byte of a double-byte code: "5×3"
    // (C3 is ﾃ, then 97 33, a lead byte with a trail byte it cannot have), "Ä" at the end.
    for (const char* hex : {"35c39733", "c384"})
        EXPECT_EQ(TextFileRules::detect_encoding(QByteArray::fromHex(hex)), E::Utf8) << hex;
}

// A file that one of the two encodings reads and writes back unchanged opens in such an
// encoding: saving the unchanged text gives back its bytes (with the line ends the notepad
// keeps and the one CR LF every save adds), over many generated files.
TEST(TextFileRules, OpeningAndSavingUnchangedGivesBackTheBytes)
{
    using E = TextEncoding;
    int only_utf8 = 0, only_cp932 = 0, both = 0, failures = 0;
    for (const QByteArray& file : sample_files(23, 40000)) {
        const Keepers keepers = encodings_keeping(file);
        only_utf8 += keepers.utf8 && !keepers.cp932;
        only_cp932 += keepers.cp932 && !keepers.utf8;
        both += keepers.utf8 && keepers.cp932;
        const E chosen = TextFileRules::detect_encoding(file);
        const bool kept = TextFileRules::encode_file(TextFileRules::decode_file(file, chosen), chosen) ==
                          saved_unchanged(file);
        if ((keepers.utf8 || keepers.cp932) && !kept && ++failures <= 20)
            ADD_FAILURE() << file.toHex(' ').toStdString() << " opens as "
                          << TextFileRules::encoding_name(chosen).toStdString();
    }
    EXPECT_EQ(failures, 0);
    // The samples hold plenty of each kind.
    EXPECT_GT(only_utf8, 4000);
    EXPECT_GT(only_cp932, 4000);
    EXPECT_GT(both, 1000);
}

bool valid_utf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

// A note in UTF-8 from a European keyboard opens as the words it holds, not as half-width
// katakana ("café" is 63 61 66 C3 A9, which CP932 reads as "cafﾃｩ"), and is saved as it came.
TEST(TextFileRules, EuropeanUtf8OpensAsUtf8)
{
    for (const char* word : {"café", "Müller", "naïve", "señor", "Größe", "Herr Müller trinkt café.", "25°C"}) {
        const QByteArray file = QByteArray(word) + "\r\n";
        EXPECT_EQ(TextFileRules::detect_encoding(file), TextEncoding::Utf8) << word;
        const QString text = TextFileRules::decode_file(file, TextFileRules::detect_encoding(file));
        EXPECT_EQ(text, QString::fromUtf8(word) + "\r\n");
        EXPECT_EQ(TextFileRules::encode_file(text, TextFileRules::detect_encoding(file)), file + "\r\n");
    }
    int misread = 0;
    for (const QByteArray& file : european_files(5, 20000))
        if (TextFileRules::detect_encoding(file) != TextEncoding::Utf8 && ++misread <= 10)
            ADD_FAILURE() << file.toStdString() << " opens as CP932";
    EXPECT_EQ(misread, 0);
}

// Diaries the classic program wrote stay CP932. A few of them are valid UTF-8 too
// (half-width katakana: "ﾃｽ" is C3 BD, "ﾈ。" is C8 81 42): those stay CP932 as well, but for
// a katakana word written against a Latin word or a figure ("Windowsﾂｵ" reads "Windowsµ"),
// which may be taken for UTF-8.
TEST(TextFileRules, Cp932DiariesStayCp932)
{
    const auto high = [](char c) { return uchar(c) >= 0x80; };
    const auto ascii_alnum = [](char c) { return std::isalnum(uchar(c)) != 0; };
    for (const bool full_width : {true, false}) {
        int ambiguous = 0, touching = 0, touching_as_utf8 = 0, failures = 0;
        for (const QByteArray& file : cp932_diaries(full_width ? 6 : 7, 20000, full_width)) {
            if (!valid_utf8(file) || std::none_of(file.begin(), file.end(), high))
                continue;
            ++ambiguous;
            bool touches = false;
            for (qsizetype i = 1; i < file.size(); ++i)
                touches = touches || (high(file[i]) && ascii_alnum(file[i - 1])) || (ascii_alnum(file[i]) && high(file[i - 1]));
            const bool utf8 = TextFileRules::detect_encoding(file) != TextEncoding::Cp932;
            touching += touches;
            touching_as_utf8 += touches && utf8;
            if (utf8 && !touches && ++failures <= 10)
                ADD_FAILURE() << file.toHex(' ').toStdString() << " opens as UTF-8";
        }
        EXPECT_EQ(failures, 0);
        EXPECT_GT(ambiguous, 100); // the samples hold such diaries
        EXPECT_LE(touching_as_utf8 * 20, touching) << touching_as_utf8 << " of " << touching;
        std::printf("%s: %d of 20000 valid UTF-8, %d of them with katakana against a Latin letter or figure, "
                    "%d of those open as UTF-8\n",
                    full_width ? "with kana and kanji" : "half-width katakana", ambiguous, touching, touching_as_utf8);
    }
}

TEST(TextFileRules, Utf8KeepsItsBytesAndLineRules)
{
    const QByteArray file = QByteArray("\xef\xbb\xbf") + QString::fromUtf8("一\r\n二\n三\rx").toUtf8();
    const QString text = TextFileRules::decode_file(file, TextEncoding::Utf8Bom);
    EXPECT_EQ(text, QString::fromUtf8("一\r\n二\n三\r\nx\r\n"));
    EXPECT_EQ(TextFileRules::encode_file(text, TextEncoding::Utf8Bom),
              QByteArray("\xef\xbb\xbf") + QString::fromUtf8("一\r\n二\n三\r\nx\r\n\r\n").toUtf8());
    QString lost = "stale";
    EXPECT_EQ(TextFileRules::encode_file(QString::fromUtf8("😀"), TextEncoding::Utf8, &lost),
              QByteArray("\xf0\x9f\x98\x80\r\n"));
    EXPECT_TRUE(lost.isEmpty());
    EXPECT_EQ(TextFileRules::encode_file(QString::fromUtf8("😀"), TextEncoding::Cp932, &lost), QByteArray("?\r\n"));
    EXPECT_EQ(lost, QString::fromUtf8("😀"));
}

TEST(TextFileRules, OpenLimitIs32000Bytes)
{
    EXPECT_TRUE(TextFileRules::fits_open_limit(0));
    EXPECT_TRUE(TextFileRules::fits_open_limit(32000));
    EXPECT_FALSE(TextFileRules::fits_open_limit(32001));
}

TEST(TextFileRules, ExistenceTestGivesTheFirstListedName)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    EXPECT_EQ(TextFileRules::existence_test(folder), ""); // empty folder
    QFile b(folder + "b.txt"), a(folder + "a.txt");
    ASSERT_TRUE(b.open(QIODevice::WriteOnly) && a.open(QIODevice::WriteOnly));
    b.close();
    a.close();
    QDir(folder).mkdir("sub");
    EXPECT_EQ(TextFileRules::existence_test(folder + "b.txt"), "b.txt");
    EXPECT_EQ(TextFileRules::existence_test(folder), "a.txt"); // a folder holding files passes
    EXPECT_EQ(TextFileRules::existence_test(dir.path()), "");  // without the separator it does not
    EXPECT_EQ(TextFileRules::existence_test(folder + "sub/"), "");
    EXPECT_EQ(TextFileRules::existence_test(folder + "missing.txt"), "");
    EXPECT_EQ(TextFileRules::existence_test(""), "");
}

TEST(ColorSettings, FileHoldsOneValueEveryTwoBytes)
{
    const QByteArray bytes = ColorSettings::bytes({255, 0, 128, 0, 0, 0});
    ASSERT_EQ(bytes.size(), 11);
    EXPECT_EQ(bytes, QByteArray::fromHex("ff0000008000000000000000").left(11));
    const QByteArray other = ColorSettings::bytes({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(other, QByteArray::fromHex("0100020003000400050006"));
    EXPECT_EQ(ColorSettings::parse(other), (ColorSettings::Values{1, 2, 3, 4, 5, 6}));
}

TEST(ColorSettings, ShortFilesReadZerosAndSecondBytesAreIgnored)
{
    EXPECT_EQ(ColorSettings::parse(QByteArray::fromHex("0aff0b")), (ColorSettings::Values{10, 11, 0, 0, 0, 0}));
    EXPECT_EQ(ColorSettings::parse(QByteArray::fromHex("01ff02ff03ff04ff05ff06ffffff")),
              (ColorSettings::Values{1, 2, 3, 4, 5, 6}));
    // An all-zero file is a choice; only an empty one means the first start.
    EXPECT_EQ(ColorSettings::from_file(QByteArray(11, '\0')), (ColorSettings::Values{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ColorSettings::from_file(QByteArray()), (ColorSettings::Values{0, 0, 0, 255, 255, 255}));
}

TEST(ColorSettings, ConversionRoundsHalvesToEvenAndRejectsBadValues)
{
    const std::pair<const char*, std::optional<uint8_t>> cases[] = {
        {"12.5", 12}, {"13.5", 14}, {"0", 0},    {"255", 255},        {" 7 ", 7},
        {"255.4", 255}, {"-0.4", 0}, {"1e2", 100}, {"255.5", std::nullopt}, {"256", std::nullopt},
        {"-1", std::nullopt}, {"abc", std::nullopt}, {"", std::nullopt}, {"12abc", std::nullopt},
        {"1e300", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ColorSettings::convert_value(QString::fromLatin1(text)), expected) << text;
}

TEST(ColorSettings, ShownColourNeverFails)
{
    EXPECT_EQ(ColorSettings::color_component("300"), 255);
    EXPECT_EQ(ColorSettings::color_component("-5"), 0);
    EXPECT_EQ(ColorSettings::color_component("abc"), 0);
    EXPECT_EQ(ColorSettings::color_component("128"), 128);
}

TEST(FontSizeRule, SizesOutside10To30FallBackTo10)
{
    EXPECT_EQ(FontSizeRule::apply("30").points, 30);
    EXPECT_EQ(FontSizeRule::apply("30").list_text, "30");
    EXPECT_EQ(FontSizeRule::apply("10").points, 10);
    for (const char* bad : {"31", "9", "abc", "", "-20", "100"}) {
        const auto r = FontSizeRule::apply(bad);
        EXPECT_EQ(r.list_text, "10") << bad;
        EXPECT_EQ(r.points, 10) << bad;
    }
    // The classic reading takes the leading number.
    EXPECT_EQ(FontSizeRule::apply("12pt").points, 12);
    EXPECT_EQ(FontSizeRule::apply(" 20.5").points, 20.5);
}

TEST(NewTextDecision, WhichQuestionComesFirst)
{
    using Q = NewTextDecision::Question;
    EXPECT_EQ(NewTextDecision::question(true, true, ""), Q::None);
    EXPECT_EQ(NewTextDecision::question(false, true, ""), Q::SaveAs);
    EXPECT_EQ(NewTextDecision::question(true, false, ""), Q::SaveAs);
    EXPECT_EQ(NewTextDecision::question(true, false, "a.txt"), Q::SaveOverwrite);
    EXPECT_EQ(NewTextDecision::question(false, false, "a.txt"), Q::SaveOverwrite);
    EXPECT_EQ(NewTextDecision::question_text(Q::SaveOverwrite), "現在作業中のファイルを上書しますか？");
    EXPECT_EQ(NewTextDecision::question_text(Q::SaveAs), "現在作業中のファイルを保存しますか？");
}

TEST(NewTextDecision, WhatEachAnswerDoes)
{
    using Q = NewTextDecision::Question;
    using A = NewTextDecision::Action;
    EXPECT_EQ(NewTextDecision::action(Q::SaveOverwrite, Prompt::kYes), A::OverwriteSaveThenClear);
    EXPECT_EQ(NewTextDecision::action(Q::SaveAs, Prompt::kYes), A::SaveAsThenClear);
    EXPECT_EQ(NewTextDecision::action(Q::SaveOverwrite, Prompt::kNo), A::Clear);
    EXPECT_EQ(NewTextDecision::action(Q::SaveAs, Prompt::kNo), A::Clear);
    EXPECT_EQ(NewTextDecision::action(Q::SaveOverwrite, Prompt::kCancel), A::Keep);
    EXPECT_EQ(NewTextDecision::action(Q::SaveAs, Prompt::kCancel), A::Keep);
    EXPECT_EQ(NewTextDecision::action(Q::None, Prompt::kYes), A::Keep);
    EXPECT_FALSE(NewTextDecision::clear_after_save(false));
    EXPECT_TRUE(NewTextDecision::clear_after_save(true));
}
