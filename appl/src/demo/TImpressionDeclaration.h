#pragma once

// The printed declaration: a PDF file made through Qt's printing (QPrinter to a PDF file),
// with every screen's fields as the user filled them, the dependants and the computed tax.

#include <string>

class TModeleRevenus;

class TImpressionDeclaration
{
public:
    TImpressionDeclaration() = default;
    TImpressionDeclaration(const TImpressionDeclaration&) = default;
    TImpressionDeclaration& operator=(const TImpressionDeclaration&) = default;
    bool operator==(const TImpressionDeclaration&) const = default;

    // Prints the declaration of `modele` to the PDF file `chemin` (UTF-8). False, writing
    // nothing, when the folder does not exist or cannot be written, or when the file could not
    // be made.
    bool Imprime(const TModeleRevenus& modele, const std::string& chemin) const;

    // The document printed, as HTML (Qt's rich text subset).
    static std::string Html(const TModeleRevenus& modele);
};
