#pragma once

#include <QIcon>
#include <QImage>
#include <QStringView>

namespace corvanel::ui {

/**
 * One piece of the program's art, e.g. "key": pictures drawn from its SVG at build
 * time, at each size it is shown at (its sizes, as availableSizes() tells them)
 * and at twice that for scale factor 2. A picture is decoded the first time it is
 * asked for, so start-up decodes only what it draws.
 */
QIcon artIcon(QStringView name);

/**
 * The PNG at @p file, read as PNG. A format left open, or only named, has Qt load every
 * image-format plugin to ask which can read it.
 */
QImage readPng(const QString& file);

} // namespace corvanel::ui
