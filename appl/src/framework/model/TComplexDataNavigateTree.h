#pragma once

// The list data source of the navigation tree and of the buttons bar's screen menu: one line
// per displayable screen of the flow, in flow order. The host supplies the text of a line
// (GetLibelleTreeData), typically the screen's title read with
// TCinematicManagerAbstract::GetDisplayScreenTitle(getCursor(), ...).
// Owned by the view or tree control it is attached to (SetComplexData).

#include "wizard_framework_export.h"

#include "model/TComplexData.h"

class TModelAbstract;
class TCinematicManagerAbstract;

class WIZARD_FRAMEWORK_EXPORT TComplexDataNavigateTree : public TComplexData
{
public:
    TComplexDataNavigateTree() = default;
    // Neither the model nor the flow manager is owned.
    TComplexDataNavigateTree(TModelAbstract* model, TCinematicManagerAbstract* cinematicManager);
    TComplexDataNavigateTree(const TComplexDataNavigateTree& other) = default;
    TComplexDataNavigateTree& operator=(const TComplexDataNavigateTree& other);

    // Same cursor, same model and same manager (by identity).
    bool operator==(const TComplexDataNavigateTree& other) const;

    TModelAbstract* getModel() const { return m_model; }
    void setModel(TModelAbstract* model) { m_model = model; }
    TCinematicManagerAbstract* getCinematicManager() const { return m_cinematicManager; }
    void setCinematicManager(TCinematicManagerAbstract* cinematicManager)
    {
        m_cinematicManager = cinematicManager;
    }
    // The display index of the current line.
    int getCursor() const { return m_cursor; }

    // The list number is ignored: this source serves one list.
    bool BeginDonneeComp(int numListe) override;
    bool NextDonneeComp(int numListe) override;
    // Columns -4, -3, -2 and 0; columns -4, -3 and 0 answer false when no line is current.
    bool GetDonneeComp(int numListe, int colonne, std::string& texte) override;

    // "1" when the screen's node starts expanded, "0" otherwise.
    virtual bool GetExpandTreeData(std::string& texte);
    // Always "1": every screen is a first-level node.
    virtual bool GetNiveauTreeData(std::string& texte);
    // The screen enumerator, in decimal.
    virtual bool GetIdTreeData(std::string& texte);
    virtual bool GetLibelleTreeData(std::string& texte) = 0;

private:
    bool hasCurrentLine() const;

    int m_cursor = 0;
    TModelAbstract* m_model = nullptr;                       // not owned
    TCinematicManagerAbstract* m_cinematicManager = nullptr; // not owned
};
