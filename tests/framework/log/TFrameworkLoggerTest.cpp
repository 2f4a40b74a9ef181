#include "log/TFrameworkLogger.h"

#include "LogCapture.h"

#include <gtest/gtest.h>

#include <log4cxx/ndc.h>

#include <cstring>
#include <string>

using log4cxx::Level;

TEST(FrameworkLog, WritesEnabledLinesConvertedFromWindows1252WithTheCallsContext)
{
    LogCapture log;
    log.setLevel(Level::getWarn());
    FrameworkLog(Level::getInfo(), "TPrBaseForm::Execute()", "ctx");
    EXPECT_TRUE(log4cxx::NDC::empty()) << "popped even when the line is dropped";
    FrameworkLog(Level::getWarn(), "valeur: \xE9t\xE9 \x80", "ctx");
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].level, Level::getWarn());
    EXPECT_EQ(log.lines()[0].text, "valeur: \xE9t\xE9 \x80");
    EXPECT_EQ(log.lines()[0].ndc, "ctx");
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
