#include "TFichierDeclaration.h"

#include "Revenus.h"
#include "TDeclarationRevenus.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
}

// A folder, a pipe or a device is refused by its kind, before a single byte is read: /dev/zero
// would never end, a pipe would wait for a writer.
TEST_F(TFichierDeclarationTest, OnlyRegularFilesAreRead)
{
    std::filesystem::create_directory(Chemin("dossier"));
    ASSERT_EQ(::mkfifo(Chemin("tube").c_str(), 0600), 0);
    const std::string pasLu =
        " n'est pas un fichier ordinaire (p\xE9riph\xE9rique ou tube) : il n'a pas \xE9t\xE9 lu.";
    const struct
    {
        std::string chemin;
        TFichierDeclaration::Erreur erreur;
        std::string message;
    } cas[] = {
        {Chemin("dossier"), TFichierDeclaration::Erreur::Dossier,
         Affiche("dossier") + " est un dossier et non un fichier de d\xE9"
                              "claration."},
        {Chemin(""), TFichierDeclaration::Erreur::Dossier,
         Affiche("") + " est un dossier et non un fichier de d\xE9"
                       "claration."},
        {Chemin("tube"), TFichierDeclaration::Erreur::PasUnFichier, Affiche("tube") + pasLu},
        {"/dev/zero", TFichierDeclaration::Erreur::PasUnFichier,
         "\xAB\xA0/dev/zero\xA0\xBB" + pasLu},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.chemin);
        AttendEchec(c.chemin, c.erreur, c.message);
    }
}

// A file made of 15 MB of short lines costs about its own size to read, not twenty times it:
// measured in a child process, whose peak is the reading's alone.
TEST_F(TFichierDeclarationTest, BigFileIsReadWithinItsOwnSize)
{
    const std::string chemin =
        Ecrit("lignes.txt", "KELMAR-DECLARATION-REVENUS\n" + std::string(15 * 1024 * 1024, '\n'));
    const pid_t enfant = ::fork();
    ASSERT_NE(enfant, -1);
    if (enfant == 0) {
        rusage avant{};
        ::getrusage(RUSAGE_SELF, &avant);
        TDeclarationRevenus declaration;
        const bool lu = TFichierDeclaration(chemin).Lit(declaration);
        rusage apres{};
        ::getrusage(RUSAGE_SELF, &apres);
        const long megaoctets = (apres.ru_maxrss - avant.ru_maxrss) / 1024;
        ::_exit(lu ? 255 : static_cast<int>(std::min(megaoctets, 254L)));
    }
    int etat = 0;
    ASSERT_EQ(::waitpid(enfant, &etat, 0), enfant);
    ASSERT_TRUE(WIFEXITED(etat));
    EXPECT_NE(WEXITSTATUS(etat), 255) << "a file of blank lines was read as a declaration";
    EXPECT_LT(WEXITSTATUS(etat), 64) << "megabytes";
}

// An editor may re-save a declaration in UTF-8: converted when Windows-1252 holds its text, and
// said so; refused otherwise, never read as garbled accents.
TEST_F(TFichierDeclarationTest, Utf8FileIsConvertedOrRefused)
{
    const std::string debut = "KELMAR-DECLARATION-REVENUS\nversion=1\nlettre.101=";
    TFichierDeclaration convertible(Ecrit("utf8.txt", debut + "L\xC3\xA9vy \xE2\x82\xAC\nfin=1\n"));
    TDeclarationRevenus lue;
    ASSERT_TRUE(convertible.Lit(lue)) << convertible.MessageErreur();
    EXPECT_EQ(lue.Valeur(kNom), "L\xE9vy \x80");
    EXPECT_EQ(convertible.Remarque(), "Le fichier " + Affiche("utf8.txt") +
                                          " \xE9tait enregistr\xE9 en UTF-8 : ses accents ont "
                                          "\xE9t\xE9 convertis.");

    AttendEchec(Ecrit("polonais.txt", debut + "\xC5\x81ukasz\nfin=1\n"),
                TFichierDeclaration::Erreur::Encodage,
                "Le fichier de d\xE9"
                "claration " +
                    Affiche("polonais.txt") +
                    " a \xE9t\xE9 enregistr\xE9 en UTF-8 avec des caract\xE8res que "
                    "l'assistant ne sait pas repr\xE9senter : il n'a pas \xE9t\xE9 lu.");
}

// A letter the user emptied, where a blank declaration has a value, comes back empty.
TEST_F(TFichierDeclarationTest, EmptiedValueReadsBackEmpty)
{
    TDeclarationRevenus ecrite = Remplie();
    ecrite.SetValeur(kSalaire1Prerempli, "");
    ecrite.SetValeur(kRegimeFoncier, "");
    TFichierDeclaration fichier(Chemin("vide.txt"));
    ASSERT_TRUE(fichier.Ecrit(ecrite));
    TDeclarationRevenus lue;
    ASSERT_TRUE(fichier.Lit(lue)) << fichier.MessageErreur();
    EXPECT_EQ(lue.Valeur(kSalaire1Prerempli), "");
    EXPECT_EQ(lue, ecrite);
}

std::filesystem::perms Droits(const std::string& chemin)
{
    return std::filesystem::status(chemin).permissions() & std::filesystem::perms::all;
}

std::string Contenu(const std::string& chemin)
{
    std::ifstream fichier(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>());
}

// Writing keeps links as links, and keeps the user's data private.
TEST_F(TFichierDeclarationTest, WritingKeepsLinksAndIsPrivate)
{
    using std::filesystem::perms;
    const std::string vraie = Ecrit("vraie.txt", "ancienne");
    std::filesystem::permissions(vraie, perms::owner_read | perms::owner_write);
    std::filesystem::create_symlink(vraie, Chemin("lien.txt"));

    ASSERT_TRUE(TFichierDeclaration(Chemin("lien.txt")).Ecrit(Remplie()));
    EXPECT_TRUE(std::filesystem::is_symlink(Chemin("lien.txt")));
    EXPECT_EQ(Contenu(vraie), TFichierDeclaration::Texte(Remplie()));
    EXPECT_EQ(Droits(vraie), perms::owner_read | perms::owner_write);

    // A new file and the folder made for it are the owner's only.
    const std::string nouveau = Chemin("prive/declaration.txt");
    ASSERT_TRUE(TFichierDeclaration(nouveau).Ecrit(Remplie()));
    EXPECT_EQ(Droits(nouveau), perms::owner_read | perms::owner_write);
    EXPECT_EQ(Droits(Chemin("prive")), perms::owner_all);
    // A file readable by others becomes private when rewritten.
    std::filesystem::permissions(nouveau, perms::owner_read | perms::owner_write |
                                              perms::group_read | perms::others_read);
    ASSERT_TRUE(TFichierDeclaration(nouveau).Ecrit(Remplie()));
    EXPECT_EQ(Droits(nouveau), perms::owner_read | perms::owner_write);
}

// A file kept aside never replaces one kept before; when no name is left, nothing moves.
TEST_F(TFichierDeclarationTest, FileKeptAsideNeverReplacesAnother)
{
    const std::string abime = Ecrit("abime.txt", "abime");
    Ecrit("abime.txt.illisible", "premier");
    TFichierDeclaration fichier(abime);
    ASSERT_TRUE(fichier.MetDeCote()) << fichier.MessageErreur();
    EXPECT_EQ(fichier.GetCheminDeCote(), Chemin("abime.txt.illisible.1"));
    EXPECT_EQ(Contenu(Chemin("abime.txt.illisible")), "premier");
    EXPECT_EQ(Contenu(Chemin("abime.txt.illisible.1")), "abime");

    Ecrit("abime.txt", "encore");
    for (int rang = 2; rang < 100; ++rang)
        Ecrit("abime.txt.illisible." + std::to_string(rang), "pris");
    EXPECT_FALSE(fichier.MetDeCote());
    EXPECT_EQ(fichier.GetErreur(), TFichierDeclaration::Erreur::MiseDeCote);
    EXPECT_EQ(Contenu(abime), "encore");
    EXPECT_EQ(fichier.MessageErreur().rfind(
                  "Le fichier " + Affiche("abime.txt") + " n'a pas pu \xEAtre renomm\xE9", 0),
              0u);
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
