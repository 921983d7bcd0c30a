#pragma once

#include <QColor>
#include <QRectF>
#include <QSize>

class QPainter;

namespace corvanel::ui {

/** What a tile's face looks like: tiles that agree on all of it share one kept picture. */
struct TileLook
{
    QRgb background;
    QRgb start;
    QRgb end;
    QSize size;

    bool operator==(const TileLook&) const = default;
};

/**
 * Draws a tile's face where it lands, at any scale: the background, and on it the rounded face
 * with its top-to-bottom gradient and border.
 */
void drawTileFace(QPainter& painter, const QRectF& outer, const QColor& background, const QColor& start,
                  const QColor& end);

/**
 * Draws the same face at (0, 0) of a painter at a scale of 1, the same pixel for pixel, from
 * pictures drawn once for each look and kept. The look's background must be opaque.
 */
void drawKeptTileFace(QPainter& painter, const TileLook& look);

} // namespace corvanel::ui
