#pragma once

// The report a presenter keeps about its part of the wizard: whether data were changed, how
// the user left, whether the data are frozen and how. Reports are merged bottom-up
// (MiseAJour) so that the root's report speaks for the whole wizard; the host reads it after
// the wizard has closed.
// Every presenter owns its own report.

#include "wizard_framework_export.h"

class WIZARD_FRAMEWORK_EXPORT TCompteRendu
{
public:
    TCompteRendu() = default;
    TCompteRendu(const TCompteRendu& other) = default;
    TCompteRendu& operator=(const TCompteRendu& other);
    virtual ~TCompteRendu() = default;

    bool operator==(const TCompteRendu& other) const;

    // Kept for the host; the framework never uses it.
    int getAppele() const { return m_appele; }
    void setAppele(int appele) { m_appele = appele; }
    // The user's action: kUserActionFinished after OK, kUserActionAbandoned after cancel and
    // before any choice.
    static constexpr int kUserActionFinished = 0;
    static constexpr int kUserActionAbandoned = 1;
    int getUserAction() const { return m_userAction; }
    void setUserAction(int userAction) { m_userAction = userAction; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    bool isFige() const { return m_fige; }
    void setFige(bool fige) { m_fige = fige; }
    // 3 none yet, 1 and 2 the two kinds, 0 mixed.
    int getFigeType() const { return m_figeType; }
    // A merging store: a second, different kind makes the freeze mixed, and mixed stays mixed.
    void setFigeType(int type);

    // Absorbs a child's report; `autre` is left as it is.
    void MiseAJour(TCompteRendu& autre);

private:
    int m_appele = 1;
    int m_userAction = kUserActionAbandoned;
    bool m_modified = false;
    bool m_fige = false;
    int m_figeType = 3;
};
