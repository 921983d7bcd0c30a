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
 * "window:ClientArea"; lines holds only the texts that were written.
 */
class FakePrinting : public platform::Printing
{
public:
    void setCancelError(bool on) override { cancelErrorOption = on; }
    bool cancelError() const override { return cancelErrorOption; }

    platform::PrintDialogOutcome showPrinter(QWidget*) override
    {
        log.append(QStringLiteral("dialog"));
        cancelErrorWhenShown.append(cancelErrorOption);
        if (userCancels && cancelErrorOption) {
            return platform::PrintDialogOutcome::Cancelled;
        }
        return platform::PrintDialogOutcome::Confirmed;
    }

    int copies() const override { return copiesAnswer; }

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
    int copiesAnswer = 1;
    bool failsToOpen = false;
    /** After this many lines every further line fails; negative: never. */
    int failAfterLines = -1;
    bool failsToEnd = false;
    bool windowFails = false;
    /** Runs after each written line, e.g. to change the window while the report is being printed. */
    std::function<void(const QString&)> onLine;

    // The record.
    bool cancelErrorOption = false;
    QList<bool> cancelErrorWhenShown;
    QStringList log;
    QStringList lines;
    QList<QWidget*> windowsPrinted;
};

} // namespace corvanel::test
