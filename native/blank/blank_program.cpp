#include "blank_program.h"
#include <QWindow>

BlankProgram::BlankProgram(platform::Prompt& prompt, platform::SingleInstance& instance)
    : prompt_(prompt), instance_(instance)
{
}

std::optional<int> BlankProgram::start(const QRect& screen_rect, QPoint cursor)
{
    if (!instance_.acquire()) {
        prompt_.inform(QStringLiteral("2重起動禁止"), QStringLiteral("error"));
        return kRefused;
    }
    if (screen_rect.isEmpty())
        return kNoWindow;

    window_ = std::make_unique<BlankScreen>(screen_rect, cursor);
    window_->showFullScreen();
    if (!window_->windowHandle())
        return kNoWindow;
    // Keys come through focus, never a keyboard grab: a grab would also take the keys
    // meant for another program's box in front, such as a second copy's refusal.
    window_->activateWindow();
    return std::nullopt;
}
