#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace corvanel::ui {

/** Window designs are measured in twips; 15 twips make one logical pixel (Qt scales for HiDPI). */
constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

/** The two font families the designs name; installFontSubstitutes() maps them onto Linux fonts. */
enum class DesignFamily
{
    MsSansSerif,
    Verdana,
};

/**
 * A design font: family, size in points at 96 dpi, weight. The size is set in
 * pixels so the designs lay out the same whatever DPI the X server reports.
 */
QFont designFont(DesignFamily family, double points, bool bold, bool underline = false);

/**
 * @p font widened or narrowed so that @p text spans @p width pixels, as it does
 * in the Windows face a design names, whose widths the substitutes do not share.
 */
QFont fontSpanning(QFont font, const QString& text, int width);

/** Registers metric-compatible substitutes for the Windows families the designs name. */
void installFontSubstitutes();

/**
 * Has designFont() name the face each family is drawn in (the design's, else its first installed
 * substitute), so Qt finds it at once. The same faces as by the design's names; call after
 * installFontSubstitutes().
 */
void askForInstalledFaces();

} // namespace corvanel::ui
