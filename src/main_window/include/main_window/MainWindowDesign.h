#pragma once

#include "ui_common/ElementClasses.h"

#include <Qt>
#include <QtGlobal>

#include <array>

namespace corvanel::ui::design {

/** Where a control sits; its position is measured from that container's top-left corner. */
enum class Container
{
    Window,
    FrmInfo,
    FrmElect,
    FrmMisc,
};

/** One element button. Positions in twips; atomicNumber binds it to its catalogue entry. */
struct ElementButtonDesign
{
    const char* name;
    const char* caption;
    int tabIndex;
    int left;
    int top;
    ElementClass elementClass;
    int atomicNumber;
};

struct FrameDesign
{
    const char* name;
    const char* caption; ///< empty: a frame without caption
    Container container;
    int left;
    int top;
    int width;
    int height;
};

/** A label; field >= 0 makes it the value label of that record field, showing "?" until a selection. */
struct LabelDesign
{
    const char* name;
    const char* caption;
    Container container;
    int left;
    int top;
    int width;
    int height;
    double points;
    bool bold;
    Qt::AlignmentFlag horizontalAlignment;
    bool transparent;
    bool wordWrap;
    int field;
    /** For a value label: the caption label (or frame) whose text says what the value is. */
    const char* describedBy;
    /** The caption spans the label's width, as it does in the face the design names. */
    bool spansWidth = false;
};

/** A straight line from (x1, y1) to (x2, y2), in twips. */
struct LineDesign
{
    const char* name;
    Container container;
    int x1;
    int y1;
    int x2;
    int y2;
};

/** What a menu item does; the main window maps each to its handler. */
enum class Command
{
    DropDown,
    Separator,
    PrintElementInfo,
    PrintChart,
    Exit,
    SearchElements,
    CheckForUpdate,
    About,
};

struct MenuDesign
{
    const char* name;
    const char* caption;
    const char* shortcut; ///< portable key sequence text, empty for none
    const char* parent; ///< empty for the menu bar
    Command command;
};

/** A tile that is not an element button: the Key button and the swatch. */
struct TileDesign
{
    const char* name;
    const char* caption;
    Container container;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
};

inline constexpr int kValueFieldCount = 17;
inline constexpr const char* kWindowName = "FrmCorvanel";
inline constexpr const char* kWindowCaption = "Corvanel";
inline constexpr int kClientWidthTwips = 8895;
inline constexpr int kClientHeightTwips = 6210;
inline constexpr int kElementButtonSizeTwips = 495;

// clang-format off
inline constexpr std::array<ElementButtonDesign, 109> kElementButtons{{
    {"CmdH", "H", 40, 120, 1680, ElementClass::NonMetals, 1},
    {"CmdC", "C", 41, 6360, 2160, ElementClass::NonMetals, 6},
    {"CmdN", "N", 42, 6840, 2160, ElementClass::NonMetals, 7},
    {"CmdO", "O", 43, 7320, 2160, ElementClass::NonMetals, 8},
    {"CmdP", "P", 44, 6840, 2640, ElementClass::NonMetals, 15},
    {"CmdS", "S", 45, 7320, 2640, ElementClass::NonMetals, 16},
    {"CmdSe", "Se", 46, 7320, 3120, ElementClass::NonMetals, 34},
    {"CmdLi", "Li", 47, 120, 2160, ElementClass::AlkaliMetals, 3},
    {"CmdNa", "Na", 48, 120, 2640, ElementClass::AlkaliMetals, 11},
    {"CmdK", "K", 49, 120, 3120, ElementClass::AlkaliMetals, 19},
    {"CmdRb", "Rb", 50, 120, 3600, ElementClass::AlkaliMetals, 37},
    {"CmdCs", "Cs", 51, 120, 4080, ElementClass::AlkaliMetals, 55},
    {"CmdFr", "Fr", 52, 120, 4560, ElementClass::AlkaliMetals, 87},
    {"CmdBe", "Be", 53, 600, 2160, ElementClass::AlkaliEarthMetals, 4},
    {"CmdMg", "Mg", 54, 600, 2640, ElementClass::AlkaliEarthMetals, 12},
    {"CmdCa", "Ca", 55, 600, 3120, ElementClass::AlkaliEarthMetals, 20},
    {"CmdSr", "Sr", 56, 600, 3600, ElementClass::AlkaliEarthMetals, 38},
    {"CmdBa", "Ba", 57, 600, 4080, ElementClass::AlkaliEarthMetals, 56},
    {"CmdRa", "Ra", 58, 600, 4560, ElementClass::AlkaliEarthMetals, 88},
    {"CmdSc", "Sc", 59, 1080, 3120, ElementClass::TransitionMetals, 21},
    {"CmdY", "Y", 60, 1080, 3600, ElementClass::TransitionMetals, 39},
    {"CmdLa", "La", 61, 1080, 4080, ElementClass::TransitionMetals, 57},
    {"CmdAc", "Ac", 62, 1080, 4560, ElementClass::TransitionMetals, 89},
    {"CmdTi", "Ti", 63, 1560, 3120, ElementClass::TransitionMetals, 22},
    {"CmdZr", "Zr", 64, 1560, 3600, ElementClass::TransitionMetals, 40},
    {"CmdHf", "Hf", 65, 1560, 4080, ElementClass::TransitionMetals, 72},
    {"CmdRf", "Rf", 66, 1560, 4560, ElementClass::TransitionMetals, 104},
    {"CmdV", "V", 67, 2040, 3120, ElementClass::TransitionMetals, 23},
    {"CmdNb", "Nb", 68, 2040, 3600, ElementClass::TransitionMetals, 41},
    {"CmdTa", "Ta", 69, 2040, 4080, ElementClass::TransitionMetals, 73},
    {"CmdHa", "Ha", 70, 2040, 4560, ElementClass::TransitionMetals, 105},
    {"CmdCr", "Cr", 71, 2520, 3120, ElementClass::TransitionMetals, 24},
    {"CmdMo", "Mo", 72, 2520, 3600, ElementClass::TransitionMetals, 42},
    {"CmdW", "W", 73, 2520, 4080, ElementClass::TransitionMetals, 74},
    {"CmdSg", "Sg", 74, 2520, 4560, ElementClass::TransitionMetals, 106},
    {"CmdMn", "Mn", 75, 3000, 3120, ElementClass::TransitionMetals, 25},
    {"CmdTc", "Tc", 76, 3000, 3600, ElementClass::TransitionMetals, 43},
    {"CmdRe", "Re", 77, 3000, 4080, ElementClass::TransitionMetals, 75},
    {"CmdNs", "Ns", 78, 3000, 4560, ElementClass::TransitionMetals, 107},
    {"CmdFe", "Fe", 79, 3480, 3120, ElementClass::TransitionMetals, 26},
    {"CmdRu", "Ru", 80, 3480, 3600, ElementClass::TransitionMetals, 44},
    {"CmdOs", "Os", 81, 3480, 4080, ElementClass::TransitionMetals, 76},
    {"CmdHs", "Hs", 82, 3480, 4560, ElementClass::TransitionMetals, 108},
    {"CmdCo", "Co", 83, 3960, 3120, ElementClass::TransitionMetals, 27},
    {"CmdRh", "Rh", 84, 3960, 3600, ElementClass::TransitionMetals, 45},
    {"CmdIr", "Ir", 85, 3960, 4080, ElementClass::TransitionMetals, 77},
    {"CmdMt", "Mt", 86, 3960, 4560, ElementClass::TransitionMetals, 109},
    {"CmdNi", "Ni", 87, 4440, 3120, ElementClass::TransitionMetals, 28},
    {"CmdPd", "Pd", 88, 4440, 3600, ElementClass::TransitionMetals, 46},
    {"CmdPt", "Pt", 89, 4440, 4080, ElementClass::TransitionMetals, 78},
    {"CmdCu", "Cu", 90, 4920, 3120, ElementClass::TransitionMetals, 29},
    {"CmdAg", "Ag", 91, 4920, 3600, ElementClass::TransitionMetals, 47},
    {"CmdAu", "Au", 92, 4920, 4080, ElementClass::TransitionMetals, 79},
    {"CmdZn", "Zn", 93, 5400, 3120, ElementClass::TransitionMetals, 30},
    {"CmdCd", "Cd", 94, 5400, 3600, ElementClass::TransitionMetals, 48},
    {"CmdHg", "Hg", 95, 5400, 4080, ElementClass::TransitionMetals, 80},
    {"CmdAl", "Al", 96, 5880, 2640, ElementClass::OtherMetals, 13},
    {"CmdGa", "Ga", 97, 5880, 3120, ElementClass::OtherMetals, 31},
    {"CmdIn", "In", 98, 5880, 3600, ElementClass::OtherMetals, 49},
    {"CmdTl", "Tl", 99, 5880, 4080, ElementClass::OtherMetals, 81},
    {"CmdSn", "Sn", 100, 6360, 3600, ElementClass::OtherMetals, 50},
    {"CmdPb", "Pb", 101, 6360, 4080, ElementClass::OtherMetals, 82},
    {"CmdBi", "Bi", 102, 6840, 4080, ElementClass::OtherMetals, 83},
    {"CmdB", "B", 103, 5880, 2160, ElementClass::Metalloids, 5},
    {"CmdSi", "Si", 104, 6360, 2640, ElementClass::Metalloids, 14},
    {"CmdGe", "Ge", 105, 6360, 3120, ElementClass::Metalloids, 32},
    {"CmdSb", "Sb", 106, 6840, 3600, ElementClass::Metalloids, 51},
    {"CmdAs", "As", 107, 6840, 3120, ElementClass::Metalloids, 33},
    {"CmdTe", "Te", 108, 7320, 3600, ElementClass::Metalloids, 52},
    {"CmdPo", "Po", 109, 7320, 4080, ElementClass::Metalloids, 84},
    {"CmdF", "F", 110, 7800, 2160, ElementClass::Halogens, 9},
    {"CmdCl", "Cl", 111, 7800, 2640, ElementClass::Halogens, 17},
    {"CmdBr", "Br", 112, 7800, 3120, ElementClass::Halogens, 35},
    {"CmdI", "I", 113, 7800, 3600, ElementClass::Halogens, 53},
    {"CmdAt", "At", 114, 7800, 4080, ElementClass::Halogens, 85},
    {"CmdHe", "He", 115, 8280, 1680, ElementClass::NobleGases, 2},
    {"CmdNe", "Ne", 116, 8280, 2160, ElementClass::NobleGases, 10},
    {"CmdAr", "Ar", 117, 8280, 2640, ElementClass::NobleGases, 18},
    {"CmdKr", "Kr", 118, 8280, 3120, ElementClass::NobleGases, 36},
    {"CmdXe", "Xe", 119, 8280, 3600, ElementClass::NobleGases, 54},
    {"CmdRn", "Rn", 120, 8280, 4080, ElementClass::NobleGases, 86},
    {"CmdCe", "Ce", 121, 1320, 5160, ElementClass::RareEarthMetals, 58},
    {"CmdPr", "Pr", 122, 1800, 5160, ElementClass::RareEarthMetals, 59},
    {"CmdNd", "Nd", 123, 2280, 5160, ElementClass::RareEarthMetals, 60},
    {"CmdPm", "Pm", 124, 2760, 5160, ElementClass::RareEarthMetals, 61},
    {"CmdSm", "Sm", 125, 3240, 5160, ElementClass::RareEarthMetals, 62},
    {"CmdEu", "Eu", 126, 3720, 5160, ElementClass::RareEarthMetals, 63},
    {"CmdGd", "Gd", 127, 4200, 5160, ElementClass::RareEarthMetals, 64},
    {"CmdTb", "Tb", 128, 4680, 5160, ElementClass::RareEarthMetals, 65},
    {"CmdDy", "Dy", 129, 5160, 5160, ElementClass::RareEarthMetals, 66},
    {"CmdHo", "Ho", 130, 5640, 5160, ElementClass::RareEarthMetals, 67},
    {"CmdEr", "Er", 131, 6120, 5160, ElementClass::RareEarthMetals, 68},
    {"CmdTm", "Tm", 132, 6600, 5160, ElementClass::RareEarthMetals, 69},
    {"CmdYb", "Yb", 133, 7080, 5160, ElementClass::RareEarthMetals, 70},
    {"CmdLu", "Lu", 134, 7560, 5160, ElementClass::RareEarthMetals, 71},
    {"CmdTh", "Th", 135, 1320, 5640, ElementClass::RareEarthMetals, 90},
    {"CmdPa", "Pa", 136, 1800, 5640, ElementClass::RareEarthMetals, 91},
    {"CmdU", "U", 137, 2280, 5640, ElementClass::RareEarthMetals, 92},
    {"CmdNp", "Np", 138, 2760, 5640, ElementClass::RareEarthMetals, 93},
    {"CmdPu", "Pu", 139, 3240, 5640, ElementClass::RareEarthMetals, 94},
    {"CmdAm", "Am", 140, 3720, 5640, ElementClass::RareEarthMetals, 95},
    {"CmdCm", "Cm", 141, 4200, 5640, ElementClass::RareEarthMetals, 96},
    {"CmdBk", "Bk", 142, 4680, 5640, ElementClass::RareEarthMetals, 97},
    {"CmdCf", "Cf", 143, 5160, 5640, ElementClass::RareEarthMetals, 98},
    {"CmdEs", "Es", 144, 5640, 5640, ElementClass::RareEarthMetals, 99},
    {"CmdFm", "Fm", 145, 6120, 5640, ElementClass::RareEarthMetals, 100},
    {"CmdMd", "Md", 146, 6600, 5640, ElementClass::RareEarthMetals, 101},
    {"CmdNo", "No", 147, 7080, 5640, ElementClass::RareEarthMetals, 102},
    {"CmdLr", "Lr", 148, 7560, 5640, ElementClass::RareEarthMetals, 103},
}};
// clang-format on

extern const std::array<FrameDesign, 3> kFrames;
extern const std::array<LabelDesign, 36> kLabels;
extern const std::array<LineDesign, 2> kLines;
extern const std::array<MenuDesign, 11> kMenus;

inline constexpr TileDesign kCmdKey {
    "CmdKey", QT_TRANSLATE_NOOP("MainWindow", "&Key"), Container::Window, 6840, 1440, 1335, 615, 39};
inline constexpr TileDesign kLblKey {"LblKey", "?", Container::FrmInfo, 2400, 600, 495, 495, 149};
inline constexpr const char* kCmdKeyTooltip = QT_TRANSLATE_NOOP("MainWindow", "Key");

/** The group numbers above the table: 1 to 18, each but the last followed by five spaces. */
extern const char* const kGroupHeader;

} // namespace corvanel::ui::design
