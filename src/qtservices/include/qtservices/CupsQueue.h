#pragma once

class QString;

namespace corvanel::platform::cups {

/**
 * Asks the print server (the one libcups is set up for, CUPS_SERVER included)
 * whether the print queue @p printerName ("queue" or "queue/instance") exists
 * and accepts jobs now. False also when the server cannot be reached.
 */
bool acceptsJobs(const QString& printerName);

/**
 * Whether the last request this thread made to the print server succeeded.
 * Qt's CUPS engine submits a finished document with libcups but drops the
 * server's answer; right after the document ends, this is that answer.
 */
bool lastRequestSucceeded();

} // namespace corvanel::platform::cups
