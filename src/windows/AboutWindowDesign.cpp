#include "windows/AboutWindowDesign.h"

#include "appearance/Appearance.h"

namespace corvanel::ui {

namespace {

constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kPanelGrey = qRgb(224, 224, 224);

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;

using K = AboutControlKind;
using L = AboutLinkTarget;

} // namespace

// The design gives an outer height of 3480 twips (232 px) measured with the title
// bar and borders of the system it was drawn on: a 25 px caption and two 3 px
// borders. What is left, 201 px, ends the client area one row below the lines at
// y = 3000 twips (200 px), so nothing shows beneath them.
const AboutWindowDesign kAboutWindowDesign {"FrmAbout", "Corvanel", 5040, 201, kPanelGrey};

// clang-format off
const std::array<AboutControlDesign, 17> kAboutControls{{
    {"LblOS",               K::Label,       2040, 1560, 450,         195,  QT_TRANSLATE_NOOP("AboutWindow", "OS:"),      kRight,  8.25, false, kBlack, false, kWhite, L::None},
    {"ImgOperatingSystems", K::Picture,     2640, 1440, 2025,        375,  "logos",                 kLeft,   0,    false, kBlack, false, kWhite, L::None},
    {"Line3",               K::Line,        1680, 2160, 4800 - 1680, 0,    nullptr,                 kLeft,   0,    false, kBlack, false, kWhite, L::None},
    {"ImgAuthor",           K::Picture,     240,  960,  1335,        1815, "author",                kLeft,   0,    false, kBlack, false, kWhite, L::None},
    {"LblEmail",            K::Label,       1650, 2280, 855,         255,  QT_TRANSLATE_NOOP("AboutWindow", "Email:"),   kRight,  8.25, false, kBlack, false, kWhite, L::None},
    {"LblEmailAddress",     K::Link,        2655, 2280, 2175,        255,  kSupportAddress,         kLeft,   8.25, false, kBlue,  true,  kWhite, L::SupportEmail},
    {"LblNotice",           K::Label,       1920, 960,  2520,        390,  kLegalNotice,            kCentre, 8.25, false, kBlack, false, kWhite, L::None},
    {"Image1",              K::Picture,     250,  195,  480,         480,  "about-globe",           kLeft,   0,    false, kBlack, false, kWhite, L::None},
    {"lblWebsite0",         K::Label,       1740, 2520, 765,         315,  QT_TRANSLATE_NOOP("AboutWindow", "Website:"), kRight,  8.25, false, kBlack, false, kWhite, L::None},
    {"lblWebSite",          K::Link,        2655, 2520, 2205,        195,  kWebPage,                kLeft,   8.25, true,  kRed,   false, kWhite, L::WebPage},
    {"LblAuthor",           K::Label,       1875, 1920, 630,         195,  QT_TRANSLATE_NOOP("AboutWindow", "Author:"),  kRight,  8.25, false, kBlack, false, kWhite, L::None},
    {"LblAuthorName",       K::Label,       2655, 1920, 1290,        195,  kAuthorName,             kLeft,   8.25, false, kBlack, false, kWhite, L::None},
    {"Shape1",              K::RoundedRect, 120,  840,  4815,        2055, nullptr,                 kLeft,   0,    false, kWhite, false, kWhite, L::None},
    {"Line1",               K::Line,        0,    3000, 5040,        0,    nullptr,                 kLeft,   0,    false, kBlack, false, kWhite, L::None},
    {"Line2",               K::Line,        0,    3000, 5160,        0,    nullptr,                 kLeft,   0,    false, kWhite, false, kWhite, L::None},
    {"lblVersion5",         K::Label,       1800, 120,  2400,        300,  "Corvanel",              kCentre, 12,   false, kBlack, false, kWhite, L::None},
    {"Shape2",              K::RoundedRect, 120,  120,  735,         615,  nullptr,                 kLeft,   0,    false, kWhite, false, kWhite, L::None},
}};
// clang-format on

} // namespace corvanel::ui
