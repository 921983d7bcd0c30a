// Renders the program's SVG icon into a square PNG of one size, for the icon theme sizes
// that desktops still look up as bitmaps. Runs at build time only; it is not installed.
//
// Usage: corvanel_render_icon INPUT.svg SIZE OUTPUT.png

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace corvanel::packaging {

/** Draws @p svgPath scaled to @p size × @p size pixels on a transparent background and saves it as PNG. */
bool renderIcon(const QString& svgPath, int size, const QString& pngPath)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read SVG %s\n", qPrintable(svgPath));
        return false;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(pngPath, "PNG")) {
        std::fprintf(stderr, "cannot write PNG %s\n", qPrintable(pngPath));
        return false;
    }
    return true;
}

} // namespace corvanel::packaging

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s INPUT.svg SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size < 1 || size > 1024) {
        std::fprintf(stderr, "bad icon size %s\n", argv[2]);
        return 2;
    }
    const bool saved
        = corvanel::packaging::renderIcon(QString::fromLocal8Bit(argv[1]), size, QString::fromLocal8Bit(argv[3]));
    return saved ? 0 : 1;
}
