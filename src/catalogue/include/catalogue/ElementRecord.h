#pragma once

#include <QString>

#include <array>
#include <cstddef>

namespace corvanel::catalogue {

/**
 * One element's display data: seventeen texts, shown exactly as stored. Nothing
 * reads a number out of them, so trailing zeros, a missing leading zero and the
 * odd spelling all reach the screen untouched. Every field is a UTF-8 literal.
 */
struct ElementRecord
{
    const char* name; ///< English name, spelled as the chart spells it ("Actinum", "Hahnium")
    const char* symbol; ///< one or two letters, first upper case (the tile captions are the window design's own)
    const char* atNumber; ///< "1" to "109"
    const char* atMass;
    const char* meltingPoint; ///< degrees Celsius or "Unknown"; the unit lives in the caption
    const char* boilingPoint; ///< as meltingPoint
    const char* numProtonElectrons; ///< always the same text as atNumber
    const char* numNeutrons;
    const char* elementClass; ///< the classification text, e.g. "Non-Metal", "Rare Earth"
    const char* crySt; ///< crystal structure
    const char* density; ///< g/cm3 or "Unknown"
    const char* color;
    const char* firstIon; ///< kJ/mol or "Unknown"
    const char* atRad;
    const char* majorOx; ///< comma-separated charges, "None" or "Unknown"
    const char* specificHeat; ///< J/g * degC or "Unknown"
    const char* electRings; ///< electrons per shell, two blanks between the numbers
};

/** The number of fields of a record. */
inline constexpr int kFieldCount = 17;

/** A pointer to one field of a record. */
using FieldMember = const char* ElementRecord::*;

/** The fields in display order: the order in which they are copied into the selection and shown. */
inline constexpr std::array<FieldMember, kFieldCount> kFields {
    &ElementRecord::name,
    &ElementRecord::symbol,
    &ElementRecord::atNumber,
    &ElementRecord::atMass,
    &ElementRecord::meltingPoint,
    &ElementRecord::boilingPoint,
    &ElementRecord::numProtonElectrons,
    &ElementRecord::numNeutrons,
    &ElementRecord::elementClass,
    &ElementRecord::crySt,
    &ElementRecord::density,
    &ElementRecord::color,
    &ElementRecord::firstIon,
    &ElementRecord::atRad,
    &ElementRecord::majorOx,
    &ElementRecord::specificHeat,
    &ElementRecord::electRings,
};

/**
 * The field at @p index (0-based, display order) of @p record.
 * Throws std::out_of_range for an index outside 0 .. kFieldCount - 1.
 */
constexpr const char* field(const ElementRecord& record, int index)
{
    return record.*kFields.at(static_cast<std::size_t>(index));
}

/** field() as a QString. */
inline QString fieldText(const ElementRecord& record, int index)
{
    return QString::fromUtf8(field(record, index));
}

} // namespace corvanel::catalogue
