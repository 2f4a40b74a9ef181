#include "TDonneesListe.h"

#include <utility>

TDonneesListe::TDonneesListe(Source source) : m_source(std::move(source)) {}

TDonneesListe* TDonneesListe::Codes(const std::vector<std::pair<int, std::string>>& codes)
{
    return new TDonneesListe([codes] {
        std::vector<Ligne> lignes;
        for (const auto& [code, libelle] : codes)
            lignes.push_back({{0, std::to_string(code)}, {1, libelle}});
        return lignes;
    });
}

TDonneesListe::~TDonneesListe() = default;

bool TDonneesListe::operator==(const TDonneesListe& other) const
{
    return m_lignes == other.m_lignes && m_courante == other.m_courante;
}

bool TDonneesListe::BeginDonneeComp(int /*numListe*/)
{
    m_lignes = m_source ? m_source() : std::vector<Ligne>();
    m_courante = 0;
    return !m_lignes.empty();
}

bool TDonneesListe::NextDonneeComp(int /*numListe*/)
{
    if (m_courante < m_lignes.size())
        ++m_courante;
    return m_courante < m_lignes.size();
}

bool TDonneesListe::GetDonneeComp(int /*numListe*/, int colonne, std::string& texte)
{
    if (m_courante >= m_lignes.size())
        return false;
    const auto found = m_lignes[m_courante].find(colonne);
    if (found == m_lignes[m_courante].end())
        return false;
    texte = found->second;
    return true;
}
