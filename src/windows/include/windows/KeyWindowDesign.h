#pragma once

#include "ui_common/ElementClasses.h"

#include <array>

namespace corvanel::ui {

/** One legend row: a colour swatch and the class name beside it. Positions in twips. */
struct KeyRowDesign
{
    ElementClass elementClass; ///< colour and caption come from the shared class table
    const char* swatchName;
    int swatchTop;
    int swatchTabIndex;
    const char* labelName;
    int labelTop;
};

/** The Key window itself. */
struct KeyWindowDesign
{
    const char* name;
    const char* caption;
    int clientWidth;
    int clientHeight;
    const char* icon; ///< the name of its art, e.g. "globe-small"
};

/** Geometry every legend row shares, in twips. */
struct KeyRowGeometry
{
    int swatchLeft;
    int swatchSize;
    int labelLeft;
    int labelWidth;
    int labelHeight;
};

extern const KeyWindowDesign kKeyWindowDesign;
extern const KeyRowGeometry kKeyRowGeometry;
/** The nine rows, top to bottom. */
extern const std::array<KeyRowDesign, 9> kKeyRows;

} // namespace corvanel::ui
