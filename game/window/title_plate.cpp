#include "title_plate.h"
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

TitlePlate::TitlePlate(QWidget* parent, int width, int height) : platform::SurfaceWidget(parent, width, height)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TitlePlate::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    }
    platform::SurfaceWidget::keyPressEvent(event);
}

void TitlePlate::set_title(const QPixmap& text, QPoint pos)
{
    title_ = text;
    title_pos_ = pos;
    composed_.clear();
    update();
}

void TitlePlate::move_title(QPoint pos)
{
    if (pos == title_pos_)
        return;
    const QRect before = title_geometry();
    title_pos_ = pos;
    update(before.united(title_geometry()));
}

const QImage& TitlePlate::composed_title()
{
    // Any drawing on the picture gives it a new cache key: what was made before is stale.
    const QImage& picture = surface().image();
    if (picture.cacheKey() != composed_for_) {
        composed_.clear();
        composed_for_ = picture.cacheKey();
    }
    const quint64 place = (quint64(quint32(title_pos_.x())) << 32) | quint32(title_pos_.y());
    auto it = composed_.find(place);
    if (it == composed_.end()) {
        QImage image = picture.copy(title_geometry());
        QPainter(&image).drawPixmap(0, 0, title_);
        it = composed_.insert(place, image);
    }
    return *it;
}

void TitlePlate::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect title = title_geometry();
    // The picture where the title is not, the title (opaque, picture included) where it is.
    for (const QRect& r : event->region().subtracted(title))
        platform::draw_on_device_pixels(p, r.topLeft(), surface().image(), r);
    if (!title_.isNull() && event->region().intersects(title)) {
        const QImage& composed = composed_title();
        platform::draw_on_device_pixels(p, title.topLeft(), composed, composed.rect());
    }
}
