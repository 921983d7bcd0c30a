#include "version_compare/VersionCompare.h"

#include <QList>

namespace corvanel::update {

namespace {

bool isTrimmable(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isAsciiDigit(QChar c)
{
    // Not QChar::isDigit(): that also accepts Arabic-Indic, Devanagari and other digits.
    return c >= u'0' && c <= u'9';
}

/** A group's value as a digit string without leading zeros; zero becomes the empty string. */
QStringView significantDigits(QStringView group)
{
    qsizetype first = 0;
    while (first < group.size() && group[first] == u'0') {
        ++first;
    }
    return group.sliced(first);
}

/** Compares two digit strings without leading zeros as numbers: the longer is larger, else the first difference. */
int compareNumbers(QStringView a, QStringView b)
{
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

/** Compares two dotted versions; the digit strings are never turned into integers, so nothing can overflow. */
int compareDotted(QStringView a, QStringView b)
{
    const QList<QStringView> left = a.split(u'.');
    const QList<QStringView> right = b.split(u'.');
    const qsizetype groups = qMax(left.size(), right.size());
    for (qsizetype i = 0; i < groups; ++i) {
        const QStringView l = i < left.size() ? significantDigits(left[i]) : QStringView();
        const QStringView r = i < right.size() ? significantDigits(right[i]) : QStringView();
        if (const int order = compareNumbers(l, r); order != 0) {
            return order;
        }
    }
    return 0;
}

} // namespace

QString trimVersionText(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmable(text[begin])) {
        ++begin;
    }
    while (end > begin && isTrimmable(text[end - 1])) {
        --end;
    }
    return text.sliced(begin, end - begin).toString();
}

bool isDottedVersion(QStringView text)
{
    qsizetype groups = 1;
    qsizetype groupLength = 0;
    for (const QChar c : text) {
        if (isAsciiDigit(c)) {
            if (++groupLength > kMaxVersionGroupLength) {
                return false;
            }
        } else if (c == u'.') {
            // A dot must follow a digit and stay within the group count: no "1..2", no ".1".
            if (groupLength == 0 || ++groups > kMaxVersionGroups) {
                return false;
            }
            groupLength = 0;
        } else {
            return false;
        }
    }
    // Also rejects the empty text and a trailing dot.
    return groupLength > 0;
}

VersionComparison compareVersions(QStringView published, QStringView running)
{
    VersionComparison result;
    result.text = trimVersionText(published);
    if (!isDottedVersion(result.text) || !isDottedVersion(running)) {
        return result;
    }
    const int order = compareDotted(result.text, running);
    result.order = order < 0 ? VersionOrder::Older : (order > 0 ? VersionOrder::Newer : VersionOrder::Current);
    return result;
}

} // namespace corvanel::update
