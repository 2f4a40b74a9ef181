#pragma once

// The navigation column of the wizard window: a one-column tree list with one line per
// displayable screen, the active screen's line in bold, where a click moves the wizard to the
// clicked screen. The arrow keys move along the lines and Return opens the focused line's
// screen as a click does (never the window's default button). The lines come from a list data
// source (in practice the host's subclass of TComplexDataNavigateTree, whose line n is the screen
// of display index n) through a TdCTreeList; the expanded state of the lines lives in the wizard
// form's display records, so it survives the rebuild that every refresh makes.
//
// The view sits in the wizard window's navigation panel and follows the panel's size.
// Owned by its presenter; its parent, the navigation panel, deletes it otherwise.

#include "wizard_framework_export.h"

#include "view/TView.h"

#include "TcxEditRepositoryItem.h"
#include "TcxStyle.h"
#include "TcxTreeListStyleSheet.h"

#include <memory>

class QEvent;
class QResizeEvent;
class TCinematicManagerAbstract;
class TComplexData;
class TControlDisplayInfo;
class TPrBaseForm;
class TPrComposite;
class TPrNavigateTree;
class TcxKelTreeList;
class TcxTreeListNode;
class TdCTreeList;

class WIZARD_FRAMEWORK_EXPORT TViewNavigateTree : public TView
{
    Q_OBJECT

public:
    // Size of the layout, in pixels.
    static constexpr int kClientWidth = 250;
    static constexpr int kClientHeight = 523;

    // `owner`, the navigation panel, becomes the view's parent and deletes it with itself unless
    // the presenter does first. `presenter` (not owned) made the view and outlives it.
    TViewNavigateTree(TComponent* owner, TPrNavigateTree* presenter);
    // A window cannot be duplicated.
    TViewNavigateTree(const TViewNavigateTree&) = delete;
    // Destroys the tree control and with it the list data.
    ~TViewNavigateTree() override;

    // Views take over nothing from one another, and any two compare equal.
    TViewNavigateTree& operator=(const TViewNavigateTree&) { return *this; }
    bool operator==(const TViewNavigateTree&) const { return true; }

    // Attaches the list data to the tree control, which owns it from then on (data attached
    // before are destroyed).
    void SetComplexData(TComplexData* data);

    // TView
    // Rebuilds the lines from the list data, keeping the expansions and the scroll position,
    // and focuses the active screen's line.
    void Update() override;
    // Stores the current expansions in the wizard form's record for the tree control (none
    // while the tree is being rebuilt).
    void SaveControlDisplay() override;

    // Event handlers, as the layout attaches them to the tree list.
    // Moves to the clicked line's screen once the screen being left accepts its data.
    void cxKelTreeList_NavigateClick(TObject* Sender);
    void cxKelTreeList_NavigateCollapsed(TObject* Sender, TcxTreeListNode* ANode);
    void cxKelTreeList_NavigateExpanded(TObject* Sender, TcxTreeListNode* ANode);
    // The active screen's line is bold, unless it is a heading (no title resource).
    void cxKelTreeList_NavigateStylesGetContentStyle(TObject* Sender, int Column,
                                                     TcxTreeListNode* ANode,
                                                     const TcxStyle*& AStyle);

    TPrNavigateTree* getPresenter() const { return m_Presenter; }
    // The data-bound control that fills the tree list; owned by the view.
    TdCTreeList* getTreeControl() const { return m_treeControl.get(); }

    // The layout; the tree list belongs to the view.
    TcxKelTreeList* cxKelTreeList_Navigate = nullptr;

    // Edit repository for host screens.
    TcxEditRepositoryItem alignLeft;
    TcxEditRepositoryItem alignCenter;
    TcxEditRepositoryItem alignRight;
    TcxEditRepositoryItem alignPourcentage;
    TcxEditRepositoryItem alignEuro;
    TcxEditRepositoryItem alignEuroDeuxDec;
    TcxEditRepositoryItem alignDeuxDec;
    // Style repository; the view itself uses only KelStyle_L1_nocolor_bold, for the active line.
    TcxStyle KelStyle_L0;
    TcxStyle KelStyle_L1;
    TcxStyle KelStyle_L2;
    TcxStyle KelStyle_Ln;
    TcxStyle KelStyle_L0_nocolor;
    TcxStyle KelStyle_L1_nocolor;
    TcxStyle KelStyle_L1_nocolor_bold;
    TcxStyle KelStyle_Highlight;
    TcxStyle KelStyle_L1_gray;
    TcxTreeListStyleSheet cxKelTLStSh_Default;
    TcxTreeListStyleSheet cxKelTLStSh_Highlight;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildRepositories();
    void BuildLayout();
    // The presenter tree's root, or the presenter itself when it has none; null without one.
    TPrComposite* Root() const;
    // The root as the wizard form presenter, or null.
    TPrBaseForm* Form() const;
    // The presenter's flow manager, else the root's.
    TCinematicManagerAbstract* Flow() const;
    // The record kept for the tree control: the wizard form's, or the view's own when the view
    // stands outside a wizard; null before the first Update.
    TControlDisplayInfo* KeptDisplayInfo() const;
    // Hands a record made by the tree control to whoever keeps records.
    void KeepDisplayInfo(TControlDisplayInfo* info);
    // Focuses the active screen's line, when the tree shows it.
    void FocusActiveLine();
    // Moves the wizard to the focused line's screen once the screen left accepts its data
    // (a click on a line, Return on the focused line).
    void OpenFocusedLine();

    TPrNavigateTree* m_Presenter = nullptr; // not owned
    std::unique_ptr<TdCTreeList> m_treeControl;
    // Only used without a wizard form, which otherwise owns the record.
    std::unique_ptr<TControlDisplayInfo> m_ownDisplayInfo;
    // The active line the last refresh showed: a new one is brought into sight.
    int m_shownActive = -1;
};
