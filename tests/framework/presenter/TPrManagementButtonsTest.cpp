#include "PresenterDoubles.h"

#include "presenter/TServiceManager.h"
#include "view/TViewManagementButtons.h"

#include "TAction.h"
#include "TKelActionList.h"

#include <stdexcept>

namespace {

// A wizard form presenter that counts its screen changes.
class CountingForm : public TPrBaseForm
{
public:
    using TPrBaseForm::TPrBaseForm;
    void ChangeScreen() override
    {
        ++changes;
        TPrBaseForm::ChangeScreen();
    }
    int changes = 0;
};

// {screen, title resource}: a resource of 0 or less is a heading without a page.
using Flow = std::vector<std::pair<int, long>>;

// The form presenter at the root, one screen presenter that accepts or refuses its data, and
// the buttons presenter, on a flow of the given screens.
class TPrManagementButtonsTest : public PresenterTest
{
protected:
    void TearDown() override
    {
        build({}, 0);
        PresenterTest::TearDown();
    }

    // Replaces the wizard by one on `screens` (none: no wizard).
    void build(const Flow& screens, int active)
    {
        delete form;
        form = nullptr;
        journal.clear();
        if (screens.empty())
            return;
        form = new CountingForm(nullptr, &model, nullptr);
        flow = new TCinematicManagerAbstract();
        for (const auto& [id, resource] : screens)
            flow->InitScreen(id, resource, "", TScreenInformation::SELECTION_OUI,
                             TScreenInformation::ON, TScreenInformation::FAMILLE_DEFAUT);
        flow->setEnumEcranActif(active);
        form->setCinematicManager(flow);
        screen = new RecordingPresenter(journal, "screen", form, &model, flow);
        form->Add(screen);
        buttons = new TPrManagementButtons(form->getPanelManagementButtons(), form, &model, nullptr,
                                           flow);
        form->Add(buttons);
    }

    Journal journal;
    TInfoGene info;
    TestModel model{&info};
    CountingForm* form = nullptr;
    TCinematicManagerAbstract* flow = nullptr;
    RecordingPresenter* screen = nullptr;
    TPrManagementButtons* buttons = nullptr;
};

TEST_F(TPrManagementButtonsTest, MovesOnceTheScreensAcceptPassingOverHeadingsForNextAndPrevious)
{
    using Move = void (TPrManagementButtons::*)();
    struct Case
    {
        Flow screens;
        int from;
        Move move;
        bool accepted;
        int to;
    };
    const Move next = &TPrManagementButtons::NextScreen;
    const Move previous = &TPrManagementButtons::PreviousScreen;
    const Move first = &TPrManagementButtons::FirstScreen;
    const Move last = &TPrManagementButtons::LastScreen;
    const Flow two = {{1, 10}, {2, 11}};
    const Flow headings = {{1, 10}, {2, 0}, {3, -3}, {4, 12}};
    const Flow endsOnHeadings = {{1, 10}, {2, 0}, {3, 0}};
    const Flow headingEnds = {{1, 0}, {2, 10}, {3, 11}, {4, 0}};
    const Case cases[] = {
        {two, 1, next, false, 1},
        {two, 2, previous, false, 2},
        {two, 2, first, false, 2},
        {two, 1, last, false, 1},
        {headings, 1, next, true, 4},
        {headings, 4, previous, true, 1},
        {endsOnHeadings, 1, next, true, 3},
        // At the end of the flow nothing moves, but the screens are rebuilt all the same.
        {endsOnHeadings, 3, next, true, 3},
        {headingEnds, 2, first, true, 1},
        {headingEnds, 2, last, true, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(&c - cases));
        build(c.screens, c.from);
        screen->valid = c.accepted;
        (buttons->*c.move)();
        EXPECT_EQ(flow->getEnumEcranActif(), c.to);
        EXPECT_EQ(form->changes, c.accepted ? 1 : 0);
        EXPECT_EQ(journal.count("screen.DonneesValide(true)"), 1u);
    }
}

TEST_F(TPrManagementButtonsTest, EachServiceCodeAddsTheBarsActionOnceInTheOrderAdded)
{
    build({{1, 10}}, 1);
    const auto* bar = dynamic_cast<TViewManagementButtons*>(buttons->getView());
    const std::vector<std::pair<int, TAction*>> table = {
        {11, bar->ACT_Services_Import},         {0, bar->ACT_Services_Imprimer},
        {1, bar->ACT_Services_ReinitPartielle}, {2, bar->ACT_Services_ReintTotale},
        {3, bar->ACT_Modifier_Declaration},     {4, bar->ACT_Filtre_AuditGeneral},
        {5, bar->ACT_Filtre_Anomalies},         {6, bar->ACT_Filtre_Avertissement},
        {7, bar->ACT_Filtre_Conseils},          {8, bar->ACT_Filtre_Messages},
        {9, bar->ACT_Filtre_PiecesJointes},
    };
    std::vector<TAction*> expected;
    for (const auto& [code, action] : table) {
        buttons->AddService(code);
        expected.push_back(action);
    }
    // Codes outside the table, and one already added, change nothing.
    for (const int code : {10, -1, 12, 0})
        buttons->AddService(code);
    buttons->RemoveService(10);

    std::vector<TAction*> walked;
    for (bool more = buttons->BeginServiceButtonData(); more;
         more = buttons->NextServiceButtonData())
        walked.push_back(buttons->GetServiceButtonData());
    EXPECT_EQ(walked, expected);
    buttons->RemoveService(0);
    EXPECT_EQ(buttons->getServiceManager()->getNbService(), 10);
    EXPECT_FALSE(buttons->getServiceManager()->contains(bar->ACT_Services_Imprimer));
}

using TServiceManagerTest = QtLeakCheckedTest;

TEST_F(TServiceManagerTest, WalksEachActionOnceInTheOrderAddedAndDestroysThoseStillListed)
{
    TKelActionList list;
    auto* a = new TAction(&list);
    auto* b = new TAction(&list);
    auto* c = new TAction(&list);
    auto* d = new TAction(&list);
    QPointer<TAction> listed(a);
    {
        TServiceManager services;
        EXPECT_FALSE(services.BeginServiceData());
        EXPECT_THROW(services.GetServiceData(), std::out_of_range);
        for (TAction* action : {a, b, a, static_cast<TAction*>(nullptr), c, d})
            services.Add(action);
        services.Remove(b);
        services.Remove(b);
        EXPECT_EQ(services.getNbService(), 3);
        delete d; // destroyed elsewhere: not destroyed again

        std::vector<TAction*> walked;
        for (bool more = services.BeginServiceData(); more; more = services.NextServiceData())
            walked.push_back(services.GetServiceData());
        EXPECT_EQ(walked, (std::vector<TAction*>{a, c, nullptr}));
        EXPECT_THROW(services.GetServiceData(), std::out_of_range);
        EXPECT_EQ(list.GetActionCount(), 3) << "removing destroys nothing";
    }
    EXPECT_TRUE(listed.isNull());
    EXPECT_EQ(list.GetActionCount(), 1);
    EXPECT_EQ(list.IndexOf(b), 0);
}

} // namespace
