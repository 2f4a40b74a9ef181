#pragma once

// Runs model commands. It keeps the last command it was given, without owning it: the
// caller that built a command disposes of it.

#include "wizard_framework_export.h"

class TMgtModelCmd;

class WIZARD_FRAMEWORK_EXPORT TMgtModelInvoker
{
public:
    TMgtModelInvoker() = default;
    TMgtModelInvoker(const TMgtModelInvoker& other) = default;
    TMgtModelInvoker& operator=(const TMgtModelInvoker& other);
    virtual ~TMgtModelInvoker() = default;

    bool operator==(const TMgtModelInvoker& other) const;

    void setCommand(TMgtModelCmd* command);
    TMgtModelCmd* getCommand() const { return m_command; }
    // Runs the stored command; without one, does nothing but an ERROR trace line
    // ("TMgtModelInvoker::execute() sans commande").
    void execute();
    // setCommand then execute.
    void executeCommand(TMgtModelCmd* command);

private:
    TMgtModelCmd* m_command = nullptr;
};
