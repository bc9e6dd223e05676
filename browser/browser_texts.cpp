#include "browser_texts.h"
#include "platform/clock.h"
#include "platform/legacy/rounding.h"
#include "platform/text_codec.h"

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

} // namespace browser_texts
