#pragma once
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <optional>

class QTimer;
class QWebEnginePage;
namespace platform {
class Clock;
}

// Notices a page that stopped answering: every second a tiny script is sent to
// it; when one has waited kHungMs and the user did something in the window
// meanwhile, `hung` is emitted once for it.
class HangWatch final : public QObject {
    Q_OBJECT
public:
    static constexpr uint32_t kHungMs = 10000;

    HangWatch(QWebEnginePage* page, platform::Clock& clock, QObject* parent = nullptr);

    void user_acted();
    // The page answered in some other way (a load ended) or its process is gone.
    void reset();

signals:
    void hung();

private:
    void tick();

    QPointer<QWebEnginePage> page_;
    platform::Clock& clock_;
    QTimer* timer_;
    std::optional<uint32_t> sent_ms_; // the unanswered script's time
    std::optional<uint32_t> last_input_ms_;
    quint64 round_ = 0; // answers of earlier rounds are not this one's
    bool told_ = false;
};
