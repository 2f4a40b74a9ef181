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

    TableComplexData() = default;
    explicit TableComplexData(std::vector<Line> lines) : m_lines(std::move(lines)) {}

    bool BeginDonneeComp(int numListe) override
    {
        ++begins;
        lastList = numListe;
        m_current = 0;
        return m_current < m_lines.size();
    }
    bool NextDonneeComp(int numListe) override
    {
        lastList = numListe;
        if (m_current < m_lines.size())
            ++m_current;
        return m_current < m_lines.size();
    }
    bool GetDonneeComp(int numListe, int colonne, std::string& texte) override
    {
        lastList = numListe;
        if (m_current >= m_lines.size())
            return false;
        const auto found = m_lines[m_current].find(colonne);
        if (found == m_lines[m_current].end())
            return false;
        texte = found->second;
        return true;
    }

    std::vector<Line>& lines() { return m_lines; }

    int begins = 0;
    int lastList = 0;

private:
    std::vector<Line> m_lines;
    std::size_t m_current = 0;
};
