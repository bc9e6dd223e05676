#pragma once
#include "blank_screen.h"
#include "platform/ui/prompt.h"
#include "platform/app/single_instance.h"
#include <QRect>
#include <memory>
#include <optional>

// Start of the blank screen: refuse a second copy, else put the window up.
class BlankProgram {
public:
    static constexpr int kRefused = 0;
    static constexpr int kNoWindow = 1;

    BlankProgram(platform::Prompt& prompt, platform::SingleInstance& instance);

    // The exit code when the program ends here, nothing when the window is up.
    // `screen_rect` is the primary screen, `cursor` the cursor position now.
    std::optional<int> start(const QRect& screen_rect, QPoint cursor);

    BlankScreen* window() const { return window_.get(); }

private:
    platform::Prompt& prompt_;
    platform::SingleInstance& instance_;
    std::unique_ptr<BlankScreen> window_;
};
