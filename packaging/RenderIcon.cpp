// Renders one of the program's SVGs into a PNG of one size: the icon theme sizes that
// desktops still look up as bitmaps, and the art the program shows, so that it needs no SVG
// renderer at run time. Runs at build time only; it is not installed.
//
// Usage: corvanel_render_icon INPUT.svg SIZE OUTPUT.png [BACKGROUND]
//   SIZE        N for N×N, or WIDTHxHEIGHT
//   BACKGROUND  a colour (#rrggbb or a name) to draw on, for art that always lies on it: the
//               picture then comes out as if drawn straight onto that background at run time

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

namespace corvanel::packaging {

/** Draws @p svgPath stretched to @p size pixels on @p background and saves it as PNG. */
bool renderIcon(const QString& svgPath, QSize size, const QString& pngPath, const QColor& background)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read SVG %s\n", qPrintable(svgPath));
        return false;
    }
    // On an opaque background the picture is drawn as onto a window's opaque backing store.
    QImage image(size, background.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(), size));
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
    // Some art has lettering, and fonts need an application; a build has no display to give it.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s INPUT.svg SIZE OUTPUT.png [BACKGROUND]\n", argv[0]);
        return 2;
    }
    const QStringList sides = QString::fromLocal8Bit(argv[2]).split(u'x');
    bool widthIsNumber = false;
    bool heightIsNumber = false;
    const QSize size(sides.first().toInt(&widthIsNumber), sides.last().toInt(&heightIsNumber));
    if (sides.size() > 2 || !widthIsNumber || !heightIsNumber || size.width() < 1 || size.height() < 1
        || size.width() > 1024 || size.height() > 1024) {
        std::fprintf(stderr, "bad icon size %s\n", argv[2]);
        return 2;
    }
    const QColor background = argc == 5 ? QColor(QString::fromLocal8Bit(argv[4])) : QColor(Qt::transparent);
    if (!background.isValid()) {
        std::fprintf(stderr, "bad background colour %s\n", argv[4]);
        return 2;
    }
    const bool saved = corvanel::packaging::renderIcon(QString::fromLocal8Bit(argv[1]), size,
                                                       QString::fromLocal8Bit(argv[3]), background);
    return saved ? 0 : 1;
}
