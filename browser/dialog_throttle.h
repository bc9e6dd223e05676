#pragma once
#include <QSet>
#include <QString>
#include <QList>
#include <cstdint>

// How many boxes a page may open: after the third within ten seconds each box
// offers to stop the site's boxes, and a stopped site opens none again while the
// window lives.
class DialogThrottle {
public:
    static constexpr int kBurst = 3;
    static constexpr uint32_t kWindowMs = 10000;

    // A box of `site` is about to open at `now_ms`: whether it may open at all.
    bool may_open(const QString& site) const { return !stopped_.contains(site); }
    // Records the box; true when it should offer to stop the site's boxes.
    bool opened(uint32_t now_ms);
    void stop(const QString& site) { stopped_.insert(site); }

private:
    QList<uint32_t> recent_; // when the last boxes opened, oldest first
    QSet<QString> stopped_;
};
