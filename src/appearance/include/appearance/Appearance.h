#pragma once

#include <QRgb>

#include <array>

// The colour types of the window designs: plain data, so the design tables need no widget.
namespace corvanel::ui {

inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);

/**
 * One end of an appearance gradient: either a fixed colour or the button's own
 * colour property, so a tile re-tinted at run time (the swatch) follows it.
 */
struct Tint
{
    bool usesButtonColour = false;
    QRgb rgb = 0xffffffff;

    static constexpr Tint buttonColour() { return Tint {true, 0}; }
    static constexpr Tint fixed(QRgb value) { return Tint {false, value}; }
};

/** A text colour and a top-to-bottom gradient that paint the face in one state. */
struct Appearance
{
    QRgb text = 0xff000000;
    Tint gradientStart;
    Tint gradientEnd;
};

/** The four appearance sets, in the order the window designs list them. */
using AppearanceSets = std::array<Appearance, 4>;

} // namespace corvanel::ui
