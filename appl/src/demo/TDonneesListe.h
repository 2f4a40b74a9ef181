#pragma once

// The list data of the sample's combo boxes, list box and tree lists: the lines are asked of a
// source function each time the list is filled, so that the list always shows the
// declaration as it stands. A line answers for the columns it holds (see TComplexData for the
// numbering) and for no other.

#include "model/TComplexData.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class TDonneesListe : public TComplexData
{
public:
    // Column number -> text.
    using Ligne = std::map<int, std::string>;
    using Source = std::function<std::vector<Ligne>()>;

    explicit TDonneesListe(Source source = Source());
    // A fixed list of codes and labels, as combo boxes read them (column 0 the code, column 1
    // the label).
    static TDonneesListe* Codes(const std::vector<std::pair<int, std::string>>& codes);

    TDonneesListe(const TDonneesListe&) = default;
    TDonneesListe& operator=(const TDonneesListe&) = default;
    ~TDonneesListe() override;
    // Same lines read so far and same cursor (the source functions cannot be compared).
    bool operator==(const TDonneesListe& other) const;

    bool BeginDonneeComp(int numListe) override;
    bool NextDonneeComp(int numListe) override;
    bool GetDonneeComp(int numListe, int colonne, std::string& texte) override;

private:
    Source m_source;
    std::vector<Ligne> m_lignes;
    std::size_t m_courante = 0;
};
