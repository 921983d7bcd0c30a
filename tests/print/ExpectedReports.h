#pragma once

#include <QStringList>

namespace corvanel::test {

/** The 23 lines of one report copy with hydrogen selected, written out by hand. */
inline const QStringList kHydrogenReport {
    "",
    "",
    "-------------------Corvanel v1.1.8 - by Dranwick-------------------",
    "",
    "Name: Hydrogen",
    "Symbol: H",
    "Atomic Number: 1",
    "Atomic Mass: 1.00794",
    "Melting Point (°C): -259.14",
    "Boiling Point (°C): -252.87",
    "Classification: Non-metal",
    "Color: Colorless",
    "# of Protons/Electrons: 1",
    "# of Neutrons: 0",
    "Crystal Structure: Hexagonal",
    "Density @ RT (g/cm³): 0.08988",
    "1st Ion. Energy (kJ/mol): 1312",
    "At. Radius: 78",
    "Major Oxidation States: 1-,1+",
    "Specific Heat (J/g * °C): 14.298",
    "# of electrons in each shell: 1",
    "",
    "----------Get Your Copy at http://www.dranwick.example----------",
};

} // namespace corvanel::test
