#pragma once
#include <QString>
#include <QTimer>
#include <QWidget>

// Says a short text to a screen reader without moving the focus: an announcement
// where Qt has them (6.8), else a notification that shows itself anew with the
// text as its name. Texts come at most one per `kGapMs`; one that comes sooner
// waits for the gap to end, and a newer one of at least its weight takes its place,
// so a busy game is told as it stands now, not as it was seconds ago.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGapMs = 400;

    // Chatter is polite and gives way to everything; a game's moments interrupt what
    // is being read; alerts (the count-down, the last seconds) are not replaced by moments.
    enum class Weight { Chatter, Moment, Alert };

    explicit Announcer(QWidget* parent);

    void say(const QString& text, Weight weight);
    // Said at once, whatever waits: what comes just before a box opens.
    void say_now(const QString& text);
    // The last text said, what the notification is named.
    QString text() const { return text_; }

private:
    void speak(const QString& text, Weight weight);
    void gap_over();

    QString text_;
    QString pending_;
    Weight pending_weight_ = Weight::Chatter;
    bool has_pending_ = false;
    QTimer gap_;
};
