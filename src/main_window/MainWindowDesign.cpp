#include "main_window/MainWindowDesign.h"

namespace corvanel::ui::design {

namespace {
constexpr Qt::AlignmentFlag L = Qt::AlignLeft;
constexpr Qt::AlignmentFlag C = Qt::AlignHCenter;
constexpr Container W = Container::Window;
constexpr Container Info = Container::FrmInfo;
constexpr Container Elect = Container::FrmElect;
constexpr Container Misc = Container::FrmMisc;
} // namespace

const char* const kGroupHeader
    = "1     2     3     4     5     6     7     8     9     10     11     12     13     14     "
      "15     16     17     18";

// clang-format off
const std::array<FrameDesign, 3> kFrames{{
    {"FrmInfo",  "Element Information", W, 720,  240,  6015, 1815},
    {"FrmElect", "Electrons Per Shell", W, 6840, 240,  1935, 1095},
    {"FrmMisc",  "",                    W, 1200, 2085, 4575, 925},
}};

// Field numbers follow the record: 0 Name ... 16 ElectRings; -1 marks a caption label.
const std::array<LabelDesign, 36> kLabels{{
    // The group numbers are spaced by blanks alone, to stand over their columns.
    {"LblTop", kGroupHeader, W, 240, 0, 8415, 255, 9.75, true, L, false, false, -1, nullptr, true},
    {"LblLan", "Lanthanide Series", W, 240, 5160, 1095, 375, 8.25, true, C, true, true, -1, nullptr},
    {"LblAct", "Actinide Series",   W, 240, 5640, 1095, 375, 8.25, true, C, true, true, -1, nullptr},

    {"LblName",               "Name:",                             Info, 120,  240,  615,  255, 8.25, true,  L, false, false, -1, nullptr},
    {"LblsAA",                "?",                                 Info, 1440, 240,  1095, 255, 8.25, true,  L, false, false, 0, "LblName"},
    {"LblSymbol",             "Symbol:",                           Info, 120,  480,  615,  255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsBB",                "?",                                 Info, 1440, 480,  855,  255, 8.25, false, L, false, false, 1, "LblSymbol"},
    {"LblAtNumber",           "Atomic Number:",                    Info, 120,  720,  1215, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsCC",                "?",                                 Info, 1440, 720,  855,  255, 8.25, false, L, false, false, 2, "LblAtNumber"},
    {"LblAtMass",             "Atomic Mass:",                      Info, 120,  960,  975,  255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsDD",                "?",                                 Info, 1440, 960,  855,  255, 8.25, false, L, false, false, 3, "LblAtMass"},
    {"LblBoilingPoint",       "Boiling Point (\u00b0C):",          Info, 120,  1200, 1335, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsFF",                "?",                                 Info, 1440, 1200, 1095, 255, 8.25, false, L, false, false, 5, "LblBoilingPoint"},
    {"LblMeltingPoint",       "Melting Point (\u00b0C):",          Info, 120,  1440, 1335, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsEE",                "?",                                 Info, 1440, 1440, 1095, 255, 8.25, false, L, false, false, 4, "LblMeltingPoint"},
    {"LblNumProtonElectrons", "# of Protons/Electrons:",           Info, 3000, 240,  1695, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsGG",                "?",                                 Info, 4800, 240,  1095, 255, 8.25, false, L, false, false, 6, "LblNumProtonElectrons"},
    {"LblNumNeutrons",        "# of Neutrons:",                    Info, 3000, 480,  1095, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsHH",                "?",                                 Info, 4800, 480,  1095, 255, 8.25, false, L, false, false, 7, "LblNumNeutrons"},
    {"LblDensity",            "Density @ RT (g/cm\u00b3):",        Info, 3000, 720,  1695, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsKK",                "?",                                 Info, 4800, 720,  1095, 255, 8.25, false, L, false, false, 10, "LblDensity"},
    {"LblFirstIon",           "1st Ion. Energy (kJ/mol):",         Info, 3000, 960,  1815, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsMM",                "?",                                 Info, 4800, 960,  1095, 255, 8.25, false, L, false, false, 12, "LblFirstIon"},
    {"LblMajorOx",            "Major Oxidation States:",           Info, 3000, 1200, 1815, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsOO",                "?",                                 Info, 4800, 1200, 1095, 255, 8.25, false, L, false, false, 14, "LblMajorOx"},
    {"LblSpecificHeat",       "Specific Heat (J/g * \u00b0C):",    Info, 3000, 1440, 1815, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsPP",                "?",                                 Info, 4800, 1440, 1095, 255, 8.25, false, L, false, false, 15, "LblSpecificHeat"},

    {"LblClass",              "Classification:",                   Misc, 120,  240,  975,  255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsII",                "?",                                 Misc, 1440, 240,  1095, 255, 8.25, false, L, false, false, 8, "LblClass"},
    {"LblCrySt",              "Crystal Structure:",                Misc, 120,  600,  1335, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsJJ",                "?",                                 Misc, 1440, 600,  1095, 255, 8.25, false, L, false, false, 9, "LblCrySt"},
    {"LblAtRad",              "At. Radius:",                       Misc, 2640, 240,  855,  255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsNN",                "?",                                 Misc, 3480, 240,  975,  255, 8.25, false, L, false, false, 13, "LblAtRad"},
    {"LblColor",              "Color:",                            Misc, 2640, 600,  495,  255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsLL",                "?",                                 Misc, 3480, 600,  975,  255, 8.25, false, L, false, false, 11, "LblColor"},

    {"LblElectRings",         "?",                                 Elect, 120, 480,  1695, 255, 8.25, false, C, false, false, 16, "FrmElect"},
}};

const std::array<LineDesign, 2> kLines{{
    {"Line2", Info, 2640, 240,  2640, 480},
    {"Line3", Info, 2640, 1200, 2640, 1680},
}};

const std::array<MenuDesign, 11> kMenus{{
    {"mnuFile",           "&File",               "",       "",          Command::DropDown},
    {"mnuPInfo",          "&Print Element Info", "Ctrl+P", "mnuFile",   Command::PrintElementInfo},
    {"mnuPChart",         "Print &Chart",        "Ctrl+C", "mnuFile",   Command::PrintChart},
    {"MnuSplit",          "-",                   "",       "mnuFile",   Command::Separator},
    {"mnuExit",           "&Exit",               "",       "mnuFile",   Command::Exit},
    {"mnuSearch",         "Sea&rch",             "",       "",          Command::DropDown},
    {"mnuSearchElements", "&Search Elements",    "Ctrl+S", "mnuSearch", Command::SearchElements},
    {"mnuHelp",           "&Help",               "",       "",          Command::DropDown},
    {"MnuCheckUpdate",    "Chec&k for Update",   "Ctrl+K", "mnuHelp",   Command::CheckForUpdate},
    {"MnuSplit2",         "-",                   "",       "mnuHelp",   Command::Separator},
    {"mnuAbout",          "&About",              "F1",     "mnuHelp",   Command::About},
}};
// clang-format on

} // namespace corvanel::ui::design
