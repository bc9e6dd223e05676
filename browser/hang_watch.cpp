#include "hang_watch.h"
#include "platform/clock.h"
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>

HangWatch::HangWatch(QWebEnginePage* page, platform::Clock& clock, QObject* parent)
    : QObject(parent), page_(page), clock_(clock), timer_(new QTimer(this))
{
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &HangWatch::tick);
    timer_->start();
}

void HangWatch::user_acted()
{
    last_input_ms_ = clock_.now_ms();
}

void HangWatch::reset()
{
    ++round_;
    sent_ms_.reset();
    told_ = false;
}

void HangWatch::tick()
{
    if (!page_)
        return;
    const uint32_t now = clock_.now_ms();
    if (!sent_ms_) {
        sent_ms_ = now;
        const quint64 round = ++round_;
        QPointer<HangWatch> self(this);
        page_->runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld, [self, round](const QVariant&) {
            if (self && self->round_ == round) {
                self->sent_ms_.reset();
                self->told_ = false;
            }
        });
        return;
    }
    const bool waited = platform::Clock::elapsed(*sent_ms_, now) >= kHungMs;
    // The user's last action came after the script went out (the unsigned difference did not wrap).
    const bool user_waits = last_input_ms_ && platform::Clock::elapsed(*sent_ms_, *last_input_ms_) < 0x80000000u;
    if (waited && user_waits && !told_) {
        told_ = true;
        emit hung();
    }
}
