#pragma once

#include "catalogue/ElementRecord.h"

namespace corvanel::catalogue {

/** The number of elements in the catalogue, atomic numbers 1 to kElementCount. */
inline constexpr int kElementCount = 109;

/**
 * The record of the element with atomic number @p atomicNumber (1 .. kElementCount).
 * Each element button is bound to its atomic number when the window is designed;
 * this is the only way into the catalogue. Throws std::out_of_range for any other
 * number. The table is constant data: nothing is built at start-up.
 */
const ElementRecord& catalogueEntry(int atomicNumber);

/**
 * Field @p index of @p record as the user reads it: the name, classification, crystal structure,
 * colour, "None" and "Unknown" in the program's language; symbols and numbers as the catalogue
 * holds them.
 */
QString displayText(const ElementRecord& record, int index);

} // namespace corvanel::catalogue
