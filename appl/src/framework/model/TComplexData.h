#pragma once

// A list data source: a cursor over lines, each line answering for numbered columns with a
// text. List controls (combo box, list box, tree list) read their lines from one; a
// data-bound control owns the source attached to it.
//
// Cursor contract: the list number passed to the cursor operations is the lettrage of the
// reading control. BeginDonneeComp puts the cursor on the first line, NextDonneeComp on the
// next one; each answers whether there is such a line, and after a false answer no line is
// current. GetDonneeComp writes the text of a column of the current line and answers true,
// or answers false and leaves the text as it is for a column the line does not have.
// Columns: -4 initial expansion ("0" collapsed, any other number expanded), -3 node
// identifier, -2 level from 1, -1 filter code, 0 and up the displayed texts.

#include "wizard_framework_export.h"

#include <iosfwd>
#include <string>

class WIZARD_FRAMEWORK_EXPORT TComplexData
{
public:
    // Columns shared by every source and the list controls.
    static constexpr int kColumnExpand = -4;
    static constexpr int kColumnId = -3;
    static constexpr int kColumnNiveau = -2;
    static constexpr int kColumnFilter = -1;
    static constexpr int kColumnText = 0;

    TComplexData() = default;
    TComplexData(const TComplexData& other) = default;
    TComplexData& operator=(const TComplexData& other) = default;
    virtual ~TComplexData() = default;

    // No state at this level: any two sources compare equal here.
    bool operator==(const TComplexData&) const { return true; }

    virtual bool BeginDonneeComp(int numListe) = 0;
    virtual bool NextDonneeComp(int numListe) = 0;
    virtual bool GetDonneeComp(int numListe, int colonne, std::string& texte) = 0;
    // Converts in place a letter value (or a column-0 text) into the code a combo box keeps.
    virtual void getCode(std::stringstream&) {}
    // Converts in place a combo box code into the letter value to store.
    virtual void getLettrage(std::stringstream&) {}
};
