#include "TFichierDeclaration.h"

#include "Revenus.h"
#include "TDeclarationRevenus.h"

#include "DemoTestHost.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

using namespace revenus;
using demotest::Contenu;
using demotest::Fr;
using Erreur = TFichierDeclaration::Erreur;
using std::filesystem::perms;

namespace {

class TFichierDeclarationTest : public ::testing::Test, protected demotest::Dossier
{
protected:
    static TDeclarationRevenus Remplie()
    {
        TDeclarationRevenus declaration;
        declaration.SetValeur(kNom, Fr("Lévy-Dupré"));
        // Every character the format must carry: line breaks, backslashes, '=', ';', 0x80-0xFF.
        declaration.SetValeur(kAdresse, Fr("12 rue \\ des Lilas\r\nBâtiment A=1; porte 3\n€ÿ"));
        declaration.SetValeur(kSituationFamille, "2");
        declaration.SetMontant(kDons, 300);
        declaration.Personnes().push_back({Fr("Léa; dite \\Lili\\"), "2016", false});
        declaration.Personnes().push_back({"Hugo", "2019", true});
        return declaration;
    }

    std::string Affiche(const std::string& nom) const { return demotest::Cite(Chemin(nom)); }
    std::string DeDeclaration(const std::string& nom) const
    {
        return Fr("Le fichier de déclaration ") + Affiche(nom);
    }
};

TEST_F(TFichierDeclarationTest, WrittenOrHandWrittenDeclarationReadsBackTheSame)
{
    TDeclarationRevenus ecrite = Remplie();
    TFichierDeclaration fichier(Chemin("sous-dossier/declaration.txt"));
    ASSERT_TRUE(fichier.Ecrit(ecrite));
    TDeclarationRevenus lue;
    lue.SetValeur(kNom, Fr("Témoin"));
    ASSERT_TRUE(fichier.Lit(lue)) << fichier.MessageErreur();
    EXPECT_EQ(lue, ecrite);
    // Nothing of the temporary file is left.
    EXPECT_FALSE(std::filesystem::exists(Chemin("sous-dossier/declaration.txt.tmp")));
    // A letter the user emptied, where a blank declaration has a value, comes back empty.
    ecrite.SetValeur(kSalaire1Prerempli, "");
    ecrite.SetValeur(kRegimeFoncier, "");
    ASSERT_TRUE(fichier.Ecrit(ecrite));
    ASSERT_TRUE(fichier.Lit(lue)) << fichier.MessageErreur();
    EXPECT_EQ(lue.Valeur(kSalaire1Prerempli), "");
    EXPECT_EQ(lue, ecrite);

    // Written by hand, with a comment, blank lines and Windows line ends.
    const std::string debut = "KELMAR-DECLARATION-REVENUS\r\n# a la main\r\n\r\nversion=1\r\n";
    ASSERT_TRUE(
        TFichierDeclaration(Ecrit("main.txt", debut + "lettre.101=Martin\r\nfin=1\r\n")).Lit(lue));
    EXPECT_EQ(lue.Valeur(kNom), "Martin");
    // What the file does not hold keeps its blank value.
    EXPECT_EQ(lue.Valeur(kSalaire1Prerempli), TDeclarationRevenus().Valeur(kSalaire1Prerempli));

    // Re-saved in UTF-8 by an editor: converted when Windows-1252 holds its text, and said so.
    TFichierDeclaration utf8(
        Ecrit("utf8.txt", debut + "lettre.101=L\xC3\xA9vy \xE2\x82\xAC\nfin=1\n"));
    ASSERT_TRUE(utf8.Lit(lue)) << utf8.MessageErreur();
    EXPECT_EQ(lue.Valeur(kNom), Fr("Lévy €"));
    EXPECT_EQ(utf8.Remarque(),
              "Le fichier " + Affiche("utf8.txt") +
                  Fr(" était enregistré en UTF-8 : ses accents ont été convertis."));
}

// Each failure leaves the declaration as it was and says why, in the user's words.
TEST_F(TFichierDeclarationTest, EachUnreadableFileIsExplained)
{
    const std::string complet = TFichierDeclaration::Texte(Remplie());
    const std::string entete = "KELMAR-DECLARATION-REVENUS\nversion=1\n";
    std::filesystem::create_directory(Chemin("dossier"));
    ASSERT_EQ(::mkfifo(Chemin("tube").c_str(), 0600), 0);
    const struct
    {
        std::string chemin;
        Erreur erreur;
        std::string message;
    } cas[] = {
        {Chemin("absent.txt"), Erreur::Introuvable,
         DeDeclaration("absent.txt") + " est introuvable."},
        {Ecrit("vide.txt", ""), Erreur::Vide,
         DeDeclaration("vide.txt") + Fr(" est vide : il ne contient aucune déclaration.")},
        {Ecrit("t.txt", complet.substr(0, complet.size() - 2)), Erreur::Tronque,
         DeDeclaration("t.txt") + Fr(" est incomplet : sa fin manque (fichier tronqué).")},
        {Ecrit("v2.txt", "KELMAR-DECLARATION-REVENUS\nversion=2\nfin=0\n"), Erreur::AutreVersion,
         DeDeclaration("v2.txt") + Fr(" a été enregistré au format de la version 2 ; cet assistant "
                                      "ne lit que la version 1.")},
        {Ecrit("photo.png", "\x89PNG\r\n\x1A\n\0\0\0\rIHDR"), Erreur::PasUneDeclaration,
         "Le fichier " + Affiche("photo.png") + Fr(" n'est pas une déclaration de revenus.")},
        // A folder, a pipe or a device is refused by its kind, before a single byte is read.
        {Chemin("dossier"), Erreur::Dossier,
         Affiche("dossier") + Fr(" est un dossier et non un fichier de déclaration.")},
        {Chemin("tube"), Erreur::PasUnFichier,
         Affiche("tube") +
             Fr(" n'est pas un fichier ordinaire (périphérique ou tube) : il n'a pas été lu.")},
        {Ecrit("polonais.txt", entete + "lettre.101=\xC5\x81ukasz\nfin=1\n"), Erreur::Encodage,
         DeDeclaration("polonais.txt") +
             Fr(" a été enregistré en UTF-8 avec des caractères que l'assistant ne sait pas "
                "représenter : il n'a pas été lu.")},
        {Ecrit("abime.txt", entete + "lettre.101=Martin\nlettre.abc=1\nfin=2\n"), Erreur::Endommage,
         DeDeclaration("abime.txt") + Fr(" est endommagé (ligne 4).")},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.chemin);
        TFichierDeclaration fichier(c.chemin);
        TDeclarationRevenus declaration = Remplie();
        EXPECT_FALSE(fichier.Lit(declaration));
        EXPECT_EQ(fichier.GetErreur(), c.erreur);
        EXPECT_EQ(fichier.MessageErreur(), c.message);
        EXPECT_EQ(declaration, Remplie());
    }
}

// Writing keeps links as links and the user's data private; a file kept aside never replaces
// one kept before; where nothing can be written, it is said.
TEST_F(TFichierDeclarationTest, WritingKeepsLinksAndOtherFilesAndIsPrivate)
{
    const perms prive = perms::owner_read | perms::owner_write;
    const std::string vraie = Ecrit("vraie.txt", "ancienne");
    std::filesystem::permissions(vraie, prive);
    std::filesystem::create_symlink(vraie, Chemin("lien.txt"));
    ASSERT_TRUE(TFichierDeclaration(Chemin("lien.txt")).Ecrit(Remplie()));
    EXPECT_TRUE(std::filesystem::is_symlink(Chemin("lien.txt")));
    EXPECT_EQ(Contenu(vraie), TFichierDeclaration::Texte(Remplie()));
    EXPECT_EQ(std::filesystem::status(vraie).permissions() & perms::all, prive);
    // A new file and the folder made for it are the owner's only.
    const std::string nouveau = Chemin("prive/declaration.txt");
    ASSERT_TRUE(TFichierDeclaration(nouveau).Ecrit(Remplie()));
    EXPECT_EQ(std::filesystem::status(nouveau).permissions() & perms::all, prive);

    const std::string abime = Ecrit("abime.txt", "abime");
    Ecrit("abime.txt.illisible", "premier");
    TFichierDeclaration fichier(abime);
    ASSERT_TRUE(fichier.MetDeCote()) << fichier.MessageErreur();
    EXPECT_EQ(fichier.GetCheminDeCote(), Chemin("abime.txt.illisible.1"));
    EXPECT_EQ(Contenu(Chemin("abime.txt.illisible")), "premier");
    EXPECT_EQ(Contenu(Chemin("abime.txt.illisible.1")), "abime");
    // When no name is left, nothing moves.
    Ecrit("abime.txt", "encore");
    for (int rang = 2; rang < 100; ++rang)
        Ecrit("abime.txt.illisible." + std::to_string(rang), "pris");
    EXPECT_FALSE(fichier.MetDeCote());
    EXPECT_EQ(fichier.GetErreur(), Erreur::MiseDeCote);
    EXPECT_EQ(Contenu(abime), "encore");
    EXPECT_EQ(fichier.MessageErreur().rfind(
                  "Le fichier " + Affiche("abime.txt") + Fr(" n'a pas pu être renommé"), 0),
              0u);

    TFichierDeclaration impossible(vraie + "/declaration.txt");
    EXPECT_FALSE(impossible.Ecrit(Remplie()));
    EXPECT_EQ(impossible.GetErreur(), Erreur::Ecriture);
    EXPECT_EQ(impossible.MessageErreur(),
              Fr("La déclaration n'a pas pu être enregistrée dans ") +
                  Affiche("vraie.txt/declaration.txt") +
                  Fr(" : le dossier n'existe pas ou n'est pas accessible en écriture."));
}

} // namespace
