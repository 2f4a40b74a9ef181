#pragma once

// Test presenters and views that write every call they receive into a shared journal, so that
// a test can check which node was reached, in which order, and that each object was destroyed
// exactly once.

#include "model/TCompteRendu.h"
#include "model/TModelAbstract.h"
#include "presenter/TCompositeVisitor.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrComposite.h"
#include "presenter/TPrEcranVCL.h"
#include "presenter/TPrManagementButtons.h"
#include "presenter/TPrNavigateTree.h"
#include "view/TView.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// Lets Qt build, once per process, what it creates lazily the first time a window is shown,
// so that the leak checks of the tests count only their own objects.
inline void WarmUpShownWindows()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    TView window;
    window.Show();
    window.Hide();
}

class Journal
{
public:
    void add(std::string entry) { m_entries.push_back(std::move(entry)); }
    const std::vector<std::string>& entries() const { return m_entries; }
    std::size_t count(const std::string& entry) const
    {
        return static_cast<std::size_t>(std::count(m_entries.begin(), m_entries.end(), entry));
    }
    // Position of the first occurrence, or -1.
    int indexOf(const std::string& entry) const
    {
        const auto found = std::find(m_entries.begin(), m_entries.end(), entry);
        return found == m_entries.end() ? -1 : static_cast<int>(found - m_entries.begin());
    }
    // The entries that end with `suffix`, in order.
    std::vector<std::string> endingWith(const std::string& suffix) const
    {
        std::vector<std::string> result;
        for (const std::string& entry : m_entries)
            if (entry.size() >= suffix.size() &&
                entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) == 0)
                result.push_back(entry);
        return result;
    }
    void clear() { m_entries.clear(); }

private:
    std::vector<std::string> m_entries;
};

// A view that records the calls its presenter makes.
class RecordingView : public TView
{
public:
    RecordingView(Journal& journal, std::string name, TComponent* owner = nullptr)
        : TView(owner), m_journal(journal), m_name(std::move(name))
    {}
    ~RecordingView() override { m_journal.add(m_name + ".~view"); }

    void SaveControlDisplay() override { m_journal.add(m_name + ".view.SaveControlDisplay"); }
    void Show() override
    {
        m_journal.add(m_name + ".view.Show");
        TView::Show();
    }
    void Hide() override
    {
        m_journal.add(m_name + ".view.Hide");
        TView::Hide();
    }
    void FixClientHeight(int height) override
    {
        m_journal.add(m_name + ".view.FixClientHeight(" + std::to_string(height) + ")");
    }
    void SetControlHelpContext(long idRessource) override
    {
        m_journal.add(m_name + ".view.SetControlHelpContext(" + std::to_string(idRessource) + ")");
    }
    void Update() override { m_journal.add(m_name + ".view.Update"); }

private:
    Journal& m_journal;
    std::string m_name;
};

// A report that records its destruction.
class RecordingReport : public TCompteRendu
{
public:
    RecordingReport(Journal& journal, std::string name)
        : m_journal(journal), m_name(std::move(name))
    {}
    ~RecordingReport() override { m_journal.add(m_name + ".~report"); }

private:
    Journal& m_journal;
    std::string m_name;
};

// Gives `presenter` a recording report in place of the one it was built with.
inline void InstallRecordingReport(TPrComposite& presenter, Journal& journal,
                                   const std::string& name)
{
    delete presenter.getCompteRendu();
    presenter.setCompteRendu(new RecordingReport(journal, name));
}

// A plain node of the tree that records every tree operation before doing the base's part.
class RecordingPresenter : public TPrComposite
{
public:
    RecordingPresenter(Journal& journal, std::string name, TPrComposite* parent,
                       TModelAbstract* model = nullptr,
                       TCinematicManagerAbstract* cinematicManager = nullptr)
        : TPrComposite(parent, model, nullptr, cinematicManager), m_journal(journal),
          m_name(std::move(name))
    {}
    ~RecordingPresenter() override { m_journal.add(m_name + ".~"); }

    void SaveData() override
    {
        m_journal.add(m_name + ".SaveData");
        TPrComposite::SaveData();
    }
    void LoadData() override
    {
        m_journal.add(m_name + ".LoadData");
        TPrComposite::LoadData();
    }
    void Show() override
    {
        m_journal.add(m_name + ".Show");
        TPrComposite::Show();
    }
    void Hide() override
    {
        m_journal.add(m_name + ".Hide");
        TPrComposite::Hide();
    }
    void SauveDataInit() override
    {
        m_journal.add(m_name + ".SauveDataInit");
        TPrComposite::SauveDataInit();
    }
    void RestaureDataInit() override
    {
        m_journal.add(m_name + ".RestaureDataInit");
        TPrComposite::RestaureDataInit();
    }
    void CheckIsModified() override
    {
        m_journal.add(m_name + ".CheckIsModified");
        if (m_modifies)
            getCompteRendu()->setModified(true);
    }
    void SetControlHelpContext() override
    {
        m_journal.add(m_name + ".SetControlHelpContext");
        TPrComposite::SetControlHelpContext();
    }
    void Update() override
    {
        m_journal.add(m_name + ".Update");
        TPrComposite::Update();
    }
    bool EcranValide(bool afficher) override
    {
        m_journal.add(m_name + ".EcranValide");
        return TPrComposite::EcranValide(afficher);
    }
    bool DonneesValide(bool afficher) override
    {
        m_journal.add(m_name + ".DonneesValide(" + (afficher ? "true" : "false") + ")");
        return m_valid;
    }
    void FocusControl(int lettrage) override
    {
        m_journal.add(m_name + ".FocusControl(" + std::to_string(lettrage) + ")");
        TPrComposite::FocusControl(lettrage);
    }

    // What DonneesValide answers.
    void setValid(bool valid) { m_valid = valid; }
    // Whether CheckIsModified marks the node's own report as modified.
    void setModifies(bool modifies) { m_modifies = modifies; }

private:
    Journal& m_journal;
    std::string m_name;
    bool m_valid = true;
    bool m_modifies = false;
};

// A host model with nothing to check.
class QuietModel : public TModelAbstract
{
public:
    explicit QuietModel(TInfoGene* info, bool* destroyed = nullptr)
        : TModelAbstract(info), m_destroyed(destroyed)
    {}
    ~QuietModel() override
    {
        if (m_destroyed)
            *m_destroyed = true;
    }
    structMessage* ControleLettres(structLettre*) override { return nullptr; }
    structMessage* ControleDeclaration() override { return nullptr; }
    char* TexteDuMessage(structMessage*, char** texte) override
    {
        *texte = nullptr;
        return nullptr;
    }
    char* LibelleDeLaLettre(short, char** libelle) override
    {
        *libelle = nullptr;
        return nullptr;
    }

private:
    bool* m_destroyed;
};

// A screen presenter of a host, recording the operations the visitors reach.
class RecordingScreenPresenter : public TPrEcranVCL
{
public:
    RecordingScreenPresenter(Journal& journal, std::string name, TPrComposite* parent)
        : TPrEcranVCL(nullptr, parent, nullptr, nullptr, nullptr), m_journal(journal),
          m_name(std::move(name))
    {}
    ~RecordingScreenPresenter() override { m_journal.add(m_name + ".~"); }

    void SauveDataInit() override {}
    void RestaureDataInit() override {}
    void CheckIsModified() override {}
    void InitDonnees() override {}
    void ChangeView() override { m_journal.add(m_name + ".ChangeView"); }

private:
    Journal& m_journal;
    std::string m_name;
};

// A buttons presenter of a host, recording the refresh of the flow state.
class RecordingButtonsPresenter : public TPrManagementButtons
{
public:
    RecordingButtonsPresenter(Journal& journal, std::string name, TPrComposite* parent)
        : TPrManagementButtons(nullptr, parent, nullptr, nullptr, nullptr), m_journal(journal),
          m_name(std::move(name))
    {}

    void MajCinematique() override { m_journal.add(m_name + ".MajCinematique"); }

private:
    Journal& m_journal;
    std::string m_name;
};

// Names every presenter it visits, with the kind of visit it received.
class RecordingVisitor : public TCompositeVisitor
{
public:
    explicit RecordingVisitor(Journal& journal) : m_journal(journal) {}

    void VisitBaseForm(TPrBaseForm* presenter) override { record("BaseForm", presenter); }
    void VisitEcranVCL(TPrEcranVCL* presenter) override { record("EcranVCL", presenter); }
    void VisitManagementButtons(TPrManagementButtons* presenter) override
    {
        record("ManagementButtons", presenter);
    }
    void VisitNavigateTree(TPrNavigateTree* presenter) override
    {
        record("NavigateTree", presenter);
    }

    // The names the test gives its presenters.
    void name(const TPrComposite* presenter, std::string name)
    {
        m_names.emplace_back(presenter, std::move(name));
    }

private:
    void record(const std::string& kind, const TPrComposite* presenter)
    {
        std::string name = "?";
        for (const auto& [known, knownName] : m_names)
            if (known == presenter)
                name = knownName;
        m_journal.add(kind + ":" + name);
    }

    Journal& m_journal;
    std::vector<std::pair<const TPrComposite*, std::string>> m_names;
};
