#pragma once

// Test presenters and views that write every call they receive into a journal, so that a test
// can check which node was reached, in which order, and that each object was destroyed once.

#include "../view/ScreenTestHost.h"

#include "model/TCompteRendu.h"
#include "model/TMgtModelInvoker.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrManagementButtons.h"
#include "view/TView.h"

#include "DesktopMetrics.h"
#include "LogCapture.h"
#include "MessageQueue.h"
#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"
#include "TEdit.h"
#include "TPanel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPixmap>
#include <QPixmapCache>
#include <QPointer>
#include <QTest>
#include <QTimer>

using screentest::Journal;
using screentest::TestModel;
using ::testing::ElementsAre;

// A view that records the calls its presenter makes, as "<name>.view.<call>".
class RecordingView : public TView
{
public:
    RecordingView(Journal& journal, std::string name, TComponent* owner = nullptr)
        : TView(owner), m_journal(journal), m_name(std::move(name))
    {}
    ~RecordingView() override { rec("~view"); }
    void SaveControlDisplay() override { rec("view.SaveControlDisplay"); }
    void Show() override { rec("view.Show"); }
    void Hide() override { rec("view.Hide"); }
    void FixClientHeight(int height) override { rec("view.Fix " + std::to_string(height)); }
    void SetControlHelpContext(long id) override { rec("view.Help " + std::to_string(id)); }
    void Update() override { rec("view.Update"); }

private:
    void rec(const std::string& call) { m_journal.add(m_name + "." + call); }

    Journal& m_journal;
    std::string m_name;
};

// A plain node of the tree that records the tree operations before doing the base's part.
class RecordingPresenter : public TPrComposite
{
public:
    RecordingPresenter(Journal& journal, std::string name, TPrComposite* parent,
                       TModelAbstract* model = nullptr, TCinematicManagerAbstract* flow = nullptr)
        : TPrComposite(parent, model, nullptr, flow), m_journal(journal), m_name(std::move(name))
    {}
    ~RecordingPresenter() override { rec("~"); }
    void SaveData() override
    {
        rec("SaveData");
        TPrComposite::SaveData();
    }
    void LoadData() override
    {
        rec("LoadData");
        TPrComposite::LoadData();
    }
    void SauveDataInit() override
    {
        rec("SauveDataInit");
        TPrComposite::SauveDataInit();
    }
    void FocusControl(int lettrage) override
    {
        rec("FocusControl " + std::to_string(lettrage));
        TPrComposite::FocusControl(lettrage);
    }
    void CheckIsModified() override
    {
        rec("CheckIsModified");
        getCompteRendu()->setModified(modifies);
    }
    bool DonneesValide(bool afficher) override
    {
        rec(afficher ? "DonneesValide(true)" : "DonneesValide(false)");
        return valid && TPrComposite::DonneesValide(afficher);
    }

    bool valid = true;     // what DonneesValide answers
    bool modifies = false; // what CheckIsModified writes into the node's report

private:
    void rec(const std::string& call) { m_journal.add(m_name + "." + call); }

    Journal& m_journal;
    std::string m_name;
};

// A buttons presenter of a host, recording the refresh of the flow state and of the tree.
class RecordingButtons : public TPrManagementButtons
{
public:
    RecordingButtons(Journal& journal, TPrComposite* parent)
        : TPrManagementButtons(nullptr, parent, nullptr, nullptr, nullptr), m_journal(journal)
    {}
    void MajCinematique() override { m_journal.add("buttons.MajCinematique"); }
    void Update() override
    {
        m_journal.add("buttons.Update");
        TPrManagementButtons::Update();
    }

private:
    Journal& m_journal;
};

// A flow of `count` screens that records the host's Update calls.
class RecordingFlow : public TCinematicManagerAbstract
{
public:
    RecordingFlow(Journal& journal, int count) : m_journal(journal)
    {
        screentest::RemplitFlux(*this, count);
    }
    void Update() override { m_journal.add("flow.Update"); }

private:
    Journal& m_journal;
};

// A wizard of two screens as a host builds it: the screen presenter, whose views `factory`
// makes, and the buttons bar.
struct TestWizard
{
    TestWizard(Journal& journal, TModelAbstract& model, TMgtModelInvoker& invoker,
               TFactoryAbstract* factory)
        : form(nullptr, &model, &invoker), flow(screentest::NouveauFlux(2)),
          ecran(new screentest::TestScreenPresenter(journal, form.getPanelEcranVCL(), &form, &model,
                                                    &invoker, flow)),
          buttons(new TPrManagementButtons(form.getPanelManagementButtons(), &form, &model,
                                           &invoker, flow))
    {
        form.setCinematicManager(flow);
        form.Add(ecran);
        form.Add(buttons);
        ecran->addFactory(factory);
    }
    screentest::TestScreen* screen() const
    {
        return dynamic_cast<screentest::TestScreen*>(ecran->getView());
    }

    TPrBaseForm form;
    TCinematicManagerAbstract* flow;        // owned by the form
    screentest::TestScreenPresenter* ecran; // owned by the form
    TPrManagementButtons* buttons;          // owned by the form
};

// Fixes the desktop size and builds, once per process, what Qt keeps for good after the first
// wizard with a buttons bar was shown, typed into and closed (styles, plugins, caches), so that
// the leak checks count only the test's own objects.
class PresenterTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        screentest::WarmUpWidgetsOnce();
        SetDesktopSizeOverride(1280, 1024);
        static bool warm = false;
        if (!std::exchange(warm, true)) {
            Journal journal;
            TInfoGene info;
            TestModel model(&info);
            TMgtModelInvoker invoker;
            {
                TestWizard wizard(journal, model, invoker,
                                  new screentest::TestFactory(journal, "f", {1, 2}));
                wizard.buttons->AddService(TPrManagementButtons::kServiceImprimer);
                QTimer::singleShot(0, [&] {
                    QTest::keyClicks(wizard.screen()->nom, "a");
                    wizard.form.getView()->Close();
                });
                wizard.form.Execute();
            }
            QPixmap pixmap; // the cache, which a later repaint of the bar may be the first to use
            QPixmapCache::find(QStringLiteral("warm-up"), &pixmap);
        }
        screentest::FlushGestures();
        QtLeakCheckedTest::SetUp();
    }
    void TearDown() override
    {
        SetDesktopSizeOverride(0, 0);
        screentest::FlushGestures();
        QtLeakCheckedTest::TearDown();
    }
};
