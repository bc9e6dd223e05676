#pragma once
#include <QString>

// What the main window says to a screen reader: the board's cells, the gauge and
// the game's moments spoken without the focus. The window's own captions stay as
// they are; these only describe them.
namespace access_texts {

// The places of the nine cells, row by row from the top left.
inline const QString kPlaces[9] = {
    QString::fromUtf8("左上"), QString::fromUtf8("上"),   QString::fromUtf8("右上"),
    QString::fromUtf8("左"),   QString::fromUtf8("中央"), QString::fromUtf8("右"),
    QString::fromUtf8("左下"), QString::fromUtf8("下"),   QString::fromUtf8("右下"),
};

// What a hole holds.
inline const QString kFree = QString::fromUtf8("空き");
inline const QString kSeal = QString::fromUtf8("ミポ");
inline const QString kYeti = QString::fromUtf8("雪男");
inline const QString kStruckSeal = QString::fromUtf8("叩いたミポ");
inline const QString kStruckYeti = QString::fromUtf8("叩いた雪男");

// "左上の穴: ミポ"
inline QString hole(int cell, const QString& holds) { return kPlaces[cell] + QString::fromUtf8("の穴: ") + holds; }

inline const QString kGameBoard = QString::fromUtf8("ゲームの盤");
inline const QString kIconBoard = QString::fromUtf8("アイコンメニュー");
inline const QString kBoardHelp = QString::fromUtf8(
    "矢印キーで選び､スペースかEnterで押します｡数字キーとテンキーは盤と同じ並びで穴を叩き､ゲームの合間はアイコンを開きます｡");

inline const QString kGauge = QString::fromUtf8("残り時間");
inline QString seconds_left(int seconds) { return QString::fromUtf8("残り%1秒").arg(seconds); }

inline const QString kPlateHelp =
    QString::fromUtf8("押すとアイコンメニューが出ます｡Enterかスペースでも押せます｡右クリックして｡");
inline const QString kTitlePanel = QString::fromUtf8("タイトル");
inline const QString kTitlePanelHelp = QString::fromUtf8("押すかEscapeでタイトルを飛ばします｡");
inline const QString kWindowHelp = QString::fromUtf8(
    "ミポを叩くゲームとデスクトップのお供｡F1で開始､F10でメニュー､メニューキーかShift+F10で右クリックのメニュー､"
    "Tでミポがしゃべります｡");
inline const QString kSplashHelp = QString::fromUtf8("起動中の画面｡1秒でゲームの窓になります｡");

// Spoken moments of a game.
inline QString count_down(int digit) { return digit > 0 ? QString::number(digit) : QStringLiteral("GO"); }
inline QString hit(const QString& comment) { return QString::fromUtf8("当たり｡ ") + comment; }
inline QString miss(const QString& comment, int seconds)
{
    return QString::fromUtf8("ミス｡ ") + comment + QLatin1Char(' ') + seconds_left(seconds);
}
inline const QString kEnd = QString::fromUtf8("終わり｡");

} // namespace access_texts
