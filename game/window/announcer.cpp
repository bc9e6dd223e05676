#include "announcer.h"
#include <QAccessible>

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    // Nothing to see or click: it exists for screen readers only.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(1, 1);
    gap_.setSingleShot(true);
    gap_.setInterval(kGapMs);
    connect(&gap_, &QTimer::timeout, this, &Announcer::gap_over);
}

void Announcer::say(const QString& text, Weight weight)
{
    if (text.isEmpty())
        return;
    if (!gap_.isActive()) {
        speak(text, weight);
        return;
    }
    if (has_pending_ && weight < pending_weight_)
        return;
    pending_ = text;
    pending_weight_ = weight;
    has_pending_ = true;
}

void Announcer::say_now(const QString& text)
{
    has_pending_ = false;
    speak(text, Weight::Alert);
}

void Announcer::gap_over()
{
    if (!has_pending_)
        return;
    has_pending_ = false;
    speak(pending_, pending_weight_);
}

void Announcer::speak(const QString& text, Weight weight)
{
    text_ = text;
    gap_.start();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(this, text);
    event.setPoliteness(weight == Weight::Chatter ? QAccessible::AnnouncementPoliteness::Polite
                                                  : QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
#else
    Q_UNUSED(weight);
    // A notification that shows anew is read out with its name.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}
