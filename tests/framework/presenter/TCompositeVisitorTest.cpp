#include "PresenterDoubles.h"

#include "presenter/TPrNavigateTree.h"
#include "presenter/TVisitorChangeView.h"
#include "presenter/TVisitorFixClientHeight.h"
#include "presenter/TVisitorMajCinematique.h"

namespace {

// A screen presenter of a host, recording the rebuilding of its view.
class RecordingScreenPresenter : public TPrEcranVCL
{
public:
    RecordingScreenPresenter(Journal& journal, std::string name, TPrComposite* parent)
        : TPrEcranVCL(nullptr, parent, nullptr, nullptr, nullptr), m_journal(journal),
          m_name(std::move(name))
    {}
    void SauveDataInit() override {}
    void RestaureDataInit() override {}
    void CheckIsModified() override {}
    void InitDonnees() override {}
    void ChangeView() override { m_journal.add(m_name + ".ChangeView"); }

private:
    Journal& m_journal;
    std::string m_name;
};

// Names every presenter it visits, with the kind of visit it received.
class RecordingVisitor : public TCompositeVisitor
{
public:
    explicit RecordingVisitor(Journal& journal) : m_journal(journal) {}
    void VisitBaseForm(TPrBaseForm*) override { m_journal.add("BaseForm"); }
    void VisitEcranVCL(TPrEcranVCL*) override { m_journal.add("EcranVCL"); }
    void VisitManagementButtons(TPrManagementButtons*) override { m_journal.add("Buttons"); }
    void VisitNavigateTree(TPrNavigateTree*) override { m_journal.add("NavigateTree"); }

private:
    Journal& m_journal;
};

// The four kinds of presenters as a wizard builds them:
// form { tree, screen { inner }, buttons }.
class TCompositeVisitorTest : public PresenterTest
{
protected:
    void SetUp() override
    {
        PresenterTest::SetUp();
        form = new TPrBaseForm(nullptr, &model, nullptr);
        tree = new TPrNavigateTree(form->getPanelNavigateTree(), form, &model, nullptr, nullptr);
        screen = new RecordingScreenPresenter(journal, "screen", form);
        inner = new RecordingScreenPresenter(journal, "inner", screen);
        buttons = new RecordingButtons(journal, form);
        form->Add(tree);
        form->Add(screen);
        screen->Add(inner);
        form->Add(buttons);
    }
    void TearDown() override
    {
        delete form;
        PresenterTest::TearDown();
    }

    Journal journal;
    TInfoGene info;
    TestModel model{&info};
    TPrBaseForm* form = nullptr;
    TPrNavigateTree* tree = nullptr;
    RecordingScreenPresenter* screen = nullptr;
    RecordingScreenPresenter* inner = nullptr;
    RecordingButtons* buttons = nullptr;
};

TEST_F(TCompositeVisitorTest, TheWalkVisitsEveryPresenterOnceInPreOrderWithTheVisitOfItsKind)
{
    // Children under every kind, and under a plain node, which is not visited itself.
    tree->Add(new RecordingScreenPresenter(journal, "underTree", tree));
    buttons->Add(new RecordingScreenPresenter(journal, "underButtons", buttons));
    auto* plain = new RecordingPresenter(journal, "plain", form);
    form->Add(plain);
    plain->Add(new RecordingScreenPresenter(journal, "underPlain", plain));

    RecordingVisitor visitor(journal);
    form->Accept(&visitor);
    EXPECT_THAT(journal.entries(), ElementsAre("BaseForm", "NavigateTree", "EcranVCL", "EcranVCL",
                                               "EcranVCL", "Buttons", "EcranVCL", "EcranVCL"));
}

TEST_F(TCompositeVisitorTest, EachVisitorActsOnItsKindOfPresenterOnly)
{
    delete form->getView();
    form->setView(new RecordingView(journal, "form"));
    TVisitorChangeView changeView;
    TVisitorMajCinematique majCinematique;
    TVisitorFixClientHeight fit(321);
    const std::vector<std::pair<std::function<void()>, std::vector<std::string>>> cases = {
        {[&] { form->Accept(&changeView); }, {"screen.ChangeView", "inner.ChangeView"}},
        {[&] { form->ChangeScreen(); }, {"screen.ChangeView", "inner.ChangeView"}},
        {[&] { form->Accept(&majCinematique); }, {"buttons.MajCinematique"}},
        {[&] { form->Accept(&fit); }, {"form.view.Fix 321"}},
        {[&] {
             delete form->getView(); // a window already closed has nothing left to fit
             form->Accept(&fit);
         },
         {"form.~view"}},
    };
    for (const auto& [run, expected] : cases) {
        journal.clear();
        run();
        EXPECT_EQ(journal.entries(), expected) << expected.front();
    }
}

} // namespace
