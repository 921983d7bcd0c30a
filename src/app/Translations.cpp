#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QResource>
#include <QTranslator>

#include <array>

// The translations, bundled apart (see cmake/Translations.cmake).
extern "C" const unsigned char corvanel_later_translations[];

namespace corvanel::app {

namespace {

// Each has its corvanel_LANG.qm in the program's resources; README tells how to add one.
constexpr std::array<QStringView, 3> kTranslatedLanguages {u"de", u"fr", u"es"};

} // namespace

QString chooseLanguage(const QStringList& uiLanguages)
{
    for (const QString& entry : uiLanguages) {
        // "de-AT", "de_AT.UTF-8" and "de" all name German.
        const QString language = entry.section(u'-', 0, 0).section(u'_', 0, 0).section(u'.', 0, 0).toLower();
        if (language == u"en" || language == u"c" || language == u"posix") {
            return QString();
        }
        for (const QStringView translated : kTranslatedLanguages) {
            if (language == translated) {
                return language;
            }
        }
    }
    return QString();
}

QString installTranslations(const QStringList& uiLanguages)
{
    const QString language = chooseLanguage(uiLanguages);
    if (language.isEmpty()) {
        return QString();
    }
    // English never reads the bundle, so its pages are not mapped then.
    static const bool registered = QResource::registerResource(corvanel_later_translations);
    Q_UNUSED(registered);
    // One embedded file and one of Qt's, each named in full: nothing is searched for.
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QStringLiteral(":/i18n/corvanel_%1.qm").arg(language))
        || !QCoreApplication::installTranslator(own)) {
        delete own;
        return QString();
    }
    auto* qt = new QTranslator(QCoreApplication::instance());
    const QString qtFile
        = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_%1.qm").arg(language);
    // Without Debian's Qt translations the standard buttons stay English; the program's own texts do not.
    if (!qt->load(qtFile) || !QCoreApplication::installTranslator(qt)) {
        delete qt;
    }
    return language;
}

} // namespace corvanel::app
