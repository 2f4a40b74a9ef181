#pragma once

// A list data source for the list control tests: its lines are given as tables of column
// texts, and it counts the cursor calls. A column missing from a line is one the line does not
// have (GetDonneeComp answers false).

#include "model/TComplexData.h"

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

class TableComplexData : public TComplexData
{
public:
    using Line = std::map<int, std::string>;

    explicit TableComplexData(std::vector<Line> table = {}) : lines(std::move(table)) {}

    bool BeginDonneeComp(int numListe) override
    {
        ++begins;
        lastList = numListe;
        m_current = 0;
        return m_current < lines.size();
    }
    bool NextDonneeComp(int numListe) override
    {
        lastList = numListe;
        if (m_current < lines.size())
            ++m_current;
        return m_current < lines.size();
    }
    bool GetDonneeComp(int numListe, int colonne, std::string& texte) override
    {
        lastList = numListe;
        if (m_current >= lines.size())
            return false;
        const auto found = lines[m_current].find(colonne);
        if (found == lines[m_current].end())
            return false;
        texte = found->second;
        return true;
    }

    int begins = 0;
    int lastList = 0;

    std::vector<Line> lines;

private:
    std::size_t m_current = 0;
};
