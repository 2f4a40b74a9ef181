#include "TMdPersonnesACharge.h"

#include "TModeleRevenus.h"

#include <iterator>

TMdPersonnesACharge::TMdPersonnesACharge(TModeleRevenus* modele, TMgtModelInvoker* invoker)
    : TMdListManager(modele, invoker), m_modele(modele)
{}

TMdPersonnesACharge& TMdPersonnesACharge::operator=(const TMdPersonnesACharge& other)
{
    if (this != &other) {
        TMdListManager::operator=(other);
        m_modele = other.m_modele;
        m_courant = other.m_courant;
    }
    return *this;
}

TMdPersonnesACharge::~TMdPersonnesACharge() = default;

bool TMdPersonnesACharge::operator==(const TMdPersonnesACharge& other) const
{
    return TMdListManager::operator==(other) && m_modele == other.m_modele &&
           m_courant == other.m_courant;
}

std::vector<TDeclarationRevenus::Personne>* TMdPersonnesACharge::Personnes() const
{
    return m_modele ? &m_modele->Declaration().Personnes() : nullptr;
}

void TMdPersonnesACharge::Recalcule()
{
    if (m_modele)
        m_modele->Calcul();
}

TDeclarationRevenus::Personne* TMdPersonnesACharge::Courante()
{
    auto* personnes = Personnes();
    if (!personnes || m_courant < 0 || m_courant >= static_cast<int>(personnes->size()))
        return nullptr;
    return &(*personnes)[static_cast<std::size_t>(m_courant)];
}

void TMdPersonnesACharge::AjouteElement()
{
    auto* personnes = Personnes();
    if (!personnes)
        return;
    personnes->emplace_back();
    m_courant = static_cast<int>(personnes->size()) - 1;
    Recalcule();
}

void TMdPersonnesACharge::SupprimeElement()
{
    auto* personnes = Personnes();
    if (!Courante())
        return;
    personnes->erase(personnes->begin() + m_courant);
    if (m_courant >= static_cast<int>(personnes->size()))
        m_courant = static_cast<int>(personnes->size()) - 1;
    Recalcule();
}

void TMdPersonnesACharge::DupliqueElement()
{
    auto* personnes = Personnes();
    if (!Courante())
        return;
    const TDeclarationRevenus::Personne copie = *Courante();
    personnes->insert(personnes->begin() + m_courant + 1, copie);
    ++m_courant;
    Recalcule();
}

void TMdPersonnesACharge::DeplaceElement(int from, int to)
{
    auto* personnes = Personnes();
    const int nombre = getNbElement();
    if (!personnes || from < 0 || from >= nombre || to < 0 || to >= nombre || from == to)
        return;
    const TDeclarationRevenus::Personne deplacee = (*personnes)[static_cast<std::size_t>(from)];
    personnes->erase(personnes->begin() + from);
    personnes->insert(personnes->begin() + to, deplacee);
    m_courant = to;
    Recalcule();
}

std::string TMdPersonnesACharge::getLibelleElement()
{
    const TDeclarationRevenus::Personne* personne = Courante();
    if (!personne)
        return std::string();
    std::string libelle = personne->prenom.empty() ? "(sans pr\xE9nom)" : personne->prenom;
    if (!personne->anneeNaissance.empty())
        libelle += " (" + personne->anneeNaissance + ")";
    return libelle;
}

int TMdPersonnesACharge::getNbElement()
{
    const auto* personnes = Personnes();
    return personnes ? static_cast<int>(personnes->size()) : 0;
}

void TMdPersonnesACharge::setIndexElement(int index)
{
    if (index >= 0 && index < getNbElement())
        m_courant = index;
}
