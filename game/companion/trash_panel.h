#pragma once
#include <QObject>
#include <QString>
#include <array>
#include <optional>

namespace platform {
class Prompt;
class Trash;
}

namespace companion {

// The recycle-bin panel's six lines and its two buttons, over the platform's Trash.
// Figures arrive when the trash has been read; lines_changed says when to repaint.
class TrashPanel : public QObject {
    Q_OBJECT
public:
    static constexpr int kLines = 6;

    TrashPanel(platform::Trash& trash, platform::Prompt& prompt, QObject* parent = nullptr);

    const std::array<QString, kLines>& lines() const { return lines_; }
    // A read or an emptying is under way (the buttons may wait for it).
    bool busy() const { return reading_ || emptying_; }

    // Opening the panel and "更新": read the figures again.
    void refresh();
    // "削除": ask (はい / いいえ), then empty; no question when the trash is known to be empty.
    void empty_clicked();

signals:
    void lines_changed();

private:
    void figures_read(bool ok, quint64 size, quint64 count);
    void emptied(bool ok);

    platform::Trash& trash_;
    platform::Prompt& prompt_;
    std::array<QString, kLines> lines_;
    std::optional<quint64> known_count_;    // from the last good read
    std::optional<bool> emptying_outcome_;  // shown on line 4 until the next refresh
    bool reading_ = false;
    bool emptying_ = false;
};

} // namespace companion
