#include "browser_history.h"

void BrowserHistory::start(const QString& address)
{
    history_urls_ = QStringList{address};
    history_last_ = 0;
    history_pos_ = 0;
    nav_mode_ = NavMode::Ordinary;
}

std::optional<QString> BrowserHistory::back()
{
    if (history_pos_ == 0)
        return std::nullopt;
    --history_pos_;
    nav_mode_ = NavMode::Back;
    forward_enabled_ = true;
    forward_tip_ = history_urls_.at(history_pos_ + 1) + QStringLiteral("にジャンプします。");
    return history_urls_.at(history_pos_);
}

std::optional<QString> BrowserHistory::forward()
{
    if (history_pos_ >= history_last_)
        return std::nullopt;
    ++history_pos_;
    nav_mode_ = NavMode::Forward;
    return history_urls_.at(history_pos_);
}

void BrowserHistory::display(const QString& box_text)
{
    if (box_text != history_urls_.at(history_pos_))
        return;
    history_last_ = history_last_ > 0 ? history_last_ - 1 : 0;
    history_pos_ = history_last_;
}

bool BrowserHistory::load_completed(const QString& address)
{
    const bool ordinary = nav_mode_ == NavMode::Ordinary;
    nav_mode_ = NavMode::Ordinary;
    if (ordinary) {
        // Forward entries are dropped; a full history lets go of its oldest entry.
        int next = history_pos_ + 1;
        if (next > kLastIndex) {
            history_urls_.removeFirst();
            next = kLastIndex;
        }
        history_urls_.resize(next);
        history_urls_.append(address);
        history_pos_ = history_last_ = next;
    }
    if (history_last_ == history_pos_)
        forward_enabled_ = false;
    back_enabled_ = history_pos_ != 0;
    return ordinary;
}
