#pragma once

class QString;

namespace corvanel::platform::cups {

/**
 * Asks the print server (the one libcups is set up for, CUPS_SERVER included)
 * whether the printer @p printerName ("queue" or "queue/instance") may be sent
 * a job now: false when there is no such destination, or its queue says it
 * does not accept jobs; true for a discovered printer whose queue CUPS has not
 * made yet. False also when the server cannot be reached.
 */
bool acceptsJobs(const QString& printerName);

/**
 * Whether the last request this thread made to the print server succeeded.
 * Qt's CUPS engine submits a finished document with libcups but drops the
 * server's answer; right after the document ends, this is that answer.
 */
bool lastRequestSucceeded();

} // namespace corvanel::platform::cups
