#include "ui_common/DesignUnits.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

#include <cmath>

namespace corvanel::ui {

namespace {

const QString kMsSansSerif = QStringLiteral("MS Sans Serif");
const QString kVerdana = QStringLiteral("Verdana");
constexpr int kMsSansSerifStretch = 90;

/** The face each design family is asked for by: its own name until askForInstalledFaces(). */
QString g_msSansSerifFace = kMsSansSerif;
QString g_verdanaFace = kVerdana;

/** The design's own face where it is installed, else the first of its substitutes that is. */
QString installedFace(const QString& designFace, const QStringList& installed)
{
    // Qt keeps substitutes in lower case; the face is named as fontconfig spells it.
    for (const QString& face : QStringList(designFace) + QFont::substitutes(designFace)) {
        const auto found = std::find_if(installed.begin(), installed.end(), [&](const QString& name) {
            return name.compare(face, Qt::CaseInsensitive) == 0;
        });
        if (found != installed.end()) {
            return *found;
        }
    }
    return designFace; // none: Qt's own fallback chooses, as for any missing face
}

} // namespace

QFont designFont(DesignFamily family, double points, bool bold, bool underline)
{
    QFont font(family == DesignFamily::Verdana ? g_verdanaFace : g_msSansSerifFace);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    font.setStyleHint(QFont::SansSerif);
    if (family == DesignFamily::MsSansSerif) {
        // The Windows face is a narrow bitmap font; Arial's metrics at 90 % width fit every
        // caption and value in the widths the designs give them.
        font.setStretch(kMsSansSerifStretch);
    }
    return font;
}

QFont fontSpanning(QFont font, const QString& text, int width)
{
    // Stretch scales every advance alike; hinting rounds each glyph, so a second pass corrects the first.
    for (int pass = 0; pass < 2; ++pass) {
        const qreal spanned = QFontMetricsF(font).horizontalAdvance(text);
        if (spanned <= 0) {
            break;
        }
        const int stretch = font.stretch() > 0 ? font.stretch() : int(QFont::Unstretched);
        font.setStretch(std::clamp(static_cast<int>(std::lround(stretch * width / spanned)), 50, 200));
    }
    return font;
}

void installFontSubstitutes()
{
    // Liberation Sans has Arial's metrics and fits every caption label at 11 px;
    // DejaVu Sans is as wide as Verdana, which only the short tile captions use.
    QFont::insertSubstitutions(kMsSansSerif, {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(kVerdana, {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

void askForInstalledFaces()
{
    // Asked for a face that is not installed, Qt has fontconfig sort every installed font into a
    // fallback list, once for each size and weight, before it tries the substitutes: a twentieth of
    // the start-up. The face that will be drawn is asked for by its own name instead.
    const QStringList installed = QFontDatabase::families();
    g_msSansSerifFace = installedFace(kMsSansSerif, installed);
    g_verdanaFace = installedFace(kVerdana, installed);
}

} // namespace corvanel::ui
