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

/** The 23 lines of one report copy with sodium selected, written out by hand. */
inline const QStringList kSodiumReport {
    "",
    "",
    "-------------------Corvanel v1.1.8 - by Dranwick-------------------",
    "",
    "Name: Sodium",
    "Symbol: Na",
    "Atomic Number: 11",
    "Atomic Mass: 22.98977",
    "Melting Point (°C): 97.8",
    "Boiling Point (°C): 552.9",
    "Classification: Alkali Metal",
    "Color: Silvery",
    "# of Protons/Electrons: 11",
    "# of Neutrons: 12",
    "Crystal Structure: Cubic",
    "Density @ RT (g/cm³): 0.971",
    "1st Ion. Energy (kJ/mol): 495.9",
    "At. Radius: 186",
    "Major Oxidation States: 1+",
    "Specific Heat (J/g * °C): 1.228",
    "# of electrons in each shell: 2  8  1",
    "",
    "----------Get Your Copy at http://www.dranwick.example----------",
};

} // namespace corvanel::test
