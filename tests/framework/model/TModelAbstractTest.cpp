#include "model/TModelAbstract.h"

#include "LogCapture.h"
#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"
#include "TInfoGene.h"
#include "model/TLieManager.h"
#include "model/TMgtModelCmdCalcul.h"
#include "model/TMgtModelCmdDVL.h"
#include "model/TMgtModelCmdLVD.h"
#include "model/TMgtModelCmdSelect.h"
#include "model/TMgtModelInvoker.h"
#include "qlettre.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <string>
#include <tuple>
#include <vector>

using DialogSeam::Answer;
using DialogSeam::Buttons;

namespace {

// A host model as an application writes one: it records the calls the framework makes and
// hands out message texts from the letter store.
class HostModel : public TModelAbstract
{
public:
    // The operation called, with the lists it was given.
    using Call = std::tuple<std::string, structLettre*, structLettre*>;

    using TModelAbstract::TModelAbstract;

    void DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic) override
    {
        calls.emplace_back("DonneesVersLettrage", lettres, lettresStatic);
    }
    void LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic) override
    {
        calls.emplace_back("LettrageVersDonnees", lettres, lettresStatic);
    }
    void Calcul() override { calls.emplace_back("Calcul", nullptr, nullptr); }
    void Select(structLettre* lettres) override { calls.emplace_back("Select", lettres, nullptr); }
    structMessage* ControleLettres(structLettre*) override { return nullptr; }
    structMessage* ControleDeclaration() override { return nullptr; }
    char* TexteDuMessage(structMessage* message, char** texte) override
    {
        ++textsHandedOut;
        return *texte = DupliqueTexte(LitTexteMessage(message));
    }
    char* LibelleDeLaLettre(short, char** libelle) override { return *libelle = nullptr; }

    std::vector<Call> calls;
    int textsHandedOut = 0;
};

using Call = HostModel::Call;

class TModelAbstractTest : public QtLeakCheckedTest
{
protected:
    TModelAbstractTest() { m_info.setApplicationName("Imp\xF4t sur le revenu"); }

    // One message, freed at the end of the test.
    structMessage* message(short type, const char* texte)
    {
        return AjouteMessage(&m_messages, 42, type, texte);
    }
    void TearDown() override
    {
        LibereListeMessage(&m_messages);
        QtLeakCheckedTest::TearDown();
    }

    TInfoGene m_info;
    structMessage* m_messages = nullptr;
};

} // namespace

TEST_F(TModelAbstractTest, LabelsGetTheProductNameAndLinkedLettersTheirFirstLink)
{
    {
        HostModel model(&m_info);
        HostModel withoutInfo(nullptr);
        std::string libelles[] = {"Bienvenue dans #PRODUIT# !", "Montant # net", "[#PRODUIT#]"};
        model.MajUnLibelle(libelles[0]);
        model.MajUnLibelle(libelles[1]);
        withoutInfo.MajUnLibelle(libelles[2]);
        EXPECT_EQ(libelles[0], "Bienvenue dans Imp\xF4t sur le revenu !");
        EXPECT_EQ(libelles[1], "Montant # net");
        EXPECT_EQ(libelles[2], "[]");

        EXPECT_EQ(model.getIdValeurSaisie(10), -1);
        model.getLieManager()->LierElements(5, -1, 7);
        model.getLieManager()->LierElements(10, 11, 12);
        model.getLieManager()->LierElements(10, 21, 22);
        // Lettrage, entered-value letter, edit-state letter; companions are not keys.
        const int cases[][3] = {{10, 11, 12}, {5, -1, 7}, {11, -1, -1}, {12, -1, -1}, {-1, -1, -1}};
        for (const auto& c : cases) {
            EXPECT_EQ(model.getIdValeurSaisie(c[0]), c[1]) << c[0];
            EXPECT_EQ(model.getIdEtatEdit(c[0]), c[2]) << c[0];
        }
        EXPECT_FALSE(TLieElement(10, 11, 12) == TLieElement(10, 11, 13)) << "all three count";
    }
}

TEST_F(TModelAbstractTest, OnlyWarningsAndErrorsAreShownAndOnlyAWarningAsksToModify)
{
    HostModel model(&m_info);
    QWidget owner;
    const std::string question = "\n\nVoulez-vous modifier votre saisie ?";
    // Type, text, answer of the user, result, text shown (empty: no dialog).
    std::vector<std::tuple<short, const char*, Answer, bool, std::string>> cases = {
        {4, "Montant \xE9lev\xE9.", Answer::Yes, true, "Montant \xE9lev\xE9." + question},
        {4, nullptr, Answer::Yes, true, question},
        {4, "Attention", Answer::No, false, "Attention" + question},
        {1, "Date invalide", Answer::Yes, false, "Date invalide"}}; // never a Yes
    for (short type : {0, 2, 3, 5, -1})
        cases.emplace_back(type, "info", Answer::Yes, false, "");
    for (const auto& [type, texte, answer, modifier, shown] : cases) {
        SCOPED_TRACE(type);
        ScriptedDialogs dialogs;
        dialogs.answer(answer);
        const int texts = model.textsHandedOut;
        EXPECT_EQ(model.AfficheLeMessage(message(type, texte), &owner), modifier);
        EXPECT_EQ(model.textsHandedOut, texts + 1) << "the text is taken whatever the type";
        ASSERT_EQ(dialogs.count(), shown.empty() ? 0u : 1u);
        if (shown.empty())
            continue;
        const bool warning = type == 4;
        EXPECT_EQ(dialogs.textOf(0), shown);
        EXPECT_EQ(dialogs.captionOf(0), "Imp\xF4t sur le revenu");
        EXPECT_EQ(dialogs.last().owner, &owner);
        EXPECT_EQ(dialogs.last().buttons, warning ? Buttons::YesNo : Buttons::OK);
        EXPECT_EQ(dialogs.last().defaultButton, warning ? Answer::No : Answer::OK);
    }
    ScriptedDialogs dialogs;
    EXPECT_FALSE(model.AfficheLeMessage(nullptr, nullptr));
    EXPECT_EQ(dialogs.count(), 0u);
}

TEST_F(TModelAbstractTest, ModelCommandsCallTheirOperationOnlyWithAModelWhenTheInvokerRuns)
{
    HostModel model(&m_info);
    TMgtModelInvoker invoker;
    structLettre lettres{}; // the commands only pass their lists on
    structLettre statiques{};
    TMgtModelCmdDVL dvl(&model, &lettres, &statiques);
    TMgtModelCmdLVD lvd(&model, &lettres, &statiques);
    TMgtModelCmdCalcul calcul(&model);
    TMgtModelCmdSelect select(&model, &lettres);
    LogCapture log;
    invoker.setCommand(&calcul);
    EXPECT_TRUE(model.calls.empty());
    invoker.execute();
    invoker.execute(); // the invoker keeps its command until the next
    for (TMgtModelCmd* command : std::initializer_list<TMgtModelCmd*>{&dvl, &lvd, &select})
        invoker.executeCommand(command);

    EXPECT_EQ(model.calls, (std::vector<Call>{{"Calcul", nullptr, nullptr},
                                              {"Calcul", nullptr, nullptr},
                                              {"DonneesVersLettrage", &lettres, &statiques},
                                              {"LettrageVersDonnees", &lettres, &statiques},
                                              {"Select", &lettres, nullptr}}));

    // Without model or command nothing is called and the host's wiring error is traced.
    TMgtModelCmdDVL alone(nullptr, &lettres, &statiques);
    invoker.executeCommand(&alone);
    EXPECT_EQ(log.messages().back(), "TMgtModelCmdDVL::execute() sans mod\xE8le");
    invoker.executeCommand(nullptr);
    EXPECT_EQ(log.lines().back().level, log4cxx::Level::getError());
    EXPECT_EQ(model.calls.size(), 5u);
}
