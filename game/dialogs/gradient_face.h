#pragma once
#include <QImage>
#include <QRgb>
#include <functional>

// The 400 x 250 face of the settings and equipment dialogs: for i = 0..250 a box
// two pixels high at row i in colour(i), so that row y shows colour(y).
QImage gradient_face(const std::function<QRgb(int)>& colour);
