#pragma once

// A call into the model packaged as an object, run by TMgtModelInvoker. The model is not
// owned. Commands are built and disposed of by their caller, never through this base: its
// destructor is not virtual, hence protected.

#include "wizard_framework_export.h"

class TMgtModel;

class WIZARD_FRAMEWORK_EXPORT TMgtModelCmd
{
public:
    explicit TMgtModelCmd(TMgtModel* model = nullptr) : m_model(model) {}

    // Runs the call on the model. A command without model calls nothing and writes an ERROR
    // trace line naming the command, after its entry line.
    virtual void execute() = 0;

    TMgtModel* getModel() const { return m_model; }
    void setModel(TMgtModel* model) { m_model = model; }

    bool operator==(const TMgtModelCmd& other) const { return m_model == other.m_model; }

protected:
    TMgtModelCmd(const TMgtModelCmd&) = default;
    TMgtModelCmd& operator=(const TMgtModelCmd&) = default;
    ~TMgtModelCmd() = default;

    TMgtModel* m_model = nullptr;
};
