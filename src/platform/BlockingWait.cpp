#include "platform/BlockingWait.h"

namespace corvanel::platform {

namespace {

// Only the program's event loop runs the windows' actions, so one thread reads and writes it.
int waits = 0;

} // namespace

BlockingWait::BlockingWait()
{
    ++waits;
}

BlockingWait::~BlockingWait()
{
    --waits;
}

bool BlockingWait::isActive()
{
    return waits > 0;
}

} // namespace corvanel::platform
