#pragma once

#include "platform/Printing.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace corvanel::test {

/**
 * A printer and print dialog that record every call in order and answer from a
 * script. The log reads e.g. "dialog", "begin", "line:Name: Hydrogen", "end",
 * "save dialog:/tmp/report.pdf", "window:ClientArea"; lines holds only the
 * texts that were written.
 */
class FakePrinting : public platform::Printing
{
public:
    platform::PrintDialogOutcome showPrinter(QWidget*) override
    {
        log.append(QStringLiteral("dialog"));
        return userCancels ? platform::PrintDialogOutcome::Cancelled : platform::PrintDialogOutcome::Confirmed;
    }

    int copies() const override { return copiesAnswer; }

    QString outputFile() override { return file; }

    /** A printer is installed: the case without one is tried on the real printer (TestPrintToFile). */
    bool hasDestination() override { return true; }

    bool chooseOutputFile(QWidget*) override
    {
        log.append(QStringLiteral("save dialog:") + file);
        if (fileAnswer.isEmpty()) {
            return false;
        }
        file = fileAnswer;
        return true;
    }

    bool beginDocument() override
    {
        log.append(QStringLiteral("begin"));
        return !failsToOpen;
    }

    bool printLine(const QString& text) override
    {
        if (failAfterLines >= 0 && lines.size() >= failAfterLines) {
            log.append(QStringLiteral("failed line"));
            return false;
        }
        log.append(QStringLiteral("line:") + text);
        lines.append(text);
        if (onLine) {
            onLine(text);
        }
        return true;
    }

    bool endDocument() override
    {
        log.append(QStringLiteral("end"));
        return !failsToEnd;
    }

    bool printWindow(QWidget* window) override
    {
        log.append(QStringLiteral("window:") + (window ? window->objectName() : QString()));
        windowsPrinted.append(window);
        return !windowFails;
    }

    // The script.
    bool userCancels = false;
    /** The printer's file; empty: a print queue. */
    QString file;
    /** What the save dialog answers; empty: Cancel. */
    QString fileAnswer;
    int copiesAnswer = 1;
    bool failsToOpen = false;
    /** After this many lines every further line fails; negative: never. */
    int failAfterLines = -1;
    bool failsToEnd = false;
    bool windowFails = false;
    /** Runs after each written line, e.g. to change the window while the report is being printed. */
    std::function<void(const QString&)> onLine;

    // The record.
    QStringList log;
    QStringList lines;
    QList<QWidget*> windowsPrinted;
};

} // namespace corvanel::test
