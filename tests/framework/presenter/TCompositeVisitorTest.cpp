#include "PresenterDoubles.h"

#include "controls/TdControl.h"
#include "model/TCompteRendu.h"
#include "presenter/TCompositeVisitor.h"
#include "presenter/TVisitorChangeView.h"
#include "presenter/TVisitorFixClientHeight.h"
#include "presenter/TVisitorMajCinematique.h"
#include "presenter/TVisitorOk.h"
#include "presenter/TVisitorPerform.h"
#include "presenter/TVisitorSetFilter.h"
#include "view/TViewEcranVCL.h"

#include "DesktopMetrics.h"
#include "TInfoGene.h"

#include "QtLeakCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// A data-bound control that only records the filter it is given.
class FilterRecordingControl : public TdControl
{
public:
    FilterRecordingControl(Journal& journal, int lettrage) : m_journal(journal)
    {
        m_lettrage = lettrage;
    }
    void LettrageVersEcran(structLettre*, structLettre*) override {}
    void EcranVersLettrage(structLettre*, structLettre*) override {}
    void UpdateSelection(structLettre*) override {}
    void setFilter(int filter) override
    {
        m_journal.add("control" + std::to_string(m_lettrage) + ".setFilter(" +
                      std::to_string(filter) + ")");
    }

private:
    Journal& m_journal;
};

// A host screen with one control, recording Perform.
class RecordingScreenView : public TViewEcranVCL
{
public:
    RecordingScreenView(Journal& journal, TPrEcranVCL* presenter)
        : TViewEcranVCL(nullptr, presenter), m_journal(journal)
    {}
    void InitCouleurs() override {}
    void InitControls() override { AjouteControl(new FilterRecordingControl(m_journal, 12)); }
    void Perform() override { m_journal.add("screenView.Perform"); }

private:
    Journal& m_journal;
};

// The four kinds of presenters as a wizard builds them:
//
//   form (TPrBaseForm)
//   +-- tree (TPrNavigateTree)
//   +-- screen (TPrEcranVCL)
//   |   +-- inner (TPrEcranVCL)
//   +-- buttons (TPrManagementButtons)
class VisitorTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        SetDesktopSizeOverride(1280, 1024);
        // The first wizard window of the process makes Qt build its lazy singletons (styles,
        // icons, platform windows): let that happen before the leak check counts.
        static bool warmedUp = false;
        if (!warmedUp) {
            warmedUp = true;
            WarmUpShownWindows();
            BuildTree();
            delete form;
            journal.clear();
        }
        QtLeakCheckedTest::SetUp();
        BuildTree();
    }
    void TearDown() override
    {
        delete form;
        SetDesktopSizeOverride(0, 0);
        QtLeakCheckedTest::TearDown();
    }

    void BuildTree()
    {
        form = new TPrBaseForm(nullptr, &model, nullptr);
        tree = new TPrNavigateTree(nullptr, form, &model, nullptr, nullptr);
        screen = new RecordingScreenPresenter(journal, "screen", form);
        inner = new RecordingScreenPresenter(journal, "inner", screen);
        buttons = new RecordingButtonsPresenter(journal, "buttons", form);
        form->Add(tree);
        form->Add(screen);
        screen->Add(inner);
        form->Add(buttons);
    }

    // Gives the form presenter a recording window in place of its own.
    RecordingView* replaceFormView()
    {
        delete form->getView();
        auto* window = new RecordingView(journal, "form");
        form->setView(window);
        return window;
    }

    Journal journal;
    TInfoGene info;
    QuietModel model{&info};
    TPrBaseForm* form = nullptr;
    TPrNavigateTree* tree = nullptr;
    RecordingScreenPresenter* screen = nullptr;
    RecordingScreenPresenter* inner = nullptr;
    RecordingButtonsPresenter* buttons = nullptr;
};

TEST_F(VisitorTest, TheWalkVisitsEveryPresenterOnceInPreOrderWithTheVisitOfItsKind)
{
    RecordingVisitor visitor(journal);
    visitor.name(form, "form");
    visitor.name(tree, "tree");
    visitor.name(screen, "screen");
    visitor.name(inner, "inner");
    visitor.name(buttons, "buttons");

    form->Accept(&visitor);
    EXPECT_THAT(journal.entries(),
                ElementsAre("BaseForm:form", "NavigateTree:tree", "EcranVCL:screen",
                            "EcranVCL:inner", "ManagementButtons:buttons"));
}

TEST_F(VisitorTest, APlainCompositeIsNotVisitedButItsChildrenAre)
{
    RecordingPresenter holder(journal, "holder", form);
    auto* held = new RecordingScreenPresenter(journal, "held", &holder);
    holder.Add(held);
    RecordingVisitor visitor(journal);
    visitor.name(held, "held");

    holder.Accept(&visitor);
    EXPECT_THAT(journal.entries(), ElementsAre("EcranVCL:held"));
}

TEST_F(VisitorTest, TheBaseVisitorDoesNothingAnywhere)
{
    TCompositeVisitor visitor;
    form->Accept(&visitor);
    EXPECT_THAT(journal.entries(), IsEmpty());
}

TEST_F(VisitorTest, ChangeViewRebuildsEveryScreenPresenterAndNothingElse)
{
    TVisitorChangeView visitor;
    form->Accept(&visitor);
    EXPECT_THAT(journal.entries(), ElementsAre("screen.ChangeView", "inner.ChangeView"));
}

TEST_F(VisitorTest, ChangeScreenOfTheFormWalksTheChangeViewVisitorFromTheRoot)
{
    form->ChangeScreen();
    EXPECT_THAT(journal.entries(), ElementsAre("screen.ChangeView", "inner.ChangeView"));
}

TEST_F(VisitorTest, MajCinematiqueRefreshesOnlyTheButtonsPresenter)
{
    TVisitorMajCinematique visitor;
    form->Accept(&visitor);
    EXPECT_THAT(journal.entries(), ElementsAre("buttons.MajCinematique"));
}

TEST_F(VisitorTest, FixClientHeightFitsTheWizardWindowOnly)
{
    replaceFormView();
    screen->setView(new RecordingView(journal, "screen"));

    TVisitorFixClientHeight visitor(321);
    EXPECT_EQ(visitor.getHeight(), 321);
    form->Accept(&visitor);
    EXPECT_THAT(journal.endingWith(")"), ElementsAre("form.view.FixClientHeight(321)"));
}

TEST_F(VisitorTest, FixClientHeightIgnoresAFormWhoseWindowIsGone)
{
    delete form->getView();
    TVisitorFixClientHeight visitor(200);
    form->Accept(&visitor);
    EXPECT_THAT(journal.entries(), IsEmpty());
}

TEST_F(VisitorTest, OkLetsTheFormCloseWithUserActionZero)
{
    ASSERT_EQ(form->getCompteRendu()->getUserAction(), 1);
    ASSERT_FALSE(form->isCloseAllowed());

    TVisitorOk visitor;
    form->Accept(&visitor);
    EXPECT_EQ(form->getCompteRendu()->getUserAction(), 0);
    EXPECT_TRUE(form->isCloseAllowed());
    EXPECT_EQ(buttons->getCompteRendu()->getUserAction(), 1) << "only the form is concerned";
}

TEST_F(VisitorTest, TheButtonsFinishReachesTheFormThroughTheOkVisitor)
{
    buttons->Ok();
    EXPECT_EQ(form->getCompteRendu()->getUserAction(), 0);
    EXPECT_TRUE(form->isCloseAllowed());

    buttons->Cancel();
    EXPECT_EQ(form->getCompteRendu()->getUserAction(), 1);
}

TEST_F(VisitorTest, PerformReachesTheScreenViewsOnly)
{
    auto* view = new RecordingScreenView(journal, screen);
    view->InitView();
    screen->setView(view);
    replaceFormView();

    TVisitorPerform visitor;
    form->Accept(&visitor);
    EXPECT_THAT(journal.endingWith("Perform"), ElementsAre("screenView.Perform"));
}

TEST_F(VisitorTest, PerformAndSetFilterPassOverScreenPresentersWithoutView)
{
    TVisitorPerform perform;
    TVisitorSetFilter filter;
    form->Accept(&perform);
    form->Accept(&filter);
    EXPECT_THAT(journal.entries(), IsEmpty());
}

TEST_F(VisitorTest, SetFilterPassesItsValueToEveryControlOfTheScreenViews)
{
    auto* view = new RecordingScreenView(journal, screen);
    view->InitView();
    screen->setView(view);

    TVisitorSetFilter visitor;
    visitor.setFilter(3);
    form->Accept(&visitor);
    EXPECT_THAT(journal.endingWith(")"), ElementsAre("control12.setFilter(3)"));
}

TEST_F(VisitorTest, SetFilterUsedWithoutSettingItShowsEverything)
{
    auto* view = new RecordingScreenView(journal, screen);
    view->InitView();
    screen->setView(view);

    TVisitorSetFilter visitor;
    EXPECT_EQ(visitor.getFilter(), -1);
    form->Accept(&visitor);
    EXPECT_THAT(journal.endingWith(")"), ElementsAre("control12.setFilter(-1)"));
}

TEST(TVisitorSetFilter, CopiesAndComparesByFilter)
{
    TVisitorSetFilter first;
    first.setFilter(4);
    TVisitorSetFilter second(first);
    EXPECT_EQ(second.getFilter(), 4);
    EXPECT_TRUE(first == second);
    second.setFilter(0);
    EXPECT_FALSE(first == second);
    second = first;
    EXPECT_TRUE(first == second);
}

TEST(TVisitorFixClientHeight, CopiesAndComparesByHeight)
{
    TVisitorFixClientHeight tall(500);
    TVisitorFixClientHeight copy(tall);
    EXPECT_TRUE(copy == tall);
    copy = TVisitorFixClientHeight(10);
    EXPECT_EQ(copy.getHeight(), 10);
    EXPECT_FALSE(copy == tall);
}

} // namespace
