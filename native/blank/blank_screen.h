#pragma once
#include "blank_close_rule.h"
#include <QWidget>

// One black, borderless, topmost window over the whole primary screen, cursor
// hidden. Any key, the left or right button, or moving the mouse far enough
// closes it; the window manager cannot close it.
class BlankScreen : public QWidget {
    Q_OBJECT
public:
    // `start` is the cursor position (screen coordinates) when the window is made.
    BlankScreen(const QRect& screen_rect, QPoint start);

    const BlankCloseRule& rule() const { return rule_; }
    bool finished() const { return finished_; }

signals:
    void blank_finished();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void finish();

    BlankCloseRule rule_;
    bool finished_ = false;
    bool closing_ = false;
};
