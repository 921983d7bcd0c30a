#include "controls/TileFace.h"

#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRgba64>

#include <array>
#include <vector>

namespace corvanel::ui {

static size_t qHash(const TileLook& look, size_t seed = 0)
{
    return qHashMulti(seed, look.background, look.start, look.end, look.size.width(), look.size.height());
}

namespace {

const QColor kBorderColour(96, 96, 96);

QPainterPath facePath(const QRectF& outer)
{
    QPainterPath path;
    path.addRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), 3.0, 3.0);
    return path;
}

/**
 * The colour of each row of a top-to-bottom gradient over @p rows rows, as Qt's raster engine
 * gives a two-stop QLinearGradient from the first row's centre to the last one's: a table of
 * 1024 colours stepped in 16 bits, looked up in 8-bit fixed point.
 */
std::vector<QRgb> gradientRows(QRgb start, QRgb end, int rows)
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
    qreal along = rows - 1;
    int rowStep = 0;
    if (along > 0) {
        along /= along * along;
        rowStep = static_cast<int>(along * kLastStop * 256);
    }
    std::vector<QRgb> colours(static_cast<std::size_t>(qMax(rows, 0)));
    for (std::size_t y = 0; y < colours.size(); ++y) {
        colours[y] = stop((rowStep * static_cast<int>(y) + 128) >> 8);
    }
    return colours;
}

/** A premultiplied pixel times an 8-bit alpha, channel by channel, rounded as Qt's raster engine does. */
QRgb byteMul(QRgb pixel, uint alpha)
{
    quint64 spread = ((quint64(pixel) | (quint64(pixel) << 24)) & 0x00ff00ff00ff00ffULL) * alpha;
    spread = (spread + ((spread >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
    spread &= 0x00ff00ff00ff00ffULL;
    return static_cast<QRgb>(spread | (spread >> 24));
}

/**
 * The face drawn as a QLinearGradient draws it, without one: Qt would keep each gradient's
 * table (12 KB) in its gradient cache for as long as the program runs, and it fills a
 * picture brush's many edge spans on worker threads it starts for them. The path is filled
 * once in white for its coverage, and each row's colour is laid over the background with it
 * as the raster engine lays a gradient's colour.
 */
QImage keptFace(const TileLook& look)
{
    const QRectF outer(QPointF(0, 0), QSizeF(look.size));
    QImage coverage(look.size, QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    QPainter painter(&coverage);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(facePath(outer), Qt::white);
    painter.end();

    const QRgb background = look.background | 0xff000000;
    const std::vector<QRgb> rows = gradientRows(look.start, look.end, look.size.height());
    QImage face(look.size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < face.height(); ++y) {
        const auto* covered = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        auto* pixel = reinterpret_cast<QRgb*>(face.scanLine(y));
        const QRgb row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < face.width(); ++x) {
            const uint cover = qAlpha(covered[x]);
            if (cover == 0) {
                pixel[x] = background;
            } else if (cover == 255 && qAlpha(row) == 255) {
                pixel[x] = row;
            } else {
                const QRgb colour = byteMul(row, cover);
                pixel[x] = colour + byteMul(background, qAlpha(~colour));
            }
        }
    }
    painter.begin(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kBorderColour, 1.0));
    painter.drawPath(facePath(outer));
    painter.end();
    // A picture keeps the engine that drew into it, some kilobytes of buffers; the copy kept has none.
    return face.copy();
}

} // namespace

void drawTileFace(QPainter& painter, const QRectF& outer, const QColor& background, const QColor& start,
                  const QColor& end)
{
    painter.fillRect(outer, background);
    const QRectF face = outer.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0.0, start);
    gradient.setColorAt(1.0, end);
    const QPainterPath path = facePath(outer);
    painter.fillPath(path, gradient);
    painter.setPen(QPen(kBorderColour, 1.0));
    painter.drawPath(path);
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
        found = faces.insert(look, keptFace(look));
    }
    painter.drawImage(QPoint(0, 0), *found);
}

} // namespace corvanel::ui
