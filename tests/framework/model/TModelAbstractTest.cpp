#include "model/TModelAbstract.h"

#include "HostModel.h"
#include "LogCapture.h"
#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"
#include "TInfoGene.h"
#include "model/TLieManager.h"

#include <gtest/gtest.h>

#include <QWidget>

using DialogSeam::Answer;
using DialogSeam::Buttons;
using DialogSeam::Icon;

namespace {

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

TEST_F(TModelAbstractTest, ConstructionAndDestructionAreTraced)
{
    LogCapture log;
    {
        HostModel model(&m_info);
        EXPECT_EQ(model.getInfoGene(), &m_info);
    }
    EXPECT_EQ(log.messages(), (std::vector<std::string>{"TModelAbstract::TModelAbstract()",
                                                        "TModelAbstract::~TModelAbstract()"}));
}

TEST_F(TModelAbstractTest, ProductTokenBecomesTheApplicationNameInLabels)
{
    HostModel model(&m_info);
    EXPECT_EQ(model.getApplicationName(), "Imp\xF4t sur le revenu");
    std::string libelle = "Bienvenue dans #PRODUIT# !";
    model.MajUnLibelle(libelle);
    EXPECT_EQ(libelle, "Bienvenue dans Imp\xF4t sur le revenu !");

    std::string sansJeton = "Montant # net";
    model.MajUnLibelle(sansJeton);
    EXPECT_EQ(sansJeton, "Montant # net");
}

TEST_F(TModelAbstractTest, ModelWithoutInfoHasAnEmptyApplicationName)
{
    HostModel model(nullptr);
    EXPECT_EQ(model.getApplicationName(), "");
    std::string libelle = "[#PRODUIT#]";
    model.MajUnLibelle(libelle);
    EXPECT_EQ(libelle, "[]");
}

TEST_F(TModelAbstractTest, LinkedLetterLookupsAreAnsweredByTheLinkManager)
{
    HostModel model(&m_info);
    EXPECT_EQ(model.getIdValeurSaisie(10), -1);
    model.getLieManager()->LierElements(10, 11, 12);
    EXPECT_EQ(model.getIdValeurSaisie(10), 11);
    EXPECT_EQ(model.getIdEtatEdit(10), 12);
    EXPECT_EQ(model.getIdEtatEdit(11), -1);
}

TEST_F(TModelAbstractTest, BaseOperationsDoNothing)
{
    struct Minimal : TModelAbstract
    {
        using TModelAbstract::TModelAbstract;
        structMessage* ControleLettres(structLettre*) override { return nullptr; }
        structMessage* ControleDeclaration() override { return nullptr; }
        char* TexteDuMessage(structMessage*, char** texte) override { return *texte = nullptr; }
        char* LibelleDeLaLettre(short, char** libelle) override { return *libelle = nullptr; }
    } model(&m_info);
    structLettre* lettres = nullptr;
    AjouteLettre(&lettres, 1, 0, 0, 0, 1, 0);
    model.DonneesVersLettrage(lettres, nullptr);
    model.LettrageVersDonnees(lettres, nullptr);
    model.Calcul();
    model.Select(lettres);
    model.beginUpdate();
    model.endUpdate();
    EXPECT_EQ(lettres->select, 1);
    EXPECT_EQ(lettres->valeur, nullptr);
    LibereLettre(&lettres);
}

TEST_F(TModelAbstractTest, WarningAnsweredYesAsksToModifyTheEntry)
{
    HostModel model(&m_info);
    QWidget owner;
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::Yes);
    LogCapture log;

    EXPECT_TRUE(model.AfficheLeMessage(message(4, "Montant \xE9lev\xE9."), &owner));

    EXPECT_EQ(log.messages(), std::vector<std::string>{"TModelAbstract::AfficheLeMessage()"});
    ASSERT_EQ(dialogs.count(), 1u);
    const DialogSeam::Request& request = dialogs.last();
    EXPECT_EQ(dialogs.textOf(0), "Montant \xE9lev\xE9.\n\nVoulez-vous modifier votre saisie ?");
    EXPECT_EQ(dialogs.captionOf(0), "Imp\xF4t sur le revenu");
    EXPECT_EQ(request.owner, &owner);
    EXPECT_EQ(request.buttons, Buttons::YesNo);
    EXPECT_EQ(request.defaultButton, Answer::No);
    EXPECT_EQ(request.icon, Icon::Exclamation);
    EXPECT_EQ(model.textsHandedOut, 1);
}

TEST_F(TModelAbstractTest, WarningAnsweredNoGoesOn)
{
    HostModel model(&m_info);
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::No);
    EXPECT_FALSE(model.AfficheLeMessage(message(4, "Attention"), nullptr));
    EXPECT_EQ(dialogs.count(), 1u);
}

TEST_F(TModelAbstractTest, ErrorIsShownWithOkAndNeverAsksToModify)
{
    HostModel model(&m_info);
    QWidget owner;
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::Yes); // even a handler answering Yes does not make an error a Yes
    EXPECT_FALSE(model.AfficheLeMessage(message(1, "Date invalide"), &owner));
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.textOf(0), "Date invalide");
    EXPECT_EQ(dialogs.captionOf(0), "Imp\xF4t sur le revenu");
    EXPECT_EQ(dialogs.last().owner, &owner);
    EXPECT_EQ(dialogs.last().buttons, Buttons::OK);
    EXPECT_EQ(dialogs.last().icon, Icon::Stop);
}

TEST_F(TModelAbstractTest, OtherMessageTypesShowNothingButTheirTextIsStillTaken)
{
    HostModel model(&m_info);
    ScriptedDialogs dialogs;
    LogCapture log;
    for (short type : {0, 2, 3, 5, -1})
        EXPECT_FALSE(model.AfficheLeMessage(message(type, "info"), nullptr));
    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_EQ(model.textsHandedOut, 5);
    EXPECT_EQ(log.count("TModelAbstract::AfficheLeMessage()"), 5u);
}

TEST_F(TModelAbstractTest, MessageWithoutTextOrWithoutMessageDoesNotFail)
{
    HostModel model(&m_info);
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::Yes);
    EXPECT_TRUE(model.AfficheLeMessage(message(4, nullptr), nullptr));
    EXPECT_EQ(dialogs.textOf(0), "\n\nVoulez-vous modifier votre saisie ?");
    EXPECT_FALSE(model.AfficheLeMessage(nullptr, nullptr));
    EXPECT_EQ(dialogs.count(), 1u);
}

TEST_F(TModelAbstractTest, CopyHasItsOwnTokensAndLinksAndTheSameInfo)
{
    HostModel model(&m_info);
    model.getLieManager()->LierElements(1, 2, 3);
    HostModel copy(model);
    EXPECT_TRUE(static_cast<const TModelAbstract&>(copy) == model);
    EXPECT_NE(copy.getLieManager(), model.getLieManager());
    EXPECT_NE(copy.getStaticsManager(), model.getStaticsManager());
    EXPECT_EQ(copy.getIdValeurSaisie(1), 2);

    copy.getLieManager()->LierElements(4, 5, 6);
    EXPECT_FALSE(static_cast<const TModelAbstract&>(copy) == model);
    EXPECT_EQ(model.getIdValeurSaisie(4), -1);

    TInfoGene other;
    HostModel assigned(&other);
    static_cast<TModelAbstract&>(assigned) = model;
    EXPECT_EQ(assigned.getInfoGene(), &m_info);
    EXPECT_EQ(assigned.getIdEtatEdit(1), 3);
}
