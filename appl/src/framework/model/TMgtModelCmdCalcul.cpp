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
    if (m_model)
        m_model->Calcul();
}
