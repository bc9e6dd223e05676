#pragma once
#include <QString>

// Fixed texts of the companion's panels and talk.
namespace companion::texts {

inline const QString kHomePage = QStringLiteral("https://zorvik.example.com/");
inline const QString kSlogan = QStringLiteral("Feel Free");

// Both panels (the maker line is game_texts::kMakerLine).
inline const QString kPanelName = QStringLiteral("mipo pokan 2000");
inline const QString kBack = QString::fromUtf8("戻る");

// The system panel.
inline const QString kSystemTitle = QString::fromUtf8("メモリ情報");
inline const QString kUptimeCaption = QString::fromUtf8("起動時間 ");
inline const QString kByteSuffix = QStringLiteral(" byte");

// The recycle-bin panel.
inline const QString kTrashTitle = QString::fromUtf8("ゴミ箱情報");
inline const QString kDelete = QString::fromUtf8("削除");
inline const QString kRefresh = QString::fromUtf8("更新");
inline const QString kTrashSizeCaption = QString::fromUtf8("ごみ箱のサイズ : ");
inline const QString kTrashBytes = QString::fromUtf8(" バイト");
inline const QString kTrashCountCaption = QString::fromUtf8("ごみ箱のファイル数 : ");
inline const QString kTrashItems = QString::fromUtf8(" 個");
inline const QString kTrashMotto = QString::fromUtf8("掃除強化月間？");
inline const QString kFailed = QString::fromUtf8("失敗しました");
inline const QString kEmptied = QString::fromUtf8("空になりました。");
inline const QString kEmptyQuestion = QString::fromUtf8("ごみ箱を空にしますか？");
inline const QString kEmptyTitle = QString::fromUtf8("ごみ箱を空にする");

// The システム menu's questions.
inline const QString kSureQuestion = QString::fromUtf8("本当によろしいですか？");
inline const QString kShutdownTitle = QString::fromUtf8("シャットダウン");
inline const QString kRebootTitle = QString::fromUtf8("再起動");
inline const QString kClearRecentQuestion = QString::fromUtf8("最近使ったファイルをクリアしますか？");
inline const QString kClearRecentTitle = QString::fromUtf8("確認します。");
// Our own: a list that is a link or no regular file is the user's arrangement and stays.
inline QString recent_left_alone(const QString& path)
{
    return QString::fromUtf8("最近使ったファイルの一覧がリンクか普通のファイルではないので､そのままにします｡\n") + path;
}

} // namespace companion::texts
