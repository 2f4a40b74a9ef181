#include "TVisiteGuidee.h"

#include "DemoTestHost.h"
#include "Revenus.h"
#include "TFichierDeclaration.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <memory>
#include <sstream>

using namespace revenus;
using namespace demotest;
using Personne = TDeclarationRevenus::Personne;

namespace {

// The tour runs once for the suite, through the real window on the offscreen platform; the
// tests read what it did and left.
class TVisiteGuideeTest : public DemoTest
{
protected:
    static void SetUpTestSuite()
    {
        PrepareQtUneFois();
        s_dossier = std::make_unique<QTemporaryDir>();
        s_visite = std::make_unique<TVisiteGuidee>(s_dossier->path().toStdString(), s_rapport);
        s_visite->Execute(Options(std::string()));
        flushQtEvents();
    }

    static void TearDownTestSuite()
    {
        s_visite.reset();
        s_dossier.reset();
    }

    static const TVisiteGuidee::Bilan& Bilan() { return s_visite->GetBilan(); }

    static inline std::unique_ptr<QTemporaryDir> s_dossier;
    static inline std::ostringstream s_rapport;
    static inline std::unique_ptr<TVisiteGuidee> s_visite;
};

TEST_F(TVisiteGuideeTest, TourGoesThroughEveryScreenTypesWhatTheScriptSaysPrintsAndFinishes)
{
    const std::string rapport = s_rapport.str();
    // Through to the end, finished and saved, without a step gone astray.
    EXPECT_TRUE(Bilan().Reussi()) << rapport;
    EXPECT_TRUE(Bilan().issue.modifie);

    // One picture of the whole window per screen of the flow (the filtered audit list twice).
    EXPECT_EQ(Bilan().captures.size(), 13u);
    for (const std::string& capture : Bilan().captures)
        EXPECT_FALSE(QImage(QString::fromStdString(capture), "PNG").isNull()) << capture;
    EXPECT_EQ(Contenu(Bilan().fichierPdf).substr(0, 5), "%PDF-");
    // Saved as it was left.
    TDeclarationRevenus relue;
    ASSERT_TRUE(TFichierDeclaration(Bilan().fichierDeclaration).Lit(relue));
    EXPECT_EQ(relue, Bilan().declaration);

    // An error and a warning that asks, met on the way.
    EXPECT_EQ(Bilan().erreurs, 2);
    EXPECT_EQ(Bilan().avertissements, 1);
    const std::vector<std::string>& messages = Bilan().messages;
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages[0], Fr("Le nom du déclarant doit être renseigné."));
    EXPECT_EQ(messages[1],
              Fr("Vos frais réels (19~500~€) dépassent 30 % de vos salaires : gardez-en les "
                 "justificatifs.\n\nVoulez-vous modifier votre saisie ?"));
    EXPECT_EQ(messages[2].rfind(Fr("La déclaration a été imprimée dans "), 0), 0u);
    EXPECT_EQ(messages[3], Fr("Cochez la case de certification avant de terminer la déclaration."));
    // Saved while the window is still open, and said where.
    EXPECT_EQ(messages[4].rfind(Fr("La déclaration a été enregistrée dans "), 0), 0u);

    const TDeclarationRevenus& d = Bilan().declaration;
    EXPECT_EQ(d.Valeur(kNom), "Martin");
    EXPECT_EQ(d.Valeur(kAnneeNaissance), "1985"); // typed "85", completed by the date controller
    EXPECT_EQ(d.Code(kSituationFamille), kMarie);
    EXPECT_EQ(d.Valeur(kAdresse), Fr("12 rue des Lilas\r\nRésidence Les Tilleuls"));
    EXPECT_EQ(d.Valeur(kTelephone), "04.78.12.34.56");
    EXPECT_EQ(d.Montant(kSalaire1), 32400);
    EXPECT_EQ(d.Montant(kMontantFraisReels), 4200);
    EXPECT_EQ(d.Valeur(kDateAcquisition), "01/09/2015");
    EXPECT_EQ(d.Personnes(),
              (std::vector<Personne>{{Fr("Léa"), "2016", false}, {"Hugo", "2019", true}}));
    EXPECT_TRUE(d.Coche(kCertification));
}

TEST_F(TVisiteGuideeTest, KeyboardOnlyRunCompletesTheDeclarationAndShowsTheFocusMark)
{
    std::ostringstream rapport;
    TVisiteGuidee visite(m_dossier.path().toStdString(), rapport);
    EXPECT_TRUE(visite.Execute(Options(std::string()), TVisiteGuidee::Mode::Clavier))
        << rapport.str();
    flushQtEvents();
    const TDeclarationRevenus& d = visite.GetBilan().declaration;
    // What the keys typed, chose, checked and opened.
    EXPECT_EQ(d.Valeur(kNom), "Martin");
    EXPECT_EQ(d.Code(kSituationFamille), kMarie);
    EXPECT_TRUE(d.Coche(kLocataire));
    EXPECT_EQ(d.Personnes().size(), 2u);
    EXPECT_TRUE(d.Coche(kCertification));
    EXPECT_TRUE(visite.GetBilan().issue.termine);
}

} // namespace
