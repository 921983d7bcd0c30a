#include "PdfTools.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <utility>

namespace corvanel::test {

namespace {

// Words of one line share their top to well within this, in points.
constexpr qreal kSameLine = 0.5;

/**
 * Poppler reports a ligature glyph such as "fi" as its single presentation form;
 * spelled out again here, so texts compare letter by letter.
 */
QString withoutLigatures(QString text)
{
    static const std::pair<char16_t, const char*> kLigatures[] = {
        {u'\uFB00', "ff"}, {u'\uFB01', "fi"}, {u'\uFB02', "fl"}, {u'\uFB03', "ffi"}, {u'\uFB04', "ffl"},
    };
    for (const auto& [ligature, letters] : kLigatures) {
        text.replace(QChar(ligature), QLatin1String(letters));
    }
    return text;
}

} // namespace

QList<PdfLine> PdfText::lines() const
{
    QList<PdfWord> sorted = words;
    std::stable_sort(sorted.begin(), sorted.end(), [](const PdfWord& a, const PdfWord& b) {
        if (a.page != b.page) {
            return a.page < b.page;
        }
        if (qAbs(a.box.top() - b.box.top()) > kSameLine) {
            return a.box.top() < b.box.top();
        }
        return a.box.left() < b.box.left();
    });
    QList<PdfLine> result;
    for (const PdfWord& word : sorted) {
        if (!result.isEmpty() && result.last().page == word.page
            && qAbs(result.last().top - word.box.top()) <= kSameLine) {
            result.last().text += QLatin1Char(' ') + word.text;
            continue;
        }
        result.append({word.page, word.box.top(), word.box.bottom(), word.text});
    }
    return result;
}

std::optional<QByteArray> runPoppler(const QString& tool, const QStringList& arguments, QString* error)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForStarted(10000)) {
        *error = tool + QStringLiteral(" could not be started; is poppler-utils installed? ") + process.errorString();
        return std::nullopt;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = tool + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

std::optional<PdfText> readPdfText(const QString& pdfPath, QString* error)
{
    const std::optional<QByteArray> html = runPoppler(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")},
        error);
    if (!html) {
        return std::nullopt;
    }
    PdfText text;
    QXmlStreamReader reader(*html);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QXmlStreamAttributes attributes = reader.attributes();
        const auto number
            = [&attributes](const char* name) { return attributes.value(QString::fromLatin1(name)).toDouble(); };
        if (reader.name() == QStringLiteral("page")) {
            text.pageSizes.append(QSizeF(number("width"), number("height")));
        } else if (reader.name() == QStringLiteral("word")) {
            const QRectF box(QPointF(number("xMin"), number("yMin")), QPointF(number("xMax"), number("yMax")));
            text.words.append(
                {static_cast<int>(text.pageSizes.size()), box, withoutLigatures(reader.readElementText())});
        }
    }
    if (reader.hasError()) {
        *error = QStringLiteral("pdftotext gave unreadable output: ") + reader.errorString();
        return std::nullopt;
    }
    return text;
}

std::optional<QImage> renderPdfPage(const QString& pdfPath, int page, int dpi, QString* error)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    if (!runPoppler(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), QStringLiteral("-f"), number,
                     QStringLiteral("-l"), number, QStringLiteral("-singlefile"), pdfPath, prefix},
                    error)) {
        return std::nullopt;
    }
    QImage image(prefix + QStringLiteral(".png"));
    if (image.isNull()) {
        *error = QStringLiteral("pdftoppm wrote no readable picture");
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace corvanel::test
