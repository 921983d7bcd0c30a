#include "platform/qt/CupsQueue.h"

#include <QStringList>

#include <cups/cups.h>

#include <cstring>

namespace corvanel::platform::cups {

bool acceptsJobs(const QString& printerName)
{
    const QStringList parts = printerName.split(QLatin1Char('/'));
    const QByteArray queue = parts.value(0).toLocal8Bit();
    const QByteArray instance = parts.value(1).toLocal8Bit();
    if (queue.isEmpty()) {
        return false;
    }
    cups_dest_t* dest
        = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), instance.isEmpty() ? nullptr : instance.constData());
    if (!dest) {
        return false;
    }
    // A printer found on the network (DNS-SD) has no queue until a job or a question asks for one, and
    // its destination then says nothing about jobs: that is no refusal. Only a queue that says it
    // refuses them is refused; the server's answer to the job judges the rest.
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool accepts = !accepting || std::strcmp(accepting, "true") == 0;
    cupsFreeDests(1, dest);
    return accepts;
}

bool lastRequestSucceeded()
{
    return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

} // namespace corvanel::platform::cups
