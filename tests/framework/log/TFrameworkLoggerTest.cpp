#include "log/TFrameworkLogger.h"

#include <gtest/gtest.h>

#include <log4cxx/appenderskeleton.h>
#include <log4cxx/fileappender.h>
#include <log4cxx/logger.h>
#include <log4cxx/ndc.h>
#include <log4cxx/patternlayout.h>
#include <log4cxx/spi/loggingevent.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
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

    struct Line
    {
        LevelPtr level;
        std::string message;
        std::string file;
        int line;
        std::string ndc;
    };
    std::vector<Line> lines;

    void append(const spi::LoggingEventPtr& event, helpers::Pool&) override
    {
        LogString ndc;
        event->getNDC(ndc);
        lines.push_back({event->getLevel(), event->getMessage(),
                         event->getLocationInformation().getFileName(),
                         event->getLocationInformation().getLineNumber(), ndc});
    }
    void close() override {}
    bool requiresLayout() const override { return false; }
};
IMPLEMENT_LOG4CXX_OBJECT(CaptureAppender)

class FrameworkLoggerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_logger = Logger::getLogger("fr.kelmar.framework");
        m_appender = std::make_shared<CaptureAppender>();
        m_logger->addAppender(m_appender);
        m_logger->setLevel(Level::getInfo());
    }
    void TearDown() override
    {
        m_logger->removeAppender(m_appender);
        m_logger->setLevel(nullptr);
    }

    LoggerPtr m_logger;
    std::shared_ptr<CaptureAppender> m_appender;
};

} // namespace

TEST_F(FrameworkLoggerTest, WritesTheLineAtItsLevelWithTheFixedLocation)
{
    FrameworkLog(Level::getInfo(), "TPrEcranVCL::SaveData()", "");
    ASSERT_EQ(m_appender->lines.size(), 1u);
    const auto& line = m_appender->lines.front();
    EXPECT_EQ(line.level, Level::getInfo());
    EXPECT_EQ(line.message, "TPrEcranVCL::SaveData()");
    EXPECT_EQ(line.file, "appl\\src\\framework\\TFrameworkLogger.cpp");
    EXPECT_EQ(line.line, 20);
}

TEST_F(FrameworkLoggerTest, InfoIsDroppedAboveInfoButWarnStillPasses)
{
    m_logger->setLevel(Level::getWarn());
    FrameworkLog(Level::getInfo(), "TPrBaseForm::Execute()", "");
    FrameworkLog(Level::getWarn(),
                 "TPrBaseForm::Execute()  l'enum de l'\xE9"
                 "cran \xE0 afficher n'est pas disponible",
                 "");
    ASSERT_EQ(m_appender->lines.size(), 1u);
    EXPECT_EQ(m_appender->lines[0].level, Level::getWarn());
    EXPECT_EQ(m_appender->lines[0].message,
              "TPrBaseForm::Execute()  l'enum de l'écran à afficher n'est pas disponible");
}

TEST_F(FrameworkLoggerTest, ContextIsPushedForTheCallOnlyEvenWhenDisabled)
{
    FrameworkLog(Level::getInfo(), "a", "ctx");
    ASSERT_EQ(m_appender->lines.size(), 1u);
    EXPECT_EQ(m_appender->lines[0].ndc, "ctx");
    EXPECT_TRUE(NDC::empty());

    m_logger->setLevel(Level::getWarn());
    FrameworkLog(Level::getInfo(), "b", "ctx");
    EXPECT_TRUE(NDC::empty());
}

TEST_F(FrameworkLoggerTest, Windows1252TextReadsAsUtf8WhateverTheLocale)
{
    // The process locale stays "C" here: the narrow calls of log4cxx would give '?'.
    const std::string path = ::testing::TempDir() + "framework-log-utf8.log";
    std::remove(path.c_str());
    auto layout = std::make_shared<PatternLayout>(LOG4CXX_STR("%m%n"));
    auto file = std::make_shared<FileAppender>(layout, path, false);
    file->setEncoding(LOG4CXX_STR("UTF-8"));
    helpers::Pool pool;
    file->activateOptions(pool);
    m_logger->addAppender(file);

    FrameworkLog(Level::getInfo(),
                 "----TEdit::LettrageVersEcran() lettrage: 7 valeur: \xE9t\xE9 \x80", "");
    m_logger->removeAppender(file);
    file->close();

    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), "----TEdit::LettrageVersEcran() lettrage: 7 valeur: été €\n");
}

TEST(FormatLogLine, LongLineIsCutToTheBufferNeverOverflowed)
{
    char buffer[kFrameworkLogLineSize + 8];
    std::memset(buffer, 'Z', sizeof buffer);
    const std::string value(2000, 'x');
    FormatLogLine(buffer, kFrameworkLogLineSize,
                  "----TEdit::LettrageVersEcran() lettrage: %d valeur: %s", -3, value.c_str());
    EXPECT_EQ(std::strlen(buffer), kFrameworkLogLineSize - 1);
    EXPECT_EQ(std::string(buffer, 47), "----TEdit::LettrageVersEcran() lettrage: -3 val");
    for (std::size_t i = kFrameworkLogLineSize; i < sizeof buffer; ++i)
        EXPECT_EQ(buffer[i], 'Z');
}
