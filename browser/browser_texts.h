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

} // namespace browser_texts
