#pragma once

// The data-bound control of a tree list (TcxKelTreeList): Update rebuilds the tree from its
// list data, up to four levels deep, keeping only the lines of the current filter, and then
// opens again the nodes that were open before, from the display state record of the control
// (TControlDisplayInfo, owned by the wizard form). It moves no letter.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

#include <cstddef>

class TcxTreeListNode;

class WIZARD_FRAMEWORK_EXPORT TdCTreeList : public TdControl
{
public:
    TdCTreeList() = default;
    // Copies take the base (never the list data, which stays with the original) and the
    // filter, saved-state flag and cursor.
    TdCTreeList(const TdCTreeList& other) = default;
    TdCTreeList& operator=(const TdCTreeList& other);
    ~TdCTreeList() override;

    bool operator==(const TdCTreeList& other) const;

    void LettrageVersEcran(structLettre*, structLettre*) override {}
    void EcranVersLettrage(structLettre*, structLettre*) override {}
    void UpdateSelection(structLettre*) override {}
    // Rebuilds the tree and restores the expansions saved in `info`. A null `info` gets a new
    // record (control identifier = m_lettrage), handed back to the caller, who owns it.
    // Does nothing while m_refreshEnabled is false, without list data, or when the widget is
    // not a tree list.
    void Update(TControlDisplayInfo*& info) override;
    // The filter code applied at the next Update; -1 shows every line.
    void setFilter(int filter) override { m_filter = filter; }
    // Replaces the record's entries with the expansion of every node, in absolute order.
    void SaveControlDisplay(TControlDisplayInfo* info) override;
    void SetHelpContext(int helpContext) override;
    // Fills `node` from the data source's current line, and records its initial expansion
    // while the control has no saved state.
    virtual void InsertNode(TcxTreeListNode* node);

    int getFilter() const { return m_filter; }
    bool hasSavedState() const { return m_savedState; }

private:
    void RestoreExpansions(TcxTreeListNode* first);

    int m_filter = -1;
    bool m_savedState = false; // an existing record reached Update: never reset afterwards
    std::size_t m_cursor = 0;  // position in the record's node list while restoring
};
