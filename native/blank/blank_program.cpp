#include "blank_program.h"
#include <QGuiApplication>
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
    window_->activateWindow();
    // Keys go to the blank screen even if the window manager gives focus elsewhere.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        window_->grabKeyboard();
    return std::nullopt;
}
