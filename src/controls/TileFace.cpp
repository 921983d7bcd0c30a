#include "controls/TileFace.h"

#include <QBrush>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRgba64>

#include <algorithm>
#include <array>

namespace corvanel::ui {

static size_t qHash(const TileLook& look, size_t seed = 0)
{
    return qHashMulti(seed, look.background, look.start, look.end, look.size.width(), look.size.height());
}

namespace {

const QColor kBorderColour(96, 96, 96);

/** The background, and on it the rounded face filled with @p fill and its border. */
void paintFace(QPainter& painter, const QRectF& outer, const QColor& background, const QBrush& fill)
{
    painter.fillRect(outer, background);
    QPainterPath path;
    path.addRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), 3.0, 3.0);
    painter.fillPath(path, fill);
    painter.setPen(QPen(kBorderColour, 1.0));
    painter.drawPath(path);
}

/**
 * A top-to-bottom gradient as a picture of @p size: row for row the colour Qt's raster engine
 * gives a two-stop QLinearGradient from the first row's centre to the last one's (a table of
 * 1024 colours stepped in 16 bits, looked up in 8-bit fixed point). Filling with it draws the
 * same pixels, where a QLinearGradient would leave its table, 12 KB a look, in Qt's gradient
 * cache for as long as the program runs. As wide as the face, so a row is filled in one go.
 */
QImage gradientPicture(QRgb start, QRgb end, QSize size)
{
    constexpr int kLastStop = 1023;
    const QRgba64 first = qPremultiply(QRgba64::fromArgb32(start));
    const QRgba64 last = qPremultiply(QRgba64::fromArgb32(end));
    const std::array<uint, 4> from {first.red(), first.green(), first.blue(), first.alpha()};
    const std::array<uint, 4> to {last.red(), last.green(), last.blue(), last.alpha()};
    std::array<uint, 4> step {};
    for (std::size_t channel = 0; channel < step.size(); ++channel) {
        // Wrapping unsigned arithmetic, as the table is built.
        step[channel] = static_cast<uint>(
            qRound((qreal(to[channel] << 16) - qreal(from[channel] << 16)) * (qreal(1) / kLastStop)));
    }
    const auto stop = [&](int index) {
        if (index <= 0) {
            return first.toArgb32();
        }
        if (index >= kLastStop) {
            return last.toArgb32();
        }
        std::array<quint16, 4> value {};
        for (std::size_t channel = 0; channel < value.size(); ++channel) {
            value[channel] = static_cast<quint16>(
                ((from[channel] << 16) + (1U << 15) + static_cast<uint>(index) * step[channel]) >> 16);
        }
        return QRgba64::fromRgba64(value[0], value[1], value[2], value[3]).toArgb32();
    };

    // Qt steps down the rows in fixed point with the step rounded down, so the drift is kept.
    const int rows = size.height();
    qreal along = rows - 1;
    int rowStep = 0;
    if (along > 0) {
        along /= along * along;
        rowStep = static_cast<int>(along * kLastStop * 256);
    }
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < rows; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::fill(row, row + size.width(), stop((rowStep * y + 128) >> 8));
    }
    return picture;
}

} // namespace

void drawTileFace(QPainter& painter, const QRectF& outer, const QColor& background, const QColor& start,
                  const QColor& end)
{
    const QRectF face = outer.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0.0, start);
    gradient.setColorAt(1.0, end);
    paintFace(painter, outer, background, gradient);
}

void drawKeptTileFace(QPainter& painter, const TileLook& look)
{
    // The 109 tiles come in a dozen looks, and an antialiased path costs far more to draw than
    // a picture to copy. Colours change with hover and selection; a window's looks fit many times.
    constexpr qsizetype kMostFaces = 64;
    static QHash<TileLook, QImage> faces;
    auto found = faces.constFind(look);
    if (found == faces.constEnd()) {
        if (faces.size() >= kMostFaces) {
            faces.clear();
        }
        QImage face(look.size, QImage::Format_ARGB32_Premultiplied);
        QPainter facePainter(&face);
        facePainter.setRenderHint(QPainter::Antialiasing);
        paintFace(facePainter, QRectF(QPointF(0, 0), QSizeF(look.size)), QColor::fromRgb(look.background),
                  QBrush(gradientPicture(look.start, look.end, look.size)));
        facePainter.end();
        // A picture keeps the engine that drew into it, some kilobytes of buffers; the copy kept has none.
        found = faces.insert(look, face.copy());
    }
    painter.drawImage(QPoint(0, 0), *found);
}

} // namespace corvanel::ui
