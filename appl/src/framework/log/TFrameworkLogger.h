#pragma once

// The framework's one trace function. Every line goes to the log4cxx logger
// "fr.kelmar.framework"; its appenders, layout and threshold are the host's to configure.

#include "wizard_framework_export.h"

#include <log4cxx/level.h>

#include <cstddef>

// Writes `message` (Windows-1252 text) at `level`, with `context` pushed on the nested
// diagnostic context for the duration of the call. Callers pass Level::getInfo() for the
// entry trace, Level::getWarn() for the one warning of the wizard's start, and
// Level::getError() for a host's exception stopped at a road into the wizard (THostGuard) and
// for the host's wiring errors (Execute, commands and invoker without their objects).
WIZARD_FRAMEWORK_EXPORT void FrameworkLog(const log4cxx::LevelPtr& level, const char* message,
                                          const char* context);

// Size of the buffer into which callers format a trace line that carries values.
inline constexpr std::size_t kFrameworkLogLineSize = 512;

// snprintf into a bounded line buffer: a line that would not fit is cut, never overflowed.
// Returns `buffer` so that the call can be handed straight to FrameworkLog.
WIZARD_FRAMEWORK_EXPORT char* FormatLogLine(char* buffer, std::size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

namespace FrameworkLogger {
// The source file name reported for every trace line, and its line number.
inline constexpr const char* kLocationFile = "appl\\src\\framework\\TFrameworkLogger.cpp";
inline constexpr int kLocationLine = 20;
inline constexpr const char* kLoggerName = "fr.kelmar.framework";
} // namespace FrameworkLogger
