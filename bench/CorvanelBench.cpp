// Prints how long the main window takes to appear, how much memory a fresh
// process needs, and how long a selection takes. Run headless:
//   QT_QPA_PLATFORM=offscreen build/bench/corvanel_bench
#include "PrintBench.h"
#include "app/ApplicationSetup.h"
#include "controls/PowerButton.h"
#include "main_window/MainWindow.h"
#include "platform/Platform.h"
#include "platform_qt/QtDialogs.h"
#include "platform_qt/QtUrlOpener.h"
#include "qtservices/QtConnectivity.h"
#include "qtservices/QtHttpClient.h"
#include "qtservices/QtPrinting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kStartupRuns = 25;
constexpr int kSelectionRuns = 1090;
constexpr int kPrintRuns = 25;

/** The process's peak resident memory so far, in KiB. */
long peakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QRegularExpression peak(QStringLiteral("^VmHWM:\\s+(\\d+) kB"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = peak.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}

/** The real services, linked in and handed over the way the program's own are. */
struct RealServices
{
    corvanel::platform::QtDialogs dialogs;
    corvanel::platform::QtUrlOpener urls;
    corvanel::platform::QtConnectivity connectivity;
    corvanel::platform::QtHttpClient http;
    corvanel::platform::QtPrinting printing;
    corvanel::platform::Platform platform {dialogs, urls, connectivity, http, printing};
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

/** One fresh process's first window: construct it and paint it once. */
int startupChild()
{
    RealServices real;
    QElapsedTimer clock;
    clock.start();
    corvanel::ui::MainWindow window(real.platform);
    const QPixmap firstPaint = window.grab();
    const double elapsedMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    std::printf("startup_ms=%.3f peak_kib=%ld painted=%d\n", elapsedMs, peakMemoryKiB(), firstPaint.isNull() ? 0 : 1);
    return 0;
}

/** Median of one click on a tile up to the repaint of what it changed. */
double selectionMedianMs()
{
    RealServices real;
    corvanel::ui::MainWindow window(real.platform);
    window.show();
    QCoreApplication::processEvents();
    std::vector<double> samples;
    for (int run = 0; run < kSelectionRuns; ++run) {
        corvanel::ui::PowerButton* tile = window.elementButton(run % 109 + 1);
        QElapsedTimer clock;
        clock.start();
        tile->click();
        // Delivers the pending update request, which paints the changed labels and the swatch.
        QCoreApplication::processEvents();
        samples.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return median(samples);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    corvanel::app::configureApplication();
    if (QCoreApplication::arguments().contains(QStringLiteral("--startup-child"))) {
        return startupChild();
    }

    std::vector<double> startup;
    long peakKiB = 0;
    const QRegularExpression line(QStringLiteral("startup_ms=([0-9.]+) peak_kib=(\\d+) painted=1"));
    for (int run = 0; run < kStartupRuns; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup-child")});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            std::fprintf(stderr, "start-up run %d failed\n", run);
            return 1;
        }
        const QRegularExpressionMatch match = line.match(QString::fromLatin1(child.readAllStandardOutput()));
        if (!match.hasMatch()) {
            std::fprintf(stderr, "start-up run %d printed no result\n", run);
            return 1;
        }
        startup.push_back(match.captured(1).toDouble());
        peakKiB = std::max(peakKiB, match.captured(2).toLong());
    }
    std::printf("main window, construct + first paint (fresh process, median of %d): %.2f ms\n", kStartupRuns,
                median(startup));
    std::printf("peak memory of a fresh process showing the main window (max of %d): %.1f MiB\n", kStartupRuns,
                static_cast<double>(peakKiB) / 1024.0);
    std::printf("one selection including the repaint (median of %d): %.3f ms\n", kSelectionRuns, selectionMedianMs());
    {
        RealServices real;
        corvanel::ui::MainWindow window(real.platform);
        window.show();
        window.elementButton(1)->click();
        std::printf("one report copy printed to PDF (median of %d): %.2f ms\n", kPrintRuns,
                    corvanel::bench::medianMsToPrintOneReportCopyToPdf(window, &window, kPrintRuns));
    }
    std::printf("peak memory of this benchmark process: %.1f MiB\n", static_cast<double>(peakMemoryKiB()) / 1024.0);
    return 0;
}
