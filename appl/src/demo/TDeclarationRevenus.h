#pragma once

// The data of one income declaration: the value of every letter, by lettrage, and the list of
// dependants. A plain value: copied to remember the data found at the start of the wizard,
// compared to tell whether the user changed anything. Values are Windows-1252 texts.

#include <map>
#include <string>
#include <string_view>
#include <vector>

class TDeclarationRevenus
{
public:
    // What a letter holds; decides how it is printed, re-initialised and selected.
    enum class Genre
    {
        Texte,   // typed text
        Montant, // an amount typed by the user
        Code,    // a code (check box, radio button, combo box)
        Calcule, // computed by the model, never typed
        Etat     // the edit state of a pre-filled amount ("1" kept, "2" corrected)
    };

    // One field of the declaration, as the sample knows it.
    struct Champ
    {
        short lettrage;
        int ecran; // the screen that shows it
        Genre genre;
        const char* libelle; // for the printed declaration
    };

    // One dependant.
    struct Personne
    {
        std::string prenom;
        std::string anneeNaissance;
        bool gardeAlternee = false;

        bool operator==(const Personne&) const = default;
    };

    // A blank declaration: nothing typed, the pre-filled salaries of the employer, every code
    // at its default.
    TDeclarationRevenus();
    TDeclarationRevenus(const TDeclarationRevenus&) = default;
    TDeclarationRevenus& operator=(const TDeclarationRevenus&) = default;
    bool operator==(const TDeclarationRevenus&) const = default;

    // Every field the sample knows, in screen order.
    static const std::vector<Champ>& Champs();
    // The field of that lettrage, or null.
    static const Champ* TrouveChamp(int lettrage);

    // The value of a letter; empty when the declaration has none.
    std::string Valeur(int lettrage) const;
    // An empty value is no value.
    void SetValeur(int lettrage, const std::string& valeur);
    bool Contient(int lettrage) const { return m_valeurs.count(lettrage) != 0; }
    // The value read as an amount (0 when empty or unreadable).
    double Montant(int lettrage) const;
    // Stores an amount as the amount edits do ("%f").
    void SetMontant(int lettrage, double montant);
    // True when the value starts with `code` (check boxes, radio buttons).
    bool Coche(int lettrage, char code = '1') const;
    // The value read as a code (0 when empty or unreadable).
    int Code(int lettrage) const;
    const std::map<int, std::string>& Valeurs() const { return m_valeurs; }

    std::vector<Personne>& Personnes() { return m_personnes; }
    const std::vector<Personne>& Personnes() const { return m_personnes; }

    // How an amount is kept in a letter, under every locale: "1234.500000".
    static std::string FormatMontant(double montant);
    // An amount kept in a letter, 0 when there is none (a decimal comma is read too).
    static double LitMontant(std::string_view texte);

    // The salary the tax is computed on: the corrected amount when the user corrected the
    // pre-filled one, else the pre-filled one.
    double Salaire(int lettrage, int lettragePrerempli, int lettrageEtat) const;

    // Every amount typed by the user back to nothing and every pre-filled amount back to the
    // employer's; texts and codes stay.
    void EffaceMontants();

private:
    std::map<int, std::string> m_valeurs;
    std::vector<Personne> m_personnes;
};
