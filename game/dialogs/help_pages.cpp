#include "help_pages.h"
#include "platform/text/legacy/rounding.h"
#include <QStringList>

namespace {

const char* const kPages[HelpPages::kLastPage + 1][6] = {
    {"ミポぽかん｡2000ヘルプ", "右の三角形で次のページ,前のページへ移動します｡"},
    {"★タイトル画面で", "タイトル画面｢ミポぽかん｡2000｣の表示が出たら,一度,クリックして下さい｡"},
    {"★ゲームの目的", "普通の｢もぐらたたき｣です｡",
     "20秒間,アザラシ(ミポ)を叩きます｡白い変な雪男か何もない穴を叩くと一秒,持ち時間が減ります｡",
     "左下がターゲットのアザラシ,右下がハズレの雪男です｡"},
    {"★ゲームの始め方", "メニューバーの｢ファイル｣を左クリックし,一番上の「開始」,又は,｢F1｣を押すとゲームを開始します｡"},
    {"★右クリック メニューについて",
     "ゲーム起動,タイトル画面後の穴が9つ表示されている時に右クリックをするとメニューが表示されます｡",
     "●start : ゲームを開始します｡", "●reset : タイトル画面に戻ります｡", "●exit : ゲームを終わります｡"},
    {"★設定", "｢ファイル｣の「設定」を選ぶと,ミポと雪男の絵が切り替わるスピード(インターバル),雪男の出現率,スコアの初期化が出来ます｡"},
    {"★装備", "｢ファイル｣の「装備」を選ぶと,ゲーム中のアイコンを変更することが可能です｡", "はりせん,オノ,剣の3つから選べます｡"},
    {"★スコア", "｢ファイル｣の「スコア」をクリックすると,スコアが表示されます｡上位10位以上になると名前が6文字以内で登録できます｡"},
    {"★キーボード", "テンキーで操作可能です。", "●●● 789", "●●● 456", "●●● 123", "にキーが穴に相当します。"},
};

// Twips per pixel of the screen the window was laid out on.
constexpr double kTwipsPerPixel = 15.0;

} // namespace

QString HelpPages::text(int page)
{
    if (page < 0 || page > kLastPage)
        return QString();
    QStringList lines;
    for (const char* line : kPages[page])
        if (line)
            lines << QString::fromUtf8(line);
    return lines.join(QStringLiteral("\r\n"));
}

QString HelpPages::counter() const
{
    return QString::number(page_index_) + QStringLiteral(" / ") + QString::number(kLastPage);
}

double HelpPages::band_x(int i)
{
    // 4000 + 10 i units of a scale 400 x twips-per-pixel units wide.
    return (4000.0 + 10.0 * i) / kTwipsPerPixel;
}

QRgb HelpPages::band_colour(int i)
{
    const auto red = legacy::round_half_even(255.0 - i * 255.0 / 300.0);
    const auto green = legacy::round_half_even(255.0 - i * 255.0 / 250.0);
    return qRgb(int(red), int(green), 255);
}
