#pragma once

class QStyle;

namespace corvanel::ui {

/**
 * Fusion, the one look of every window, except that the two pictures of Qt's own it reads at
 * start (the menu bar's overflow arrow, the group box frame) are read as the PNGs they are.
 * Fusion reads them with the format left open, and Qt then loads every image-format plugin,
 * and Qt SVG and libjpeg with them, to ask each whether it reads PNG. The same pixels.
 */
QStyle* createProgramStyle();

} // namespace corvanel::ui
