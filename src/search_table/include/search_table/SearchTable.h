#pragma once

#include <QString>

#include <array>
#include <optional>

namespace corvanel::search {

/** One row of the search table: an upper-case symbol and the element it selects. */
struct SearchRow
{
    const char* key;
    int atomicNumber;
};

/** One row per element button. */
inline constexpr int kSearchRowCount = 109;

/**
 * The search table: the periodic table read column by column, each column top to
 * bottom, the f-block last (each lanthanide followed by the actinide below it).
 * The keys are this table's own, not derived from the element records, so the
 * search finds exactly these symbols (including "HA" and "NS" for 105 and 107).
 */
// clang-format off
inline constexpr std::array<SearchRow, kSearchRowCount> kSearchTable{{
    {"H", 1},    {"LI", 3},   {"NA", 11},  {"K", 19},   {"RB", 37},  {"CS", 55},  {"FR", 87}, // group 1
    {"BE", 4},   {"MG", 12},  {"CA", 20},  {"SR", 38},  {"BA", 56},  {"RA", 88},              // group 2
    {"SC", 21},  {"Y", 39},   {"LA", 57},  {"AC", 89},                                        // group 3
    {"TI", 22},  {"ZR", 40},  {"HF", 72},  {"RF", 104},                                       // group 4
    {"V", 23},   {"NB", 41},  {"TA", 73},  {"HA", 105},                                       // group 5
    {"CR", 24},  {"MO", 42},  {"W", 74},   {"SG", 106},                                       // group 6
    {"MN", 25},  {"TC", 43},  {"RE", 75},  {"NS", 107},                                       // group 7
    {"FE", 26},  {"RU", 44},  {"OS", 76},  {"HS", 108},                                       // group 8
    {"CO", 27},  {"RH", 45},  {"IR", 77},  {"MT", 109},                                       // group 9
    {"NI", 28},  {"PD", 46},  {"PT", 78},                                                     // group 10
    {"CU", 29},  {"AG", 47},  {"AU", 79},                                                     // group 11
    {"ZN", 30},  {"CD", 48},  {"HG", 80},                                                     // group 12
    {"B", 5},    {"AL", 13},  {"GA", 31},  {"IN", 49},  {"TL", 81},                           // group 13
    {"C", 6},    {"SI", 14},  {"GE", 32},  {"SN", 50},  {"PB", 82},                           // group 14
    {"N", 7},    {"P", 15},   {"AS", 33},  {"SB", 51},  {"BI", 83},                           // group 15
    {"O", 8},    {"S", 16},   {"SE", 34},  {"TE", 52},  {"PO", 84},                           // group 16
    {"F", 9},    {"CL", 17},  {"BR", 35},  {"I", 53},   {"AT", 85},                           // group 17
    {"HE", 2},   {"NE", 10},  {"AR", 18},  {"KR", 36},  {"XE", 54},  {"RN", 86},              // group 18
    // f-block: a lanthanide, then the actinide below it
    {"CE", 58},  {"TH", 90},
    {"PR", 59},  {"PA", 91},
    {"ND", 60},  {"U", 92},
    {"PM", 61},  {"NP", 93},
    {"SM", 62},  {"PU", 94},
    {"EU", 63},  {"AM", 95},
    {"GD", 64},  {"CM", 96},
    {"TB", 65},  {"BK", 97},
    {"DY", 66},  {"CF", 98},
    {"HO", 67},  {"ES", 99},
    {"ER", 68},  {"FM", 100},
    {"TM", 69},  {"MD", 101},
    {"YB", 70},  {"NO", 102},
    {"LU", 71},  {"LR", 103},
}};
// clang-format on

/**
 * The atomic number whose key equals @p searchKey exactly (whole text, case-sensitive),
 * or nothing. Any text is accepted; one longer than every key is rejected by length.
 */
std::optional<int> findElement(const QString& searchKey);

/** The search key for a typed answer: upper-cased, nothing trimmed. */
QString searchKeyFor(const QString& answer);

} // namespace corvanel::search
