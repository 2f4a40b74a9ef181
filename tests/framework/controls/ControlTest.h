#pragma once

// Fixture of the data-bound control tests: real widgets on a panel, the screen's two letter
// lists, and the framework trace captured. Qt's lazily built singletons (those of the first
// edit and the first key press) are created before the leak checks start counting.

#include "LogCapture.h"
#include "QtLeakCheck.h"

#include "TPanel.h"
#include "qlettre.h"

#include <string>
#include <vector>

class ControlTest : public QtLeakCheckedTest
{
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Adds a letter to the main list (or the static one) with a value (null: none).
    structLettre* Add(short lettrage, const char* valeur, short select = 1);
    structLettre* AddStatic(short lettrage, const char* valeur);

    // The trace lines of the data-bound controls.
    std::vector<std::string> Lines() const { return m_log.messages(); }

    static std::string Value(const structLettre* lettre)
    {
        return lettre && lettre->valeur ? lettre->valeur : "(null)";
    }

    structLettre* m_liste = nullptr;
    structLettre* m_listeStatic = nullptr;
    TPanel* m_panel = nullptr; // the form the widgets live on, deleted after each test
    LogCapture m_log;
};
