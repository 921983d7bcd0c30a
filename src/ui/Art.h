#pragma once

#include <QIcon>
#include <QStringView>

namespace corvanel::ui {

/**
 * One piece of the program's art, e.g. "key": the pictures drawn from its SVG at
 * build time, at each size it is shown at and at twice that for scale factor 2.
 * Start-up then decodes a few small PNGs instead of loading an SVG renderer.
 */
QIcon artIcon(QStringView name);

} // namespace corvanel::ui
