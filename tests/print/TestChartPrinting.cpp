#include "PdfTools.h"
#include "app/ApplicationSetup.h"
#include "fakes/FakePlatform.h"
#include "main_window/MainWindow.h"
#include "print/PrintChart.h"
#include "qtservices/QtPrinting.h"
#include "support/TriggerAction.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QImageReader>
#include <QPageSize>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using corvanel::platform::QtPrinting;
using corvanel::print::PrintChart;
using corvanel::test::FakePlatform;
using corvanel::ui::MainWindow;

namespace {

/** One row of `pdfimages -list`. */
struct PdfImage
{
    int page = 0;
    QString type;
    QSize pixels;
    QSizeF pixelsPerInch;
};

QList<PdfImage> listImages(const QString& pdf, QString* error)
{
    const std::optional<QByteArray> listing
        = corvanel::test::runPoppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}, error);
    QList<PdfImage> images;
    if (!listing) {
        return images;
    }
    const QList<QByteArray> rows = listing->split('\n');
    // Two heading rows; then page, num, type, width, height, color, comp, bpc, enc, interp, object, ID, x-ppi, y-ppi,
    // ...
    for (qsizetype i = 2; i < rows.size(); ++i) {
        const QStringList cells = QString::fromUtf8(rows[i]).simplified().split(QLatin1Char(' '));
        if (cells.size() < 14) {
            continue;
        }
        images.append({cells[0].toInt(), cells[2], QSize(cells[3].toInt(), cells[4].toInt()),
                       QSizeF(cells[12].toDouble(), cells[13].toDouble())});
    }
    return images;
}

/** The first picture of @p pdf as stored in it, decoded at an eighth of its size. */
QImage firstImageReduced(const QString& pdf, QString* error)
{
    QTemporaryDir dir;
    if (!corvanel::test::runPoppler(QStringLiteral("pdfimages"),
                                    {QStringLiteral("-j"), QStringLiteral("-f"), QStringLiteral("1"),
                                     QStringLiteral("-l"), QStringLiteral("1"), pdf,
                                     dir.filePath(QStringLiteral("img"))},
                                    error)) {
        return {};
    }
    const QStringList files = QDir(dir.path()).entryList({QStringLiteral("img-000.*")});
    if (files.isEmpty()) {
        *error = QStringLiteral("pdfimages extracted no picture");
        return {};
    }
    QImageReader reader(dir.filePath(files.first()));
    // JPEG decodes straight to a reduced size, which keeps the test quick.
    reader.setScaledSize(reader.size() / 8);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

QColor averageColour(const QImage& image, const QRect& area)
{
    qint64 red = 0;
    qint64 green = 0;
    qint64 blue = 0;
    qint64 count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            ++count;
        }
    }
    return count == 0 ? QColor() : QColor(int(red / count), int(green / count), int(blue / count));
}

int colourDistance(const QColor& a, const QColor& b)
{
    return qMax(qAbs(a.red() - b.red()), qMax(qAbs(a.green() - b.green()), qAbs(a.blue() - b.blue())));
}

/** Mean difference per channel between the middles of two pictures of the same size, where a tile's caption is. */
double captionDifference(const QImage& a, const QImage& b)
{
    const QRect middle(a.width() / 4, a.height() / 4, a.width() / 2, a.height() / 2);
    double sum = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y) {
        for (int x = middle.left(); x <= middle.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * middle.width() * middle.height());
}

} // namespace

class TestChartPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void chartPageShowsTheWindow_data();
    void chartPageShowsTheWindow();
    void chartIsOneCopyWithoutDialog();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_pdf;
    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QtPrinting> m_printing;
    int m_dialogRuns = 0;
};

void TestChartPrinting::initTestCase()
{
    corvanel::app::configureApplication();
}

void TestChartPrinting::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_pdf = m_dir->filePath("chart.pdf");
    m_dialogRuns = 0;
    m_printing = std::make_unique<QtPrinting>(
        [this](QPrinter&, QWidget*) {
            ++m_dialogRuns;
            return true;
        },
        // The file's name is confirmed as offered.
        [](QWidget*, const QString& offered) { return offered; });
    QPrinter& printer = m_printing->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));

    m_fakes = std::make_unique<FakePlatform>();
    m_window = std::make_unique<MainWindow>(m_fakes->platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestChartPrinting::cleanup()
{
    m_window.reset();
    m_fakes.reset();
    m_printing.reset();
    m_dir.reset();
}

void TestChartPrinting::chartPageShowsTheWindow_data()
{
    QTest::addColumn<QString>("tile");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QColor>("classColour");
    QTest::newRow("clicked bromine") << "CmdBr"
                                     << "" << QColor(0, 128, 64);
    QTest::newRow("searched gallium") << ""
                                      << "ga" << QColor(128, 0, 255);
}

void TestChartPrinting::chartPageShowsTheWindow()
{
    QFETCH(QString, tile);
    QFETCH(QString, search);
    QFETCH(QColor, classColour);
    if (!tile.isEmpty()) {
        QTest::mouseClick(m_window->findChild<QWidget*>(tile), Qt::LeftButton);
    } else {
        m_fakes->dialogs.inputAnswers = {search};
        TRIGGER_ACTION(*m_window, "mnuSearchElements");
    }
    PrintChart(m_fakes->dialogs, *m_printing).run(*m_window, m_window->centralWidget());
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QCOMPARE(m_dialogRuns, 0);

    // One page holding one picture (and its transparency mask), with the proportions of the window's
    // client area.
    QString error;
    QList<PdfImage> images = listImages(m_pdf, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    images.removeIf([](const PdfImage& image) { return image.type.endsWith(QStringLiteral("mask")); });
    QCOMPARE(images.size(), 1);
    QCOMPARE(images[0].page, 1);
    const QWidget* area = m_window->centralWidget();
    const qreal windowAspect = qreal(area->width()) / area->height();
    const qreal imageAspect = qreal(images[0].pixels.width()) / images[0].pixels.height();
    QVERIFY2(qAbs(imageAspect / windowAspect - 1) < 0.005,
             qPrintable(QStringLiteral("picture %1 x %2, window %3 x %4")
                            .arg(images[0].pixels.width())
                            .arg(images[0].pixels.height())
                            .arg(area->width())
                            .arg(area->height())));

    // Drawn at the printer's resolution, not blown up from the screen's.
    const int resolution = m_printing->printer().resolution();
    QVERIFY(qAbs(images[0].pixelsPerInch.width() - resolution) <= 1);
    QVERIFY(qAbs(images[0].pixelsPerInch.height() - resolution) <= 1);
    QVERIFY(images[0].pixels.width() > area->width() * 8);

    // Scaled to fit: as wide as the printable area, or as high, and nowhere larger.
    const QSizeF printable = m_printing->printer().pageLayout().paintRect(QPageLayout::Point).size();
    const QSizeF drawn(images[0].pixels.width() * 72.0 / resolution, images[0].pixels.height() * 72.0 / resolution);
    QVERIFY(qAbs(drawn.width() - printable.width()) < 1 || qAbs(drawn.height() - printable.height()) < 1);
    QVERIFY(drawn.width() < printable.width() + 1 && drawn.height() < printable.height() + 1);

    // The swatch on paper is the swatch on the screen: the element's class colour and its symbol.
    const QImage picture = firstImageReduced(m_pdf, &error);
    QVERIFY2(!picture.isNull(), qPrintable(error));
    const qreal scale = qreal(picture.width()) / area->width();
    QWidget* swatch = m_window->findChild<QWidget*>(QStringLiteral("LblKey"));
    const QRectF onScreen(QPointF(swatch->mapTo(area, QPoint(0, 0))), QSizeF(swatch->size()));
    const QRect onPaper = QRectF(onScreen.topLeft() * scale, onScreen.size() * scale).toRect();
    // The face runs from the class colour at the top to white: a band at 10 to 20 % of its height
    // is the class colour with about 15 % white.
    const QRect band(onPaper.left() + onPaper.width() / 8, onPaper.top() + onPaper.height() / 10, onPaper.width() / 5,
                     onPaper.height() / 10);
    const QColor expectedBand(classColour.red() + (255 - classColour.red()) * 15 / 100,
                              classColour.green() + (255 - classColour.green()) * 15 / 100,
                              classColour.blue() + (255 - classColour.blue()) * 15 / 100);
    const QColor printedBand = averageColour(picture, band);
    QVERIFY2(colourDistance(printedBand, expectedBand) < 20,
             qPrintable(printedBand.name() + QStringLiteral(" for ") + expectedBand.name()));

    const QImage screenSwatch = swatch->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage paperSwatch
        = picture.copy(onPaper).scaled(screenSwatch.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = captionDifference(paperSwatch, screenSwatch);
    QVERIFY2(difference < 20, qPrintable(QString::number(difference)));
    // The comparison tells swatches apart: the same swatch with another symbol is far off.
    auto* shownSwatch = m_window->findChild<QAbstractButton*>(QStringLiteral("LblKey"));
    const QString symbol = shownSwatch->text();
    shownSwatch->setText(QStringLiteral("Xx"));
    const QImage otherSwatch = swatch->grab().toImage().convertToFormat(QImage::Format_RGB32);
    shownSwatch->setText(symbol);
    QVERIFY2(captionDifference(paperSwatch, otherSwatch) > 2 * difference,
             qPrintable(QString::number(captionDifference(paperSwatch, otherSwatch))));
}

void TestChartPrinting::chartIsOneCopyWithoutDialog()
{
    QTest::mouseClick(m_window->findChild<QWidget*>(QStringLiteral("CmdK")), Qt::LeftButton);
    // Whatever was left in the printer, the chart is one copy.
    m_printing->printer().setCopyCount(3);
    PrintChart(m_fakes->dialogs, *m_printing).run(*m_window, m_window->centralWidget());
    QCOMPARE(m_dialogRuns, 0);
    QCOMPARE(m_printing->printer().copyCount(), 1);
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QString error;
    const std::optional<corvanel::test::PdfText> text = corvanel::test::readPdfText(m_pdf, &error);
    QVERIFY2(text, qPrintable(error));
    QCOMPARE(text->pageSizes.size(), 1);
}

QTEST_MAIN(TestChartPrinting)
#include "TestChartPrinting.moc"
