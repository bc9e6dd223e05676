#pragma once
#include <QString>
#include <QUrl>
#include <optional>

// Addresses of the browser: the text shown in the address box and kept in the
// history, and the URL it stands for. URLs are always built by QUrl, never by
// pasting strings, so "#", "%", "?", blanks and Japanese file names survive.
namespace address_rules {

// The URL a text stands for: an absolute path is a local file; anything else is
// read as the user would mean it: a file of `app_dir` when there is one by that
// name, else a web address ("example.com" is http://example.com). An empty or blank
// text, and every address the browser refuses, give nullopt.
std::optional<QUrl> url_of_text(const QString& text, const QString& app_dir);

// The text for the address box and the history: a local file as its path,
// anything else as its address, as it really is: a host that is not plain ASCII
// in its xn-- form (so "www.xn--pple-43d.com" never passes for a Latin name) and
// no user name or password.
QString text_of_url(const QUrl& url);

// The site a page comes from, as the user should read it: the host (xn-- form
// as above) and its port, "127.0.0.1:8000"; "ローカルファイル" for a local page.
QString site_of(const QUrl& url);

// Only ordinary pages may be opened from the address box, the list, the history
// and Open: http, https, file, about:blank and view-source of those. Script and
// internal addresses (javascript:, chrome:, data: ...) are refused, and so is a
// file address without a path ("//", "file://").
bool is_allowed(const QUrl& url);

// Why a local file address (or view-source of one) cannot be shown. Checked
// without opening anything, so a FIFO or a device never holds anyone up: only a
// readable regular file or folder is shown. Other addresses give None.
enum class LocalFileProblem { None, Missing, Unreadable };
LocalFileProblem local_file_problem(const QUrl& url);

// What a page may load beside itself. The programs' built-in resources (qrc:)
// never; a local file only when it is shown, not read (a picture, a style
// sheet, a font, a sound or film, a script of its own) and lies in the page's
// folder or below; the engine itself keeps web pages from local files. So the
// start page shows its pictures, and a page saved in the Downloads folder reads
// neither /etc/passwd nor the home folder.
enum class Load { Shown, Read };
bool may_load(const QUrl& page, const QUrl& resource, Load load);

} // namespace address_rules
