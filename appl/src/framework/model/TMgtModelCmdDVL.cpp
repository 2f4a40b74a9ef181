#include "model/TMgtModelCmdDVL.h"

#include "log/TFrameworkLogger.h"
#include "model/TMgtModel.h"

#include <log4cxx/level.h>

TMgtModelCmdDVL::TMgtModelCmdDVL(TMgtModel* model, structLettre* lettres,
                                 structLettre* lettresStatic)
    : TMgtModelCmd(model), m_lettres(lettres), m_lettresStatic(lettresStatic)
{}

TMgtModelCmdDVL& TMgtModelCmdDVL::operator=(const TMgtModelCmdDVL& other)
{
    if (this != &other) {
        TMgtModelCmd::operator=(other);
        m_lettres = other.m_lettres;
        m_lettresStatic = other.m_lettresStatic;
    }
    return *this;
}

bool TMgtModelCmdDVL::operator==(const TMgtModelCmdDVL& other) const
{
    return TMgtModelCmd::operator==(other) && m_lettres == other.m_lettres &&
           m_lettresStatic == other.m_lettresStatic;
}

void TMgtModelCmdDVL::execute()
{
    FrameworkLog(log4cxx::Level::getInfo(), "TMgtModelCmdDVL::execute()", "");
    if (!m_model) {
        // A command built without model is a wiring error of the host, not a silent no-op.
        FrameworkLog(log4cxx::Level::getError(), "TMgtModelCmdDVL::execute() sans mod\xE8le", "");
        return;
    }
    m_model->DonneesVersLettrage(m_lettres, m_lettresStatic);
}
