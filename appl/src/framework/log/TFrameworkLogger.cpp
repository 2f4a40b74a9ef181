#include "log/TFrameworkLogger.h"

#include "Cp1252.h"

#include <log4cxx/helpers/messagebuffer.h>
#include <log4cxx/logger.h>
#include <log4cxx/ndc.h>

#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

// Obtained once at static initialisation and kept for the life of the library.
const log4cxx::LoggerPtr& frameworkLogger()
{
    static const log4cxx::LoggerPtr logger =
        log4cxx::Logger::getLogger(FrameworkLogger::kLoggerName);
    return logger;
}
[[maybe_unused]] const log4cxx::LoggerPtr& kInitAtLoad = frameworkLogger();

} // namespace

void FrameworkLog(const log4cxx::LevelPtr& level, const char* message, const char* context)
{
    // The wide calls of log4cxx do not depend on the process locale, unlike its narrow ones,
    // which would turn every accented letter into '?' under the "C" locale.
    log4cxx::NDC ndc(Cp1252::toWide(context ? context : ""));
    const log4cxx::LoggerPtr& logger = frameworkLogger();
    if (!logger || !logger->isEnabledFor(level))
        return;
    log4cxx::helpers::WideMessageBuffer buffer;
    const std::wstring& text = buffer.str(buffer << Cp1252::toWide(message ? message : ""));
    static const log4cxx::spi::LocationInfo location(FrameworkLogger::kLocationFile,
                                                     "TFrameworkLogger.cpp", "FrameworkLog",
                                                     FrameworkLogger::kLocationLine);
    logger->forcedLog(level, text, location);
}

char* FormatLogLine(char* buffer, std::size_t size, const char* format, ...)
{
    if (!buffer || size == 0)
        return buffer;
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(buffer, size, format, args);
    va_end(args);
    if (written < 0)
        buffer[0] = '\0';
    return buffer;
}
