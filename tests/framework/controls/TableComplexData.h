#pragma once

// A list data source for the list control tests: its lines are given as tables of column
// texts, and it counts the starts of a walk. A column missing from a line is one the line does
// not have (GetDonneeComp answers false).

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
        return !lines.empty();
    }
    bool NextDonneeComp(int) override { return ++m_current < lines.size(); }
    bool GetDonneeComp(int, int colonne, std::string& texte) override
    {
        if (m_current >= lines.size() || lines[m_current].count(colonne) == 0)
            return false;
        texte = lines[m_current].at(colonne);
        return true;
    }

    int begins = 0;
    int lastList = 0;
    std::vector<Line> lines;

private:
    std::size_t m_current = 0;
};
