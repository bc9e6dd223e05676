#include "mascot_talk.h"
#include "companion_texts.h"

namespace companion {

QString MascotTalk::first_script_line(int index, const QString& version)
{
    static const char* const lines[kFirstScriptLines] = {
        "ゾルヴィク『ナベルネ』", "zorvik/nabelune", "1996 to 2000", nullptr, nullptr, "Releace Version", nullptr,
        "イケてる？", "ださださだよね～。", "でもコレ本気です。", "Do you love me?", "右クリックで",
        "メニューが出ます｡", "当ソフトの理想の", "殆どが実現してない", "やるしかないな｡",
    };
    switch (index) {
    case 3: return texts::kHomePage;
    case 4: return texts::kSlogan;
    case 6: return version;
    default:
        return index >= 0 && index < kFirstScriptLines ? QString::fromUtf8(lines[index]) : QString();
    }
}

QString MascotTalk::second_script_line(int index)
{
    static const char* const lines[kSecondScriptLines] = {
        "逃げても良いのよ。", "自己欺瞞だよ。", "まだ不毛にも", "続けるのですか？", "ミポはかわいい,",
        "ですか？", "もうやめちゃおうか？", "もういいの？。", "もういいんだ。", "もういいのね。",
        "もう疲れた。", "こんなこと", "続けたって", "何も得られやしない。", "本当にそれで",
        "いいんですか？", "意味の無いこと", "なんてないよ。", "きっと", "だから、信じて",
        "想うことを", "続けてごらん。", "疲れてるなら", "もう寝なさい。", "おやすみ。",
    };
    return index >= 0 && index < kSecondScriptLines ? QString::fromUtf8(lines[index]) : QString();
}

std::optional<QString> MascotTalk::click(int game_mode)
{
    std::optional<QString> said;
    if (game_mode == 0) {
        if (talk_count_ >= 0 && talk_count_ < kFirstScriptLines)
            said = first_script_line(talk_count_, version_);
        if (++talk_count_ >= kFirstScriptLines)
            talk_count_ = 0;
    } else if (game_mode == 1) {
        if (talk_count_ >= 0 && talk_count_ < kSecondScriptLines)
            said = second_script_line(talk_count_);
        if (talk_count_ == kSecondScriptWrap)
            talk_count_ = 0;
        ++talk_count_;
    }
    return said;
}

} // namespace companion
