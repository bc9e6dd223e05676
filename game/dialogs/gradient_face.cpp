#include "gradient_face.h"
#include <QPainter>

QImage gradient_face(const std::function<QRgb(int)>& colour)
{
    QImage face(400, 250, QImage::Format_RGB32);
    QPainter p(&face);
    for (int i = 0; i <= 250; ++i)
        p.fillRect(0, i, 400, 2, QColor(colour(i)));
    return face;
}
