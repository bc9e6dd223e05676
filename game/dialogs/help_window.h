#pragma once
#include "help_pages.h"
#include "platform/ui/surface.h"
#include <QWidget>
#include <array>

class QLabel;
struct SpriteSet;
namespace platform {
class Prompt;
class SurfaceWidget;
}

// The help window: a white window with curved corners, nine pages of text paged
// by two triangles (both wrap), the seal and the yeti, and a blue band on the
// right. A right click hides it and keeps the page; closing it unloads it.
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    struct Options {
        QString caption = QStringLiteral("mpkx -> help");
        bool page_label = true; // the "3 / 8" counter
    };

    HelpWindow(const SpriteSet& sprites, const QString& bmp_dir, platform::Prompt& prompt, Options options,
               QWidget* parent = nullptr);

    const HelpPages& pages() const { return pages_; }
    const platform::Surface& face() const { return face_; }

    struct Controls {
        QLabel* help_text;
        QLabel* page; // null without the counter
        std::array<platform::SurfaceWidget*, 2> sample;
        platform::SurfaceWidget* back_help;
        platform::SurfaceWidget* next_help;
    };
    const Controls& controls() const { return controls_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void next_page();
    void previous_page();
    void show_page();
    void announce_page();
    void draw_face();
    void draw_arrow(platform::SurfaceWidget* box, const platform::Surface& picture, bool pointing_right);

    HelpPages pages_;
    platform::Surface face_;
    Controls controls_{};
};
