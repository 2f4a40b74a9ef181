#include "TFichierDeclaration.h"

#include "TDeclarationRevenus.h"

#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kCleVersion = "version=";
constexpr const char* kCleLettre = "lettre.";
constexpr const char* kClePersonne = "personne=";
constexpr const char* kCleFin = "fin=";
// Bounds the version text quoted back to the user.
constexpr std::size_t kLongueurVersionMax = 20;

bool CommencePar(std::string_view texte, const char* debut)
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
bool Decoupe(std::string_view texte, char separateur, std::vector<std::string>& parties)
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
bool LitEntier(std::string_view texte, long& valeur)
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

bool EstBlanche(std::string_view ligne)
{
    return ligne.find_first_not_of(" \t") == std::string_view::npos;
}

std::string Quote(const std::string& texte)
{
    return "\xAB\xA0" + texte + "\xA0\xBB";
}

QString EnQString(const std::string& chemin)
{
    return QString::fromUtf8(chemin.data(), static_cast<qsizetype>(chemin.size()));
}

// Why the system refused a write, as a user understands it.
std::string RaisonSysteme(int erreur)
{
    switch (erreur) {
    case ENOSPC:
    case EDQUOT:
        return "le disque est plein";
    case EROFS:
        return "le disque n'accepte que la lecture";
    case EISDIR:
        return "ce nom est celui d'un dossier";
    case EIO:
        return "le disque a signal\xE9 une erreur";
    default:
        return "le dossier n'existe pas ou n'est pas accessible en \xE9"
               "criture";
    }
}

// Why Qt could not write `fichier`, from its own record of the failure (errno may have been
// changed by the calls made since).
std::string RaisonFichier(const QFileDevice& fichier)
{
    switch (fichier.error()) {
    case QFileDevice::ResourceError:
        return RaisonSysteme(ENOSPC);
    case QFileDevice::WriteError:
        return RaisonSysteme(EIO);
    default:
        return RaisonSysteme(0);
    }
}

// Renames `de` to `vers` unless `vers` exists (errno EEXIST then). A file system without
// RENAME_NOREPLACE gets a hard link then the removal of the old name, which never replaces
// either.
bool RenommeSansRemplacer(const std::string& de, const std::string& vers)
{
    if (::renameat2(AT_FDCWD, de.c_str(), AT_FDCWD, vers.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::link(de.c_str(), vers.c_str()) != 0)
        return false;
    if (::unlink(de.c_str()) == 0)
        return true;
    const int raison = errno;
    ::unlink(vers.c_str());
    errno = raison;
    return false;
}

// Text that holds a byte above 0x7F and reads as UTF-8 throughout.
bool EstUtf8NonAscii(const std::string& contenu)
{
    bool nonAscii = false;
    for (std::size_t i = 0; i < contenu.size();) {
        const auto c = static_cast<unsigned char>(contenu[i]);
        std::size_t suite = 0;
        if (c < 0x80)
            suite = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            suite = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            suite = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            suite = 3;
        else
            return false;
        if (i + suite >= contenu.size() && suite > 0)
            return false;
        for (std::size_t k = 1; k <= suite; ++k) {
            if ((static_cast<unsigned char>(contenu[i + k]) & 0xC0) != 0x80)
                return false;
        }
        nonAscii = nonAscii || suite > 0;
        i += suite + 1;
    }
    return nonAscii;
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
               fichier + " : " + m_raison + ".";
    case Erreur::Dossier:
        return fichier + " est un dossier et non un fichier de d\xE9"
                         "claration.";
    case Erreur::PasUnFichier:
        return fichier + " n'est pas un fichier ordinaire (p\xE9riph\xE9rique ou tube) : "
                         "il n'a pas \xE9t\xE9 lu.";
    case Erreur::Encodage:
        return "Le fichier de d\xE9"
               "claration " +
               fichier +
               " a \xE9t\xE9 enregistr\xE9 en UTF-8 avec des caract\xE8res que "
               "l'assistant ne sait pas repr\xE9senter : il n'a pas \xE9t\xE9 lu.";
    case Erreur::MiseDeCote:
        return "Le fichier " + fichier +
               " n'a pas pu \xEAtre renomm\xE9 pour \xEAtre conserv\xE9 : il est rest\xE9 "
               "intact et la d\xE9"
               "claration n'y a pas \xE9t\xE9 enregistr\xE9"
               "e (" +
               m_raison + ").";
    }
    return std::string();
}

bool TFichierDeclaration::Lit(TDeclarationRevenus& declaration)
{
    m_erreur = Erreur::Aucune;
    m_ligne = 0;
    m_autreVersion.clear();
    m_remarque.clear();

    if (m_chemin.empty())
        return Echec(Erreur::Illisible);
    // Opened without waiting, so that a pipe with no writer cannot block; the kind of file is
    // then read from the open descriptor itself, before any byte is.
    const int fd = ::open(m_chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int erreur = errno;
        struct stat etat
        {};
        if (erreur == ENOENT && ::lstat(m_chemin.c_str(), &etat) != 0)
            return Echec(Erreur::Introuvable);
        if (erreur == ENXIO)
            return Echec(Erreur::PasUnFichier); // a socket, or a pipe nobody writes
        return Echec(Erreur::Illisible);
    }
    struct Fermeture
    {
        int fd;
        ~Fermeture() { ::close(fd); }
    } fermeture{fd};

    struct stat etat
    {};
    if (::fstat(fd, &etat) != 0)
        return Echec(Erreur::Illisible);
    if (S_ISDIR(etat.st_mode))
        return Echec(Erreur::Dossier);
    if (!S_ISREG(etat.st_mode))
        return Echec(Erreur::PasUnFichier);
    if (etat.st_size > kTailleMaximum)
        return Echec(Erreur::PasUneDeclaration);

    // Bounded even if the file grows while it is read.
    std::string contenu(static_cast<std::size_t>(etat.st_size), '\0');
    std::size_t lus = 0;
    for (;;) {
        if (lus == contenu.size()) {
            if (contenu.size() > static_cast<std::size_t>(kTailleMaximum))
                return Echec(Erreur::PasUneDeclaration);
            contenu.resize(contenu.size() + 4096);
        }
        const ssize_t n = ::read(fd, contenu.data() + lus, contenu.size() - lus);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Echec(Erreur::Illisible);
        if (n == 0)
            break;
        lus += static_cast<std::size_t>(n);
    }
    contenu.resize(lus);

    if (EstUtf8NonAscii(contenu)) {
        const QString texte = QString::fromUtf8(contenu.data(), static_cast<qsizetype>(lus));
        for (const char32_t point : texte.toUcs4()) {
            if (point != U'?' && Cp1252::fromUnicode(point) == '?')
                return Echec(Erreur::Encodage);
        }
        contenu = Cp1252::fromQString(texte);
        m_remarque = "Le fichier " + Quote(CheminAffiche(m_chemin)) +
                     " \xE9tait enregistr\xE9 en UTF-8 : ses accents ont \xE9t\xE9 convertis.";
    }

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

    // The lines are views into the content: a big file costs its own size, no more.
    std::vector<std::string_view> lignes;
    for (std::size_t debut = 0; debut < contenu.size();) {
        std::size_t fin = contenu.find('\n', debut);
        if (fin == std::string::npos)
            fin = contenu.size();
        std::string_view ligne(contenu.data() + debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        lignes.push_back(ligne);
        debut = fin + 1;
        if (lignes.size() > 100000)
            return Echec(Erreur::PasUneDeclaration);
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
    const std::string version(lignes[i].substr(std::char_traits<char>::length(kCleVersion)));
    if (version != std::to_string(kVersion)) {
        m_autreVersion = version.substr(0, kLongueurVersionMax);
        return Echec(Erreur::AutreVersion);
    }

    long donnees = 0;
    while (suivante()) {
        const std::string_view ligne = lignes[i];
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
            if (egal == std::string_view::npos ||
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
    // A letter emptied by the user, where a blank declaration has a value: written empty, or
    // it would come back with that value.
    const TDeclarationRevenus vierge;
    for (const auto& [lettrage, valeur] : vierge.Valeurs()) {
        if (!declaration.Contient(lettrage)) {
            texte += kCleLettre + std::to_string(lettrage) + "=\n";
            ++donnees;
        }
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

bool TFichierDeclaration::PrepareDossierPrive(const std::string& dossier)
{
    if (dossier.empty())
        return false;
    const QString nom = EnQString(dossier);
    if (!QFileInfo(nom).isDir() && !QDir().mkpath(nom))
        return false;
    return QFile::setPermissions(nom, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool TFichierDeclaration::Ecrit(const TDeclarationRevenus& declaration)
{
    m_erreur = Erreur::Aucune;
    m_ligne = 0;
    m_raison = RaisonSysteme(0);
    if (m_chemin.empty())
        return Echec(Erreur::Ecriture);
    const QString nom = EnQString(m_chemin);
    // A folder made for the declaration is private like it.
    const QString dossier = QFileInfo(nom).absolutePath();
    if (!QFileInfo::exists(dossier)) {
        if (!PrepareDossierPrive(dossier.toStdString()))
            return Echec(Erreur::Ecriture);
    }
    if (QFileInfo(nom).isDir()) {
        m_raison = RaisonSysteme(EISDIR);
        return Echec(Erreur::Ecriture);
    }

    // A symbolic link stays one: its target gets the new content.
    const QFileInfo lien(nom);
    const QString cible = lien.isSymLink() ? lien.symLinkTarget() : nom;
    // A unique temporary file beside the target, synced, then renamed over it.
    QSaveFile fichier(cible);
    if (!fichier.open(QIODevice::WriteOnly)) {
        m_raison = RaisonFichier(fichier);
        return Echec(Erreur::Ecriture);
    }
    fichier.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const std::string texte = Texte(declaration);
    if (fichier.write(texte.data(), static_cast<qint64>(texte.size())) !=
        static_cast<qint64>(texte.size())) {
        m_raison = RaisonFichier(fichier);
        fichier.cancelWriting();
        fichier.commit();
        return Echec(Erreur::Ecriture);
    }
    if (!fichier.commit()) {
        m_raison = RaisonFichier(fichier);
        return Echec(Erreur::Ecriture);
    }
    return true;
}

bool TFichierDeclaration::MetDeCote()
{
    m_erreur = Erreur::Aucune;
    m_raison.clear();
    m_cheminDeCote.clear();
    // Enough for years of unreadable files; past that something else is wrong.
    constexpr int kRangsDeCote = 100;
    for (int rang = 0; rang < kRangsDeCote; ++rang) {
        const std::string cible =
            m_chemin + ".illisible" + (rang == 0 ? std::string() : "." + std::to_string(rang));
        // Never replaces a file kept aside before.
        if (RenommeSansRemplacer(m_chemin, cible)) {
            m_cheminDeCote = cible;
            return true;
        }
        if (errno != EEXIST) {
            m_raison = RaisonSysteme(errno);
            return Echec(Erreur::MiseDeCote);
        }
    }
    m_raison = RaisonSysteme(EEXIST);
    return Echec(Erreur::MiseDeCote);
}
