#pragma once

#include <QString>
#include <QStringView>

namespace corvanel::update {

/** Where a published version stands against the running one. */
enum class VersionOrder
{
    NotAVersion, ///< the text is no dotted version (empty, a web page, noise)
    Older,
    Current,
    Newer,
};

/** A fetched version text set against the running version. */
struct VersionComparison
{
    VersionOrder order = VersionOrder::NotAVersion;
    /** The fetched text without surrounding spaces, tabs and line breaks; what the user is shown. */
    QString text;
};

/** The most characters one group of a version may have; longer digit runs are not taken for a version. */
inline constexpr qsizetype kMaxVersionGroupLength = 9;
/** The most groups a version may have (major.minor.build.revision). */
inline constexpr qsizetype kMaxVersionGroups = 4;

/** Removes spaces, tabs, carriage returns and line feeds (and nothing else) from both ends of @p text. */
QString trimVersionText(QStringView text);

/**
 * Whether @p text is a dotted version: one to four groups of ASCII digits
 * separated by single dots, each group at most kMaxVersionGroupLength long.
 */
bool isDottedVersion(QStringView text);

/**
 * Trims @p published and compares it with @p running group by group as numbers;
 * a missing group counts as 0, so 1.2 equals 1.2.0 and 1.10.0 is newer than 1.9.0.
 */
VersionComparison compareVersions(QStringView published, QStringView running);

} // namespace corvanel::update
