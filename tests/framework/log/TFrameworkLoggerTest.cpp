#include "log/TFrameworkLogger.h"

#include <gtest/gtest.h>

#include <log4cxx/appenderskeleton.h>
#include <log4cxx/logger.h>
#include <log4cxx/ndc.h>
#include <log4cxx/spi/loggingevent.h>

#include <cstring>
#include <vector>

namespace {

using namespace log4cxx;

// Keeps every event it receives, with the diagnostic context seen at that moment.
class CaptureAppender : public AppenderSkeleton
{
public:
    DECLARE_LOG4CXX_OBJECT(CaptureAppender)
    BEGIN_LOG4CXX_CAST_MAP()
    LOG4CXX_CAST_ENTRY(CaptureAppender)
    LOG4CXX_CAST_ENTRY_CHAIN(AppenderSkeleton)
    END_LOG4CXX_CAST_MAP()

    void append(const spi::LoggingEventPtr& event, helpers::Pool&) override
    {
        events.push_back(event);
        ndcs.emplace_back();
        event->getNDC(ndcs.back());
    }
    void close() override {}
    bool requiresLayout() const override { return false; }
    std::vector<spi::LoggingEventPtr> events;
    std::vector<LogString> ndcs;
};
IMPLEMENT_LOG4CXX_OBJECT(CaptureAppender)

} // namespace

TEST(FrameworkLog, WritesEnabledLinesAsUtf8WithTheFixedLocationAndTheCallsContext)
{
    const LoggerPtr logger = Logger::getLogger("fr.kelmar.framework");
    auto appender = std::make_shared<CaptureAppender>();
    logger->addAppender(appender);
    logger->setLevel(Level::getWarn());
    FrameworkLog(Level::getInfo(), "TPrBaseForm::Execute()", "ctx");
    EXPECT_TRUE(NDC::empty()) << "popped even when the line is dropped";
    FrameworkLog(Level::getWarn(), "valeur: \xE9t\xE9 \x80", "ctx");
    logger->removeAppender(appender);
    logger->setLevel(nullptr);

    ASSERT_EQ(appender->events.size(), 1u);
    const spi::LoggingEventPtr& event = appender->events[0];
    EXPECT_EQ(event->getLevel(), Level::getWarn());
    EXPECT_EQ(event->getMessage(), "valeur: été €");
    EXPECT_EQ(event->getLocationInformation().getFileName(),
              std::string("appl\\src\\framework\\TFrameworkLogger.cpp"));
    EXPECT_EQ(event->getLocationInformation().getLineNumber(), 20);
    EXPECT_EQ(appender->ndcs[0], "ctx");
}

TEST(FormatLogLine, LongLineIsCutToTheBufferNeverOverflowed)
{
    char buffer[kFrameworkLogLineSize + 8];
    std::memset(buffer, 'Z', sizeof buffer);
    FormatLogLine(buffer, kFrameworkLogLineSize, "%d %s", -3, std::string(2000, 'x').c_str());
    EXPECT_EQ(std::strlen(buffer), kFrameworkLogLineSize - 1);
    EXPECT_EQ(std::string(buffer, 6), "-3 xxx");
    EXPECT_EQ(std::string(buffer + kFrameworkLogLineSize, 8), "ZZZZZZZZ");
}
