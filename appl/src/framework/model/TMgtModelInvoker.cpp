#include "model/TMgtModelInvoker.h"

#include "log/TFrameworkLogger.h"
#include "model/TMgtModelCmd.h"

#include <log4cxx/level.h>

TMgtModelInvoker& TMgtModelInvoker::operator=(const TMgtModelInvoker& other)
{
    if (this != &other)
        m_command = other.m_command;
    return *this;
}

bool TMgtModelInvoker::operator==(const TMgtModelInvoker& other) const
{
    return m_command == other.m_command;
}

void TMgtModelInvoker::setCommand(TMgtModelCmd* command)
{
    m_command = command;
}

void TMgtModelInvoker::execute()
{
    if (!m_command) {
        FrameworkLog(log4cxx::Level::getError(), "TMgtModelInvoker::execute() sans commande", "");
        return;
    }
    m_command->execute();
}

void TMgtModelInvoker::executeCommand(TMgtModelCmd* command)
{
    setCommand(command);
    execute();
}
