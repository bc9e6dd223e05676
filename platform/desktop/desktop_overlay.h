#pragma once
#include <QFont>
#include <QPoint>
#include <QString>
#include <memory>

class QWidget;

namespace platform {

// Text written straight onto the desktop: red glyphs and nothing around them, above
// the other windows, never taking a click, the focus or a place in the task bar.
// The window is shaped to the glyphs' own pixels, so it shows no background even on
// a desktop without a compositor.
class DesktopOverlay {
public:
    explicit DesktopOverlay(QFont font);
    ~DesktopOverlay();

    // Shows `text` with its top-left corner at `at` (desktop pixels), drawn afresh
    // each time; a text already shown is replaced.
    void write(const QString& text, QPoint at = QPoint(100, 100));
    // Takes the text off the desktop again. Harmless when nothing is shown.
    void clean();

    bool is_shown() const;
    QString text() const;
    // The window that carries the glyphs (null before the first write), for tests.
    const QWidget* window() const;

private:
    class GlyphWindow;
    QFont font_;
    std::unique_ptr<GlyphWindow> window_;
};

} // namespace platform
