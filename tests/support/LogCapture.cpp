#include "LogCapture.h"

#include "Cp1252.h"

#include <log4cxx/appenderskeleton.h>
#include <log4cxx/logger.h>
#include <log4cxx/spi/loggingevent.h>

#include <QString>

#include <algorithm>

namespace {

using namespace log4cxx;
using Line = LogCapture::Line;

class LogCaptureAppender : public log4cxx::AppenderSkeleton
{
public:
    DECLARE_LOG4CXX_OBJECT(LogCaptureAppender)
    BEGIN_LOG4CXX_CAST_MAP()
    LOG4CXX_CAST_ENTRY(LogCaptureAppender)
    LOG4CXX_CAST_ENTRY_CHAIN(AppenderSkeleton)
    END_LOG4CXX_CAST_MAP()

    std::vector<Line> lines;

    void append(const log4cxx::spi::LoggingEventPtr& event, log4cxx::helpers::Pool&) override
    {
        // Log strings are UTF-8 in this build of log4cxx; tests compare with the
        // Windows-1252 literals of the code.
        log4cxx::LogString ndc;
        event->getNDC(ndc);
        lines.push_back({event->getLevel(),
                         Cp1252::fromQString(QString::fromStdString(event->getMessage())),
                         Cp1252::fromQString(QString::fromStdString(ndc))});
    }
    void close() override {}
    bool requiresLayout() const override { return false; }
};

} // namespace

IMPLEMENT_LOG4CXX_OBJECT(LogCaptureAppender)

struct LogCapture::State
{
    log4cxx::LoggerPtr logger;
    log4cxx::LevelPtr previousLevel;
    std::shared_ptr<LogCaptureAppender> appender;
};

LogCapture::LogCapture(const std::string& loggerName) : m_state(std::make_unique<State>())
{
    m_state->logger = log4cxx::Logger::getLogger(loggerName);
    m_state->previousLevel = m_state->logger->getLevel();
    m_state->appender = std::make_shared<LogCaptureAppender>();
    m_state->logger->addAppender(m_state->appender);
    m_state->logger->setLevel(log4cxx::Level::getInfo());
}

LogCapture::~LogCapture()
{
    m_state->logger->removeAppender(m_state->appender);
    m_state->logger->setLevel(m_state->previousLevel);
}

void LogCapture::setLevel(const log4cxx::LevelPtr& level)
{
    m_state->logger->setLevel(level);
}

const std::vector<LogCapture::Line>& LogCapture::lines() const
{
    return m_state->appender->lines;
}

std::vector<std::string> LogCapture::messages() const
{
    std::vector<std::string> texts;
    for (const Line& line : lines())
        texts.push_back(line.text);
    return texts;
}

bool LogCapture::contains(const std::string& text) const
{
    return count(text) > 0;
}

std::size_t LogCapture::count(const std::string& text) const
{
    return static_cast<std::size_t>(std::count_if(
        lines().begin(), lines().end(), [&](const Line& line) { return line.text == text; }));
}

void LogCapture::clear()
{
    m_state->appender->lines.clear();
}
