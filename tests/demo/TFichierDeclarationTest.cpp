#include "TFichierDeclaration.h"

#include "Revenus.h"
#include "TDeclarationRevenus.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>

using namespace revenus;

namespace {

class TFichierDeclarationTest : public ::testing::Test
{
protected:
    std::string Chemin(const std::string& nom) const
    {
        return (std::filesystem::path(m_dossier.path().toStdString()) / nom).string();
    }

    std::string Ecrit(const std::string& nom, const std::string& contenu) const
    {
        const std::string chemin = Chemin(nom);
        std::ofstream(chemin, std::ios::binary) << contenu;
        return chemin;
    }

    static TDeclarationRevenus Remplie()
    {
        TDeclarationRevenus declaration;
        declaration.SetValeur(kNom, "L\xE9vy-Dupr\xE9");
        // Every character the format must carry: line breaks, backslashes, '=', ';', 0x80-0xFF.
        declaration.SetValeur(kAdresse,
                              "12 rue \\ des Lilas\r\nB\xE2timent A=1; porte 3\n\x80\xFF");
        declaration.SetValeur(kSituationFamille, "2");
        declaration.SetMontant(kDons, 300);
        declaration.Personnes().push_back({"L\xE9"
                                           "a; dite \\Lili\\",
                                           "2016", false});
        declaration.Personnes().push_back({"Hugo", "2019", true});
        return declaration;
    }

    // A declaration that is not the blank one, to see that a failed read leaves it alone.
    static TDeclarationRevenus Temoin()
    {
        TDeclarationRevenus declaration;
        declaration.SetValeur(kNom, "T\xE9moin");
        return declaration;
    }

    void AttendEchec(const std::string& chemin, TFichierDeclaration::Erreur erreur,
                     const std::string& message)
    {
        TFichierDeclaration fichier(chemin);
        TDeclarationRevenus declaration = Temoin();
        EXPECT_FALSE(fichier.Lit(declaration));
        EXPECT_EQ(fichier.GetErreur(), erreur);
        EXPECT_EQ(fichier.MessageErreur(), message);
        EXPECT_EQ(declaration, Temoin());
    }

    std::string Affiche(const std::string& nom) const
    {
        return "\xAB\xA0" + TFichierDeclaration::CheminAffiche(Chemin(nom)) + "\xA0\xBB";
    }

    QTemporaryDir m_dossier;
};

TEST_F(TFichierDeclarationTest, WrittenDeclarationReadsBackTheSame)
{
    const TDeclarationRevenus ecrite = Remplie();
    TFichierDeclaration fichier(Chemin("sous-dossier/declaration.txt"));
    ASSERT_TRUE(fichier.Ecrit(ecrite));
    TDeclarationRevenus lue = Temoin();
    ASSERT_TRUE(fichier.Lit(lue)) << fichier.MessageErreur();
    EXPECT_EQ(lue, ecrite);
    EXPECT_TRUE(fichier.MessageErreur().empty());
    // Nothing of the temporary file is left.
    EXPECT_FALSE(std::filesystem::exists(Chemin("sous-dossier/declaration.txt.tmp")));
}

TEST_F(TFichierDeclarationTest, FormatIsAVersionedTextWithAHeaderAndAnEndLine)
{
    TDeclarationRevenus declaration;
    declaration.SetValeur(kNom, "Martin");
    const std::string texte = TFichierDeclaration::Texte(declaration);
    EXPECT_EQ(texte.rfind("KELMAR-DECLARATION-REVENUS\nversion=1\n", 0), 0u);
    EXPECT_NE(texte.find("\nlettre.101=Martin\n"), std::string::npos);
    const std::size_t lignes = declaration.Valeurs().size();
    EXPECT_EQ(texte.substr(texte.rfind("fin=")), "fin=" + std::to_string(lignes) + "\n");
}

TEST_F(TFichierDeclarationTest, CommentsBlankLinesAndWindowsLineEndsAreAccepted)
{
    const std::string chemin = Ecrit("commentee.txt", "KELMAR-DECLARATION-REVENUS\r\n"
                                                      "# saisie a la main\r\n\r\n"
                                                      "version=1\r\n"
                                                      "lettre.101=Martin\r\n"
                                                      "personne=Hugo;2019;1\r\n"
                                                      "fin=2\r\n");
    TDeclarationRevenus lue;
    ASSERT_TRUE(TFichierDeclaration(chemin).Lit(lue));
    EXPECT_EQ(lue.Valeur(kNom), "Martin");
    ASSERT_EQ(lue.Personnes().size(), 1u);
    EXPECT_TRUE(lue.Personnes()[0].gardeAlternee);
    // What the file does not hold keeps its blank value.
    EXPECT_EQ(lue.Valeur(kSalaire1Prerempli), TDeclarationRevenus().Valeur(kSalaire1Prerempli));
}

TEST_F(TFichierDeclarationTest, MissingFileIsExplained)
{
    AttendEchec(Chemin("absent.txt"), TFichierDeclaration::Erreur::Introuvable,
                "Le fichier de d\xE9"
                "claration " +
                    Affiche("absent.txt") + " est introuvable.");
}

TEST_F(TFichierDeclarationTest, EmptyFileIsExplained)
{
    AttendEchec(Ecrit("vide.txt", ""), TFichierDeclaration::Erreur::Vide,
                "Le fichier de d\xE9"
                "claration " +
                    Affiche("vide.txt") +
                    " est vide : il ne contient aucune d\xE9"
                    "claration.");
    AttendEchec(Ecrit("blanc.txt", " \n\r\n"), TFichierDeclaration::Erreur::Vide,
                "Le fichier de d\xE9"
                "claration " +
                    Affiche("blanc.txt") +
                    " est vide : il ne contient aucune d\xE9"
                    "claration.");
}

TEST_F(TFichierDeclarationTest, TruncatedFileIsExplained)
{
    const std::string complet = TFichierDeclaration::Texte(Remplie());
    const std::string message = " est incomplet : sa fin manque (fichier tronqu\xE9).";
    // Cut in the middle of a line, just before the end line, and inside the end line's count.
    for (std::size_t taille : {complet.size() / 2, complet.rfind("fin="), complet.size() - 2}) {
        SCOPED_TRACE(taille);
        AttendEchec(Ecrit("tronque.txt", complet.substr(0, taille)),
                    TFichierDeclaration::Erreur::Tronque,
                    "Le fichier de d\xE9"
                    "claration " +
                        Affiche("tronque.txt") + message);
    }
    AttendEchec(Ecrit("entete.txt", "KELMAR-DECLARATION-REVENUS\n"),
                TFichierDeclaration::Erreur::Tronque,
                "Le fichier de d\xE9"
                "claration " +
                    Affiche("entete.txt") + message);
}

TEST_F(TFichierDeclarationTest, OtherVersionIsExplained)
{
    AttendEchec(Ecrit("v2.txt", "KELMAR-DECLARATION-REVENUS\nversion=2\nfin=0\n"),
                TFichierDeclaration::Erreur::AutreVersion,
                "Le fichier de d\xE9"
                "claration " +
                    Affiche("v2.txt") +
                    " a \xE9t\xE9 enregistr\xE9 au format de la version 2 ; cet assistant ne "
                    "lit que la version 1.");
    // The version quoted back stays short.
    const std::string longue(500, '9');
    TFichierDeclaration fichier(
        Ecrit("longue.txt", "KELMAR-DECLARATION-REVENUS\nversion=" + longue + "\n"));
    TDeclarationRevenus declaration;
    EXPECT_FALSE(fichier.Lit(declaration));
    EXPECT_LT(fichier.MessageErreur().size(), 300u);
}

TEST_F(TFichierDeclarationTest, FileThatIsNotADeclarationIsExplained)
{
    AttendEchec(Ecrit("photo.png", "\x89PNG\r\n\x1A\n\0\0\0\rIHDR"),
                TFichierDeclaration::Erreur::PasUneDeclaration,
                "Le fichier " + Affiche("photo.png") +
                    " n'est pas une d\xE9"
                    "claration de "
                    "revenus.");
    // Far too big to be a declaration: not even read in.
    const std::string enorme = Ecrit("film.mkv", TFichierDeclaration::Texte(Remplie()));
    std::filesystem::resize_file(enorme, 64 * 1024 * 1024);
    AttendEchec(enorme, TFichierDeclaration::Erreur::PasUneDeclaration,
                "Le fichier " + Affiche("film.mkv") +
                    " n'est pas une d\xE9"
                    "claration de "
                    "revenus.");
    AttendEchec(Chemin(""), TFichierDeclaration::Erreur::Illisible,
                "Le fichier de d\xE9"
                "claration " +
                    Affiche("") + " ne peut pas \xEAtre lu : l'acc\xE8s en est refus\xE9.");
}

TEST_F(TFichierDeclarationTest, DamagedLineIsExplainedWithItsNumber)
{
    const std::string entete = "KELMAR-DECLARATION-REVENUS\nversion=1\n";
    const std::string message = " est endommag\xE9 (ligne 4).";
    for (const std::string& ligne :
         {std::string("lettre.abc=1"), std::string("lettre.99999=1"), std::string("autre=1"),
          std::string("lettre.101=fin \\x"), std::string("personne=Hugo;2019"),
          std::string("personne=Hugo;2019;2")}) {
        SCOPED_TRACE(ligne);
        AttendEchec(Ecrit("abime.txt", entete + "lettre.101=Martin\n" + ligne + "\nfin=2\n"),
                    TFichierDeclaration::Erreur::Endommage,
                    "Le fichier de d\xE9"
                    "claration " +
                        Affiche("abime.txt") + message);
    }
}

TEST_F(TFichierDeclarationTest, WritingWhereNoFolderCanBeMadeIsExplained)
{
    const std::string fichierOrdinaire = Ecrit("ordinaire.txt", "x");
    TFichierDeclaration fichier(fichierOrdinaire + "/declaration.txt");
    EXPECT_FALSE(fichier.Ecrit(Remplie()));
    EXPECT_EQ(fichier.GetErreur(), TFichierDeclaration::Erreur::Ecriture);
    EXPECT_EQ(fichier.MessageErreur(),
              "La d\xE9"
              "claration n'a pas pu \xEAtre enregistr\xE9"
              "e dans \xAB\xA0" +
                  TFichierDeclaration::CheminAffiche(fichierOrdinaire + "/declaration.txt") +
                  "\xA0\xBB : le dossier n'existe pas ou n'est pas accessible en \xE9"
                  "criture.");
}

} // namespace
