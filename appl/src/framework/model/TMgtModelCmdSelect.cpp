#include "model/TMgtModelCmdSelect.h"

#include "log/TFrameworkLogger.h"
#include "model/TMgtModel.h"

#include <log4cxx/level.h>

TMgtModelCmdSelect::TMgtModelCmdSelect(TMgtModel* model, structLettre* lettres)
    : TMgtModelCmd(model), m_lettres(lettres)
{}

TMgtModelCmdSelect& TMgtModelCmdSelect::operator=(const TMgtModelCmdSelect& other)
{
    if (this != &other) {
        TMgtModelCmd::operator=(other);
        m_lettres = other.m_lettres;
    }
    return *this;
}

bool TMgtModelCmdSelect::operator==(const TMgtModelCmdSelect& other) const
{
    return TMgtModelCmd::operator==(other) && m_lettres == other.m_lettres;
}

void TMgtModelCmdSelect::execute()
{
    FrameworkLog(log4cxx::Level::getInfo(), "TMgtModelCmdSelect::execute()", "");
    if (!m_model) {
        // A command built without model is a wiring error of the host, not a silent no-op.
        FrameworkLog(log4cxx::Level::getError(), "TMgtModelCmdSelect::execute() sans mod\xE8le",
                     "");
        return;
    }
    m_model->Select(m_lettres);
}
