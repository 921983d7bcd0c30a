#include "main_window/MainWindowDesign.h"

#include <QtGlobal>

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

// Captions are the English texts; the window looks each up in the "MainWindow" translation context.
// clang-format off
const std::array<FrameDesign, 3> kFrames{{
    {"FrmInfo",  QT_TRANSLATE_NOOP("MainWindow", "Element Information"), W, 720,  240,  6015, 1815},
    {"FrmElect", QT_TRANSLATE_NOOP("MainWindow", "Electrons Per Shell"), W, 6840, 240,  1935, 1095},
    {"FrmMisc",  "",                    W, 1200, 2085, 4575, 925},
}};

// Field numbers follow the record: 0 Name ... 16 ElectRings; -1 marks a caption label.
const std::array<LabelDesign, 36> kLabels{{
    // The group numbers are spaced by blanks alone, to stand over their columns.
    {"LblTop", kGroupHeader, W, 240, 0, 8415, 255, 9.75, true, L, false, false, -1, nullptr, true},
    {"LblLan", QT_TRANSLATE_NOOP("MainWindow", "Lanthanide Series"), W, 240, 5160, 1095, 375, 8.25, true, C, true, true, -1, nullptr},
    {"LblAct", QT_TRANSLATE_NOOP("MainWindow", "Actinide Series"),   W, 240, 5640, 1095, 375, 8.25, true, C, true, true, -1, nullptr},

    {"LblName",               QT_TRANSLATE_NOOP("MainWindow", "Name:"),                             Info, 120,  240,  615,  255, 8.25, true,  L, false, false, -1, nullptr},
    {"LblsAA",                "?",                                 Info, 1440, 240,  1095, 255, 8.25, true,  L, false, false, 0, "LblName"},
    {"LblSymbol",             QT_TRANSLATE_NOOP("MainWindow", "Symbol:"),                           Info, 120,  480,  615,  255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsBB",                "?",                                 Info, 1440, 480,  855,  255, 8.25, false, L, false, false, 1, "LblSymbol"},
    {"LblAtNumber",           QT_TRANSLATE_NOOP("MainWindow", "Atomic Number:"),                    Info, 120,  720,  1215, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsCC",                "?",                                 Info, 1440, 720,  855,  255, 8.25, false, L, false, false, 2, "LblAtNumber"},
    {"LblAtMass",             QT_TRANSLATE_NOOP("MainWindow", "Atomic Mass:"),                      Info, 120,  960,  975,  255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsDD",                "?",                                 Info, 1440, 960,  855,  255, 8.25, false, L, false, false, 3, "LblAtMass"},
    {"LblBoilingPoint",       QT_TRANSLATE_NOOP("MainWindow", "Boiling Point (\u00b0" "C):"),       Info, 120,  1200, 1335, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsFF",                "?",                                 Info, 1440, 1200, 1095, 255, 8.25, false, L, false, false, 5, "LblBoilingPoint"},
    {"LblMeltingPoint",       QT_TRANSLATE_NOOP("MainWindow", "Melting Point (\u00b0" "C):"),       Info, 120,  1440, 1335, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsEE",                "?",                                 Info, 1440, 1440, 1095, 255, 8.25, false, L, false, false, 4, "LblMeltingPoint"},
    {"LblNumProtonElectrons", QT_TRANSLATE_NOOP("MainWindow", "# of Protons/Electrons:"),           Info, 3000, 240,  1695, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsGG",                "?",                                 Info, 4800, 240,  1095, 255, 8.25, false, L, false, false, 6, "LblNumProtonElectrons"},
    {"LblNumNeutrons",        QT_TRANSLATE_NOOP("MainWindow", "# of Neutrons:"),                    Info, 3000, 480,  1095, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsHH",                "?",                                 Info, 4800, 480,  1095, 255, 8.25, false, L, false, false, 7, "LblNumNeutrons"},
    {"LblDensity",            QT_TRANSLATE_NOOP("MainWindow", "Density @ RT (g/cm\u00b3):"),        Info, 3000, 720,  1695, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsKK",                "?",                                 Info, 4800, 720,  1095, 255, 8.25, false, L, false, false, 10, "LblDensity"},
    {"LblFirstIon",           QT_TRANSLATE_NOOP("MainWindow", "1st Ion. Energy (kJ/mol):"),         Info, 3000, 960,  1815, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsMM",                "?",                                 Info, 4800, 960,  1095, 255, 8.25, false, L, false, false, 12, "LblFirstIon"},
    {"LblMajorOx",            QT_TRANSLATE_NOOP("MainWindow", "Major Oxidation States:"),           Info, 3000, 1200, 1815, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsOO",                "?",                                 Info, 4800, 1200, 1095, 255, 8.25, false, L, false, false, 14, "LblMajorOx"},
    {"LblSpecificHeat",       QT_TRANSLATE_NOOP("MainWindow", "Specific Heat (J/g * \u00b0" "C):"), Info, 3000, 1440, 1815, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsPP",                "?",                                 Info, 4800, 1440, 1095, 255, 8.25, false, L, false, false, 15, "LblSpecificHeat"},

    {"LblClass",              QT_TRANSLATE_NOOP("MainWindow", "Classification:"),    Misc, 120,  240,  975,  255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsII",                "?",                                 Misc, 1440, 240,  1095, 255, 8.25, false, L, false, false, 8, "LblClass"},
    {"LblCrySt",              QT_TRANSLATE_NOOP("MainWindow", "Crystal Structure:"), Misc, 120,  600,  1335, 255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsJJ",                "?",                                 Misc, 1440, 600,  1095, 255, 8.25, false, L, false, false, 9, "LblCrySt"},
    {"LblAtRad",              QT_TRANSLATE_NOOP("MainWindow", "At. Radius:"),        Misc, 2640, 240,  855,  255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsNN",                "?",                                 Misc, 3480, 240,  975,  255, 8.25, false, L, false, false, 13, "LblAtRad"},
    {"LblColor",              QT_TRANSLATE_NOOP("MainWindow", "Color:"),             Misc, 2640, 600,  495,  255, 8.25, false, L, false, false, -1, nullptr},
    {"LblsLL",                "?",                                 Misc, 3480, 600,  975,  255, 8.25, false, L, false, false, 11, "LblColor"},

    {"LblElectRings",         "?",                                 Elect, 120, 480,  1695, 255, 8.25, false, C, false, false, 16, "FrmElect"},
}};

const std::array<LineDesign, 2> kLines{{
    {"Line2", Info, 2640, 240,  2640, 480},
    {"Line3", Info, 2640, 1200, 2640, 1680},
}};

const std::array<MenuDesign, 11> kMenus{{
    {"mnuFile",           QT_TRANSLATE_NOOP("MainWindow", "&File"),               "",       "",          Command::DropDown},
    {"mnuPInfo",          QT_TRANSLATE_NOOP("MainWindow", "&Print Element Info"), "Ctrl+P", "mnuFile",   Command::PrintElementInfo},
    {"mnuPChart",         QT_TRANSLATE_NOOP("MainWindow", "Print &Chart"),        "Ctrl+C", "mnuFile",   Command::PrintChart},
    {"MnuSplit",          "-",                   "",       "mnuFile",   Command::Separator},
    {"mnuExit",           QT_TRANSLATE_NOOP("MainWindow", "&Exit"),               "",       "mnuFile",   Command::Exit},
    {"mnuSearch",         QT_TRANSLATE_NOOP("MainWindow", "Sea&rch"),             "",       "",          Command::DropDown},
    {"mnuSearchElements", QT_TRANSLATE_NOOP("MainWindow", "&Search Elements"),    "Ctrl+S", "mnuSearch", Command::SearchElements},
    {"mnuHelp",           QT_TRANSLATE_NOOP("MainWindow", "&Help"),               "",       "",          Command::DropDown},
    {"MnuCheckUpdate",    QT_TRANSLATE_NOOP("MainWindow", "Chec&k for Update"),   "Ctrl+K", "mnuHelp",   Command::CheckForUpdate},
    {"MnuSplit2",         "-",                   "",       "mnuHelp",   Command::Separator},
    {"mnuAbout",          QT_TRANSLATE_NOOP("MainWindow", "&About"),              "F1",     "mnuHelp",   Command::About},
}};
// clang-format on

} // namespace corvanel::ui::design
