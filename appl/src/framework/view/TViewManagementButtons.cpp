#include "view/TViewManagementButtons.h"

#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"
#include "model/TComplexDataNavigateTree.h"
#include "presenter/THostGuard.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrManagementButtons.h"
#include "presenter/TServiceManager.h"
#include "presenter/TVisitorPerform.h"
#include "presenter/TVisitorSetFilter.h"

#include "MessageQueue.h"
#include "TAction.h"
#include "TImageList.h"
#include "TKelActionList.h"
#include "TPanel.h"
#include "TSingletonCouleur.h"
#include "TTBXItem.h"
#include "TTBXPopupMenu.h"
#include "TTBXSeparatorItem.h"
#include "TTBXSubmenuItem.h"
#include "TTimer.h"
#include "TcxKelButton.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QStyle>

#include <charconv>
#include <initializer_list>

template <class Work>
void TViewManagementButtons::OnBar(const char* edge, Work&& work)
{
    THostGuard::Run(edge, m_Presenter, std::forward<Work>(work));
}

template <class Clickable>
void TViewManagementButtons::RunThroughBar(Clickable* clickable, TAction* action)
{
    // A service is the host's action: it runs on the bar's road, so that what it throws stops
    // there.
    const QPointer<TAction> service(action);
    clickable->OnClick = [this, service](TObject*) {
        OnBar("TViewManagementButtons::Services()", [&] {
            if (service)
                service->Execute();
        });
    };
}

namespace {

// The layout's fonts ("KEL Dialog" for the bar, "MS Sans Serif" for the styles) are Windows
// fonts; this one ships with every Debian desktop.
const char* const kFontName = "DejaVu Sans";
constexpr int kFontHeight = -11;

// The go-to panel: closed below 20 pixels, opened up to 65, closed down to 10.
constexpr int kAllerAOpenThreshold = 20;
constexpr int kAllerAOpenHeight = 65;
constexpr int kAllerAClosedHeight = 10;
constexpr unsigned long kAllerAOpenStep = 5;  // ms per pixel
constexpr unsigned long kAllerACloseStep = 2; // ms per pixel

// The images of the audit filters: a disc in the colour of each kind of message.
QIcon AuditImage(const QColor& colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(colour.darker(150));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return QIcon(pixmap);
}

TcxStyle MakeStyle(TColor colour, bool bold = false)
{
    TcxStyle style;
    if (colour != clNone)
        style.SetColor(colour);
    if (bold) {
        style.SetFontName(kFontName);
        style.SetFontHeight(kFontHeight);
        style.SetFontBold(true);
    }
    return style;
}

// A button of the layout.
TcxKelButton* MakeButton(TComponent* owner, int left, int top, int width, int height,
                         const std::string& caption)
{
    auto* button = new TcxKelButton(owner);
    button->SetBounds(left, top, width, height);
    button->SetCaption(caption);
    return button;
}

} // namespace

TViewManagementButtons::TViewManagementButtons(TComponent* owner, TPrManagementButtons* presenter)
    : TView(owner), m_Presenter(presenter)
{
    BuildRepositories();
    BuildActions();
    BuildMenus();
    BuildLayout();
    SetLeft(0);
    SetTop(0);
    if (auto* panel = dynamic_cast<TWinControl*>(owner))
        SetParent(panel);
    InitCouleurs();
    InitButtonsPosition();
    List_Declaration->UpdateActions();
}

TViewManagementButtons::~TViewManagementButtons()
{
    if (AllerA_)
        AllerA_->removeEventFilter(this);
    delete m_complexData;
    m_complexData = nullptr;
}

TViewManagementButtons& TViewManagementButtons::operator=(const TViewManagementButtons& other)
{
    if (this != &other)
        m_filter = other.m_filter;
    return *this;
}

bool TViewManagementButtons::operator==(const TViewManagementButtons& other) const
{
    return m_Presenter == other.m_Presenter && m_filter == other.m_filter;
}

void TViewManagementButtons::BuildRepositories()
{
    alignLeft = TcxEditRepositoryItem(erkText, taLeftJustify, taVCenter);
    alignCenter = TcxEditRepositoryItem(erkText, taCenter, taTopJustify);
    alignRight = TcxEditRepositoryItem(erkText, taRightJustify, taVCenter);
    alignPourcentage =
        TcxEditRepositoryItem(erkCurrency, taCenter, taTopJustify, ",0.00 %;-,0.00 %");
    alignEuro =
        TcxEditRepositoryItem(erkCurrency, taRightJustify, taTopJustify, ",0 \x80;-,0 \x80", 0);
    alignEuroDeuxDec = TcxEditRepositoryItem(erkCurrency, taRightJustify, taTopJustify,
                                             ",0.00 \x80;-,0.00 \x80", 0);
    alignDeuxDec = TcxEditRepositoryItem(erkCurrency, taCenter, taTopJustify, ",0.00;-,0.00");

    KelStyle_L0 = MakeStyle(12250361, true);
    KelStyle_L0.SetTextColor(clNavy);
    KelStyle_L1 = MakeStyle(13497851);
    KelStyle_L1.SetTextColor(clNavy);
    KelStyle_L2 = MakeStyle(14941179);
    KelStyle_Ln = MakeStyle(clWhite);
    KelStyle_L0_nocolor = MakeStyle(12250361, true);
    KelStyle_L1_nocolor = MakeStyle(13497851);
    KelStyle_L1_nocolor_bold = MakeStyle(13497851, true);
    KelStyle_Highlight = TcxStyle();
    KelStyle_Highlight.SetTextColor(clBlue);

    cxKelTLStSh_Default.Background = KelStyle_L2;
    cxKelTLStSh_Default.Content = KelStyle_L2;
    cxKelTLStSh_Default.ContentEven = KelStyle_L2;
    cxKelTLStSh_Default.ContentOdd = KelStyle_Ln;
    cxKelTLStSh_Default.Levels = {KelStyle_L0, KelStyle_L1, KelStyle_L2, KelStyle_Ln};
    cxKelTLStSh_Highlight = cxKelTLStSh_Default;
    cxKelTLStSh_Highlight.Levels = {KelStyle_L0_nocolor, KelStyle_L1_nocolor, KelStyle_L2,
                                    KelStyle_Ln};
}

void TViewManagementButtons::BuildActions()
{
    ImagesAudit = new TImageList(this);
    ImagesAudit->SetMasked(false);
    for (const QColor& colour : {QColor(90, 90, 90), QColor(215, 40, 40), QColor(240, 150, 30),
                                 QColor(40, 110, 210), QColor(60, 160, 70), QColor(140, 80, 170)})
        ImagesAudit->Add(AuditImage(colour));

    List_Declaration = new TKelActionList(this);
    List_Declaration->SetImages(ImagesAudit);
    auto makeAction = [this](const std::string& caption, int image,
                             void (TViewManagementButtons::*execute)(TObject*),
                             void (TViewManagementButtons::*update)(TObject*), const char* edge) {
        auto* action = new TAction(List_Declaration);
        action->SetCaption(caption);
        action->SetCategory("Services");
        action->SetImageIndex(image);
        action->OnExecute = [this, execute, edge](TObject* sender) {
            OnBar(edge, [&] { (this->*execute)(sender); });
        };
        if (update)
            action->OnUpdate = [this, update, edge](TObject* sender) {
                OnBar(edge, [&] { (this->*update)(sender); });
            };
        return action;
    };
    using V = TViewManagementButtons;
    ACT_Filtre_AuditGeneral = makeAction(
        "Voir tous les &messages", 0, &V::ACT_Filtre_AuditGeneralExecute, &V::ACT_FiltreUpdate,
        "TViewManagementButtons::ACT_Filtre_AuditGeneralExecute()");
    ACT_Filtre_Anomalies =
        makeAction("Voir les a&nomalies", 1, &V::ACT_Filtre_AnomaliesExecute, &V::ACT_FiltreUpdate,
                   "TViewManagementButtons::ACT_Filtre_AnomaliesExecute()");
    ACT_Filtre_Avertissement = makeAction(
        "Voir les a&vertissements", 2, &V::ACT_Filtre_AvertissementExecute, &V::ACT_FiltreUpdate,
        "TViewManagementButtons::ACT_Filtre_AvertissementExecute()");
    ACT_Filtre_Conseils =
        makeAction("Voir les &conseils", 3, &V::ACT_Filtre_ConseilsExecute, &V::ACT_FiltreUpdate,
                   "TViewManagementButtons::ACT_Filtre_ConseilsExecute()");
    ACT_Filtre_Messages =
        makeAction("Voir les &remarques", 4, &V::ACT_Filtre_MessagesExecute, &V::ACT_FiltreUpdate,
                   "TViewManagementButtons::ACT_Filtre_MessagesExecute()");
    ACT_Filtre_PiecesJointes =
        makeAction("Voir les pi\xE8"
                   "ces \xE0 &joindre",
                   5, &V::ACT_Filtre_PiecesJointesExecute, &V::ACT_FiltreUpdate,
                   "TViewManagementButtons::ACT_Filtre_PiecesJointesExecute()");
    // The services menu puts a separator after it.
    ACT_Filtre_PiecesJointes->SetTag(1);
    ACT_Modifier_Declaration =
        makeAction("Modifier la &d\xE9"
                   "claration",
                   -1, &V::ACT_Modifier_DeclarationExecute, &V::ACT_Modifier_DeclarationUpdate,
                   "TViewManagementButtons::ACT_Modifier_DeclarationExecute()");
    ACT_Services_Imprimer = makeAction("&Imprimer", -1, &V::ACT_Services_ImprimerExecute,
                                       &V::ACT_Services_ImprimerUpdate,
                                       "TViewManagementButtons::ACT_Services_ImprimerExecute()");
    ACT_Services_Import =
        makeAction("", -1, &V::ACT_Services_ImportExecute, &V::ACT_Services_ImportUpdate,
                   "TViewManagementButtons::ACT_Services_ImportExecute()");
    ACT_Services_ReinitPartielle =
        makeAction("R\xE9initialiser &partiellement la d\xE9"
                   "claration (montants, ...)",
                   -1, &V::ACT_Services_ReinitPartielleExecute, nullptr,
                   "TViewManagementButtons::ACT_Services_ReinitPartielleExecute()");
    ACT_Services_ReintTotale =
        makeAction("R\xE9initialiser &totalement la d\xE9"
                   "claration",
                   -1, &V::ACT_Services_ReintTotaleExecute, nullptr,
                   "TViewManagementButtons::ACT_Services_ReintTotaleExecute()");
}

void TViewManagementButtons::BuildMenus()
{
    Menu_Navigation = new TTBXPopupMenu(this);
    Menu_Services = new TTBXPopupMenu(this);
    Menu_Services->SetImages(ImagesAudit);
    // As laid out; Update replaces these items with the presenter's services.
    TTBCustomItem* items = Menu_Services->GetItems();
    for (TAction* action :
         {ACT_Filtre_AuditGeneral, ACT_Filtre_Anomalies, ACT_Filtre_Avertissement,
          ACT_Filtre_Conseils, ACT_Filtre_Messages, ACT_Filtre_PiecesJointes,
          static_cast<TAction*>(nullptr), ACT_Modifier_Declaration, ACT_Services_Imprimer,
          ACT_Services_Import, ACT_Services_ReinitPartielle, ACT_Services_ReintTotale}) {
        if (!action) {
            items->Add(new TTBXSeparatorItem());
            continue;
        }
        auto* item = new TTBXItem();
        item->SetAction(action);
        items->Add(item);
    }
}

void TViewManagementButtons::BuildLayout()
{
    setObjectName(QStringLiteral("ViewManagementButtons"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);
    SetColor(clWhite);
    QFont font(QString::fromLatin1(kFontName));
    font.setPixelSize(-kFontHeight);
    setFont(font);
    QPalette palette = this->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Active, role, TColorToQColor(clBlack));
    setPalette(palette);

    ButtonNavigation = MakeButton(this, 9, 17, 93, 37, "Navigation");
    ButtonNavigation->SetKind(cxbkDropDown);
    ButtonNavigation->SetDropDownMenu(Menu_Navigation);
    ButtonServices = MakeButton(this, 109, 17, 93, 37, "Services");
    ButtonServices->SetKind(cxbkDropDown);
    ButtonServices->SetDropDownMenu(Menu_Services);
    PB_PRECEDENT = MakeButton(this, 225, 17, 93, 37,
                              "< &Pr\xE9"
                              "c\xE9"
                              "dent");
    PB_PRECEDENT->OnClick = [this](TObject* sender) {
        OnBar("TViewManagementButtons::OnPrevious()", [&] { OnPrevious(sender); });
    };
    PB_SUIVANT = MakeButton(this, 325, 17, 93, 37, "&Suivant >");
    PB_SUIVANT->OnClick = [this](TObject* sender) {
        OnBar("TViewManagementButtons::OnNext()", [&] { OnNext(sender); });
    };
    IDOK_ = MakeButton(this, 441, 17, 93, 37, "&Terminer");
    IDOK_->SetDefault(true);
    IDOK_->SetModalResult(mrOk);
    IDOK_->OnClick = [this](TObject* sender) {
        OnBar("TViewManagementButtons::cmOk()", [&] { cmOk(sender); });
    };
    IDCANCEL_ = MakeButton(this, 541, 17, 93, 37, "&Annuler");
    IDCANCEL_->SetCancel(true);
    IDCANCEL_->SetModalResult(mrCancel);
    IDCANCEL_->OnClick = [this](TObject* sender) {
        OnBar("TViewManagementButtons::cmCancel()", [&] { cmCancel(sender); });
    };

    IDC_BORSHADE_PAIEMENT = new TPanel(this);
    IDC_BORSHADE_PAIEMENT->SetBevelOuter(bvNone);
    IDC_BORSHADE_PAIEMENT->SetBounds(1, 0, 642, 2);
    IDC_BORSHADE_PAIEMENT->SetColor(clBtnFace);

    // The go-to panel takes the bar's colour; the host fills the list and shows the panel.
    AllerAPanel = new TPanel(this);
    AllerAPanel->SetBounds(-8, 2, 161, 15);
    AllerAPanel->SetColor(GetColor());
    AllerAPanel->SetEnabled(false);
    AllerAPanel->SetVisible(false);
    ImageListAllerA = new TImageList(this);
    ImageListAllerA->Add(style()->standardIcon(QStyle::SP_ArrowDown)); // closed
    ImageListAllerA->Add(style()->standardIcon(QStyle::SP_ArrowUp));   // open
    AllerAButton = MakeButton(AllerAPanel, 0, 0, 100, 20, "");
    AllerAButton->SetImages(ImageListAllerA);
    AllerAButton->SetImageIndex(0);
    AllerAButton->SetLayout(blGlyphBottom);
    AllerAButton->SetAnchors(akTop | akRight);
    AllerAButton->SetHint("Activer la navigation par lettrage");
    AllerAButton->OnClick = [this](TObject* sender) {
        OnBar("TViewManagementButtons::AllerAButtonClick()", [&] { AllerAButtonClick(sender); });
    };
    AllerA_ = new TcxKelTreeList(AllerAPanel);
    AllerA_->SetBounds(8, -25, 33, 40);
    AllerA_->SetVisible(false);
    AllerA_->SetHeaderVisible(false);
    AllerA_->setRootIsDecorated(false);
    AllerA_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AllerA_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    AllerA_->SetTabStop(false);
    AllerA_->SetColumnCount(2);
    AllerA_->setColumnWidth(ColonneInfoCode, 60);
    AllerA_->setColumnWidth(ColonneInfoLibelle, 188);
    AllerA_->SetSortedColumn(ColonneInfoCode);
    connect(AllerA_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex&) {
        OnBar("TViewManagementButtons::AllerA_DblClick()", [&] { AllerA_DblClick(AllerA_); });
    });
    AllerA_->installEventFilter(this);

    m_TimerAllerA = new TTimer(this);
    m_TimerAllerA->SetEnabled(false);

    QWidget::setTabOrder(ButtonNavigation, ButtonServices);
    QWidget::setTabOrder(ButtonServices, PB_PRECEDENT);
    QWidget::setTabOrder(PB_PRECEDENT, PB_SUIVANT);
    QWidget::setTabOrder(PB_SUIVANT, IDOK_);
    QWidget::setTabOrder(IDOK_, IDCANCEL_);
    QWidget::setTabOrder(IDCANCEL_, AllerAButton);
}

void TViewManagementButtons::InitCouleurs()
{
    TSingletonCouleur* couleurs = TSingletonCouleur::GetInstance();
    InitConfigcolors(*couleurs);
    const TColor boutons = *couleurs->getColors(couleurBoutons);
    for (TcxKelButton* button : {PB_PRECEDENT, PB_SUIVANT, IDCANCEL_, IDOK_, ButtonServices,
                                 ButtonNavigation, AllerAButton})
        button->SetColorsDefault(boutons);
}

void TViewManagementButtons::InitButtonsPosition()
{
    if (m_Presenter && m_Presenter->isButtonNavigation())
        return;
    PB_PRECEDENT->SetLeft(PB_PRECEDENT->GetLeft() - 50);
    PB_SUIVANT->SetLeft(PB_SUIVANT->GetLeft() - 50);
    IDOK_->SetLeft(IDOK_->GetLeft() - 20);
    IDCANCEL_->SetLeft(IDCANCEL_->GetLeft() - 20);
    ButtonServices->SetLeft(ButtonServices->GetLeft() - 80);
}

void TViewManagementButtons::SetComplexData(TComplexDataNavigateTree* data)
{
    if (data == m_complexData)
        return;
    delete m_complexData;
    m_complexData = data;
}

TPrComposite* TViewManagementButtons::Root() const
{
    if (!m_Presenter)
        return nullptr;
    return m_Presenter->getRoot() ? m_Presenter->getRoot() : m_Presenter;
}

// --- Update ---

void TViewManagementButtons::Update()
{
    if (!m_Presenter)
        return;
    const bool first = m_Presenter->IsFirstScreen();
    const bool last = m_Presenter->IsLastScreen();
    PB_PRECEDENT->SetEnabled(!first);
    PB_SUIVANT->SetEnabled(!last);
    // A wizard of one screen has nowhere to go.
    PB_PRECEDENT->SetVisible(!(first && last));
    PB_SUIVANT->SetVisible(!(first && last));

    UpdateServices();
    UpdateNavigation();
    List_Declaration->UpdateActions();
}

void TViewManagementButtons::UpdateServices()
{
    Menu_Services->GetItems()->Clear();
    const TServiceManager* services = m_Presenter->getServiceManager();
    const int count = services ? services->getNbService() : 0;
    if (count == 0) {
        // Unlinked, so that no later change of the action shows the button again.
        ButtonServices->SetAction(nullptr);
        ButtonServices->SetVisible(false);
        return;
    }
    if (count == 1) {
        ButtonServices->SetVisible(true);
        ButtonServices->SetKind(cxbkStandard);
        if (m_Presenter->BeginServiceButtonData())
            if (TAction* action = m_Presenter->GetServiceButtonData()) {
                ButtonServices->SetAction(action);
                RunThroughBar(ButtonServices, action);
            }
        return;
    }
    // Several services: the drop-down of the layout again, whatever a single service made of
    // the button before.
    ButtonServices->SetAction(nullptr);
    ButtonServices->SetKind(cxbkDropDown);
    ButtonServices->SetCaption("Services");
    ButtonServices->SetEnabled(true);
    if (!m_Presenter->BeginServiceButtonData())
        return;
    ButtonServices->SetVisible(true);
    TTBCustomItem* items = Menu_Services->GetItems();
    do {
        TAction* action = m_Presenter->GetServiceButtonData();
        if (!action)
            continue;
        auto* item = new TTBXItem();
        item->SetAction(action);
        RunThroughBar(item, action);
        items->Add(item);
        if (action->GetTag() == 1)
            items->Add(new TTBXSeparatorItem());
    } while (m_Presenter->NextServiceButtonData());
}

void TViewManagementButtons::UpdateNavigation()
{
    if (!m_Presenter->isButtonNavigation() || !m_complexData) {
        ButtonNavigation->SetVisible(false);
        return;
    }
    TTBCustomItem* menu = Menu_Navigation->GetItems();
    menu->Clear();

    // The current entry of levels 1 to 3: a plain item until an entry is placed under it,
    // then the submenu that took its place. Set only by an entry of its own level.
    TTBCustomItem* current[4] = {nullptr, nullptr, nullptr, nullptr};
    int level = 0;
    int count = 0;
    for (bool more = m_complexData->BeginDonneeComp(0); more;
         more = m_complexData->NextDonneeComp(0)) {
        std::string text;
        if (m_complexData->GetDonneeComp(0, TComplexData::kColumnNiveau, text)) {
            int read = 0;
            const char* end = text.data() + text.size();
            if (const auto result = std::from_chars(text.data(), end, read);
                result.ec == std::errc())
                level = read;
        }
        auto* item = new TTBXItem();
        InitItem(item, count++);

        const int placed = (level == 2 || level == 3 || level == 4) ? level : 1;
        // Under the entry of the level above; an entry whose parent level is missing goes
        // under the nearest one there is (or at the top).
        int parentLevel = placed - 1;
        while (parentLevel > 0 && !current[parentLevel])
            --parentLevel;
        if (parentLevel == 0) {
            menu->Add(item);
        } else if (auto* submenu = dynamic_cast<TTBXSubmenuItem*>(current[parentLevel])) {
            AddItem(submenu, item);
        } else {
            current[parentLevel] = AddItem(static_cast<TTBXItem*>(current[parentLevel]), item);
        }
        // The deeper levels keep their current entries: a level-3 entry after a new level-1
        // one still goes under the last level-2 entry.
        if (placed < 4)
            current[placed] = item;
    }

    if (count >= 2) {
        ButtonNavigation->SetVisible(true);
        std::string name = ButtonNavigation->GetCaption();
        m_Presenter->GetNavigationButtonName(name);
        ButtonNavigation->SetCaption(name);
    }
}

void TViewManagementButtons::InitItem(TTBXItem* item, int index)
{
    if (!item)
        return;
    std::string caption;
    if (m_complexData)
        m_complexData->GetDonneeComp(0, TComplexData::kColumnText, caption);
    item->SetCaption(caption);
    item->SetTag(index);
    item->OnClick = [this](TObject* sender) {
        OnBar("TViewManagementButtons::LancerNavigation()", [&] { LancerNavigation(sender); });
    };
    const TCinematicManagerAbstract* flow =
        m_Presenter ? m_Presenter->getCinematicManager() : nullptr;
    item->SetBold(flow && index == flow->getIndexEcranActif());
}

TTBXSubmenuItem* TViewManagementButtons::AddItem(TTBXItem* parent, TTBXItem* item)
{
    if (!parent)
        return nullptr;
    auto* submenu = new TTBXSubmenuItem();
    submenu->SetCaption(parent->GetCaption());
    submenu->SetTag(parent->GetTag());
    submenu->SetBold(parent->GetBold());
    if (TTBCustomItem* container = parent->GetParentItem()) {
        container->Insert(container->IndexOf(parent), submenu);
        container->Delete(container->IndexOf(parent));
    }
    AddItem(submenu, item);
    return submenu;
}

void TViewManagementButtons::AddItem(TTBXSubmenuItem* parent, TTBXItem* item)
{
    if (parent)
        parent->Add(item);
}

// --- Buttons ---

void TViewManagementButtons::OnPrevious(TObject* /*Sender*/)
{
    if (m_Presenter)
        m_Presenter->PreviousScreen();
}

void TViewManagementButtons::OnNext(TObject* /*Sender*/)
{
    if (m_Presenter)
        m_Presenter->NextScreen();
}

void TViewManagementButtons::OnShow(TObject* /*Sender*/)
{
    if (m_Presenter)
        m_Presenter->Update();
}

void TViewManagementButtons::cmOk(TObject* /*Sender*/)
{
    // The field being edited is left first, as a click would.
    if (IDOK_->CanFocus())
        IDOK_->SetFocus();
    if (m_Presenter)
        m_Presenter->Ok();
}

void TViewManagementButtons::cmCancel(TObject* /*Sender*/)
{
    if (m_Presenter)
        m_Presenter->Cancel();
}

void TViewManagementButtons::LancerNavigation(TObject* Sender)
{
    const auto* item = dynamic_cast<const TTBCustomItem*>(Sender);
    TCinematicManagerAbstract* flow = m_Presenter ? m_Presenter->getCinematicManager() : nullptr;
    if (!item || !flow)
        return;
    const int index = item->GetTag();
    if (index == flow->getIndexEcranActif())
        return;
    TPrComposite* root = Root();
    if (!root->EcranValide(true))
        return;
    const int target = flow->GetDisplayScreenEnum(index);
    if (target < 0)
        return; // the screen left the flow since the menu was built
    const int before = flow->getEnumEcranActif();
    flow->setEnumEcranActif(target);
    // A heading has no page: the next screen that has one is shown.
    for (const TScreenInformation* active = flow->getScreenInformationEcranActif();
         active && active->getIdRessource() <= 0; active = flow->getScreenInformationEcranActif()) {
        const int heading = flow->getEnumEcranActif();
        flow->NextScreen();
        if (flow->getEnumEcranActif() == heading)
            break;
    }
    if (flow->getEnumEcranActif() != before)
        if (auto* form = dynamic_cast<TPrBaseForm*>(root))
            form->ChangeScreen();
}

// --- Audit filters and services ---

int TViewManagementButtons::FilterOf(const TObject* action) const
{
    if (action == ACT_Filtre_AuditGeneral)
        return kFiltreTous;
    if (action == ACT_Filtre_Conseils)
        return kFiltreConseils;
    if (action == ACT_Filtre_Anomalies)
        return kFiltreAnomalies;
    if (action == ACT_Filtre_Messages)
        return kFiltreMessages;
    if (action == ACT_Filtre_PiecesJointes)
        return kFiltrePiecesJointes;
    if (action == ACT_Filtre_Avertissement)
        return kFiltreAvertissement;
    return -2;
}

void TViewManagementButtons::ApplyFilter(int filter)
{
    m_filter = filter;
    if (TPrComposite* root = Root()) {
        TVisitorSetFilter visitor;
        visitor.setFilter(filter);
        root->Accept(&visitor);
        root->Update();
    }
    // The bar may stand outside the tree it filters: its actions follow the filter anyway.
    List_Declaration->UpdateActions();
}

void TViewManagementButtons::ACT_Filtre_AuditGeneralExecute(TObject* /*Sender*/)
{
    ApplyFilter(kFiltreTous);
}

void TViewManagementButtons::ACT_Filtre_AnomaliesExecute(TObject* /*Sender*/)
{
    ApplyFilter(kFiltreAnomalies);
}

void TViewManagementButtons::ACT_Filtre_AvertissementExecute(TObject* /*Sender*/)
{
    ApplyFilter(kFiltreAvertissement);
}

void TViewManagementButtons::ACT_Filtre_ConseilsExecute(TObject* /*Sender*/)
{
    ApplyFilter(kFiltreConseils);
}

void TViewManagementButtons::ACT_Filtre_MessagesExecute(TObject* /*Sender*/)
{
    ApplyFilter(kFiltreMessages);
}

void TViewManagementButtons::ACT_Filtre_PiecesJointesExecute(TObject* /*Sender*/)
{
    ApplyFilter(kFiltrePiecesJointes);
}

void TViewManagementButtons::ACT_FiltreUpdate(TObject* Sender)
{
    if (auto* action = dynamic_cast<TAction*>(Sender))
        action->SetEnabled(FilterOf(action) != m_filter);
}

void TViewManagementButtons::ACT_Modifier_DeclarationExecute(TObject* /*Sender*/)
{
    if (TPrComposite* root = Root()) {
        TVisitorPerform visitor;
        root->Accept(&visitor);
    }
}

void TViewManagementButtons::ACT_Modifier_DeclarationUpdate(TObject* /*Sender*/) {}

void TViewManagementButtons::ACT_Services_ImprimerExecute(TObject* /*Sender*/)
{
    if (m_Presenter)
        m_Presenter->LanceEditionAutonome();
}

void TViewManagementButtons::ACT_Services_ImprimerUpdate(TObject* /*Sender*/)
{
    if (!m_Presenter)
        return;
    ACT_Services_Imprimer->SetVisible(!m_Presenter->CacherImprimer());
    ACT_Services_Imprimer->SetEnabled(m_Presenter->CanLanceEditionAutonome());
}

void TViewManagementButtons::ACT_Services_ImportExecute(TObject* /*Sender*/)
{
    if (m_Presenter)
        m_Presenter->ImportDossier();
}

void TViewManagementButtons::ACT_Services_ImportUpdate(TObject* /*Sender*/)
{
    if (m_Presenter)
        ACT_Services_Import->SetCaption(m_Presenter->getLibelleImportDossier());
}

void TViewManagementButtons::ACT_Services_ReintTotaleExecute(TObject* /*Sender*/)
{
    if (m_Presenter)
        m_Presenter->ReinitialisationTotale();
}

void TViewManagementButtons::ACT_Services_ReinitPartielleExecute(TObject* /*Sender*/)
{
    if (m_Presenter)
        m_Presenter->ReinitialisationPartielle();
}

// --- Go-to panel ---

void TViewManagementButtons::ActionAllerA(std::string /*code*/) {}

void TViewManagementButtons::AllerAButtonClick(TObject* /*Sender*/)
{
    if (AllerAPanel->GetHeight() < kAllerAOpenThreshold)
        OpenAllerA();
    else
        CloseAllerA();
}

void TViewManagementButtons::OpenAllerA()
{
    while (AllerAPanel->GetHeight() < kAllerAOpenHeight) {
        Sleep(kAllerAOpenStep);
        AllerAPanel->SetHeight(AllerAPanel->GetHeight() + 1);
        AllerA_->SetHeight(AllerA_->GetHeight() + 1);
        AllerAButton->SetTop(AllerAButton->GetTop() + 1);
        AllerAPanel->TControl::Update();
        AllerA_->TControl::Update();
    }
    AllerAButton->SetImageIndex(1);
    for (TcxKelButton* button : {IDOK_, IDCANCEL_, PB_PRECEDENT, PB_SUIVANT, ButtonServices})
        button->SetTabStop(false);
    // The list is shown while the panel is open, so that it can take the focus.
    AllerA_->SetVisible(true);
    AllerA_->SetTabStop(true);
    IDOK_->SetEnabled(false);
    if (AllerA_->CanFocus())
        AllerA_->SetFocus();
    m_TimerAllerA->SetEnabled(true);
}

void TViewManagementButtons::CloseAllerA()
{
    while (AllerAPanel->GetHeight() > kAllerAClosedHeight) {
        Sleep(kAllerACloseStep);
        AllerAPanel->SetHeight(AllerAPanel->GetHeight() - 1);
        AllerAButton->SetTop(AllerAButton->GetTop() - 1);
        for (TControl* control : std::initializer_list<TControl*>{
                 AllerAPanel, IDOK_, IDCANCEL_, PB_PRECEDENT, PB_SUIVANT, ButtonServices})
            control->TControl::Update();
    }
    AllerAButton->SetImageIndex(0);
    AllerA_->SetHeight(0);
    AllerA_->SetTabStop(false);
    AllerA_->SetVisible(false);
    for (TcxKelButton* button : {IDOK_, IDCANCEL_, PB_PRECEDENT, PB_SUIVANT, ButtonServices})
        button->SetTabStop(true);
    IDOK_->SetEnabled(true);
    if (IDOK_->CanFocus())
        IDOK_->SetFocus();
    m_TimerAllerA->SetEnabled(false);
}

void TViewManagementButtons::AllerA_DblClick(TObject* /*Sender*/)
{
    // Only a double click on a row chooses it.
    TcxTreeListNode* node = AllerA_->GetHitTest()->GetHitNode();
    if (!node)
        return;
    ActionAllerA(node->GetValue(ColonneInfoCode));
    CloseAllerA();
}

void TViewManagementButtons::AllerA_KeyDown(TObject* /*Sender*/, unsigned short& Key,
                                            Qt::KeyboardModifiers /*Shift*/)
{
    if (Key != VK_RETURN)
        return;
    TcxTreeListNode* node = AllerA_->GetFocusedNode();
    if (!node)
        return;
    Key = 0;
    ActionAllerA(node->GetValue(ColonneInfoCode));
    CloseAllerA();
}

bool TViewManagementButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == AllerA_ && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int qtKey = keyEvent->key();
        unsigned short key = (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter)
                                 ? VK_RETURN
                                 : static_cast<unsigned short>(qtKey & 0xFFFF);
        OnBar("TViewManagementButtons::AllerA_KeyDown()",
              [&] { AllerA_KeyDown(AllerA_, key, keyEvent->modifiers()); });
        // A handler that cleared the key has used it.
        if (key == 0)
            return true;
    }
    return TView::eventFilter(watched, event);
}
