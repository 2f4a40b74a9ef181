#include "model/TCompteRendu.h"

TCompteRendu& TCompteRendu::operator=(const TCompteRendu& other)
{
    if (this != &other) {
        m_appele = other.m_appele;
        m_userAction = other.m_userAction;
        m_modified = other.m_modified;
        m_fige = other.m_fige;
        m_figeType = other.m_figeType;
    }
    return *this;
}

bool TCompteRendu::operator==(const TCompteRendu& other) const
{
    return m_appele == other.m_appele && m_userAction == other.m_userAction &&
           m_modified == other.m_modified && m_fige == other.m_fige &&
           m_figeType == other.m_figeType;
}

void TCompteRendu::setFigeType(int type)
{
    if (type == m_figeType || m_figeType == 0)
        return;
    if (m_figeType == 1 || m_figeType == 2)
        m_figeType = 0;
    else
        m_figeType = type; // 3 (none yet) and any value the host may have put above it
}

void TCompteRendu::MiseAJour(TCompteRendu& autre)
{
    if (!m_modified && autre.m_modified)
        m_modified = true;
    if (!autre.m_fige)
        return;
    if (!m_fige) {
        // The child's Modified flag, not its Fige flag, decides: an untouched frozen child
        // passes on its kind of freeze only.
        m_fige = autre.m_modified;
        setFigeType(autre.m_figeType);
        return;
    }
    switch (m_figeType) {
    case 1:
        if (autre.m_figeType == 2 || autre.m_figeType == 0)
            setFigeType(0);
        break;
    case 2:
        if (autre.m_figeType == 1 || autre.m_figeType == 0)
            setFigeType(0);
        break;
    case 3:
        setFigeType(autre.m_figeType);
        break;
    default: // 0 stays mixed; other values are left alone
        break;
    }
}
