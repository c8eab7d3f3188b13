#include "logging/StartLogging.h"

void StartLogging()
{
    // Logging configuration is not part of this build yet; the entry already
    // calls this first so that it runs before anything else when it comes.
}
