#pragma once

// Captures the lines written to a log4cxx logger (the framework's by default) while the
// object lives, with the logger's level set to INFO; the level and the appenders are put
// back afterwards.
//
//     LogCapture log;
//     command.execute();
//     EXPECT_EQ(log.messages(), std::vector<std::string>{"TMgtModelCmdCalcul::execute()"});

#include <log4cxx/level.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class LogCapture
{
public:
    struct Line
    {
        log4cxx::LevelPtr level;
        std::string text; // Windows-1252, as the framework wrote it
        std::string ndc;
    };

    explicit LogCapture(const std::string& loggerName = "fr.kelmar.framework");
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // Changes the logger's threshold for the rest of the capture.
    void setLevel(const log4cxx::LevelPtr& level);

    const std::vector<Line>& lines() const;
    std::vector<std::string> messages() const;
    bool contains(const std::string& text) const;
    std::size_t count(const std::string& text) const;
    void clear();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
