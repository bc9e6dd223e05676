#pragma once
#include <QString>

// Fixed texts of the game's dialogs and extra windows.
namespace dialog_texts {

inline QString u8(const char* s) { return QString::fromUtf8(s); }

// The settings dialog
inline const QString kSettingsCaption = u8("ミポぽかん｡設定");
inline const QString kSettingsHelp = u8("ミポのアクション間隔\r\n雪男のアクション間隔\r\n数字は1から32767(約、33秒)までです｡\r\n"
                                        "initiarizeはmp.kxのスコアを初期化します｡");
inline const QString kMilliseconds = u8("ミリ秒");
inline const QString kRateLabel = u8("雪男出現率(0 to 100%)");
inline const QString kCancel = u8("ｷｬﾝｾﾙ");
inline const QString kScoreInitQuestion = u8("スコアの初期化をしますか？");
inline const QString kScoreInitTitle = QStringLiteral("mp.kx score initiarize");
inline const QString kInitialName = u8("ミポ");
// Our own: a file the dialog could not write.
inline QString not_saved(const QString& path, const QString& reason)
{
    return u8("保存できませんでした｡\n") + path + QStringLiteral(" (") + reason + QLatin1Char(')');
}

// The equipment dialog
inline const QString kSoubiCaption = u8("ミポぽかん｡装備");
inline const QString kSoubiPrompt = u8("装備を選んで下さい。アイコンをクリックして下さい。");
inline QString current_weapon(int buki_no) { return u8("現在は") + QString::number(buki_no) + u8("番です。"); }
inline const QString kChoiceDesign = u8("魚やアイスキャンディーがいいなぁ♪");
inline QString choice(int weapon)
{
    return QString::number(weapon) + u8("を装備しますか？\r\n装備する場合は｢装備｣のボタンをクリックして下さい。");
}
inline const QString kWeaponTips[3] = {u8("はりせん  強さ+  4(?)"), u8("あっくす　強さ+ 20(?)"),
                                       u8("あるてまうえぽん　強さ+255(?)")};
inline const QString kSoubiButton = u8("装備");
inline const QString kSoubiTip = u8("装備を決定します。");
inline const QString kSoubiOkTip = u8("装備を決定して､ゲームに戻る。");
inline const QString kSoubiCancelTip = u8("装備を変更せずに､ゲームに戻る。");
inline const QString kSoubiInitTip = u8("押しても意味はありませんよ～。");
inline const QString kShopTitle = u8("武器屋");
inline const QString kShopText = u8("意味ナシ");
// Our own: a weapon whose cursor would not load.
inline QString weapon_missing(const QString& path) { return u8("武器のカーソルが読めません｡\n") + path; }

// The skin chooser
inline const QString kChooseFolder = u8("スキンの入っているフォルダを選択して下さい｡");
inline const QString kSkinFound = u8("スキンが見つかりました｡");
inline const QString kSkinNotFound = u8("スキンが見当たりせん｡");
// Our own: a skin that lacks one of its ten pictures; nothing was replaced.
inline QString skin_incomplete(const QString& file) { return u8("スキンに絵が足りません｡: ") + file; }
inline const QString kSkinLoaded = u8("スキンを読み込みました｡");
inline const QString kFileShow = QStringLiteral("FileShow");
inline QString file_show(const QString& path) { return QStringLiteral("FileShow -> ") + path; }
inline const QString kTargetTip = u8("ターゲット♪");
inline const QString kDecoyTip = u8("はずれ｡(T_T)");
inline const QString kTarget = u8("ターゲット");
inline const QString kDecoy = u8("はずれ");
inline const QString kDecide = u8("決定");

// The help window
inline const QString kHelpCaption = QStringLiteral("mpkx -> help");
inline const QString kHelpDesignCaption = QStringLiteral("help");
inline const QString kHelpCredit = u8("　　(C)2000 zorvik/nabelune");
inline const QString kSealTip = u8("ターゲットのアザラシです｡");
inline const QString kYetiTip = u8("ミスを誘うハズレの雪男です｡");
// Our own: a help picture that would not load.
inline QString help_picture_missing(const QString& path) { return u8("ヘルプの絵が読めません｡\n") + path; }

// The about box and the maker window
inline const QString kProgramTitle = u8("ミポぽかん");
inline QString about_caption() { return kProgramTitle + u8("のﾊﾞｰｼﾞｮﾝ情報"); }
inline QString version_line(const QString& version) { return u8("ﾊﾞｰｼﾞｮﾝ ") + version; }
inline const QString kDescription = u8(
    "ｱﾌﾟﾘｹｰｼｮﾝの説明　アザラシを叩くゲーム。ミスクリック及び白い雪男を叩くと残り時間枚－1秒。"
    "これで今日もストレス解消！！やればやるほどフラストレーション急上昇でもうくたくた。");
inline const QString kDisclaimer =
    u8("警告: ...現実と非現実の区別がつかなくなって動物の虐待をしないようにして下さい。嗚呼、かわいいねぇ。");
inline const QString kSysInfo = u8("ｼｽﾃﾑ情報(&S)...");
inline const QString kZorvikCaption = QStringLiteral("about zorvik/nabelune");
inline const QString kZorvikTelop = u8("zorvik/nabelune  ゾルヴィク『ナベルネ』\r\nsince 1996 to 2000\r\n Project : MIPO ");
inline const QString kHomePage = QStringLiteral("https://zorvik.example.com/");
inline const QString kMail = QStringLiteral("nabelune@zorvik.example.com");
inline QString zorvik_at() { return u8("連絡先\r\n") + kHomePage + QStringLiteral("\r\nMail : ") + kMail; }
inline const QString kAttention = u8("警告 : 寝不足に注意しましょう。えっ？私のことですか、それって。");

// The update history and the screen saver
inline const QString kHistoryCaption = u8("virave(誰？)の軌跡(日記帳)♪");
inline const QString kSaverLabel = QStringLiteral("zorvik/nabelune\r\nmipo pokan.2000");

// Our own: what a screen reader says for controls and windows whose captions do not tell.
inline const QString kMipoIntervalName = u8("ミポのアクション間隔(ミリ秒)");
inline const QString kMissIntervalName = u8("雪男のアクション間隔(ミリ秒)");
inline const QString kWeaponNames[3] = {u8("0 はりせん"), u8("1 あっくす"), u8("2 あるてまうえぽん")};
inline const QString kDriveListName = u8("ドライブ");
inline const QString kFolderListName = u8("スキンのフォルダ");
inline const QString kHelpDescription = u8("ミポぽかん｡のヘルプ｡左右の矢印キーかPage Up/Page Downでページをめくります｡Escで閉じます｡");
inline const QString kHelpBackName = u8("前のページ");
inline const QString kHelpNextName = u8("次のページ");
inline const QString kAboutIconName = u8("ミポのアイコン");
inline const QString kAboutIconDescription = u8("押すとアイコンが歩きます｡");
inline const QString kZorvikIconName = u8("ゾルヴィクのアイコン");
inline const QString kHistoryName = u8("更新履歴");
inline const QString kHistoryDescription = u8("ミポぽかん｡の更新履歴｡Escで閉じます｡");
inline const QString kSaverDescription = u8("スクリーンセーバー｡クリックかEscで隠れます｡");
inline const QString kSkinChooserDescription = u8("絵柄の変更｡スキンのフォルダを選んで決定を押します｡Escで閉じます｡");

} // namespace dialog_texts
