#include "catalogue/ElementCatalogue.h"

#include <QCoreApplication>

#include <array>
#include <stdexcept>
#include <string_view>

namespace corvanel::catalogue {

namespace {

// The fields after the name (translated on its own) and the symbol (never translated).
constexpr int kFirstDataField = 2;

// Indexed by atomic number - 1, columns in field order. Every cell is the exact text the
// window shows in English.
// clang-format off
constexpr std::array<ElementRecord, kElementCount> kCatalogue{{
    {QT_TRANSLATE_NOOP("ElementName", "Hydrogen"),      "H",  "1",   "1.00794",   "-259.14", "-252.87", "1",   "0",   "Non-metal",      "Hexagonal",    "0.08988", "Colorless",    "1312",    "78",      "1-,1+",           "14.298",  "1"},
    {QT_TRANSLATE_NOOP("ElementName", "Helium"),        "He", "2",   "4.002602",  "-272.0",  "-268.6",  "2",   "2",   "Noble Gas",      "Hexagonal",    "0.1785",  "Colorless",    "2372",    "122",     "None",            "5.1931",  "2"},
    {QT_TRANSLATE_NOOP("ElementName", "Lithium"),       "Li", "3",   "6.941",     "180.54",  "1347.0",  "3",   "4",   "Alkali Metal",   "Cubic",        "0.53",    "Silvery",      "520.2",   "156",     "1+",              "3.569",   "2  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Beryllium"),     "Be", "4",   "9.012182",  "1278.0",  "2970.0",  "4",   "5",   "Alkaline Earth", "Hexagonal",    "1.8477",  "Gray",         "899.5",   "112",     "2+",              "1.824",   "2  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Boron"),         "B",  "5",   "10.811",    "2300.0",  "2550.0",  "5",   "6",   "Metalloid",      "Rhombohedra",  "2.34",    "Brownish",     "800.6",   "85",      "3+",              "1.026",   "2  3"},
    {QT_TRANSLATE_NOOP("ElementName", "Carbon"),        "C",  "6",   "12.0107",   "3500.0",  "4827.0",  "6",   "6",   "Non-Metal",      "Hexagonal",    "2.62",    "Black",        "1086.5",  "77",      "-4,+2,+4",        "0.7099",  "2  4"},
    {QT_TRANSLATE_NOOP("ElementName", "Nitrogen"),      "N",  "7",   "14.00674",  "-209.9",  "-195.8",  "7",   "7",   "Non-Metal",      "Hexagonal",    "1.2506",  "Colorless",    "1402",    "71",      "(1,2,3)+-,4+,5+", "1.0397",  "2  5"},
    {QT_TRANSLATE_NOOP("ElementName", "Oxygen"),        "O",  "8",   "15.9994",   "-218.4",  "-138.0",  "8",   "8",   "Non-Metal",      "Cubic",        "1.429",   "Colorless",    "1313.9",  "60",      "2-,1-",           "0.91738", "2  6"},
    {QT_TRANSLATE_NOOP("ElementName", "Flourine"),      "F",  "9",   "18.998404", "-219.62", "-188.14", "9",   "10",  "Halogen",        "Cubic",        "1.696",   "Greenish",     "1681",    "69",      "1-",              "0.8238",  "2  7"},
    {QT_TRANSLATE_NOOP("ElementName", "Neon"),          "Ne", "10",  "20.1797",   "-248.6",  "-246.1",  "10",  "10",  "Noble Gas",      "Cubic",        "0.901",   "Colorless",    "2081",    "131",     "None",            "1.0301",  "2  8"},
    {QT_TRANSLATE_NOOP("ElementName", "Sodium"),        "Na", "11",  "22.98977",  "97.8",    "552.9",   "11",  "12",  "Alkali Metal",   "Cubic",        "0.971",   "Silvery",      "495.9",   "186",     "1+",              "1.228",   "2  8  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Magnesium"),     "Mg", "12",  "24.305",    "650.0",   "1107.0",  "12",  "12",  "Alkaline Earth", "Hexagonal",    "1.738",   "Grayish",      "737.8",   "160",     "2+",              "1.024",   "2  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Aluminium"),     "Al", "13",  "26.981539", "660.37",  "2467.0",  "13",  "14",  "Other Metals",   "Cubic",        "2.702",   "Silver",       "577.5",   "133",     "3+",              "0.9025",  "2  8  3"},
    {QT_TRANSLATE_NOOP("ElementName", "Silicon"),       "Si", "14",  "28.0855",   "1410.0",  "2355.0",  "14",  "14",  "Metalloid",      "Cubic",        "2.329",   "Gray",         "786.5",   "118",     "2+,4+",           "0.7121",  "2  8  4"},
    {QT_TRANSLATE_NOOP("ElementName", "Phosphorus"),    "P",  "15",  "30.97376",  "44.1",    "280.0",   "15",  "16",  "Non-Metal",      "Monoclinic",   "1.82",    "White",        "1012",    "109",     "3-,3+,5+",        "0.76968", "2  8  5"},
    {QT_TRANSLATE_NOOP("ElementName", "Sulfur"),        "S",  "16",  "32.066",    "112.8",   "444.6",   "16",  "16",  "Non-Metal",      "Orthorhombic", "2.07",    "Yellow",       "999.6",   "103",     "2-,4+,6+",        "1.228",   "2  8  6"},
    {QT_TRANSLATE_NOOP("ElementName", "Chlorine"),      "Cl", "17",  "35.4527",   "-100.98", "-34.6",   "17",  "18",  "Halogen",        "Orthorhombic", "3.214",   "Green",        "1255.5",  "91",      "1-,1+,3+,5+",     "0.47820", "2  8  7"},
    {QT_TRANSLATE_NOOP("ElementName", "Argon"),         "Ar", "18",  "39.948",    "-189.3",  "-186.0",  "18",  "22",  "Noble Gas",      "Cubic",        "1.784",   "Colorless",    "1521",    "191",     "None",            "0.52033", "2  8  8"},
    {QT_TRANSLATE_NOOP("ElementName", "Potassium"),     "K",  "19",  "39.0983",   "63.65",   "774.0",   "19",  "20",  "Alkali Metal",   "Cubic",        "0.862",   "Silvery",      "418.8",   "231",     "1+",              "0.7566",  "2  8  8  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Calcium"),       "Ca", "20",  "40.078",    "839.0",   "1484.0",  "20",  "20",  "Alkaline Earth", "Cubic",        "1.55",    "Silvery",      "589.8",   "197",     "2+",              "0.6315",  "2  8  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Scandium"),      "Sc", "21",  "44.95591",  "1539.0",  "2832.0",  "21",  "24",  "Transition",     "Hexagonal",    "2.989",   "Silvery",      "631",     "162",     "3+",              ".5677",   "2  8  9  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Titanium"),      "Ti", "22",  "47.867",    "1660.0",  "3287.0",  "22",  "26",  "Transition",     "Hexagonal",    "4.54",    "Silverish",    "658.1",   "147",     "2+,3+,4+",        "0.5226",  "2  8  10  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Vanadium"),      "V",  "23",  "50.9415",   "1890.0",  "3380.0",  "23",  "28",  "Transition",     "Cubic",        "5.8",     "Silverish",    "650.3",   "134",     "2+,3+,4+,5+",     "0.4886",  "2  8  11  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Chromium"),      "Cr", "24",  "51.9961",   "1857.0",  "2672.0",  "24",  "28",  "Transition",     "Cubic",        "7.19",    "Gray",         "652.8",   "128",     "2+,3+,6+",        "0.4491",  "2  8  13  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Manganese"),     "Mn", "25",  "54.93805",  "1245.0",  "1962.0",  "25",  "30",  "Transition",     "Cubic",        "7.43",    "Silverish",    "717.5",   "127",     "2+,3+,4+,6+,7+",  "0.4791",  "2  8  13  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Iron"),          "Fe", "26",  "55.845",    "1535.0",  "2750.0",  "26",  "30",  "Transition",     "Cubic",        "7.86",    "Silvery",      "759.4",   "126",     "2+,3+",           "0.4494",  "2  8  14  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Cobalt"),        "Co", "27",  "58.9332",   "1495.0",  "2870.0",  "27",  "32",  "Transition",     "Hexagonal",    "8.9",     "Silver",       "758.8",   "125",     "2+,3+",           "0.4210",  "2  8  15  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Nickel"),        "Ni", "28",  "58.6934",   "1453.0",  "2732.0",  "28",  "31",  "Transition",     "Cubic",        "8.902",   "White",        "736.7",   "124",     "2+,3+,4+",        "0.4442",  "2  8  16  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Copper"),        "Cu", "29",  "63.546",    "1083.0",  "2567.0",  "29",  "35",  "Transition",     "Cubic",        "8.96",    "Red/Orange",   "745.5",   "128",     "1+,2+",           "0.38452", "2  8  18  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Zinc"),          "Zn", "30",  "65.39",     "419.58",  "907.0",   "30",  "35",  "Transition",     "Hexagonal",    "7.133",   "Bluish",       "906.4",   "134",     "2+",              "0.3884",  "2  8  18  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Gallium"),       "Ga", "31",  "69.723",    "29.78",   "2403.0",  "31",  "39",  "Other Metals",   "Orthorhombic", "5.907",   "White/Silver", "578.8",   "134",     "1+,3+",           "0.3709",  "2  8  18  3"},
    {QT_TRANSLATE_NOOP("ElementName", "Germanium"),     "Ge", "32",  "72.61",     "937.4",   "2830.0",  "32",  "41",  "Metalloid",      "Cubic",        "5.323",   "Grayish",      "761.2",   "123",     "2+,4+",           "0.3215",  "2  8  18  4"},
    {QT_TRANSLATE_NOOP("ElementName", "Arsenic"),       "As", "33",  "74.9216",   "817.0",   "613.0",   "33",  "42",  "Metalloid",      "Rhombohedra",  "5.72",    "Gray",         "947",     "121",     "3+,5+",           "0.3289",  "2  8  18  5"},
    {QT_TRANSLATE_NOOP("ElementName", "Selenium"),      "Se", "34",  "78.96",     "217.0",   "684.9",   "34",  "45",  "Non-Metal",      "Hexagonal",    "4.79",    "Gray",         "940.7",   "117",     "2-,2+,4+,6+",     "0.3212",  "2  8  18  6"},
    {QT_TRANSLATE_NOOP("ElementName", "Bromine"),       "Br", "35",  "79.904",    "-7.2",    "58.78",   "35",  "45",  "Halogen",        "Orthorhombic", "3.119",   "Red",          "1139.9",  "119",     "1-,1+,3+,5+",     "0.47362", " 2  8  18  7"},
    {QT_TRANSLATE_NOOP("ElementName", "Krypton"),       "Kr", "36",  "83.8",      "-157.2",  "-153.4",  "36",  "48",  "Noble Gas",      "Cubic",        "3.74",    "Colorless",    "1351",    "201",     "None",            "0.2480",  "2  8  18  8"},
    {QT_TRANSLATE_NOOP("ElementName", "Rubidium"),      "Rb", "37",  "85.4678",   "38.89",   "688.0",   "37",  "48",  "Alkali Metal",   "Cubic",        "1.532",   "Silvery",      "403",     "248",     "1+",              "0.36344", "2  8  18  8  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Strontium"),     "Sr", "38",  "87.62",     "769.0",   "1384.0",  "38",  "50",  "Alkaline Earth", "Cubic",        "2.54",    "Yellowish",    "549.5",   "215",     "2+",              "0.301",   "2  8  18  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Yttrium"),       "Y",  "39",  "88.90585",  "1523.0",  "3337.0",  "39",  "50",  "Transition",     "Hexagonal",    "4.469",   "Silvery",      "616",     "180",     "3+",              "0.2984",  "2  8  18  9  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Zirconium"),     "Zr", "40",  "91.224",    "1852.0",  "4377.0",  "40",  "51",  "Transition",     "Hexagonal",    "6.49",    "Grayish",      "659.7",   "160",     "4+",              "0.2780",  "2  8  18  10  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Niobium"),       "Nb", "41",  "92.90638",  "2468.0",  "4927.0",  "41",  "52",  "Transition",     "Cubic",        "8.57",    "White",        "664.1",   "146",     "4+,5+",           "0.2648",  "2  8  18  12  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Molybdenum"),    "Mo", "42",  "95.94",     "2617.0",  "4612.0",  "42",  "54",  "Transition",     "Cubic",        "10.22",   "Silverish",    "685",     "139",     "4+,5+,6+",        "0.2508",  "2  8  18  13  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Technetium"),    "Tc", "43",  "98",        "2200.0",  "4877.0",  "43",  "55",  "Transition",     "Hexagonal",    "11.5",    "Unknown",      "702",     "136",     "2+,4+,6+,7+",     "Unknown", "2  8  18  13  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Ruthenium"),     "Ru", "44",  "101.07",    "2250.0",  "3900.0",  "44",  "57",  "Transition",     "Hexagonal",    "12.2",    "Silvery",      "711",     "134",     "2+,3+,4+,5+",     "0.36344", "2  8  18  15  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Rhodium"),       "Rh", "45",  "102.9055",  "1966.0",  "3727.0",  "45",  "58",  "Transition",     "Cubic",        "12.41",   "Silverish",    "720",     "134",     "3+,4+,5+",        "0.2427",  "2  8  18  16  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Palladium"),     "Pd", "46",  "106.42",    "1552.0",  "2927.0",  "46",  "60",  "Transition",     "Cubic",        "12.02",   "White",        "805",     "137",     "2+,4+",           "0.2441",  "2  8  18  18  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Silver"),        "Ag", "47",  "107.8682",  "961.93",  "2212.0",  "47",  "61",  "Transition",     "Cubic",        "10.5",    "Silver",       "730.8",   "144",     "1+",              "0.23502", "2  8  18  18  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Cadmium"),       "Cd", "48",  "112.411",   "320.9",   "765.0",   "48",  "64",  "Transition",     "Hexagonal",    "8.65",    "Silvery",      "867.7",   "151",     "2+",              "0.2311",  "2  8  18  18  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Indium"),        "In", "49",  "114.818",   "156.61",  "2000.0",  "49",  "66",  "Other Metals",   "Tetragonal",   "7.31",    "Silverish",    "558.2",   "167",     "1+,3+",           "0.2407",  "2  8  18  18  3"},
    {QT_TRANSLATE_NOOP("ElementName", "Tin"),           "Sn", "50",  "118.71",    "231.9",   "2270.0",  "50",  "69",  "Other Metals",   "Tetragonal",   "7.31",    "White",        "708.4",   "141",     "2+,4+",           "0.2274",  "2  8  18  18  4"},
    {QT_TRANSLATE_NOOP("ElementName", "Antimony"),      "Sb", "51",  "121.76",    "630.0",   "1750.0",  "51",  "71",  "Metalloid",      "Rhombohedra",  "6.684",   "Bluish",       "834",     "161",     "3+,5+",           "0.2072",  "2  8  18  18  5"},
    {QT_TRANSLATE_NOOP("ElementName", "Tellurium"),     "Te", "52",  "127.60",    "449.5",   "989.8",   "52",  "76",  "Metalloid",      "Hexagonal",    "6.24",    "Silverish",    "869",     "138",     "2-,2+,4+,6+",     "0.2016",  "2  8  18  18  6"},
    {QT_TRANSLATE_NOOP("ElementName", "Iodine"),        "I",  "53",  "126.90447", "113.5",   "184.0",   "53",  "74",  "Halogen",        "Orthorhombic", "4.93",    "Blackish",     "1008.4",  "138",     "1-,1+,5+,7+",     "0.21448", "2  8  18  18  7"},
    {QT_TRANSLATE_NOOP("ElementName", "Xenon"),         "Xe", "54",  "131.29",    "-111.9",  "-108.1",  "54",  "77",  "Noble Gas",      "Cubic",        "5.8971",  "Colorless",    "1170",    "218",     "None",            "0.15832", "2  8  18  18  8"},
    {QT_TRANSLATE_NOOP("ElementName", "Cesium"),        "Cs", "55",  "132.90546", "28.5",    "678.4",   "55",  "78",  "Alkali Metal",   "Cubic",        "1.873",   "Silvery",      "375.7",   "262",     "1+",              "0.2421",  "2  8  18  18  8  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Barium"),        "Ba", "56",  "137.327",   "725.0",   "1140.0",  "56",  "81",  "Alkaline Earth", "Cubic",        "3.51",    "Silver",       "502.9",   "222",     "2+",              "0.2044",  "2  8  18  18  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Lanthanum"),     "La", "57",  "138.9055",  "920.0",   "3469.0",  "57",  "82",  "Rare Earth",     "Hexagonal",    "6.7",     "White",        "538",     "187",     "3+",              "0.1952",  "2  8  18  18  9  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Cerium"),        "Ce", "58",  "140.116",   "795.0",   "3257.0",  "58",  "82",  "Rare Earth",     "Cubic",        "6.773",   "Gray",         "541",     "181.8",   "3+,4+",           "0.1923",  "2  8  18  20  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Praseodymium"),  "Pr", "59",  "140.90765", "935.0",   "3127.0",  "59",  "82",  "Rare Earth",     "Hexagonal",    "6.77",    "Unknown",      "522",     "182.4",   "3+,4+",           "0.1930",  "2  8  18  21  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Neodymium"),     "Nd", "60",  "144.24",    "1010.0",  "3127.0",  "60",  "84",  "Rare Earth",     "Hexagonal",    "7.007",   "Silvery",      "530",     "181.4",   "2+,3+",           "0.1903",  "2  8  18  22  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Promethium"),    "Pm", "61",  "145",       "Unknown", "Unknown", "61",  "84",  "Rare Earth",     "Hexagonal",    "6.475",   "Unknown",      "536",     "183.4",   "3+",              "Unknown", "2  8  18  23  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Samarium"),      "Sm", "62",  "150.36",    "1072.0",  "1900.0",  "62",  "88",  "Rare Earth",     "Rhombohedra",  "7.54",    "Silver",       "542",     "180.4",   "2+,3+",           "0.1965",  "2  8  18  24  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Europium"),      "Eu", "63",  "151.964",   "822.0",   "1597.0",  "63",  "89",  "Rare Earth",     "Cubic",        "5.259",   "Silver",       "547",     "208.4",   "2+,3+",           "0.1820",  "2  8  18  25  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Gadolinium"),    "Gd", "64",  "157.25",    "1311.0",  "3233.0",  "64",  "93",  "Rare Earth",     "Hexagonal",    "7.895",   "Silverish",    "592",     "180.4",   "3+",              "0.2355",  "2  8  18  25  9  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Terbium"),       "Tb", "65",  "158.92534", "1360.0",  "3041.0",  "65",  "94",  "Rare Earth",     "Hexagonal",    "8.27",    "Silverish",    "564",     "177.3",   "3+,4+",           "0.1819",  "2  8  18  27  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Dysprosium"),    "Dy", "66",  "162.50",    "1412.0",  "2562.0",  "66",  "97",  "Rare Earth",     "Hexagonal",    "8.536",   "Unknown",      "572",     "178.1",   "2+,3+",           "0.1733",  "2  8  18  28  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Holmium"),       "Ho", "67",  "164.93031", "1470.0",  "2720.0",  "67",  "98",  "Rare Earth",     "Hexagonal",    "8.54",    "Silver",       "581",     "176.2",   "3+",              "0.1646",  "2  8  18  29  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Erbium"),        "Er", "68",  "167.26",    "1522.0",  "2510.0",  "68",  "99",  "Rare Earth",     "Hexagonal",    "8.795",   "Grayish",      "589",     "176.1",   "3+",              "0.1681",  "2  8  18  30  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Thulium"),       "Tm", "69",  "168.9342",  "1545.0",  "1727.0",  "69",  "100", "Rare Earth",     "Hexagonal",    "9.321",   "Silverish",    "596",     "175.9",   "Unknown",         "0.1600",  "2  8  18  31  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Ytterbium"),     "Yb", "70",  "173.04",    "824.0",   "1466.0",  "70",  "103", "Rare Earth",     "Cubic",        "6.98",    "Silvery",      "603",     "193.3",   "2+,3+",           "0.1545",  "2  8  18  32  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Lutetium"),      "Lu", "71",  "174.967",   "1656.0",  "3315.0",  "71",  "104", "Rare Earth",     "Hexagonal",    "9.85",    "Silvery",      "524",     "173.8",   "3+",              "0.1535",  "2  8  18  32  9  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Hafnium"),       "Hf", "72",  "178.49",    "2150.0",  "5400.0",  "72",  "106", "Transition",     "Hexagonal",    "13.2",    "Silver",       "654.4",   "159",     "4+",              "0.1442",  "2  8  18  32  10  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Tantalum"),      "Ta", "73",  "180.9479",  "2996.0",  "5425.0",  "73",  "108", "Transition",     "Cubic",        "16.654",  "Gray",         "760.8",   "146",     "4+,5+",           "0.1402",  "2  8  18  32  11  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Tungsten"),      "W",  "74",  "183.84",    "3410.0",  "5660.0",  "74",  "110", "Transition",     "Cubic",        "19.3",    "Silver",       "770.4",   "139",     "4+,5+,6+",        "0.1320",  "2  8  18  32  12  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Rhenium"),       "Re", "75",  "186.207",   "3180.0",  "5627.0",  "75",  "111", "Transition",     "Hexagonal",    "21.02",   "Silverish",    "760",     "137",     "3+,4+,6+,7+",     "0.1368",  "2  8  18  32  13  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Osmium"),        "Os", "76",  "190.23",    "3045.0",  "5027.0",  "76",  "114", "Transition",     "Hexagonal",    "22.4",    "Silvery",      "840",     "135",     "4+,6+,8+",        "0.130",   "2  8  18  32  14  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Iridium"),       "Ir", "77",  "192.217",   "2410.0",  "4527.0",  "77",  "115", "Transition",     "Cubic",        "22.5",    "White",        "880",     "135.5",   "3+,4+,5+",        "0.1306",  "2  8  18  32  15  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Platinium"),     "Pt", "78",  "195.078",   "1772.0",  "3827.0",  "78",  "117", "Transition",     "Cubic",        "21.45",   "Silverish",    "868",     "138.5",   "2+,4+",           "0.1326",  "2  8  18  32  17  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Gold"),          "Au", "79",  "196.96655", "1064.43", "2807.0",  "79",  "118", "Transition",     "Cubic",        "19.32",   "Yellow",       "889.9",   "144",     "1+,3+",           "0.12905", "2  8  18  32  18  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Mercury"),       "Hg", "80",  "200.59",    "-38.87",  "356.58",  "80",  "121", "Transition",     "Rhombohedra",  "13.456",  "Silver",       "1007",    "151",     "1+,2+",           "0.13950", "2  8  18  32  18  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Thallium"),      "Tl", "81",  "204.3833",  "303.5",   "1457.0",  "81",  "123", "Other Metals",   "Hexagonal",    "11.85",   "Bluish",       "589.1",   "170",     "1+,3+",           "0.1288",  "2  8  18  32  18  3"},
    {QT_TRANSLATE_NOOP("ElementName", "Lead"),          "Pb", "82",  "207.2",     "327.5",   "1740.0",  "82",  "125", "Other Metals",   "Cubic",        "11.34",   "Bluish",       "715.6",   "175",     "2+,4+",           "0.1276",  "2  8  18  32  18  4"},
    {QT_TRANSLATE_NOOP("ElementName", "Bismuth"),       "Bi", "83",  "208.98038", "271.3",   "1560.0",  "83",  "126", "Other Metals",   "Rhombohedra",  "9.8",     "White",        "703",     "151",     "3+,5+",           "0.1221",  "2  8  18  32  18  5"},
    {QT_TRANSLATE_NOOP("ElementName", "Pollonium"),     "Po", "84",  "209",       "254.0",   "962.0",   "84",  "125", "Metalloid",      "Monoclinic",   "9.4",     "Unknown",      "813",     "164",     "2-,2+,4+,6+",     "0.125",   "2  8  18  32  18  6"},
    {QT_TRANSLATE_NOOP("ElementName", "Astatine"),      "At", "85",  "210",       "302.0",   "337.0",   "85",  "125", "Halogen",        "Unknown",      "Unknown", "Unknown",      "916",     "Unknown", "1-,5+",           "Unknown", "2  8  18  32  18  7"},
    {QT_TRANSLATE_NOOP("ElementName", "Radon"),         "Rn", "86",  "222",       "-71.0",   "-61.8",   "86",  "136", "Noble Gas",      "Cubic",        "9.73",    "Colorless",    "1037",    "232",     "None",            "Unknown", "2  8  18  32  18  8"},
    {QT_TRANSLATE_NOOP("ElementName", "Francium"),      "Fr", "87",  "223",       "27.0",    "677.0",   "87",  "136", "Alkali Metal",   "Cubic",        "Unknown", "Unknown",      "375",     "280",     "1+",              "Unknown", "2  8  18  32  18  8  1"},
    {QT_TRANSLATE_NOOP("ElementName", "Radium"),        "Ra", "88",  "226",       "700.0",   "1737.0",  "88",  "138", "Alkaline Earth", "Cubic",        "5.0",     "Silverish",    "509.1",   "228",     "2+",              "Unknown", "2  8  18  32  18  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Actinum"),       "Ac", "89",  "227",       "1050.0",  "3200.0",  "89",  "138", "Rare Earth",     "Cubic",        "10.07",   "Silvery",      "666",     "203",     "3+",              "0.120",   "2  8  18  32  18  9  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Thorium"),       "Th", "90",  "232.0381",  "1750.0",  "4790.0",  "90",  "142", "Rare Earth",     "Cubic",        "11.72",   "Silvery",      "587",     "179",     "4+",              "0.1177",  "2  8  18  32  18  10  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Protactinium"),  "Pa", "91",  "231.03587", "1600.0",  "Unknown", "91",  "140", "Rare Earth",     "Orthorhombic", "15.4",    "Unknown",      "568",     "163",     "3+,4+,5+",        "Unknown", "2  8  18  32  18  10  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Uranium"),       "U",  "92",  "238.0289",  "1132.0",  "3818.0",  "92",  "146", "Rare Earth",     "Orthorhombic", "18.95",   "Silverish",    "584",     "156",     "3+,4+,5+,6+",     "0.11618", "2  8  18  32  21  9  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Neptunium"),     "Np", "93",  "237.05",    "640.0",   "3902.0",  "93",  "144", "Rare Earth",     "Orthorhombic", "20.45",   "Unknown",      "597",     "155",     "(2,3,4,5,6)+",    "Unknown", "2  8  18  32  22  9  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Plutonium"),     "Pu", "94",  "244",       "639.5",   "3235.0",  "94",  "150", "Rare Earth",     "Monoclinic",   "19.84",   "Unknown",      "585",     "162",     "3+,4+,5+,6+",     "0.138",   "2  8  18  32  24  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Americium"),     "Am", "95",  "243",       "994.0",   "2607.0",  "95",  "148", "Rare Earth",     "Hexagonal",    "13.6",    "Unknown",      "579",     "183",     "2+,3+,4+",        "Unknown", "2  8  18  32  25  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Curium"),        "Cm", "96",  "247",       "1340.0",  "Unknown", "96",  "151", "Rare Earth",     "Unknown",      "13.511",  "Unknown",      "581",     "174",     "3+,4+",           "Unknown", "2  8  18  32  25  9  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Berkelium"),     "Bk", "97",  "247",       "Unknown", "Unknown", "97",  "150", "Rare Earth",     "Unknown",      "Unknown", "Unknown",      "601",     "170",     "3+,4+",           "Unknown", "2  8  18  32  26  9  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Californium"),   "Cf", "98",  "247",       "Unknown", "Unknown", "98",  "153", "Rare Earth",     "Unknown",      "Unknown", "Unknown",      "608",     "186",     "3+,4+",           "Unknown", "2  8  18  32  28  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Einsteinium"),   "Es", "99",  "254",       "Unknown", "Unknown", "99",  "153", "Rare Earth",     "Unknown",      "Unknown", "Unknown",      "619",     "186",     "3+",              "Unknown", "2  8  18  32  29  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Fermium"),       "Fm", "100", "257",       "Unknown", "Unknown", "100", "157", "Rare Earth",     "Unknown",      "Unknown", "Unknown",      "627",     "Unknown", "2+,3+",           "Unknown", "2  8  18  32  30  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Mendelevium"),   "Md", "101", "258",       "Unknown", "Unknown", "101", "157", "Rare Earth",     "Unknown",      "Unknown", "Unknown",      "635",     "Unknown", "2+,3+",           "Unknown", "2  8  18  32  31  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Nobelium"),      "No", "102", "259",       "Unknown", "Unknown", "102", "157", "Unknown",        "Unknown",      "Unknown", "Unknown",      "642",     "Unknown", "2+,3+",           "Unknown", "2  8  18  32  32  8  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Lawrencium"),    "Lr", "103", "262",       "Unknown", "Unknown", "103", "159", "Rare Earth",     "Unknown",      "Unknown", "Unknown",      "Unknown", "Unknown", "3+",              "Unknown", "2  8  18  32  32  9  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Rutherfordium"), "Rf", "104", "261",       "Unknown", "Unknown", "104", "157", "Transition",     "Unknown",      "Unknown", "Unknown",      "Unknown", "Unknown", "Unknown",         "Unknown", "2  8  18  32  32  10  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Hahnium"),       "Ha", "105", "262",       "Unknown", "Unknown", "105", "157", "Transition",     "Unknown",      "Unknown", "Unknown",      "Unknown", "Unknown", "Unknown",         "Unknown", "2  8  18  32  32  12  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Seaborgium"),    "Sg", "106", "263",       "Unknown", "Unknown", "106", "157", "Transition",     "Unknown",      "Unknown", "Unknown",      "Unknown", "Unknown", "Unknown",         "Unknown", "2  8  18  32  32  12  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Neilsborium"),   "Ns", "107", "262",       "Unknown", "Unknown", "107", "155", "Transition",     "Unknown",      "Unknown", "Unknown",      "Unknown", "Unknown", "Unknown",         "Unknown", "2  8  18  32  32  13  2"},
    {QT_TRANSLATE_NOOP("ElementName", "Hassium"),       "Hs", "108", "265",       "Unknown", "Unknown", "108", "157", "Transition",     "Unknown",      "Unknown", "Unknown",      "Unknown", "Unknown", "Unknown",         "Unknown", "Unknown"},
    {QT_TRANSLATE_NOOP("ElementName", "Meitnerium"),    "Mt", "109", "265",       "Unknown", "Unknown", "109", "157", "Transition",     "Unknown",      "Unknown", "Unknown",      "Unknown", "Unknown", "Unknown",         "Unknown", "Unknown"},
}};
// clang-format on

// The catalogue's words, each once as the table writes it: the classifications, crystal structures,
// colours, "None" and "Unknown". A cell is shown translated when its whole text is one of them.
// clang-format off
constexpr std::array<const char*, 36> kWords{{
    QT_TRANSLATE_NOOP("Catalogue", "Alkali Metal"),
    QT_TRANSLATE_NOOP("Catalogue", "Alkaline Earth"),
    QT_TRANSLATE_NOOP("Catalogue", "Halogen"),
    QT_TRANSLATE_NOOP("Catalogue", "Metalloid"),
    QT_TRANSLATE_NOOP("Catalogue", "Noble Gas"),
    QT_TRANSLATE_NOOP("Catalogue", "Non-Metal"),
    QT_TRANSLATE_NOOP("Catalogue", "Non-metal"),
    QT_TRANSLATE_NOOP("Catalogue", "Other Metals"),
    QT_TRANSLATE_NOOP("Catalogue", "Rare Earth"),
    QT_TRANSLATE_NOOP("Catalogue", "Transition"),
    QT_TRANSLATE_NOOP("Catalogue", "Cubic"),
    QT_TRANSLATE_NOOP("Catalogue", "Hexagonal"),
    QT_TRANSLATE_NOOP("Catalogue", "Monoclinic"),
    QT_TRANSLATE_NOOP("Catalogue", "Orthorhombic"),
    QT_TRANSLATE_NOOP("Catalogue", "Rhombohedra"),
    QT_TRANSLATE_NOOP("Catalogue", "Tetragonal"),
    QT_TRANSLATE_NOOP("Catalogue", "Black"),
    QT_TRANSLATE_NOOP("Catalogue", "Blackish"),
    QT_TRANSLATE_NOOP("Catalogue", "Bluish"),
    QT_TRANSLATE_NOOP("Catalogue", "Brownish"),
    QT_TRANSLATE_NOOP("Catalogue", "Colorless"),
    QT_TRANSLATE_NOOP("Catalogue", "Gray"),
    QT_TRANSLATE_NOOP("Catalogue", "Grayish"),
    QT_TRANSLATE_NOOP("Catalogue", "Green"),
    QT_TRANSLATE_NOOP("Catalogue", "Greenish"),
    QT_TRANSLATE_NOOP("Catalogue", "Red"),
    QT_TRANSLATE_NOOP("Catalogue", "Red/Orange"),
    QT_TRANSLATE_NOOP("Catalogue", "Silver"),
    QT_TRANSLATE_NOOP("Catalogue", "Silverish"),
    QT_TRANSLATE_NOOP("Catalogue", "Silvery"),
    QT_TRANSLATE_NOOP("Catalogue", "White"),
    QT_TRANSLATE_NOOP("Catalogue", "White/Silver"),
    QT_TRANSLATE_NOOP("Catalogue", "Yellow"),
    QT_TRANSLATE_NOOP("Catalogue", "Yellowish"),
    QT_TRANSLATE_NOOP("Catalogue", "None"),
    QT_TRANSLATE_NOOP("Catalogue", "Unknown"),
}};
// clang-format on

constexpr bool isWord(std::string_view text)
{
    for (const char* word : kWords) {
        if (text == word) {
            return true;
        }
    }
    return false;
}

constexpr bool hasLetter(std::string_view text)
{
    for (const char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            return true;
        }
    }
    return false;
}

// A cell in words that the list above lacks would stay English in every language.
constexpr bool everyWordIsListed()
{
    for (const ElementRecord& record : kCatalogue) {
        for (int f = kFirstDataField; f < kFieldCount; ++f) {
            const std::string_view cell = field(record, f);
            if (hasLetter(cell) && !isWord(cell)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(everyWordIsListed());

constexpr std::string_view decimal(int value, std::array<char, 4>& buffer)
{
    std::size_t begin = buffer.size();
    do {
        buffer[--begin] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    return {buffer.data() + begin, buffer.size() - begin};
}

// A misplaced row would hand a button another element's data; let the compiler catch it.
constexpr bool rowsStandAtTheirAtomicNumbers()
{
    for (int i = 0; i < kElementCount; ++i) {
        const ElementRecord& record = kCatalogue[static_cast<std::size_t>(i)];
        std::array<char, 4> buffer {};
        if (std::string_view(record.atNumber) != decimal(i + 1, buffer)
            || std::string_view(record.numProtonElectrons) != record.atNumber) {
            return false;
        }
        for (int f = 0; f < kFieldCount; ++f) {
            if (std::string_view(field(record, f)).empty()) {
                return false;
            }
        }
    }
    return true;
}
static_assert(rowsStandAtTheirAtomicNumbers());

} // namespace

const ElementRecord& catalogueEntry(int atomicNumber)
{
    if (atomicNumber < 1 || atomicNumber > kElementCount) {
        throw std::out_of_range("No element has this atomic number");
    }
    return kCatalogue[static_cast<std::size_t>(atomicNumber - 1)];
}

QString displayText(const ElementRecord& record, int index)
{
    // Numbers and symbols have no entry, so they come back as the catalogue holds them.
    const char* cell = field(record, index);
    return QCoreApplication::translate(index == 0 ? "ElementName" : "Catalogue", cell);
}

} // namespace corvanel::catalogue
