#include "view/TViewNavigateTree.h"

#include "controls/TControlDisplayInfo.h"
#include "controls/TdCTreeList.h"
#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"
#include "model/TComplexData.h"
#include "presenter/THostGuard.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrNavigateTree.h"

#include "TcxKelTreeList.h"
#include "TcxTreeListHitTest.h"
#include "TcxTreeListNode.h"
#include "TcxTreeListNodes.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QScopeGuard>

namespace {

// The layout's fonts ("KEL Dialog" for the form, "MS Sans Serif" for the styles) are Windows
// fonts; this one ships with every Debian desktop.
const char* const kFontName = "DejaVu Sans";
constexpr int kFontHeight = -11;

// The system colour of an inactive caption's gradient (COLOR_GRADIENTINACTIVECAPTION).
constexpr TColor clGradientInactiveCaption = clSystemColor | 28;

TcxStyle MakeStyle(TColor colour, TColor textColour = clNone, bool font = false, bool bold = false)
{
    TcxStyle style;
    if (colour != clNone)
        style.SetColor(colour);
    if (textColour != clNone)
        style.SetTextColor(textColour);
    if (font) {
        style.SetFontName(kFontName);
        style.SetFontHeight(kFontHeight);
        style.SetFontBold(bold);
    }
    return style;
}

} // namespace

TViewNavigateTree::TViewNavigateTree(TComponent* owner, TPrNavigateTree* presenter)
    : TView(owner), m_Presenter(presenter), m_treeControl(std::make_unique<TdCTreeList>())
{
    BuildRepositories();
    BuildLayout();
    SetLeft(0);
    SetTop(0);
    if (auto* panel = dynamic_cast<TWinControl*>(owner)) {
        SetParent(panel);
        // The column is as tall as the window: the panel's height follows each screen.
        if (QWidget* widget = panel->AsWidget()) {
            widget->installEventFilter(this);
            resize(kClientWidth, widget->height());
        }
    }
    m_treeControl->m_component = cxKelTreeList_Navigate;
}

TViewNavigateTree::~TViewNavigateTree()
{
    // The tree list outlives this part of the view by a moment: it must not call back into it.
    cxKelTreeList_Navigate->OnClick = nullptr;
    cxKelTreeList_Navigate->OnCollapsed = nullptr;
    cxKelTreeList_Navigate->OnExpanded = nullptr;
    cxKelTreeList_Navigate->OnGetContentStyle = nullptr;
    if (QWidget* panel = parentWidget())
        panel->removeEventFilter(this);
    m_treeControl.reset();
}

void TViewNavigateTree::BuildRepositories()
{
    alignLeft = TcxEditRepositoryItem(erkText, taLeftJustify, taVCenter);
    alignCenter = TcxEditRepositoryItem(erkText, taCenter, taTopJustify);
    alignRight = TcxEditRepositoryItem(erkText, taRightJustify, taTopJustify);
    alignPourcentage =
        TcxEditRepositoryItem(erkCurrency, taCenter, taTopJustify, ",0.00 %;-,0.00 %");
    alignEuro =
        TcxEditRepositoryItem(erkCurrency, taRightJustify, taTopJustify, ",0 \x80;-,0 \x80", 0);
    alignEuroDeuxDec =
        TcxEditRepositoryItem(erkCurrency, taRightJustify, taTopJustify, ",0.00 \x80;-,0.00 \x80");
    alignDeuxDec = TcxEditRepositoryItem(erkCurrency, taCenter, taTopJustify, ",0.00;-,0.00");

    KelStyle_L0 = MakeStyle(12250361, clNavy, true, true);
    KelStyle_L1 = MakeStyle(13497851, clNavy);
    KelStyle_L2 = MakeStyle(14941179);
    KelStyle_Ln = MakeStyle(clWhite);
    KelStyle_L0_nocolor = MakeStyle(12250361, clGradientInactiveCaption, true, true);
    KelStyle_L1_nocolor = MakeStyle(13497851);
    KelStyle_L1_nocolor_bold = MakeStyle(13497851, clNone, true, true);
    KelStyle_Highlight = MakeStyle(clNone, clBlue);
    KelStyle_L1_gray = MakeStyle(13497851, clGradientInactiveCaption, true, false);

    cxKelTLStSh_Default.Background = KelStyle_L2;
    cxKelTLStSh_Default.Content = KelStyle_L2;
    cxKelTLStSh_Default.ContentEven = KelStyle_L2;
    cxKelTLStSh_Default.ContentOdd = KelStyle_Ln;
    cxKelTLStSh_Default.Levels = {KelStyle_L0, KelStyle_L1, KelStyle_L2, KelStyle_Ln};
    cxKelTLStSh_Highlight = cxKelTLStSh_Default;
    cxKelTLStSh_Highlight.Levels = {KelStyle_L0_nocolor, KelStyle_L1_nocolor, KelStyle_L2,
                                    KelStyle_Ln};
}

void TViewNavigateTree::BuildLayout()
{
    setObjectName(QStringLiteral("ViewNavigateTree"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);
    // The layout keys white out as transparent; the tree list covers the whole form, so
    // nothing of the form itself ever shows.
    SetColor(clWhite);
    QFont font(QString::fromLatin1(kFontName));
    font.setPixelSize(-kFontHeight);
    setFont(font);

    cxKelTreeList_Navigate = new TcxKelTreeList(this);
    cxKelTreeList_Navigate->setObjectName(QStringLiteral("cxKelTreeList_Navigate"));
    cxKelTreeList_Navigate->SetBounds(0, 0, kClientWidth, kClientHeight);
    cxKelTreeList_Navigate->SetColumnCount(1);
    cxKelTreeList_Navigate->SetHeaderVisible(false);
    cxKelTreeList_Navigate->setFrameShape(QFrame::NoFrame);
    cxKelTreeList_Navigate->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cxKelTreeList_Navigate->SetBackgroundStyle(KelStyle_L2);
    cxKelTreeList_Navigate->SetContentStyle(KelStyle_L2);
    cxKelTreeList_Navigate->SetTabStop(true);
    cxKelTreeList_Navigate->installEventFilter(this);
    // What a screen reader calls the list of screens.
    cxKelTreeList_Navigate->setAccessibleName(QStringLiteral("\u00c9crans de l'assistant"));

    // The roads of a click and of an expansion in the column: what the host throws while
    // the screen changes stops here.
    cxKelTreeList_Navigate->OnClick = [this](TObject* sender) {
        THostGuard::Run("TViewNavigateTree::cxKelTreeList_NavigateClick()", m_Presenter,
                        [&] { cxKelTreeList_NavigateClick(sender); });
    };
    cxKelTreeList_Navigate->OnCollapsed = [this](TObject* sender, TcxTreeListNode* node) {
        THostGuard::Run("TViewNavigateTree::cxKelTreeList_NavigateCollapsed()", m_Presenter,
                        [&] { cxKelTreeList_NavigateCollapsed(sender, node); });
    };
    cxKelTreeList_Navigate->OnExpanded = [this](TObject* sender, TcxTreeListNode* node) {
        THostGuard::Run("TViewNavigateTree::cxKelTreeList_NavigateExpanded()", m_Presenter,
                        [&] { cxKelTreeList_NavigateExpanded(sender, node); });
    };
    cxKelTreeList_Navigate->OnGetContentStyle =
        [this](TObject* sender, int column, TcxTreeListNode* node, const TcxStyle*& style) {
            cxKelTreeList_NavigateStylesGetContentStyle(sender, column, node, style);
        };
}

bool TViewNavigateTree::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == parent())
        resize(width(), static_cast<QWidget*>(watched)->height());
    if (watched == cxKelTreeList_Navigate &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            // Return is the tree's, not the default button's.
            event->accept();
            if (event->type() == QEvent::KeyPress)
                OpenFocusedLine();
            return true;
        }
    }
    return TView::eventFilter(watched, event);
}

void TViewNavigateTree::resizeEvent(QResizeEvent* event)
{
    TView::resizeEvent(event);
    if (cxKelTreeList_Navigate)
        cxKelTreeList_Navigate->resize(event->size());
}

void TViewNavigateTree::SetComplexData(TComplexData* data)
{
    if (data == m_treeControl->m_complexData)
        return;
    delete m_treeControl->m_complexData;
    m_treeControl->m_complexData = data;
}

TPrComposite* TViewNavigateTree::Root() const
{
    if (!m_Presenter)
        return nullptr;
    return m_Presenter->getRoot() ? m_Presenter->getRoot() : m_Presenter;
}

TPrBaseForm* TViewNavigateTree::Form() const
{
    return dynamic_cast<TPrBaseForm*>(Root());
}

TCinematicManagerAbstract* TViewNavigateTree::Flow() const
{
    if (!m_Presenter)
        return nullptr;
    if (TCinematicManagerAbstract* flow = m_Presenter->getCinematicManager())
        return flow;
    TPrComposite* root = Root();
    return root ? root->getCinematicManager() : nullptr;
}

TControlDisplayInfo* TViewNavigateTree::KeptDisplayInfo() const
{
    TPrBaseForm* form = Form();
    if (!form)
        return m_ownDisplayInfo.get();
    const auto found = form->getControlDisplayInfo(m_treeControl->m_lettrage);
    return found != form->getControlDisplayInfoEnd() ? *found : nullptr;
}

void TViewNavigateTree::KeepDisplayInfo(TControlDisplayInfo* info)
{
    if (TPrBaseForm* form = Form())
        form->AddControlDisplayInfo(info);
    else
        m_ownDisplayInfo.reset(info);
}

void TViewNavigateTree::Update()
{
    TcxKelTreeList* tree = cxKelTreeList_Navigate;
    const int top = tree->GetTopVisibleIndex();
    if (!m_treeControl->m_refreshEnabled)
        return; // a rebuild is under way

    TControlDisplayInfo* kept = KeptDisplayInfo();
    TControlDisplayInfo* info = kept;
    m_treeControl->Update(info);
    if (info && info != kept)
        KeepDisplayInfo(info);

    // The list first goes back where the user left it. A new active screen is then brought
    // into sight (its branch opened if the user had closed it); the same one is only focused
    // again, without scrolling: a refresh follows every change in the screen, and must not
    // move the list the user is looking at.
    if (top <= tree->GetNodes()->GetCount())
        tree->SetTopVisibleIndex(top);
    const TCinematicManagerAbstract* flow = Flow();
    const int activeIndex = flow ? flow->getIndexEcranActif() : -1;
    TcxTreeListNode* active = tree->GetNodes()->GetAbsoluteItem(activeIndex);
    const bool newActive = active && activeIndex != m_shownActive;
    m_shownActive = active ? activeIndex : -1;
    if (newActive) {
        for (TcxTreeListNode* parent = active->GetParent(); parent && !parent->GetIsRoot();
             parent = parent->GetParent())
            parent->SetExpanded(true);
    }
    if (!active || !active->GetIsVisible())
        return;
    if (!active->GetFocused()) {
        const bool autoScroll = tree->hasAutoScroll();
        tree->setAutoScroll(false);
        const auto restore = qScopeGuard([tree, autoScroll] { tree->setAutoScroll(autoScroll); });
        active->SetFocused(true);
    }
    if (newActive)
        tree->MakeVisible(active);
}

void TViewNavigateTree::SaveControlDisplay()
{
    if (!m_treeControl->m_refreshEnabled)
        return;
    if (TControlDisplayInfo* record = KeptDisplayInfo())
        m_treeControl->SaveControlDisplay(record);
}

void TViewNavigateTree::cxKelTreeList_NavigateCollapsed(TObject* /*Sender*/,
                                                        TcxTreeListNode* /*ANode*/)
{
    SaveControlDisplay();
}

void TViewNavigateTree::cxKelTreeList_NavigateExpanded(TObject* /*Sender*/,
                                                       TcxTreeListNode* /*ANode*/)
{
    SaveControlDisplay();
}

void TViewNavigateTree::cxKelTreeList_NavigateStylesGetContentStyle(TObject* /*Sender*/,
                                                                    int /*Column*/,
                                                                    TcxTreeListNode* ANode,
                                                                    const TcxStyle*& AStyle)
{
    const TCinematicManagerAbstract* flow = Flow();
    if (!ANode || !flow)
        return;
    const int active = flow->getIndexEcranActif();
    if (active < 0 || ANode->GetAbsoluteIndex() != active)
        return;
    const TScreenInformation* info = flow->GetDisplayScreenInfo(active);
    if (info && info->getIdRessource() > 0)
        AStyle = &KelStyle_L1_nocolor_bold;
}

void TViewNavigateTree::cxKelTreeList_NavigateClick(TObject* /*Sender*/)
{
    // A click on an expand button opens or closes the line, nothing more.
    const TcxTreeListHitTest* hit = cxKelTreeList_Navigate->GetHitTest();
    if (!hit->GetHitNode() || hit->GetState(tlhc_HitAtButton))
        return;
    OpenFocusedLine();
}

void TViewNavigateTree::OpenFocusedLine()
{
    TcxKelTreeList* tree = cxKelTreeList_Navigate;
    const TcxTreeListNode* focused = tree->GetFocusedNode();
    if (!focused)
        return;
    TCinematicManagerAbstract* flow = Flow();
    TPrComposite* root = Root();
    if (!flow || !root)
        return;
    // Only the line's position is kept: validating may show a message, and nodes do not
    // outlive a rebuild.
    const int index = focused->GetAbsoluteIndex();
    if (index == flow->getIndexEcranActif())
        return;
    // The click has already moved the focus to the clicked line: a move that does not happen
    // gives it back to the active screen's line. A line whose screen left the flow since the
    // tree was built leads nowhere.
    if (!flow->ExistDisplayScreen(index)) {
        FocusActiveLine();
        return;
    }
    const QPointer<TViewNavigateTree> alive(this);
    const bool accepted = root->EcranValide(true);
    if (!alive)
        return;
    const int target = flow->GetDisplayScreenEnum(index);
    if (!accepted || target < 0) {
        FocusActiveLine();
        return;
    }

    const int before = flow->getEnumEcranActif();
    flow->setEnumEcranActif(target);
    // A heading (no positive title resource) is never shown itself: the click lands on the
    // first titled screen after it, or stays on it at the end of the flow.
    for (const TScreenInformation* active = flow->getScreenInformationEcranActif();
         active && active->getIdRessource() <= 0; active = flow->getScreenInformationEcranActif()) {
        const int heading = flow->getEnumEcranActif();
        flow->NextScreen();
        if (flow->getEnumEcranActif() == heading)
            break;
    }
    if (flow->getEnumEcranActif() == before) {
        FocusActiveLine();
        return;
    }

    if (TPrBaseForm* form = Form())
        form->ChangeScreen();
    else
        Update(); // nobody else rebuilds the screen: at least the bold line follows
    if (alive)
        FocusActiveLine();
}

void TViewNavigateTree::FocusActiveLine()
{
    const TCinematicManagerAbstract* flow = Flow();
    if (!flow)
        return;
    if (TcxTreeListNode* node =
            cxKelTreeList_Navigate->GetNodes()->GetAbsoluteItem(flow->getIndexEcranActif()))
        node->SetFocused(true);
}
