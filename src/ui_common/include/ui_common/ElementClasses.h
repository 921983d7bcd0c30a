#pragma once

#include "appearance/Appearance.h"

#include <QRgb>

#include <array>

namespace corvanel::ui {

/** The nine colour classes of the element buttons, in the legend's top-to-bottom order. */
enum class ElementClass
{
    NobleGases,
    Halogens,
    NonMetals,
    Metalloids,
    OtherMetals,
    TransitionMetals,
    AlkaliEarthMetals,
    AlkaliMetals,
    RareEarthMetals,
};

struct ElementClassDesign
{
    ElementClass id;
    const char* legendName;
    QRgb colour;
};

// One table read by the element buttons and by the legend, so the two cannot disagree.
// clang-format off
inline constexpr std::array<ElementClassDesign, 9> kElementClasses{{
    {ElementClass::NobleGases,        "Noble Gases",         qRgb(90, 173, 173)},
    {ElementClass::Halogens,          "Halogens",            qRgb(0, 128, 64)},
    {ElementClass::NonMetals,         "Non-Metals",          qRgb(128, 255, 255)},
    {ElementClass::Metalloids,        "Metalloids",          qRgb(255, 128, 255)},
    {ElementClass::OtherMetals,       "Other Metals",        qRgb(128, 0, 255)},
    {ElementClass::TransitionMetals,  "Transition Metals",   qRgb(255, 128, 128)},
    {ElementClass::AlkaliEarthMetals, "Alkali Earth Metals", qRgb(255, 255, 128)},
    {ElementClass::AlkaliMetals,      "Alkali Metals",       qRgb(128, 255, 128)},
    {ElementClass::RareEarthMetals,   "Rare Earth Metals",   qRgb(255, 157, 111)},
}};
// clang-format on

constexpr const ElementClassDesign& elementClass(ElementClass id)
{
    return kElementClasses[static_cast<std::size_t>(id)];
}

inline constexpr QRgb kLightGrey = qRgb(224, 224, 224);

/**
 * The four sets every coloured tile keeps: class colour to white; white to class
 * colour; white to light grey; white to class colour; black text. The class colour
 * is the button's colour property, so a white swatch starts as a plain white tile.
 */
inline constexpr AppearanceSets kClassTileAppearance {{
    {kBlack, Tint::buttonColour(), Tint::fixed(kWhite)},
    {kBlack, Tint::fixed(kWhite), Tint::buttonColour()},
    {kBlack, Tint::fixed(kWhite), Tint::fixed(kLightGrey)},
    {kBlack, Tint::fixed(kWhite), Tint::buttonColour()},
}};

/** What stands behind an element button's face. */
inline constexpr QRgb kElementButtonBackground = qRgb(236, 233, 216);

} // namespace corvanel::ui
