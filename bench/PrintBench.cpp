#include "PrintBench.h"

#include "platform/Dialogs.h"
#include "print/PrintElementInfo.h"
#include "qtservices/QtPrinting.h"

#include <QElapsedTimer>
#include <QPageSize>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace corvanel::bench {

namespace {

/** Counts the boxes instead of showing them: any box means the run did not print. */
class CountingDialogs : public platform::Dialogs
{
public:
    platform::MessageResult message(QWidget*, const platform::MessageSpec&) override
    {
        ++boxes;
        return platform::MessageResult::Ok;
    }
    QString inputBox(QWidget*, const QString&, const QString&) override { return QString(); }

    int boxes = 0;
};

} // namespace

double medianMsToPrintOneReportCopyToPdf(const print::ReportSource& source, QWidget* owner, int runs)
{
    QTemporaryDir dir;
    if (!dir.isValid() || runs < 1) {
        return -1;
    }
    CountingDialogs dialogs;
    platform::QtPrinting printing([](QPrinter& printer, QWidget*) {
        printer.setCopyCount(1);
        return true;
    });
    QPrinter& printer = printing.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));

    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(runs));
    for (int run = 0; run < runs; ++run) {
        printer.setOutputFileName(dir.filePath(QStringLiteral("report-%1.pdf").arg(run)));
        QElapsedTimer timer;
        timer.start();
        print::PrintElementInfo(dialogs, printing).run(source, owner);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (dialogs.boxes > 0) {
            return -1;
        }
    }
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
}

} // namespace corvanel::bench
