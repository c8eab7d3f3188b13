#include <log4cxx/logger.h>

#include "SampleLog.h"

void LogRunCalled(const std::string& commandLineUtf8, int showState)
{
    static const log4cxx::LoggerPtr logger = log4cxx::Logger::getLogger("AppRun");
    LOG4CXX_INFO(logger, "Run: " << commandLineUtf8 << " (show state " << showState << ")");
    LOG4CXX_DEBUG(logger, "Run: debug detail");
}
