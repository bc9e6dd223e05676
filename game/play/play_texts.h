#pragma once
#include <QString>

// Fixed texts of a game.
namespace play_texts {

inline const QString kProductName = QString::fromUtf8("ミポぽかん｡2000");
inline const QString kComeOn = QString::fromUtf8("かかってきなさい。");
inline const QString kDontRun = QString::fromUtf8("逃げちゃダメだ。");
inline const QString kGoHome = QString::fromUtf8("帰る?逃げていい?");
inline const QString kModeNames[2] = {QStringLiteral("normal mode"), QStringLiteral("mode of ZAN")};
inline const QString kPause = QString::fromUtf8("中断");
inline const QString kResume = QString::fromUtf8("再開");
inline const QString kBoardTip = QString::fromUtf8("右クリックでメニューが出ます｡");

// Statistic labels during a game, each as the game has always written it.
inline QString score_first(int score) { return QString::number(score) + QString::fromUtf8("得点"); }
inline QString score_after(int score) { return QString::fromUtf8("得点") + QString::number(score); }
inline QString time_first(int seconds) { return QString::number(seconds) + QString::fromUtf8("残時間"); }
inline QString time_after(int seconds) { return QString::fromUtf8("残時間") + QString::number(seconds); }
inline QString hits(int n) { return QString::number(n) + QString::fromUtf8("匹。"); }
inline QString appeared(int n) { return QString::number(n) + QString::fromUtf8("匹出現"); }
inline QString misses(int n) { return QString::number(n) + QString::fromUtf8("回ミス。"); }
inline QString rate(int percent) { return QString::number(percent) + QStringLiteral("%"); }

} // namespace play_texts
