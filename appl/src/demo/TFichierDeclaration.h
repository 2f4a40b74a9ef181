#pragma once

// The declaration file: where the sample keeps a declaration between two runs, and what the
// import service reads. A small versioned text file in Windows-1252:
//
//     KELMAR-DECLARATION-REVENUS          the header line: this is a declaration
//     version=1                           the format version
//     # a comment                         comments and blank lines are ignored
//     lettre.101=MARTIN                   one letter: lettre.<lettrage>=<value>
//     personne=Lucie;2016;0                one dependant: first name;year of birth;alternate
//     custody 0/1 fin=2                               the end: the number of letter and dependant
//     lines
//
// In values a backslash escapes itself ("\\"), a line feed ("\n"), a carriage return ("\r")
// and, in dependant fields, the separator ("\;"). The end line tells a complete file from a
// truncated one. A letter whose value is empty while its blank value is not is written with
// nothing after the '=' and read back empty.
//
// Files are written through QSaveFile: a temporary file of a unique name beside the target,
// flushed to disk, then renamed over it, so that a declaration on disk is always whole; a
// symbolic link keeps pointing to the file it names, which gets the new content. The file is
// readable by its owner only (0600), and a folder made for it too (0700).
//
// Only a regular file is read, and at most kTailleMaximum bytes of it: a folder, a device or a
// pipe is refused before any read. A file re-saved in UTF-8 by an editor is converted (and
// Remarque says so) when Windows-1252 can hold its text, refused otherwise.
//
// A letter the file does not hold takes its blank value (TDeclarationRevenus()). A file that
// cannot be read leaves the declaration given to Lit as it was, and says why in
// a French message.

#include <string>

class TDeclarationRevenus;

class TFichierDeclaration
{
public:
    enum class Erreur
    {
        Aucune,
        Introuvable,       // no such file
        Illisible,         // the file exists but cannot be read
        Vide,              // nothing in it
        PasUneDeclaration, // not our header
        AutreVersion,      // another version of the format
        Tronque,           // the end is missing
        Endommage,         // a line that the format does not allow
        Ecriture,          // the declaration could not be written
        Dossier,           // a folder, not a file
        PasUnFichier,      // a device, a pipe or a socket: never read
        Encodage,          // UTF-8 text that Windows-1252 cannot hold
        MiseDeCote         // the file could not be renamed aside
    };

    static constexpr const char* kEntete = "KELMAR-DECLARATION-REVENUS";
    static constexpr int kVersion = 1;
    // Far above any declaration (a few kilobytes): a bigger file is not one.
    static constexpr long long kTailleMaximum = 16LL * 1024 * 1024;

    // `chemin`: the file, as the file system names it (UTF-8).
    explicit TFichierDeclaration(std::string chemin = std::string());
    TFichierDeclaration(const TFichierDeclaration&) = default;
    TFichierDeclaration& operator=(const TFichierDeclaration&) = default;
    bool operator==(const TFichierDeclaration&) const = default;

    // Reads the file into `declaration`; on failure `declaration` is left as it was.
    bool Lit(TDeclarationRevenus& declaration);
    // Writes `declaration`, creating the folder when needed.
    bool Ecrit(const TDeclarationRevenus& declaration);
    // Renames the file aside without ever replacing another file: "<file>.illisible", else
    // "<file>.illisible.1", ".2"... On failure the file is left as it was.
    bool MetDeCote();
    // The name MetDeCote gave the file (UTF-8).
    const std::string& GetCheminDeCote() const { return m_cheminDeCote; }

    // A folder the sample keeps private data in: made when missing, readable by its owner only.
    static bool PrepareDossierPrive(const std::string& dossier);

    // The whole text of a declaration in this format.
    static std::string Texte(const TDeclarationRevenus& declaration);

    Erreur GetErreur() const { return m_erreur; }
    // Why the last Lit or Ecrit failed, in French (Windows-1252); empty after a success.
    std::string MessageErreur() const;
    // What a successful Lit had to do to read the file (a conversion), or empty.
    const std::string& Remarque() const { return m_remarque; }
    const std::string& GetChemin() const { return m_chemin; }
    // The path as a user reads it in a message (Windows-1252).
    static std::string CheminAffiche(const std::string& chemin);

private:
    bool Echec(Erreur erreur, int ligne = 0);
    bool Analyse(const std::string& contenu, TDeclarationRevenus& lue);

    std::string m_chemin;
    Erreur m_erreur = Erreur::Aucune;
    int m_ligne = 0;            // the faulty line of a damaged file
    std::string m_autreVersion; // the version found in a file of another version
    std::string m_remarque;
    std::string m_cheminDeCote;
    std::string m_raison; // why the system refused a write or a rename (Windows-1252)
};
