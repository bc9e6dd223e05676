#include "browser_texts.h"
#include "platform/clock.h"
#include "platform/text/legacy/rounding.h"
#include "platform/text/text_codec.h"

namespace browser_texts {

QString seconds_text(uint32_t start_ms, uint32_t now_ms)
{
    const uint32_t ms = platform::Clock::elapsed(start_ms, now_ms);
    return QStringLiteral("ぴころん起動より%1秒").arg(legacy::round_half_even(ms / 1000.0));
}

QString counter_text(int history_last, int history_pos)
{
    return QStringLiteral("now_no%1 nowurl%2").arg(history_last).arg(history_pos);
}

QByteArray saved_page_bytes(const QString& page_text)
{
    return platform::encode_cp932(page_text) + QByteArrayLiteral("\r\n");
}

QString local_file_problem_text(address_rules::LocalFileProblem problem)
{
    switch (problem) {
    case address_rules::LocalFileProblem::Missing:
        return QStringLiteral("ファイルが見つかりません。");
    case address_rules::LocalFileProblem::Unreadable:
        return QStringLiteral("ファイルを読み込めません。");
    case address_rules::LocalFileProblem::None:
        break;
    }
    return QString();
}

QString download_progress_text(const QString& file_name, qint64 received, qint64 total)
{
    const qint64 kb = (received + 1023) / 1024;
    if (total <= 0)
        return QStringLiteral("「%1」を保存中… %2 KB").arg(file_name).arg(kb);
    return QStringLiteral("「%1」を保存中… %2 / %3 KB (%4%)")
        .arg(file_name)
        .arg(kb)
        .arg((total + 1023) / 1024)
        .arg(received * 100 / total);
}

QString download_end_text(const QString& file_name, DownloadEnd end)
{
    switch (end) {
    case DownloadEnd::Done:
        return QStringLiteral("「%1」を保存しました。").arg(file_name);
    case DownloadEnd::Failed:
        return QStringLiteral("「%1」を保存できませんでした。").arg(file_name);
    case DownloadEnd::Cancelled:
        return QStringLiteral("「%1」の保存を取りやめました。").arg(file_name);
    case DownloadEnd::Refused:
        break;
    }
    return QStringLiteral("ページが送ってきた「%1」は受け取りませんでした。").arg(file_name);
}

QString unasked_download_question(const QString& site, const QString& file_name)
{
    return QStringLiteral("%1 が、クリックしていないのにファイル「%2」を送ってきました。\n保存しますか？")
        .arg(site, file_name);
}

QString replace_question(const QString& path)
{
    return QStringLiteral("「%1」は既にあります。\n置き換えますか？").arg(path);
}

QString program_folder_refusal()
{
    return QStringLiteral("ぴころんのフォルダには保存できません。\n"
                          "ここにはゲームと仲間のプログラムが入っています。別のフォルダを選んでください。");
}

QString download_dialog_title(const QString& site)
{
    return QStringLiteral("%1 からのファイルを保存").arg(site);
}

QString page_dialog_headline(const QString& site)
{
    return QStringLiteral("%1 からのメッセージ").arg(site);
}

QString load_failed_text()
{
    return QStringLiteral("ページを読み込めませんでした。");
}

QString certificate_problem_text(CertificateProblem problem)
{
    switch (problem) {
    case CertificateProblem::SelfSigned:
        return QStringLiteral("このサイトの証明書は、信頼できる発行元が保証したものではありません（自己署名など）。");
    case CertificateProblem::Expired:
        return QStringLiteral("このサイトの証明書は有効期限が切れているか、まだ有効になっていません。");
    case CertificateProblem::NameMismatch:
        return QStringLiteral("このサイトの証明書は、別の名前のサイトのものです。");
    case CertificateProblem::Other:
        break;
    }
    return QStringLiteral("このサイトの証明書に問題があります。");
}

QString certificate_error_page(const QString& site, CertificateProblem problem)
{
    return QStringLiteral("<!DOCTYPE html><html lang=\"ja\"><head><meta charset=\"utf-8\">"
                          "<title>安全な接続ではありません</title>"
                          "<style>body{background:#fff8f0;color:#5a2840;margin:12px;font-family:sans-serif}"
                          "h1{font-size:18px;color:#c03030;margin:0 0 8px 0}p{margin:4px 0}</style></head><body>"
                          "<h1>安全な接続ではありません</h1>"
                          "<p>%1 への接続は安全ではないため、ページを読み込みませんでした。</p>"
                          "<p>%2</p>"
                          "<p>このサイトに入力したことは、第三者に見られたり書き換えられたりするおそれがあります。</p>"
                          "</body></html>")
        .arg(site.toHtmlEscaped(), certificate_problem_text(problem).toHtmlEscaped());
}

Connection connection_of(const QString& scheme, bool refused)
{
    if (refused)
        return Connection::Refused;
    const QString s = scheme.toLower();
    if (s == QLatin1String("https") || s == QLatin1String("wss"))
        return Connection::Encrypted;
    if (s == QLatin1String("http") || s == QLatin1String("ws"))
        return Connection::Plain;
    return Connection::Local;
}

QString connection_text(Connection connection)
{
    switch (connection) {
    case Connection::Encrypted:
        return QStringLiteral("https 暗号化");
    case Connection::Plain:
        return QStringLiteral("http 暗号化なし");
    case Connection::Refused:
        return QStringLiteral("安全ではありません");
    case Connection::Local:
        break;
    }
    return QStringLiteral("ローカル");
}

QString page_end_text(PageEnd end)
{
    switch (end) {
    case PageEnd::Crashed:
        return QStringLiteral("ページのプロセスが異常終了しました。");
    case PageEnd::Killed:
        return QStringLiteral("ページのプロセスが強制終了されました（メモリ不足など）。");
    case PageEnd::Ended:
        break;
    }
    return QStringLiteral("応答しないページを終了しました。");
}

QString hung_page_question(const QString& site)
{
    return QStringLiteral("%1 のページが応答していません。\nページを終了しますか？").arg(site);
}

QString no_sandbox_text()
{
    return QStringLiteral("注意: サンドボックスなしで動作中");
}

} // namespace browser_texts
