#pragma once
#include <QString>

// Fixed texts of the game window.
namespace game_texts {

inline QString caption(const QString& version) { return QString::fromUtf8("ミポぽかん｡Ver: ") + version; }
inline QString release_version(const QString& version) { return QStringLiteral("Release Version : ") + version; }
inline const QString kProductName = QString::fromUtf8("ミポぽかん｡2000");
inline const QString kTitleText = QString::fromUtf8("ミポぽかん。2000");
inline const QString kPlateTip = QString::fromUtf8("右クリックして｡");
inline const QString kMakerLine = QStringLiteral("zorvik/nabelune");
inline const QString kCloseLabel = QString::fromUtf8("終了します。");
inline const QString kCloseQuestion = QString::fromUtf8("帰っちゃうの？うきゅ～う");
inline const QString kCloseTitle = QStringLiteral("mpkx");
inline const QString kTitlePicture = QString::fromUtf8("みぽぽかん2000.bmp");
inline const QString kUiFont = QString::fromUtf8("ＭＳ Ｐゴシック");

inline const QString kDataHeadings[6] = {
    QString::fromUtf8("得点"),   QString::fromUtf8("残り時間"), QString::fromUtf8("ヒット数"),
    QString::fromUtf8("出現数"), QString::fromUtf8("ミス数"),   QString::fromUtf8("ヒット率"),
};

} // namespace game_texts
