#include "model/TMgtModelCmdLVD.h"

#include "log/TFrameworkLogger.h"
#include "model/TMgtModel.h"

#include <log4cxx/level.h>

TMgtModelCmdLVD::TMgtModelCmdLVD(TMgtModel* model, structLettre* lettres,
                                 structLettre* lettresStatic)
    : TMgtModelCmd(model), m_lettres(lettres), m_lettresStatic(lettresStatic)
{}

TMgtModelCmdLVD& TMgtModelCmdLVD::operator=(const TMgtModelCmdLVD& other)
{
    if (this != &other) {
        TMgtModelCmd::operator=(other);
        m_lettres = other.m_lettres;
        m_lettresStatic = other.m_lettresStatic;
    }
    return *this;
}

bool TMgtModelCmdLVD::operator==(const TMgtModelCmdLVD& other) const
{
    return TMgtModelCmd::operator==(other) && m_lettres == other.m_lettres &&
           m_lettresStatic == other.m_lettresStatic;
}

void TMgtModelCmdLVD::execute()
{
    FrameworkLog(log4cxx::Level::getInfo(), "TMgtModelCmdLVD::execute()", "");
    if (!m_model) {
        // A command built without model is a wiring error of the host, not a silent no-op.
        FrameworkLog(log4cxx::Level::getError(), "TMgtModelCmdLVD::execute() sans mod\xE8le", "");
        return;
    }
    m_model->LettrageVersDonnees(m_lettres, m_lettresStatic);
}
