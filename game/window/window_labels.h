#pragma once
#include "game/data/game_texts.h"
#include <QLabel>

// The main window's plain labels: the game's font at a point size, fixed colours.
namespace window_labels {

inline QLabel* make_label(QWidget* parent, const QString& text, QRect geometry, int point_size = 9)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    QFont f(game_texts::kUiFont);
    f.setPointSize(point_size);
    label->setFont(f);
    return label;
}

inline void set_colours(QLabel* label, const QString& text_colour, const QString& background)
{
    label->setStyleSheet(QStringLiteral("color: %1; background: %2;").arg(text_colour, background));
}

} // namespace window_labels
