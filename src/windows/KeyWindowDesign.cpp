#include "windows/KeyWindowDesign.h"

#include <QtGlobal>

namespace corvanel::ui {

const KeyWindowDesign kKeyWindowDesign {"FrmKey", QT_TRANSLATE_NOOP("KeyWindow", "Key"), 2490, 4440, "globe-small"};

const KeyRowGeometry kKeyRowGeometry {120, 375, 600, 1815, 255};

// The swatches' tab indexes start the focus on Non-Metals, not on the top row.
// clang-format off
const std::array<KeyRowDesign, 9> kKeyRows{{
    {ElementClass::NobleGases,        "LblNobleGases",        120,  10, "LblNob",       240},
    {ElementClass::Halogens,          "LblHalogens",          600,  12, "LblHal",       720},
    {ElementClass::NonMetals,         "LblNonMetals",         1080, 9,  "LblNonMet",    1200},
    {ElementClass::Metalloids,        "LblMetalloids",        1560, 13, "LblMetalo",    1680},
    {ElementClass::OtherMetals,       "LblOtherMetals",       2040, 14, "LblOtherMet",  2160},
    {ElementClass::TransitionMetals,  "LblTransitionMetals",  2520, 15, "LblTrans",     2640},
    {ElementClass::AlkaliEarthMetals, "LblAlkaliEarthMetals", 3000, 16, "LblAlkali",    3120},
    {ElementClass::AlkaliMetals,      "LblAlkaliMetals",      3480, 17, "LblAlkaliMet", 3600},
    {ElementClass::RareEarthMetals,   "LblRareEarthMetals",   3960, 11, "LblRareEar",   4080},
}};
// clang-format on

} // namespace corvanel::ui
