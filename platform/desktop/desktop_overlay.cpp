#include "desktop_overlay.h"
#include <QBitmap>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace platform {

class DesktopOverlay::GlyphWindow final : public QWidget {
public:
    GlyphWindow()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput
                               | Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle(QStringLiteral("desktop text"));
    }

    void set_glyphs(const QString& text, const QImage& glyphs)
    {
        text_ = text;
        glyphs_ = glyphs;
        resize(glyphs.size());
        // Only the pixels the glyphs cover belong to the window.
        setMask(QRegion(QBitmap::fromImage(glyphs.createAlphaMask())));
        update();
    }
    const QString& text() const { return text_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 0, glyphs_);
    }

private:
    QString text_;
    QImage glyphs_;
};

DesktopOverlay::DesktopOverlay(QFont font) : font_(std::move(font))
{
    // Hard edges: a blended edge pixel would show the (black) window behind it.
    font_.setStyleStrategy(QFont::NoAntialias);
}

DesktopOverlay::~DesktopOverlay() = default;

void DesktopOverlay::write(const QString& text, QPoint at)
{
    const QFontMetrics metrics(font_);
    const QRect bounds = metrics.boundingRect(QRect(0, 0, 4000, 1000), Qt::AlignLeft | Qt::AlignTop, text);
    QImage glyphs(bounds.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    glyphs.fill(Qt::transparent);
    {
        QPainter p(&glyphs);
        p.setFont(font_);
        p.setPen(QColor(255, 0, 0));
        p.drawText(QRect(QPoint(0, 0), bounds.size()), Qt::AlignLeft | Qt::AlignTop, text);
    }
    if (!window_)
        window_ = std::make_unique<GlyphWindow>();
    window_->set_glyphs(text, glyphs);
    window_->move(at);
    window_->show();
    window_->raise();
}

void DesktopOverlay::clean()
{
    if (window_)
        window_->hide();
}

bool DesktopOverlay::is_shown() const
{
    return window_ && window_->isVisible();
}

QString DesktopOverlay::text() const
{
    return is_shown() ? window_->text() : QString();
}

const QWidget* DesktopOverlay::window() const
{
    return window_.get();
}

} // namespace platform
