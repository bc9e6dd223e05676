#pragma once
#include "address_rules.h"
#include <QByteArray>
#include <QString>
#include <cstdint>

// Texts the browser builds from its state.
namespace browser_texts {

// "ぴころん起動より" N "秒": whole seconds since `start_ms` on the wrapping
// millisecond counter, halves to the even neighbour.
QString seconds_text(uint32_t start_ms, uint32_t now_ms);

// The history indices as the little text box shows them: "now_no" last " nowurl" pos.
QString counter_text(int history_last, int history_pos);

// What Save writes: the page's text in CP932 ("?" where CP932 has no character),
// then CR LF.
QByteArray saved_page_bytes(const QString& page_text);

// The status panel's word for a local file that cannot be shown; empty for None.
QString local_file_problem_text(address_rules::LocalFileProblem problem);

// The status panel while a download runs and when it ends.
QString download_progress_text(const QString& file_name, qint64 received, qint64 total);
enum class DownloadEnd { Done, Failed, Cancelled, Refused };
QString download_end_text(const QString& file_name, DownloadEnd end);

// The questions about a file a page sends.
QString unasked_download_question(const QString& site, const QString& file_name);
QString replace_question(const QString& path);
QString program_folder_refusal();
QString download_dialog_title(const QString& site);

// A page's box: the first line names the site ("127.0.0.1:8000 からのメッセージ").
QString page_dialog_headline(const QString& site);

// A load that failed (the status panel), and why a connection is not safe.
QString load_failed_text();
enum class CertificateProblem { SelfSigned, Expired, NameMismatch, Other };
QString certificate_problem_text(CertificateProblem problem);
// The page shown in place of a site whose certificate is refused.
QString certificate_error_page(const QString& site, CertificateProblem problem);

// Beside the address: whether the page came over an encrypted connection.
enum class Connection { Encrypted, Plain, Local, Refused };
Connection connection_of(const QString& scheme, bool refused);
QString connection_text(Connection connection);

// A page process that ended on its own, and one that hangs.
enum class PageEnd { Crashed, Killed, Ended };
QString page_end_text(PageEnd end);
QString hung_page_question(const QString& site);

// Shown for as long as the browser runs without the engine's sandbox.
QString no_sandbox_text();

} // namespace browser_texts
