#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace corvanel::app {

/**
 * The language of the program's translation that suits the desktop's preferred languages
 * (most preferred first, as QLocale::uiLanguages() lists them): the first one that is English
 * or translated decides. Empty means English, the program's own texts.
 */
QString chooseLanguage(const QStringList& uiLanguages);

/**
 * Installs the translation chosen for @p uiLanguages: the program's own, embedded in it, and
 * Qt's for its standard dialogs and buttons. Installs nothing for English. Returns the language
 * installed, or an empty string. Call once, after the application object exists.
 */
QString installTranslations(const QStringList& uiLanguages = QLocale::system().uiLanguages());

} // namespace corvanel::app
