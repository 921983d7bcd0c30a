#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

namespace corvanel::test {

/** One word that poppler found on a page; positions in points from the page's top-left corner. */
struct PdfWord
{
    int page = 0;
    QRectF box;
    QString text;
};

/** The words of a page that share one line position, left to right, joined by single spaces. */
struct PdfLine
{
    int page = 0;
    qreal top = 0;
    qreal bottom = 0;
    QString text;
};

/** What `pdftotext -bbox` reads from a PDF file. */
struct PdfText
{
    QList<QSizeF> pageSizes;
    QList<PdfWord> words;

    /** Lines in reading order: page by page, top to bottom. */
    QList<PdfLine> lines() const;
};

/**
 * Runs the poppler tool @p tool with @p arguments and returns what it wrote to
 * its standard output; on failure (tool missing, non-zero exit) nothing, with
 * the reason in @p error.
 */
std::optional<QByteArray> runPoppler(const QString& tool, const QStringList& arguments, QString* error);

/** The words of every page of @p pdfPath, with their positions. */
std::optional<PdfText> readPdfText(const QString& pdfPath, QString* error);

/** Page @p page (1 is the first) of @p pdfPath rendered by pdftoppm at @p dpi. */
std::optional<QImage> renderPdfPage(const QString& pdfPath, int page, int dpi, QString* error);

} // namespace corvanel::test
