#include "view/TViewEcranVCL.h"

#include "controls/TControlController.h"
#include "controls/TControlDisplayInfo.h"
#include "controls/TDateController.h"
#include "controls/TdCCheckBox.h"
#include "controls/TdCcxEditDate.h"
#include "controls/TdControl.h"
#include "log/TFrameworkLogger.h"
#include "presenter/THostGuard.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrEcranVCL.h"

#include "TSingletonCouleur.h"
#include "kelassert.h"
#include "qlettre.h"

#include "Accessibility.h"
#include "Cp1252.h"
#include "Mnemonic.h"
#include "TCustomLabel.h"
#include "TCustomMemo.h"
#include "TEdit.h"
#include "TWinControl.h"
#include "TcxCheckBox.h"
#include "TcxComboBox.h"
#include "TcxEditDate.h"
#include "TcxEditNum.h"
#include "TcxEditStr.h"
#include "TcxRadioButton.h"

#include <log4cxx/level.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QWidget>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace {

void Trace(const char* message)
{
    FrameworkLog(log4cxx::Level::getInfo(), message, "");
}

// The record that applies to a control of screen `idRessource`: the first for that screen and
// either that control or the whole screen, else the end record.
const HelpId* HelpForControl(const HelpId* table, long idRessource, int lettrage)
{
    const HelpId* record = table;
    while (record->idRessource != -1 && !(record->idRessource == idRessource &&
                                          (record->lettrage == lettrage || record->lettrage == 0)))
        ++record;
    return record;
}

// The record that gives the view its own help context: the first whole-screen record of the
// table, whatever its screen, else the end record.
const HelpId* HelpForScreen(const HelpId* table)
{
    const HelpId* record = table;
    while (record->idRessource != -1 && record->lettrage != 0)
        ++record;
    return record;
}

} // namespace

TViewEcranVCL::TViewEcranVCL(TComponent* owner, TPrEcranVCL* presenter)
    : TView(owner), m_Couleurs(TSingletonCouleur::GetInstance()), m_Presenter(presenter)
{
    Trace("--TViewEcranVCL::TViewEcranVCL()");
    ListeControl.clear();
    ListeControlController.clear();

    SetLeft(0);
    SetTop(0);
    if (auto* panel = dynamic_cast<TWinControl*>(owner))
        SetParent(panel);
    // Hidden until its presenter shows it.
    SetVisible(false);

    InitConfigcolors(*m_Couleurs);
}

void TViewEcranVCL::InitView()
{
    if (m_initialised)
        return;
    m_initialised = true;
    InitCouleurs();
    // Every step below works on the controls the host registers here.
    InitControls();
    ChangeLettrageEcran();
    InitComplexData();
    SetOnChangeControl();
    CreeLettrageEcranLie();
    NommeControles();
}

TViewEcranVCL::~TViewEcranVCL()
{
    Trace("--TViewEcranVCL::~TViewEcranVCL()");
    m_destroying = true;

    ControlList controls;
    controls.swap(ListeControl);
    for (TdControl* control : controls)
        delete control;

    ControllerList controllers;
    controllers.swap(ListeControlController);
    for (TControlController* controller : controllers)
        delete controller;

    FreeLetterLists();

    // The host's widgets go now, while this class still answers their change handlers (and
    // ignores them), rather than later in QWidget's destructor.
    while (QWidget* child = findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        delete child;
}

void TViewEcranVCL::FreeLetterLists()
{
    if (ListeLettre)
        LibereLettre(&ListeLettre);
    ListeLettre = nullptr;
    if (ListeLettreStatic)
        LibereLettre(&ListeLettreStatic);
    ListeLettreStatic = nullptr;
}

void TViewEcranVCL::setListeLettre(structLettre* liste)
{
    if (liste == ListeLettre)
        return;
    if (ListeLettre)
        LibereLettre(&ListeLettre);
    ListeLettre = liste;
}

void TViewEcranVCL::setListeLettreStatic(structLettre* liste)
{
    if (liste == ListeLettreStatic)
        return;
    if (ListeLettreStatic)
        LibereLettre(&ListeLettreStatic);
    ListeLettreStatic = liste;
}

void TViewEcranVCL::AjouteControl(TdControl* control)
{
    if (!control)
        return;
    char line[kFrameworkLogLineSize];
    FrameworkLog(log4cxx::Level::getInfo(),
                 FormatLogLine(line, sizeof line, "--TViewEcranVCL::AjouteControl() lettrage: %d",
                               control->m_lettrage),
                 "");
    control->SetIdValue();
    ListeControl.push_front(control);
}

void TViewEcranVCL::AssocieLibelle(TCustomLabel* libelle, TComponent* champ)
{
    if (champ)
        m_libelles[champ] = libelle;
}

void TViewEcranVCL::setTitreEcran(const std::string& titre)
{
    Accessibility::SetName(this, Cp1252::toQString(titre));
}

std::string TViewEcranVCL::LibelleDe(const TComponent* champ) const
{
    const auto* widget = dynamic_cast<const QWidget*>(champ);
    if (!widget)
        return {};
    for (const TCustomLabel* libelle : findChildren<TCustomLabel*>()) {
        if (libelle->buddy() == widget)
            return libelle->GetText();
    }
    const auto paired = m_libelles.find(champ);
    if (paired != m_libelles.end() && paired->second)
        return paired->second->GetText();
    return {};
}

void TViewEcranVCL::NommeControles()
{
    // A name the host gave itself is kept.
    const auto sansNom = [](TComponent* champ) -> QWidget* {
        auto* widget = dynamic_cast<QWidget*>(champ);
        return widget && widget->accessibleName().isEmpty() ? widget : nullptr;
    };
    std::set<const TComponent*> nommes;
    for (TControlController* controller : ListeControlController) {
        auto* date = dynamic_cast<TDateController*>(controller);
        if (!date)
            continue;
        const std::pair<TComponent*, const char*> parties[] = {{date->get_dayControl(), "jour"},
                                                               {date->get_monthControl(), "mois"},
                                                               {date->get_yearControl(), "ann\xE9"
                                                                                         "e"}};
        QString legende;
        for (const auto& [champ, partie] : parties) {
            if (legende.isEmpty() && champ)
                legende = Accessibility::NameFromCaption(Cp1252::toQString(LibelleDe(champ)));
        }
        // "Date de naissance (jour / mois / année)" names the date; its parts follow.
        legende.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)$")));
        if (legende.isEmpty())
            continue;
        for (const auto& [champ, partie] : parties) {
            if (QWidget* widget = sansNom(champ))
                Accessibility::SetName(widget,
                                       legende + QStringLiteral(", ") + Cp1252::toQString(partie));
            nommes.insert(champ);
        }
    }
    for (TdControl* control : ListeControl) {
        QWidget* widget = sansNom(control->m_component);
        // A label is its own text.
        if (!widget || qobject_cast<QLabel*>(widget) || nommes.count(control->m_component))
            continue;
        const QString nom =
            Accessibility::NameFromCaption(Cp1252::toQString(LibelleDe(control->m_component)));
        if (!nom.isEmpty())
            Accessibility::SetName(widget, nom);
    }
}

void TViewEcranVCL::AjouteControlController(TControlController* controller)
{
    if (controller)
        ListeControlController.push_back(controller);
}

TViewEcranVCL::ControlList::iterator TViewEcranVCL::getControl(int lettrage)
{
    for (auto it = ListeControl.begin(); it != ListeControl.end(); ++it) {
        if ((*it)->m_lettrage == lettrage)
            return it;
    }
    return ListeControl.end();
}

TViewEcranVCL::ControlList::iterator TViewEcranVCL::getControl(TComponent* component)
{
    for (auto it = ListeControl.begin(); it != ListeControl.end(); ++it) {
        if ((*it)->m_component == component)
            return it;
    }
    return ListeControl.end();
}

TdControl* TViewEcranVCL::FindControl(int lettrage)
{
    const auto found = getControl(lettrage);
    return found == ListeControl.end() ? nullptr : *found;
}

TdControl* TViewEcranVCL::FindControl(TComponent* component)
{
    if (!component)
        return nullptr;
    const auto found = getControl(component);
    return found == ListeControl.end() ? nullptr : *found;
}

void TViewEcranVCL::LettrageVersEcran()
{
    Trace("--TViewEcranVCL::LettrageVersEcran()");
    for (TdControl* control : ListeControl)
        control->LettrageVersEcran(ListeLettre, ListeLettreStatic);
}

void TViewEcranVCL::EcranVersLettrage()
{
    Trace("--TViewEcranVCL::EcranVersLettrage()");
    for (TdControl* control : ListeControl)
        control->EcranVersLettrage(ListeLettre, ListeLettreStatic);
}

void TViewEcranVCL::UpdateSelection()
{
    Trace("--TViewEcranVCL::UpdateSelection()");
    for (TdControl* control : ListeControl) {
        if (auto* checkBox = dynamic_cast<TcxCheckBox*>(control->m_component)) {
            if (m_Presenter) {
                std::string caption = checkBox->GetText();
                m_Presenter->MajUnLibelle(caption);
                checkBox->SetText(caption);
            }
        }
        control->UpdateSelection(ListeLettre);
    }
}

void TViewEcranVCL::UpdateControl()
{
    Trace("--TViewEcranVCL::UpdateControl()");
    TPrBaseForm* form = m_Presenter ? dynamic_cast<TPrBaseForm*>(m_Presenter->getRoot()) : nullptr;
    for (TdControl* control : ListeControl) {
        TControlDisplayInfo* kept = nullptr;
        if (form) {
            const auto found = form->getControlDisplayInfo(control->m_lettrage);
            if (found != form->getControlDisplayInfoEnd())
                kept = *found;
        }
        TControlDisplayInfo* info = kept;
        // A record the control made is kept even when its refresh throws half-way.
        const auto keep = qScopeGuard([&] {
            if (!info || info == kept)
                return;
            if (form) {
                form->AddControlDisplayInfo(info);
            } else {
                // Nobody keeps display states without a wizard form presenter.
                if (control->m_displayInfo == info)
                    control->m_displayInfo = nullptr;
                delete info;
            }
        });
        control->Update(info);
    }
}

void TViewEcranVCL::SaveControlDisplay()
{
    Trace("--TViewEcranVCL::SaveControlDisplay()");
    // The wizard form presenter keeps the states; without it there is nowhere to save them.
    TPrBaseForm* form = m_Presenter ? dynamic_cast<TPrBaseForm*>(m_Presenter->getRoot()) : nullptr;
    if (!form)
        return;
    for (TdControl* control : ListeControl) {
        const auto found = form->getControlDisplayInfo(control->m_lettrage);
        if (found != form->getControlDisplayInfoEnd() && control->m_refreshEnabled)
            control->SaveControlDisplay(*found);
    }
}

void TViewEcranVCL::Update()
{
    UpdateControl();
    LettrageVersEcran();
    UpdateSelection();
}

void TViewEcranVCL::setFilter(int filter)
{
    Trace("--TViewEcranVCL::setFilter()");
    for (TdControl* control : ListeControl)
        control->setFilter(filter);
}

void TViewEcranVCL::Perform() {}

void TViewEcranVCL::setGeometry(TControl*) {}

void TViewEcranVCL::SetOnChangeControl() {}

void TViewEcranVCL::InitComplexData() {}

// The road of a keystroke: what the presenter, the model or the host throw stops here.
void TViewEcranVCL::OnChangeControl(TObject* sender)
{
    if (m_destroying || !m_Presenter)
        return;
    // Host screens attach this handler only to widgets of registered controls; a change from
    // any other widget still reaches the presenter, so that no entry is lost.
    TdControl* control = FindControl(dynamic_cast<TComponent*>(sender));
    // The presenter refreshes every control from the letters: not the one being typed into,
    // also when the road ends on an error. The gate opens again whichever way it ends.
    const bool refreshEnabled = control ? control->m_refreshEnabled : true;
    if (control)
        control->m_refreshEnabled = false;
    const QPointer<QObject> alive(this);
    const auto reopen = qScopeGuard([&] {
        if (control && alive)
            control->m_refreshEnabled = refreshEnabled;
    });
    THostGuard::Run("--TViewEcranVCL::OnChangeControl()", m_Presenter,
                    [this] { m_Presenter->OnChange(); });
}

// The road of a change in a checked field: the change, then the cross-field checks, which may
// ask the user (date controller messages) and store the screen.
void TViewEcranVCL::OnControlControl(TObject* sender)
{
    if (m_destroying)
        return;
    Trace("--TViewEcranVCL::OnControlControl()");
    THostGuard::Run("--TViewEcranVCL::OnControlControl()", m_Presenter, [this, sender] {
        const QPointer<QObject> alive(this);
        OnChangeControl(sender);
        if (!alive || !m_Presenter)
            return;
        auto* component = dynamic_cast<TComponent*>(sender);
        const ControllerList controllers = ListeControlController;
        for (TControlController* controller : controllers) {
            // A controller that completed a field changed the screen: store it.
            if (controller->isContain(component) && controller->Control()) {
                m_Presenter->SaveData();
                if (!alive)
                    return;
            }
        }
    });
}

bool TViewEcranVCL::Attach(TComponent* widget, void (TViewEcranVCL::*handler)(TObject*))
{
    const QPointer<TViewEcranVCL> view(this);
    const TNotifyEvent event = [view, handler](TObject* sender) {
        if (view)
            (view.data()->*handler)(sender);
    };
    if (auto* edit = dynamic_cast<TEdit*>(widget))
        edit->OnChange = event;
    else if (auto* memo = dynamic_cast<TCustomMemo*>(widget))
        memo->OnChange = event;
    else if (auto* field = dynamic_cast<TcxStaticOrEdit*>(widget))
        field->OnChange = event;
    else if (auto* checkBox = dynamic_cast<TcxCheckBox*>(widget))
        checkBox->OnChange = event;
    else if (auto* radio = dynamic_cast<TcxRadioButton*>(widget))
        radio->OnChange = event;
    else if (auto* combo = dynamic_cast<TcxComboBox*>(widget))
        combo->OnChange = event;
    else
        return false;
    return true;
}

bool TViewEcranVCL::AttachOnChangeControl(TComponent* widget)
{
    return Attach(widget, &TViewEcranVCL::OnChangeControl);
}

bool TViewEcranVCL::AttachOnControlControl(TComponent* widget)
{
    return Attach(widget, &TViewEcranVCL::OnControlControl);
}

void TViewEcranVCL::AttachOnChangeControls()
{
    for (TdControl* control : ListeControl) {
        TComponent* widget = control->m_component;
        const bool checked =
            std::any_of(ListeControlController.begin(), ListeControlController.end(),
                        [widget](TControlController* c) { return c->isContain(widget); });
        if (checked)
            AttachOnControlControl(widget);
        else
            AttachOnChangeControl(widget);
    }
}

void TViewEcranVCL::SetControlFocus(int lettrage)
{
    Trace("--TViewEcranVCL::SetControlFocus()");
    TdControl* control = FindControl(lettrage);
    if (!control)
        return;
    auto* widget = dynamic_cast<TWinControl*>(control->m_component);
    if (widget && widget->CanFocus() && widget->GetEnabled())
        widget->SetFocus();
}

void TViewEcranVCL::SetControlHelpContext(long idRessource)
{
    Trace("--TViewEcranVCL::SetControlHelpContext()");
    const HelpId* table = m_Presenter ? m_Presenter->getHelpData() : nullptr;
    if (!table)
        return;
    for (TdControl* control : ListeControl)
        control->SetHelpContext(
            HelpForControl(table, idRessource, control->m_lettrage)->helpContext);

    const short screenHelp = HelpForScreen(table)->helpContext;
    SetHelpContext(screenHelp);
    if (TPrComposite* root = m_Presenter->getRoot())
        root->setHelpContext(screenHelp);
}

void TViewEcranVCL::ChangeLettrageEcran()
{
    KEL_ASSERT(m_Presenter).add_val("message", "La vue n'a pas de presenter associ\xE9").error();
    if (!m_Presenter)
        return;
    const std::multimap<int, int> changed = m_Presenter->getChangedLettrage();
    const int typeEcran = m_Presenter->getTypeEcran();
    if (changed.empty() || typeEcran == 0)
        return;

    // Letter by letter, in list order: the control that getControl finds for the code (the
    // last registered one) takes the new code, so a later letter may renumber it again.
    for (structLettre* lettre = VaPremiereLettre(ListeLettre); !FinListeLettre(lettre);
         lettre = VaLettreSuivante(lettre)) {
        const int code = lettre->lettrage;
        const auto [first, last] = changed.equal_range(code);
        if (first == last)
            continue;
        auto entry = first;
        // A repeated screen of type 2 takes the second replacement of the code; a code with a
        // single replacement then keeps its number.
        if (typeEcran == 2)
            ++entry;
        if (entry == last)
            continue;
        const int nouveau = entry->second;
        if (TdControl* control = FindControl(code))
            control->m_lettrage = nouveau;
        lettre->lettrage = static_cast<short>(nouveau);
    }
}

void TViewEcranVCL::CreeLettrageEcranLie()
{
    Trace("--TViewEcranVCL::CreeLettrageEcranLie()");
    if (!m_Presenter)
        return;
    for (TdControl* control : ListeControl) {
        const auto lettrage = static_cast<short>(control->m_lettrage);
        control->m_lettrageCalcul = m_Presenter->getIdValeurSaisie(lettrage);
        control->m_lettrageActivation = m_Presenter->getIdEtatEdit(lettrage);
        if (control->m_lettrageCalcul != -1)
            AjouteLettre(&ListeLettre, static_cast<short>(control->m_lettrageCalcul), 0, 0, 0, 1,
                         0);
        if (control->m_lettrageActivation != -1)
            AjouteLettre(&ListeLettre, static_cast<short>(control->m_lettrageActivation), 0, 0, 0,
                         1, 0);
    }
}

void TViewEcranVCL::SetCheckBoxMode(TComponent* component, char mode)
{
    if (auto* checkBox = dynamic_cast<TdCCheckBox*>(FindControl(component)))
        checkBox->SetOuiNon(mode);
}

namespace {

// The colour the parent paints its background with; a field without a parent control sits on
// a form's face.
TColor ParentBrushColor(const TControl* control)
{
    const TWinControl* parent = control->GetParent();
    return parent ? parent->GetColor() : clBtnFace;
}

// The result look in the disabled state, and in the normal state too when `normalToo`.
void ApplyResultLook(TcxStaticOrEdit* edit, bool normalToo)
{
    const TColor background = ParentBrushColor(edit);
    TcxEditStyle normal = edit->GetStyle();
    // A disabled result keeps the text colour of an enabled one instead of greying out.
    const TColor textColor = normal.TextColor != clDefault ? normal.TextColor : clWindowText;

    TcxEditStyle disabled = edit->GetStyleDisabled();
    disabled.SetBorderStyle(ebsNone);
    disabled.Color = background;
    disabled.TextColor = textColor;
    edit->SetStyleDisabled(disabled);

    if (normalToo) {
        normal.SetBorderStyle(ebsNone);
        normal.Color = background;
        edit->SetStyle(normal);
    }
}

} // namespace

void TViewEcranVCL::ApplyResultStyle(TcxEditNum* edit)
{
    if (edit)
        ApplyResultLook(edit, true);
}

void TViewEcranVCL::ApplyResultStyle(TcxEditStr* edit)
{
    if (edit)
        ApplyResultLook(edit, true);
}

void TViewEcranVCL::ApplyEditableResultStyle(TcxEditNum* edit)
{
    if (edit)
        ApplyResultLook(edit, false);
}

namespace {

// The registered controls' widgets that are enabled, shown and take typing, in tab order.
std::vector<QWidget*> TypingWidgets(QWidget* view, const std::list<TdControl*>& controls)
{
    std::set<QWidget*> bound;
    for (TdControl* control : controls)
        if (auto* widget = dynamic_cast<QWidget*>(control->m_component))
            bound.insert(widget);
    std::vector<QWidget*> ordered;
    for (QWidget* widget = view->nextInFocusChain(); widget && widget != view;
         widget = widget->nextInFocusChain()) {
        if (!bound.count(widget) || !view->isAncestorOf(widget))
            continue;
        if (!widget->isEnabled() || !widget->isVisibleTo(view) ||
            !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        if (auto* line = qobject_cast<QLineEdit*>(widget); line && line->isReadOnly())
            continue;
        if (auto* text = qobject_cast<QPlainTextEdit*>(widget); text && text->isReadOnly())
            continue;
        ordered.push_back(widget);
    }
    return ordered;
}

// Captions with an Alt letter under `root`, skipping `skipped` and what it holds. Hidden
// widgets and menus (whose letters work only while they are open) take no Alt letter.
void CollectCaptions(const QWidget* root, const QWidget* skipped,
                     std::vector<std::pair<QChar, QString>>& captions)
{
    const auto add = [&captions](const QString& qtText) {
        const QChar key = Mnemonic::KeyOf(qtText);
        if (!key.isNull())
            captions.emplace_back(key, qtText);
    };
    for (const QWidget* widget : root->findChildren<const QWidget*>()) {
        if (skipped && (widget == skipped || skipped->isAncestorOf(widget)))
            continue;
        if (widget->isWindow() || !widget->isVisibleTo(widget->window()))
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add(button->text());
        else if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy())
            add(label->text());
    }
}

} // namespace

bool TViewEcranVCL::FocusFirstControl()
{
    const std::vector<QWidget*> widgets = TypingWidgets(this, ListeControl);
    if (widgets.empty())
        return false;
    widgets.front()->setFocus(Qt::TabFocusReason);
    return true;
}

TdControl* TViewEcranVCL::FindIncompleteDate()
{
    // Only a field the user can complete counts: asking for a disabled one would block.
    for (TdControl* control : ListeControl) {
        auto* date = dynamic_cast<TcxEditDate*>(control->m_component);
        if (!date || !dynamic_cast<TdCcxEditDate*>(control) || !date->GetActivated() ||
            !date->isEnabled())
            continue;
        if (TdCcxEditDate::IsPartlyTyped(date->GetText()))
            return control;
    }
    return nullptr;
}

std::vector<std::string> TViewEcranVCL::MnemonicClashes() const
{
    std::vector<std::pair<QChar, QString>> screen;
    CollectCaptions(this, nullptr, screen);
    std::vector<std::pair<QChar, QString>> others;
    CollectCaptions(window(), this, others);
    std::vector<std::string> clashes;
    for (const auto& [key, caption] : screen) {
        for (const auto& [otherKey, other] : others) {
            if (key != otherKey)
                continue;
            clashes.push_back(Cp1252::fromQString(
                QStringLiteral("Alt+%1 : \"%2\" et \"%3\"").arg(QString(key), caption, other)));
            break;
        }
    }
    return clashes;
}
