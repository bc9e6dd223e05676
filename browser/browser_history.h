#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// How the pending navigation was started. Only an ordinary load is recorded.
enum class NavMode : uint8_t {
    Ordinary = 0,
    Forward = 1,
    Back = 2,
    Unrecorded = 3, // reload, the empty page after a renderer died
};

// The browser's own back/forward history: entries 0 to `kLastIndex`, the index of
// the last valid entry and of the current one, and the mode of the pending load.
// The window tells it when a load really starts, completes or is abandoned; it
// answers which address to go to and how the Back / Forward buttons look.
class BrowserHistory {
public:
    static constexpr int kLastIndex = 6000;

    // The start page: entry 0, current and last.
    void start(const QString& address);

    // Back / Forward: the address to go to, or nullopt at the end (the mode
    // then stays as it was, so the next ordinary page is still recorded).
    std::optional<QString> back();
    std::optional<QString> forward();

    // 表示 with the address box showing `box_text`: when it is the current entry,
    // that entry is dropped (never below entry 0) so that the load records it again.
    void display(const QString& box_text);

    // A navigation the window starts that must not be recorded.
    void unrecorded_started() { nav_mode_ = NavMode::Unrecorded; }

    // A load completed on `address`. True when it was recorded as a new entry
    // (the window then puts the address at the top of its list).
    bool load_completed(const QString& address);
    // A load was stopped, failed, or its page's process died: nothing recorded.
    void load_abandoned() { nav_mode_ = NavMode::Ordinary; }

    int history_last() const { return history_last_; }
    int history_pos() const { return history_pos_; }
    NavMode nav_mode() const { return nav_mode_; }
    const QString& entry(int index) const { return history_urls_.at(index); }
    QString current() const { return history_urls_.at(history_pos_); }

    bool back_enabled() const { return back_enabled_; }
    bool forward_enabled() const { return forward_enabled_; }
    // Tool tip of the Forward button (changed by Back only); empty until then.
    const QString& forward_tip() const { return forward_tip_; }

private:
    QStringList history_urls_{QString()};
    int history_last_ = 0;
    int history_pos_ = 0;
    NavMode nav_mode_ = NavMode::Ordinary;
    bool back_enabled_ = true;
    bool forward_enabled_ = false;
    QString forward_tip_;
};
