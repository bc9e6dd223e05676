#pragma once
#include <QString>
#include <deque>
#include <optional>

namespace platform {

// Takes the next scripted text answer (nullopt: Cancel) off the front of `answers`.
inline std::optional<QString> take_front(std::deque<std::optional<QString>>& answers)
{
    std::optional<QString> answer;
    if (answers.front().has_value())
        answer.emplace(std::move(*answers.front())); // moved, not copied: GCC 12 warns on copies of an optional QString
    answers.pop_front();
    return answer;
}

} // namespace platform
