#pragma once

#include "appearance/Appearance.h"

#include <QRgb>
#include <QtGlobal>

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
    {ElementClass::NobleGases,        QT_TRANSLATE_NOOP("ElementClass", "Noble Gases"),         qRgb(90, 173, 173)},
    {ElementClass::Halogens,          QT_TRANSLATE_NOOP("ElementClass", "Halogens"),            qRgb(0, 128, 64)},
    {ElementClass::NonMetals,         QT_TRANSLATE_NOOP("ElementClass", "Non-Metals"),          qRgb(128, 255, 255)},
    {ElementClass::Metalloids,        QT_TRANSLATE_NOOP("ElementClass", "Metalloids"),          qRgb(255, 128, 255)},
    {ElementClass::OtherMetals,       QT_TRANSLATE_NOOP("ElementClass", "Other Metals"),        qRgb(128, 0, 255)},
    {ElementClass::TransitionMetals,  QT_TRANSLATE_NOOP("ElementClass", "Transition Metals"),   qRgb(255, 128, 128)},
    {ElementClass::AlkaliEarthMetals, QT_TRANSLATE_NOOP("ElementClass", "Alkali Earth Metals"), qRgb(255, 255, 128)},
    {ElementClass::AlkaliMetals,      QT_TRANSLATE_NOOP("ElementClass", "Alkali Metals"),       qRgb(128, 255, 128)},
    {ElementClass::RareEarthMetals,   QT_TRANSLATE_NOOP("ElementClass", "Rare Earth Metals"),   qRgb(255, 157, 111)},
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
