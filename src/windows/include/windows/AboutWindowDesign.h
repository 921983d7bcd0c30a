#pragma once

#include "ProductInfo.h"

#include <QRgb>
#include <Qt>
#include <QtGlobal>

#include <array>

namespace corvanel::ui {

/** The maker's fixed details shown on the About window. */
inline constexpr char kSupportAddress[] = CORVANEL_SUPPORT_ADDRESS;
inline constexpr char kWebPage[] = CORVANEL_WEB_PAGE;
inline constexpr char kAuthorName[] = "Dranwick";
inline constexpr char kLegalNotice[] = QT_TRANSLATE_NOOP("AboutWindow", "Copyright (C) Dranwick. All rights reserved.");

enum class AboutControlKind
{
    Label,
    Link, ///< a label that reacts to a click, Enter or Space
    Picture, ///< a piece of the program's art drawn to fill the control's box
    Line, ///< a one-pixel horizontal line
    RoundedRect, ///< a filled panel
};

/** What a link label opens. */
enum class AboutLinkTarget
{
    None,
    SupportEmail,
    WebPage,
};

/**
 * One control of the About window. Positions are twips from the client area's
 * top-left; a line's width runs to its end point and its height is 0.
 */
struct AboutControlDesign
{
    const char* name;
    AboutControlKind kind;
    int left;
    int top;
    int width;
    int height;
    const char* content; ///< a label's English text (names and addresses stay) or the name of a picture's art
    Qt::Alignment alignment;
    double points; ///< label font size; labels are all bold
    bool underline;
    QRgb foreground; ///< text, line or fill colour
    bool opaque; ///< whether a label paints its background colour
    QRgb background;
    AboutLinkTarget link;
};

/** The window's own properties. */
struct AboutWindowDesign
{
    const char* name;
    const char* caption;
    int clientWidth; ///< twips
    int clientHeightPixels;
    QRgb background;
};

extern const AboutWindowDesign kAboutWindowDesign;

/** The controls from front to back: a row further up is drawn over the rows below it. */
extern const std::array<AboutControlDesign, 17> kAboutControls;

} // namespace corvanel::ui
