#pragma once

// The base of the sample's screens. A screen lays out its widgets in ConstruitEcran with the
// helpers below, which also wrap each widget that shows a letter in its data-bound control,
// register it, and remember the letter (in the main list, or in the static list for labels).
// The base then builds both letter lists, attaches every widget's change event to the change
// road, and gives each screen its title and colours.
//
// The fields of a cross-field check (a date in three fields) are checked when the user leaves
// one of them, not at every key: a year completes itself from two digits, which would get in
// the way of typing four.

#include "view/TViewEcranVCL.h"

#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

class QEvent;
class TLabel;
class TModeleRevenus;
class TcxCheckBox;
class TcxComboBox;
class TcxEditNum;
class TcxLabelTitle;
class TdCLabel;
class TdCcxKelLabel;
class TdCcxLabelTitle;

class TViewRevenus : public TViewEcranVCL
{
    Q_OBJECT

public:
    // How a widget's change reaches the presenter.
    enum class Reaction
    {
        Changement, // the change road (OnChangeControl)
        Controle,   // the change road, and the cross-field checks when the field is left
        Aucune      // shown only
    };

    // Layout, in pixels.
    static constexpr int kLargeur = 642;
    static constexpr int kMarge = 24;
    static constexpr int kColonneChamp = 270;
    static constexpr int kPas = 36;

    // `ecran` is the screen enumerator, `hauteur` the screen's client height. A screen is a
    // window: it is not copied (QWidget), and equality is identity (TViewEcranVCL).
    TViewRevenus(TComponent* owner, TPrEcranVCL* presenter, int ecran, int hauteur);
    ~TViewRevenus() override;

    // The colour of the wizard's screens.
    void InitCouleurs() override;
    // The title, the screen's own widgets (ConstruitEcran), then both letter lists.
    void InitControls() override;
    void SetOnChangeControl() override;
    // "Modify the declaration": every pre-filled amount of the screen becomes an entry.
    void Perform() override;

    int getEcran() const { return m_ecran; }
    TModeleRevenus* Modele() const;

    // The screen's title.
    TcxLabelTitle* LabelTitre = nullptr;

protected:
    // Lays out the screen's widgets and binds them (called once, from InitControls).
    virtual void ConstruitEcran() = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The top of row `rang` (0 is the first row under the title).
    static int Y(int rang) { return 60 + rang * kPas; }
    // A caption at the left of row `rang`.
    TLabel* Libelle(int rang, const std::string& texte, int x = kMarge, int largeur = 240);

    // Wraps `widget` in a new `Control` bound to `lettrage`, registers it and remembers the
    // letter; the widget's change event is attached as `reaction` says. Returns the widget.
    template <class Control, class Widget>
    Widget* Lie(Widget* widget, int lettrage, Reaction reaction = Reaction::Changement)
    {
        auto* control = new Control();
        control->m_lettrage = lettrage;
        control->m_component = widget;
        AjouteControl(control);
        constexpr bool statique = std::is_same_v<Control, TdCLabel> ||
                                  std::is_same_v<Control, TdCcxLabelTitle> ||
                                  std::is_same_v<Control, TdCcxKelLabel>;
        (statique ? m_lettresStatiques : m_lettres).push_back(lettrage);
        if constexpr (requires { widget->OnChange = TNotifyEvent(); }) {
            if (reaction != Reaction::Aucune)
                m_connexions.push_back([this, widget] {
                    widget->OnChange = [this](TObject* sender) { OnChangeControl(sender); };
                });
            if (reaction == Reaction::Controle)
                widget->installEventFilter(this);
        }
        return widget;
    }

    // Usual fields: an amount (whole euros), a computed amount with the look of a result, a
    // check box storing `mode`'s codes (see SetCheckBoxMode), a combo box over fixed codes.
    TcxEditNum* Montant(int lettrage, int rang, bool prerempli = false);
    TcxEditNum* Resultat(int lettrage, int rang);
    TcxCheckBox* Case(int lettrage, int rang, const std::string& texte, char mode);
    TcxComboBox* Liste(int lettrage, int rang, int largeur,
                       const std::vector<std::pair<int, std::string>>& codes);

private:
    int m_ecran;
    std::map<int, TLabel*> m_legendes; // the caption of each row, by row
    std::vector<int> m_lettres;
    std::vector<int> m_lettresStatiques;
    std::vector<std::function<void()>> m_connexions;
    bool m_controleEnCours = false;
};
