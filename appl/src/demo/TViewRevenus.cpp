#include "TViewRevenus.h"

#include "Revenus.h"
#include "TDonneesListe.h"
#include "TModeleRevenus.h"

#include "controls/TdCCheckBox.h"
#include "controls/TdCComboBox.h"
#include "controls/TdCcxEditNum.h"
#include "controls/TdControl.h"
#include "flow/TCinematicManagerAbstract.h"
#include "presenter/TPrEcranVCL.h"

#include "TLabel.h"
#include "TSingletonCouleur.h"
#include "TcxCheckBox.h"
#include "TcxComboBox.h"
#include "TcxEditNum.h"
#include "TcxLabelTitle.h"
#include "qlettre.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QScopedValueRollback>

TViewRevenus::TViewRevenus(TComponent* owner, TPrEcranVCL* presenter, int ecran, int hauteur)
    : TViewEcranVCL(owner, presenter), m_ecran(ecran)
{
    SetClientWidth(kLargeur);
    SetClientHeight(hauteur);
}

TViewRevenus::~TViewRevenus() = default;

TModeleRevenus* TViewRevenus::Modele() const
{
    return m_Presenter ? dynamic_cast<TModeleRevenus*>(m_Presenter->getModel()) : nullptr;
}

void TViewRevenus::InitCouleurs()
{
    SetColor(*m_Couleurs->getColors(couleurFondAssistant));
}

void TViewRevenus::InitControls()
{
    LabelTitre = new TcxLabelTitle(this);
    LabelTitre->SetBounds(kMarge, 16, kLargeur - 2 * kMarge, 28);
    std::string titre;
    if (m_Presenter && m_Presenter->getCinematicManager())
        m_Presenter->getCinematicManager()->GetTitleScreen(revenus::TitreEcran(m_ecran), titre);
    LabelTitre->SetText(titre);

    ConstruitEcran();
    // A field without a label of its own is named after the caption of its row.
    for (TdControl* control : getListeControl()) {
        auto* champ = dynamic_cast<QWidget*>(control->m_component);
        const int dy = champ ? champ->y() - Y(0) : -1;
        if (dy < 0 || dy % kPas != 0 || qobject_cast<QLabel*>(champ) ||
            qobject_cast<QAbstractButton*>(champ))
            continue;
        const auto legende = m_legendes.find(dy / kPas);
        if (legende != m_legendes.end())
            AssocieLibelle(legende->second, control->m_component);
    }

    structLettre* lettres = nullptr;
    for (int lettrage : m_lettres)
        AjouteLettre(&lettres, static_cast<short>(lettrage), 0, 0, 0, 1, 0);
    setListeLettre(lettres);
    structLettre* statiques = nullptr;
    for (int lettrage : m_lettresStatiques)
        AjouteLettre(&statiques, static_cast<short>(lettrage), 0, 0, 0, 1, 0);
    setListeLettreStatic(statiques);
}

void TViewRevenus::SetOnChangeControl()
{
    for (const std::function<void()>& connexion : m_connexions)
        connexion();
}

void TViewRevenus::Perform()
{
    TObject* modifie = nullptr;
    for (TdControl* control : getListeControl()) {
        auto* champ = dynamic_cast<TcxStaticOrEdit*>(control->m_component);
        if (champ && champ->Switchable && !champ->GetActivated() && champ->GetEnabled()) {
            champ->SetActivated(true);
            modifie = champ;
        }
    }
    // One change stores the edit state of every field.
    if (modifie)
        OnChangeControl(modifie);
}

bool TViewRevenus::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving a field of a cross-field check runs the check, unless the focus only went to a
    // message box or another window (the check's own message would start it again).
    if (event->type() == QEvent::FocusOut && !m_controleEnCours) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            const QScopedValueRollback<bool> enCours(m_controleEnCours, true);
            OnControlControl(TComponent::FromQObject(watched));
        }
    }
    return TViewEcranVCL::eventFilter(watched, event);
}

TLabel* TViewRevenus::Libelle(int rang, const std::string& texte, int x, int largeur)
{
    auto* libelle = new TLabel(this);
    libelle->SetAutoSize(false);
    libelle->SetText(texte);
    libelle->SetBounds(x, Y(rang) + 3, largeur, 20);
    if (x == kMarge)
        m_legendes[rang] = libelle;
    return libelle;
}

TcxEditNum* TViewRevenus::Montant(int lettrage, int rang, bool prerempli)
{
    auto* champ = new TcxEditNum(this);
    champ->SetDecimalPlaces(0);
    champ->SetBounds(kColonneChamp, Y(rang), 130, 24);
    champ->Switchable = prerempli;
    return Lie<TdCcxEditNum>(champ, lettrage);
}

TcxEditNum* TViewRevenus::Resultat(int lettrage, int rang)
{
    auto* champ = new TcxEditNum(this);
    champ->SetDecimalPlaces(0);
    champ->SetBounds(kColonneChamp, Y(rang), 130, 24);
    Lie<TdCcxEditNum>(champ, lettrage, Reaction::Aucune);
    ApplyResultStyle(champ);
    return champ;
}

TcxCheckBox* TViewRevenus::Case(int lettrage, int rang, const std::string& texte, char mode)
{
    auto* coche = new TcxCheckBox(this);
    coche->SetText(texte);
    coche->SetBounds(kMarge, Y(rang), kLargeur - 2 * kMarge, 24);
    Lie<TdCCheckBox>(coche, lettrage);
    SetCheckBoxMode(coche, mode);
    return coche;
}

TcxComboBox* TViewRevenus::Liste(int lettrage, int rang, int largeur,
                                 const std::vector<std::pair<int, std::string>>& codes)
{
    auto* liste = new TcxComboBox(this);
    liste->SetBounds(kColonneChamp, Y(rang), largeur, 24);
    Lie<TdCComboBox>(liste, lettrage);
    FindControl(liste)->m_complexData = TDonneesListe::Codes(codes);
    return liste;
}
