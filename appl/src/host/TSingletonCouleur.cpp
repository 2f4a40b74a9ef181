#include "TSingletonCouleur.h"

namespace {

// 0x00BBGGRR
constexpr std::array<TColor, nbCouleurs> kDefaultColours = {
    clWindowText, // couleurTexte
    0x00F8EEE4,   // couleurFondAssistant: a light blue-grey
    clWindow,     // couleurFondSaisie
    0x00E6FFFF,   // couleurSaisieObligatoire: pale yellow
    clNavy,       // couleurValeurCalculee
    clRed,        // couleurErreur
    0x000080FF,   // couleurAvertissement: orange
    clBtnFace,    // couleurBoutons
    clNavy,       // couleurTitre
};

} // namespace

TSingletonCouleur* TSingletonCouleur::GetInstance()
{
    static TSingletonCouleur instance;
    return &instance;
}

TSingletonCouleur::TSingletonCouleur() : m_couleurs(kDefaultColours) {}

TSingletonCouleur::TSingletonCouleur(const TSingletonCouleur& other)
    : m_couleurs(other.m_couleurs), m_initialised(other.m_initialised)
{}

TSingletonCouleur& TSingletonCouleur::operator=(const TSingletonCouleur& other)
{
    if (this != &other) {
        m_couleurs = other.m_couleurs;
        m_initialised = other.m_initialised;
    }
    return *this;
}

bool TSingletonCouleur::operator==(const TSingletonCouleur& other) const
{
    return m_couleurs == other.m_couleurs && m_initialised == other.m_initialised;
}

TColor* TSingletonCouleur::getColors(enumCouleurs couleur)
{
    const int index = static_cast<int>(couleur);
    if (index < 0 || index >= nbCouleurs) {
        m_horsTable = clBtnFace;
        return &m_horsTable;
    }
    return &m_couleurs[static_cast<std::size_t>(index)];
}

void TSingletonCouleur::setColors(enumCouleurs couleur, TColor valeur)
{
    const int index = static_cast<int>(couleur);
    if (index >= 0 && index < nbCouleurs)
        m_couleurs[static_cast<std::size_t>(index)] = valeur;
}

void TSingletonCouleur::resetColors()
{
    m_couleurs = kDefaultColours;
}

void InitConfigcolors(TSingletonCouleur& couleurs)
{
    if (couleurs.m_initialised)
        return;
    couleurs.m_initialised = true;
}
