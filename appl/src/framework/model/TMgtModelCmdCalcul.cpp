#include "model/TMgtModelCmdCalcul.h"

#include "log/TFrameworkLogger.h"
#include "model/TMgtModel.h"

#include <log4cxx/level.h>

TMgtModelCmdCalcul::TMgtModelCmdCalcul(TMgtModel* model) : TMgtModelCmd(model) {}

TMgtModelCmdCalcul& TMgtModelCmdCalcul::operator=(const TMgtModelCmdCalcul& other)
{
    if (this != &other)
        TMgtModelCmd::operator=(other);
    return *this;
}

bool TMgtModelCmdCalcul::operator==(const TMgtModelCmdCalcul& other) const
{
    return TMgtModelCmd::operator==(other);
}

void TMgtModelCmdCalcul::execute()
{
    FrameworkLog(log4cxx::Level::getInfo(), "TMgtModelCmdCalcul::execute()", "");
    if (!m_model) {
        // A command built without model is a wiring error of the host, not a silent no-op.
        FrameworkLog(log4cxx::Level::getError(), "TMgtModelCmdCalcul::execute() sans mod\xE8le",
                     "");
        return;
    }
    m_model->Calcul();
}
