#include "TImpressionDeclaration.h"

#include "Revenus.h"
#include "TCalculImpot.h"
#include "TModeleRevenus.h"

#include "controls/TdCcxEditNum.h"

#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QString>
#include <QTextDocument>

#include <cstdlib>

using namespace revenus;

namespace {

using Genre = TDeclarationRevenus::Genre;

struct Section
{
    int ecran;
    const char* titre;
};

constexpr Section kSections[] = {
    {kEcranDeclarant, "D\xE9"
                      "clarant"},
    {kEcranAdresse, "Adresse et contact"},
    {kEcranSituation, "Situation du foyer"},
    {kEcranSalaires, "Traitements et salaires"},
    {kEcranFoncier, "Revenus fonciers"},
    {kEcranBiens, "Biens lou\xE9s"},
    {kEcranCharges, "Dons et emploi \xE0 domicile"},
    {kEcranRecapitulatif, "Calcul de l'imp\xF4t"},
    {kEcranSignature, "Signature"},
};

QString EnHtml(const std::string& texte)
{
    return Cp1252::toQString(texte)
        .toHtmlEscaped()
        .replace(QLatin1String("\r\n"), "<br>")
        .replace(QLatin1Char('\n'), QLatin1String("<br>"));
}

// A field as a reader of the printed declaration expects it.
std::string Rendu(const TModeleRevenus& modele, const TDeclarationRevenus::Champ& champ)
{
    const TDeclarationRevenus& d = modele.Declaration();
    switch (champ.genre) {
    case Genre::Montant:
        return TCalculImpot::Euros(d.Montant(champ.lettrage));
    case Genre::Calcule:
        if (champ.lettrage == kTauxMoyen)
            return TCalculImpot::Nombre(modele.Resultat().tauxMoyen, 1) + " %";
        if (champ.lettrage == kAvantages)
            return modele.ValeurLettre(champ.lettrage);
        return TCalculImpot::Euros(
            TdCcxEditNum::ReadAmount(modele.ValeurLettre(champ.lettrage).c_str()));
    case Genre::Etat:
        return d.Code(champ.lettrage) == 2 ? "Oui" : "Non";
    case Genre::Code:
        if (champ.lettrage == kSituationFamille) {
            static const char* const situations[] = {"Non indiqu\xE9"
                                                     "e",
                                                     "C\xE9libataire",
                                                     "Mari\xE9(e)",
                                                     "Pacs\xE9(e)",
                                                     "Divorc\xE9(e) ou s\xE9par\xE9(e)",
                                                     "Veuf ou veuve"};
            const int code = d.Code(champ.lettrage);
            return code >= 0 && code <= kVeuf ? situations[code] : situations[0];
        }
        if (champ.lettrage == kRegimeFoncier)
            return d.Code(champ.lettrage) == kRegimeReel ? "R\xE9gime r\xE9"
                                                           "el"
                                                         : "Micro-foncier";
        return d.Coche(champ.lettrage) ? "Oui" : "Non";
    case Genre::Texte:
        break;
    }
    return d.Valeur(champ.lettrage);
}

} // namespace

std::string TImpressionDeclaration::Html(const TModeleRevenus& modele)
{
    const TDeclarationRevenus& d = modele.Declaration();
    QString html =
        QStringLiteral("<html><body style=\"font-family: sans-serif; font-size: 10pt\">");
    html += "<h1>" +
            EnHtml("D\xE9"
                   "claration des revenus 2024") +
            "</h1>";
    html += "<p>" + EnHtml(d.Valeur(kPrenom) + " " + d.Valeur(kNom)) + "</p>";
    for (const Section& section : kSections) {
        if ((section.ecran == kEcranFoncier || section.ecran == kEcranBiens) &&
            !d.Coche(kRevenusFonciers))
            continue;
        html += "<h2>" + EnHtml(section.titre) + "</h2><table cellpadding=\"3\">";
        for (const TDeclarationRevenus::Champ& champ : TDeclarationRevenus::Champs()) {
            if (champ.ecran != section.ecran || champ.genre == Genre::Etat ||
                champ.lettrage == kSalaire1Prerempli || champ.lettrage == kSalaire2Prerempli)
                continue;
            std::string valeur = Rendu(modele, champ);
            if (champ.lettrage == kSalaire1 || champ.lettrage == kSalaire2)
                valeur = TCalculImpot::Euros(
                    champ.lettrage == kSalaire1
                        ? d.Salaire(kSalaire1, kSalaire1Prerempli, kSalaire1Etat)
                        : d.Salaire(kSalaire2, kSalaire2Prerempli, kSalaire2Etat));
            html += "<tr><td width=\"260\">" + EnHtml(champ.libelle) + "</td><td><b>" +
                    EnHtml(valeur) + "</b></td></tr>";
        }
        html += "</table>";
        if (section.ecran == kEcranSituation && d.Coche(kACharge)) {
            html += "<h3>" + EnHtml("Personnes \xE0 charge") + "</h3><ul>";
            for (const TDeclarationRevenus::Personne& personne : d.Personnes())
                html += "<li>" +
                        EnHtml(personne.prenom + ", n\xE9(e) en " + personne.anneeNaissance +
                               (personne.gardeAlternee ? ", r\xE9sidence altern\xE9"
                                                         "e"
                                                       : "")) +
                        "</li>";
            html += "</ul>";
        }
    }
    html += "<h2>" + EnHtml("R\xE9sultat") + "</h2><p>" +
            EnHtml(modele.ValeurLettre(kNombreParts) +
                   " - imp\xF4t net : " + TCalculImpot::Euros(modele.Resultat().impotNet) +
                   " - solde : " + TCalculImpot::Euros(modele.Resultat().solde)) +
            "</p></body></html>";
    return Cp1252::fromQString(html);
}

bool TImpressionDeclaration::Imprime(const TModeleRevenus& modele, const std::string& chemin) const
{
    const QString fichier = QString::fromUtf8(chemin.data(), static_cast<qsizetype>(chemin.size()));
    const QFileInfo info(fichier);
    const QFileInfo dossier(info.absolutePath());
    if (fichier.isEmpty() || info.isDir() || !dossier.isDir() || !dossier.isWritable())
        return false;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fichier);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("D\u00e9claration des revenus 2024"));
    printer.setCreator(QStringLiteral("wizard_demo"));

    QTextDocument document;
    document.setHtml(Cp1252::toQString(Html(modele)));
    QFile::remove(fichier);
    document.print(&printer);
    const QFileInfo resultat(fichier);
    return resultat.exists() && resultat.size() > 0;
}
