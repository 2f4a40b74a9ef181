#pragma once

// The screen flow of the sample: a welcome screen, three headings over the household, the
// income and the tax, and the screens under them in up to three levels. The dependants'
// screen is in the flow only when the household declares dependants, the two rental screens
// only when it declares rental income. Titles come from the title module.

#include "flow/TCinematicManagerAbstract.h"

#include <string>

class TModeleRevenus;

class TCinematiqueRevenus : public TCinematicManagerAbstract
{
public:
    // `modele` (not owned) decides which screens are in the flow; `moduleTitres` names the
    // title module (see StringTable.h for how the name is found).
    TCinematiqueRevenus(TModeleRevenus* modele, const std::string& moduleTitres);
    TCinematiqueRevenus(const TCinematiqueRevenus&) = default;
    TCinematiqueRevenus& operator=(const TCinematiqueRevenus& other);
    ~TCinematiqueRevenus() override;
    bool operator==(const TCinematiqueRevenus& other) const;

    // The screens in flow order, their levels, and the screen of every letter.
    void Init() override;
    // The conditional screens follow the declaration.
    void Update() override;

    TModeleRevenus* getModele() const { return m_modele; }

private:
    TModeleRevenus* m_modele = nullptr; // not owned
};
