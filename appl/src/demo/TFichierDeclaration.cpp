#include "TFichierDeclaration.h"

#include "TDeclarationRevenus.h"

#include "Cp1252.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>
#include <vector>

namespace {

constexpr const char* kCleVersion = "version=";
constexpr const char* kCleLettre = "lettre.";
constexpr const char* kClePersonne = "personne=";
constexpr const char* kCleFin = "fin=";
// Far above any declaration (a few kilobytes).
constexpr std::uintmax_t kTailleMaximum = 16 * 1024 * 1024;
// Bounds the version text quoted back to the user.
constexpr std::size_t kLongueurVersionMax = 20;

bool CommencePar(const std::string& texte, const char* debut)
{
    return texte.rfind(debut, 0) == 0;
}

std::string Echappe(const std::string& valeur, bool separateur)
{
    std::string texte;
    texte.reserve(valeur.size());
    for (char c : valeur) {
        switch (c) {
        case '\\':
            texte += "\\\\";
            break;
        case '\n':
            texte += "\\n";
            break;
        case '\r':
            texte += "\\r";
            break;
        case ';':
            texte += separateur ? "\\;" : ";";
            break;
        default:
            texte += c;
        }
    }
    return texte;
}

// Splits an escaped text at its unescaped separators and unescapes the parts; false for a
// backslash that escapes nothing known.
bool Decoupe(const std::string& texte, char separateur, std::vector<std::string>& parties)
{
    parties.assign(1, std::string());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == separateur) {
            parties.emplace_back();
        } else if (c == '\\') {
            if (++i == texte.size())
                return false;
            switch (texte[i]) {
            case '\\':
                parties.back() += '\\';
                break;
            case 'n':
                parties.back() += '\n';
                break;
            case 'r':
                parties.back() += '\r';
                break;
            case ';':
                parties.back() += ';';
                break;
            default:
                return false;
            }
        } else {
            parties.back() += c;
        }
    }
    return true;
}

// A whole decimal number, nothing around it.
bool LitEntier(const std::string& texte, long& valeur)
{
    if (texte.empty() || texte.size() > 9)
        return false;
    valeur = 0;
    std::size_t i = 0;
    const bool negatif = texte[0] == '-';
    if (negatif && texte.size() == 1)
        return false;
    for (i = negatif ? 1 : 0; i < texte.size(); ++i) {
        if (texte[i] < '0' || texte[i] > '9')
            return false;
        valeur = valeur * 10 + (texte[i] - '0');
    }
    if (negatif)
        valeur = -valeur;
    return true;
}

bool EstBlanche(const std::string& ligne)
{
    return ligne.find_first_not_of(" \t") == std::string::npos;
}

std::string Quote(const std::string& texte)
{
    return "\xAB\xA0" + texte + "\xA0\xBB";
}

} // namespace

TFichierDeclaration::TFichierDeclaration(std::string chemin) : m_chemin(std::move(chemin)) {}

std::string TFichierDeclaration::CheminAffiche(const std::string& chemin)
{
    return Cp1252::fromQString(
        QString::fromUtf8(chemin.data(), static_cast<qsizetype>(chemin.size())));
}

bool TFichierDeclaration::Echec(Erreur erreur, int ligne)
{
    m_erreur = erreur;
    m_ligne = ligne;
    return false;
}

std::string TFichierDeclaration::MessageErreur() const
{
    const std::string fichier = Quote(CheminAffiche(m_chemin));
    switch (m_erreur) {
    case Erreur::Aucune:
        return std::string();
    case Erreur::Introuvable:
        return "Le fichier de d\xE9"
               "claration " +
               fichier + " est introuvable.";
    case Erreur::Illisible:
        return "Le fichier de d\xE9"
               "claration " +
               fichier + " ne peut pas \xEAtre lu : l'acc\xE8s en est refus\xE9.";
    case Erreur::Vide:
        return "Le fichier de d\xE9"
               "claration " +
               fichier +
               " est vide : il ne contient aucune d\xE9"
               "claration.";
    case Erreur::PasUneDeclaration:
        return "Le fichier " + fichier +
               " n'est pas une d\xE9"
               "claration de revenus.";
    case Erreur::AutreVersion:
        return "Le fichier de d\xE9"
               "claration " +
               fichier + " a \xE9t\xE9 enregistr\xE9 au format de la version " + m_autreVersion +
               " ; cet assistant ne lit que la version " + std::to_string(kVersion) + ".";
    case Erreur::Tronque:
        return "Le fichier de d\xE9"
               "claration " +
               fichier + " est incomplet : sa fin manque (fichier tronqu\xE9).";
    case Erreur::Endommage:
        return "Le fichier de d\xE9"
               "claration " +
               fichier + " est endommag\xE9 (ligne " + std::to_string(m_ligne) + ").";
    case Erreur::Ecriture:
        return "La d\xE9"
               "claration n'a pas pu \xEAtre enregistr\xE9"
               "e dans " +
               fichier +
               " : le dossier n'existe pas ou n'est pas accessible en \xE9"
               "criture.";
    }
    return std::string();
}

bool TFichierDeclaration::Lit(TDeclarationRevenus& declaration)
{
    m_erreur = Erreur::Aucune;
    m_ligne = 0;
    m_autreVersion.clear();

    std::error_code ec;
    const std::filesystem::path chemin(m_chemin);
    if (m_chemin.empty() || !std::filesystem::exists(chemin, ec))
        return Echec(Erreur::Introuvable);
    if (std::filesystem::is_directory(chemin, ec))
        return Echec(Erreur::Illisible);
    // A declaration is a few kilobytes: a bigger file is something else, and is not read in.
    const std::uintmax_t taille = std::filesystem::file_size(chemin, ec);
    if (!ec && taille > kTailleMaximum)
        return Echec(Erreur::PasUneDeclaration);
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier)
        return Echec(Erreur::Illisible);
    const std::string contenu((std::istreambuf_iterator<char>(fichier)),
                              std::istreambuf_iterator<char>());
    if (fichier.bad())
        return Echec(Erreur::Illisible);

    // A letter that the file does not hold keeps its blank value.
    TDeclarationRevenus lue;
    if (!Analyse(contenu, lue))
        return false;
    declaration = lue;
    return true;
}

bool TFichierDeclaration::Analyse(const std::string& contenu, TDeclarationRevenus& lue)
{
    if (contenu.find_first_not_of(" \t\r\n") == std::string::npos)
        return Echec(Erreur::Vide);

    std::vector<std::string> lignes;
    std::istringstream flux(contenu);
    for (std::string ligne; std::getline(flux, ligne);) {
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        lignes.push_back(ligne);
    }

    std::size_t i = 0;
    if (lignes[i] != kEntete)
        return Echec(Erreur::PasUneDeclaration);
    // Comments and blank lines may come anywhere after the header.
    auto suivante = [&]() {
        while (++i < lignes.size() && (EstBlanche(lignes[i]) || lignes[i][0] == '#')) {
        }
        return i < lignes.size();
    };

    // A faulty last line is a line cut short: the file is truncated, not damaged.
    auto abimee = [&]() {
        return i + 1 >= lignes.size() ? Echec(Erreur::Tronque)
                                      : Echec(Erreur::Endommage, static_cast<int>(i + 1));
    };

    if (!suivante())
        return Echec(Erreur::Tronque);
    if (!CommencePar(lignes[i], kCleVersion))
        return abimee();
    const std::string version = lignes[i].substr(std::char_traits<char>::length(kCleVersion));
    if (version != std::to_string(kVersion)) {
        m_autreVersion = version.substr(0, kLongueurVersionMax);
        return Echec(Erreur::AutreVersion);
    }

    long donnees = 0;
    while (suivante()) {
        const std::string& ligne = lignes[i];
        if (CommencePar(ligne, kCleFin)) {
            long annonce = 0;
            if (!LitEntier(ligne.substr(std::char_traits<char>::length(kCleFin)), annonce) ||
                annonce != donnees)
                return Echec(Erreur::Tronque);
            if (suivante())
                return Echec(Erreur::Endommage, static_cast<int>(i + 1));
            return true;
        }
        std::vector<std::string> parties;
        if (CommencePar(ligne, kCleLettre)) {
            const std::size_t egal = ligne.find('=');
            long lettrage = 0;
            const std::size_t debut = std::char_traits<char>::length(kCleLettre);
            if (egal == std::string::npos ||
                !LitEntier(ligne.substr(debut, egal - debut), lettrage) || lettrage < 0 ||
                lettrage > 32767 || !Decoupe(ligne.substr(egal + 1), '\0', parties) ||
                parties.size() != 1)
                return abimee();
            lue.SetValeur(static_cast<int>(lettrage), parties[0]);
        } else if (CommencePar(ligne, kClePersonne)) {
            if (!Decoupe(ligne.substr(std::char_traits<char>::length(kClePersonne)), ';',
                         parties) ||
                parties.size() != 3 || (parties[2] != "0" && parties[2] != "1"))
                return abimee();
            lue.Personnes().push_back({parties[0], parties[1], parties[2] == "1"});
        } else {
            return abimee();
        }
        ++donnees;
    }
    // The end line never came.
    return Echec(Erreur::Tronque);
}

std::string TFichierDeclaration::Texte(const TDeclarationRevenus& declaration)
{
    std::string texte = std::string(kEntete) + "\n";
    texte += kCleVersion + std::to_string(kVersion) + "\n";
    texte += "# D\xE9"
             "claration des revenus "
             "2024"
             " - assistant exemple\n";
    long donnees = 0;
    for (const auto& [lettrage, valeur] : declaration.Valeurs()) {
        texte += kCleLettre + std::to_string(lettrage) + "=" + Echappe(valeur, false) + "\n";
        ++donnees;
    }
    for (const TDeclarationRevenus::Personne& personne : declaration.Personnes()) {
        texte += kClePersonne + Echappe(personne.prenom, true) + ";" +
                 Echappe(personne.anneeNaissance, true) + ";" +
                 (personne.gardeAlternee ? "1" : "0") + "\n";
        ++donnees;
    }
    texte += kCleFin + std::to_string(donnees) + "\n";
    return texte;
}

bool TFichierDeclaration::Ecrit(const TDeclarationRevenus& declaration)
{
    m_erreur = Erreur::Aucune;
    m_ligne = 0;
    std::error_code ec;
    const std::filesystem::path chemin(m_chemin);
    if (m_chemin.empty())
        return Echec(Erreur::Ecriture);
    if (chemin.has_parent_path())
        std::filesystem::create_directories(chemin.parent_path(), ec);

    std::filesystem::path provisoire = chemin;
    provisoire += ".tmp";
    {
        std::ofstream fichier(provisoire, std::ios::binary | std::ios::trunc);
        if (!fichier)
            return Echec(Erreur::Ecriture);
        const std::string texte = Texte(declaration);
        fichier.write(texte.data(), static_cast<std::streamsize>(texte.size()));
        fichier.flush();
        if (!fichier) {
            fichier.close();
            std::filesystem::remove(provisoire, ec);
            return Echec(Erreur::Ecriture);
        }
    }
    std::filesystem::rename(provisoire, chemin, ec);
    if (ec) {
        std::filesystem::remove(provisoire, ec);
        return Echec(Erreur::Ecriture);
    }
    return true;
}
