#include "TVisiteGuidee.h"

#include "Revenus.h"
#include "TCalculImpot.h"
#include "TDialoguePersonne.h"
#include "TFichierDeclaration.h"
#include "TModeleRevenus.h"
#include "TPrAssistantRevenus.h"
#include "TServicesRevenus.h"
#include "TViewAccueil.h"
#include "TViewAdresse.h"
#include "TViewBiensLoues.h"
#include "TViewCharges.h"
#include "TViewControles.h"
#include "TViewDeclarant.h"
#include "TViewPersonnesACharge.h"
#include "TViewRecapitulatif.h"
#include "TViewRevenusFonciers.h"
#include "TViewSalaires.h"
#include "TViewSignature.h"
#include "TViewSituation.h"

#include "flow/TCinematicManagerAbstract.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrEcranVCL.h"
#include "presenter/TPrManagementButtons.h"
#include "view/TViewManagementButtons.h"

#include "Accessibility.h"
#include "Cp1252.h"
#include "DesktopMetrics.h"
#include "DialogSeam.h"
#include "TAction.h"
#include "TEdit.h"
#include "TMemo.h"
#include "TcxCheckBox.h"
#include "TcxComboBox.h"
#include "TcxEditDate.h"
#include "TcxEditNum.h"
#include "TcxEditStr.h"
#include "TcxEditTel.h"
#include "TcxKelButton.h"
#include "TcxKelMemo.h"
#include "TcxRadioButton.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <ostream>
#include <system_error>

using namespace revenus;
using Answer = DialogSeam::Answer;

namespace {

// A tour that has not finished after this long has lost its way: it is abandoned.
constexpr int kDelaiMaximumMs = 120000;

std::string Utf8(const std::string& cp1252)
{
    return Cp1252::toUtf8(cp1252);
}

// A message on one line.
std::string SurUneLigne(std::string texte)
{
    for (char& c : texte) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    std::string resultat;
    for (char c : texte) {
        if (!(c == ' ' && !resultat.empty() && resultat.back() == ' '))
            resultat += c;
    }
    return resultat;
}

const char* Reponse(Answer answer)
{
    switch (answer) {
    case Answer::OK:
        return "OK";
    case Answer::Cancel:
        return "Annuler";
    case Answer::Yes:
        return "Oui";
    case Answer::No:
        return "Non";
    default:
        return "?";
    }
}

} // namespace

TVisiteGuidee::TVisiteGuidee(std::string dossier, std::ostream& sortie)
    : m_dossier(std::move(dossier)), m_sortie(sortie)
{}

TVisiteGuidee::TVisiteGuidee(const TVisiteGuidee& other)
    : m_dossier(other.m_dossier), m_sortie(other.m_sortie), m_bilan(other.m_bilan)
{}

TVisiteGuidee& TVisiteGuidee::operator=(const TVisiteGuidee& other)
{
    if (this != &other && !m_assistant) {
        m_dossier = other.m_dossier;
        m_bilan = other.m_bilan;
    }
    return *this;
}

TVisiteGuidee::~TVisiteGuidee() = default;

bool TVisiteGuidee::operator==(const TVisiteGuidee& other) const
{
    return m_dossier == other.m_dossier && m_bilan == other.m_bilan;
}

int TVisiteGuidee::EcranActif() const
{
    TPrAssistantRevenus* racine = m_assistant ? m_assistant->getRacine() : nullptr;
    return racine && racine->getCinematicManager()
               ? racine->getCinematicManager()->getEnumEcranActif()
               : -1;
}

TViewRevenus* TVisiteGuidee::Ecran() const
{
    TPrAssistantRevenus* racine = m_assistant ? m_assistant->getRacine() : nullptr;
    if (!racine)
        return nullptr;
    for (TPrComposite* fils : racine->getFils()) {
        if (auto* ecran = dynamic_cast<TPrEcranVCL*>(fils))
            return qobject_cast<TViewRevenus*>(ecran->getViewEcran());
    }
    return nullptr;
}

template <class Vue>
Vue* TVisiteGuidee::EcranDe(int ecran)
{
    Vue* vue = qobject_cast<Vue*>(Ecran());
    Attendu(EcranActif() == ecran && vue != nullptr, "l'\xE9"
                                                     "cran " +
                                                         std::to_string(ecran) + " est affich\xE9");
    return EcranActif() == ecran ? vue : nullptr;
}

TViewManagementButtons* TVisiteGuidee::Barre() const
{
    TPrAssistantRevenus* racine = m_assistant ? m_assistant->getRacine() : nullptr;
    if (!racine)
        return nullptr;
    for (TPrComposite* fils : racine->getFils()) {
        if (auto* boutons = dynamic_cast<TPrManagementButtons*>(fils))
            return qobject_cast<TViewManagementButtons*>(boutons->getView());
    }
    return nullptr;
}

QWidget* TVisiteGuidee::Fenetre() const
{
    TPrAssistantRevenus* racine = m_assistant ? m_assistant->getRacine() : nullptr;
    return racine ? racine->getView() : nullptr;
}

void TVisiteGuidee::Attendu(bool condition, const std::string& quoi)
{
    if (!condition) {
        m_bilan.echecs.push_back(quoi);
        m_sortie << "  ATTENDU : " << Utf8(quoi) << "\n";
    }
}

void TVisiteGuidee::Suivant()
{
    if (TViewManagementButtons* barre = Barre())
        barre->PB_SUIVANT->Click();
}

void TVisiteGuidee::Capture(const std::string& nom)
{
    QWidget* fenetre = Fenetre();
    if (!fenetre)
        return;
    QApplication::processEvents();
    const std::string chemin = (std::filesystem::path(m_dossier) / (nom + ".png")).string();
    const bool ecrite = fenetre->grab().save(QString::fromStdString(chemin), "PNG");
    Attendu(ecrite, "la capture " + nom +
                        ".png est \xE9"
                        "crite");
    if (!ecrite)
        return;
    m_bilan.captures.push_back(chemin);
    std::string titre;
    if (TPrAssistantRevenus* racine = m_assistant->getRacine())
        titre = racine->Titre();
    m_sortie << "  " << nom << ".png  " << Utf8(titre) << "\n";
}

void TVisiteGuidee::Tape(QWidget* champ, const QString& texte)
{
    if (!champ)
        return;
    champ->setFocus(Qt::TabFocusReason);
    for (const QChar c : texte) {
        const bool ligne = c == QLatin1Char('\n');
        int touche = Qt::Key_unknown;
        if (ligne)
            touche = Qt::Key_Return;
        else if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            touche = c.toUpper().unicode();
        const QString frappe = ligne ? QString(QLatin1Char('\r')) : QString(c);
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, frappe);
        QApplication::sendEvent(champ, &appui);
        QKeyEvent relache(QEvent::KeyRelease, touche, Qt::NoModifier, frappe);
        QApplication::sendEvent(champ, &relache);
    }
}

void TVisiteGuidee::Remplace(QWidget* champ, const QString& texte)
{
    if (!champ)
        return;
    champ->setFocus(Qt::TabFocusReason);
    if (auto* ligne = qobject_cast<QLineEdit*>(champ))
        ligne->selectAll();
    Tape(champ, texte);
}

void TVisiteGuidee::Touche(int touche, Qt::KeyboardModifiers modificateurs)
{
    // To whatever has the focus, through the shortcuts as a real key goes.
    QWidget* cible = QApplication::focusWidget();
    if (!cible)
        cible = QApplication::activeWindow();
    if (!cible)
        return;
    QTest::keyClick(cible, static_cast<Qt::Key>(touche), modificateurs);
    QApplication::processEvents();
}

void TVisiteGuidee::Mnemonique(int touche)
{
    AttendEffet([touche] { Touche(touche, Qt::AltModifier); });
}

void TVisiteGuidee::AttendEffet(const std::function<void()>& action)
{
    const int ecran = EcranActif();
    const std::size_t messages = m_bilan.messages.size();
    action();
    // A button pressed by its mnemonic shows itself pressed a moment before it clicks: the
    // tour waits for what the click does (another screen, a message, the window closed).
    for (QDeadlineTimer delai(2000); !delai.hasExpired();) {
        QWidget* fenetre = Fenetre();
        if (EcranActif() != ecran || m_bilan.messages.size() != messages || !fenetre ||
            !fenetre->isVisible())
            break;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

void TVisiteGuidee::TabVers(QWidget* champ)
{
    // As the window manager does when a dialog closes: the field's window is the active one.
    if (champ && QApplication::activeWindow() != champ->window()) {
        QApplication::setActiveWindow(champ->window());
        QApplication::processEvents();
    }
    for (int i = 0; champ && i < 60 && QApplication::focusWidget() != champ; ++i)
        Touche(Qt::Key_Tab);
    Attendu(champ && QApplication::focusWidget() == champ,
            "Tab atteint " +
                (champ ? champ->objectName().toStdString() + champ->metaObject()->className()
                       : std::string("?")));
}

void TVisiteGuidee::Frappe(const QString& texte)
{
    if (QWidget* cible = QApplication::focusWidget())
        QTest::keyClicks(cible, texte);
    QApplication::processEvents();
}

bool TVisiteGuidee::MarqueDuFocusVisible() const
{
    QWidget* fenetre = Fenetre();
    QWidget* focus = QApplication::focusWidget();
    if (!fenetre || !focus || focus->window() != fenetre)
        return false;
    const QImage image = fenetre->grab().toImage();
    const QRect cadre(focus->mapTo(fenetre, QPoint(0, 0)), focus->size());
    const QColor marque(QLatin1String(Accessibility::kFocusMarkColor));
    // The mark runs along the top edge of the widget.
    int points = 0;
    for (int x = cadre.left(); x <= cadre.right(); ++x) {
        for (int y = cadre.top(); y < cadre.top() + Accessibility::kFocusMarkWidth; ++y)
            points += image.pixelColor(x, y) == marque ? 1 : 0;
    }
    return points >= cadre.width();
}

void TVisiteGuidee::RemplitDialogue(const QString& prenom, const QString& annee, bool gardeAlternee)
{
    // Runs from the editor's own modal loop.
    QTimer::singleShot(0, m_contexte.get(), [this, prenom, annee, gardeAlternee] {
        TDialoguePersonne* dialogue = nullptr;
        for (QWidget* fenetre : QApplication::topLevelWidgets()) {
            if (auto* candidat = qobject_cast<TDialoguePersonne*>(fenetre);
                candidat && candidat->isVisible())
                dialogue = candidat;
        }
        Attendu(dialogue != nullptr, "l'\xE9"
                                     "diteur de personne \xE0 charge s'ouvre");
        if (!dialogue)
            return;
        Tape(dialogue->EditPrenom, prenom);
        Tape(dialogue->EditAnnee, annee);
        if (gardeAlternee)
            dialogue->CheckGardeAlternee->click();
        dialogue->ButtonOk->Click();
    });
}

DialogSeam::Answer TVisiteGuidee::Repond(const DialogSeam::Request& demande)
{
    const std::string texte = Cp1252::fromQString(demande.text);
    m_bilan.messages.push_back(texte);
    Answer reponse = DialogSeam::effectiveDefault(demande);
    const char* genre = "Information";
    if (demande.buttons == DialogSeam::Buttons::YesNo) {
        genre = "Avertissement";
        ++m_bilan.avertissements;
        reponse = Answer::No;
        if (!m_reponsesOuiNon.empty()) {
            reponse = m_reponsesOuiNon.front();
            m_reponsesOuiNon.erase(m_reponsesOuiNon.begin());
        }
    } else if (demande.icon == DialogSeam::Icon::Stop) {
        genre = "Erreur";
        ++m_bilan.erreurs;
    } else if (demande.buttons == DialogSeam::Buttons::OKCancel) {
        genre = "Question";
        reponse = Answer::OK;
    }
    m_sortie << "    [" << genre << "] " << Utf8(SurUneLigne(texte)) << " -> " << Reponse(reponse)
             << "\n";
    return reponse;
}

void TVisiteGuidee::Prochaine()
{
    if (m_etape >= m_etapes.size())
        return;
    QTimer::singleShot(0, m_contexte.get(), [this] {
        const Etape etape = m_etapes[m_etape++];
        etape();
        Prochaine();
    });
}

bool TVisiteGuidee::Execute(TAssistantRevenus::Options options, Mode mode)
{
    m_mode = mode;
    std::error_code ec;
    std::filesystem::create_directories(m_dossier, ec);
    options.fichierDeclaration =
        (std::filesystem::path(m_dossier) / "declaration-revenus-2024.txt").string();
    std::filesystem::remove(options.fichierDeclaration, ec);
    m_bilan = Bilan();
    m_bilan.fichierDeclaration = options.fichierDeclaration;
    m_bilan.fichierPdf =
        (std::filesystem::path(m_dossier) / "declaration-revenus-2024.pdf").string();
    std::filesystem::remove(m_bilan.fichierPdf, ec);

    m_sortie << "Visite guid\xC3\xA9"
                "e de l'assistant de d\xC3\xA9"
                "claration des revenus\n"
             << (mode == Mode::Clavier ? "Au clavier seulement\n" : "") << "Dossier : " << m_dossier
             << "\n";

    m_assistant = std::make_unique<TAssistantRevenus>(options);
    m_assistant->OuvreAuDemarrage();
    const std::string pdf = m_bilan.fichierPdf;
    m_assistant->getServices().choixFichier = [pdf](TServicesRevenus::Operation operation,
                                                    const std::string&) {
        return operation == TServicesRevenus::Operation::Imprimer ? pdf : std::string();
    };
    m_contexte = std::make_unique<QObject>();
    m_reponsesOuiNon.clear();
    m_etapes.clear();
    m_etape = 0;
    if (mode == Mode::Clavier)
        ProgrammeClavier();
    else
        Programme();

    // A wide desktop, so that the window has its navigation tree.
    SetDesktopSizeOverride(1280, 1024);
    DialogSeam::ScopedHandler dialogues(
        [this](const DialogSeam::Request& demande) { return Repond(demande); });
    QTimer garde;
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, m_contexte.get(), [this] {
        Attendu(false, "la visite se termine \xE0 temps");
        m_etapes.clear();
        // An editor left open would hold the wizard's modal loop.
        for (QWidget* fenetre : QApplication::topLevelWidgets()) {
            if (auto* dialogue = qobject_cast<TDialoguePersonne*>(fenetre))
                dialogue->SetModalResult(mrCancel);
        }
        TPrAssistantRevenus* racine = m_assistant->getRacine();
        if (QWidget* fenetre = Fenetre(); racine && fenetre) {
            for (TPrComposite* fils : racine->getFils()) {
                if (auto* boutons = dynamic_cast<TPrManagementButtons*>(fils))
                    boutons->Cancel();
            }
            fenetre->close();
        }
    });
    garde.start(kDelaiMaximumMs);
    Prochaine();
    m_bilan.issue = m_assistant->Execute();
    garde.stop();
    SetDesktopSizeOverride(0, 0);
    m_contexte.reset();

    Attendu(m_etape >= m_etapes.size(), "toutes les \xE9tapes de la visite ont eu lieu");
    Attendu(m_bilan.erreurs >= 1, "une erreur bloquante a \xE9t\xE9 rencontr\xE9"
                                  "e");
    Attendu(m_bilan.avertissements >= 1, "un avertissement a \xE9t\xE9 rencontr\xE9");
    m_bilan.declaration = m_assistant->getModele().Declaration();
    Rapport();
    m_assistant.reset();
    return m_bilan.Reussi();
}

void TVisiteGuidee::Rapport() const
{
    const TCalculImpot::Resultat& r = m_assistant->getModele().Resultat();
    m_sortie << "Issue : "
             << (m_bilan.issue.termine ? "assistant termin\xC3\xA9" : "assistant abandonn\xC3\xA9")
             << (m_bilan.issue.modifie ? ", d\xC3\xA9"
                                         "claration modifi\xC3\xA9"
                                         "e"
                                       : "")
             << " - " << Utf8(m_bilan.issue.message) << "\n"
             << "Imp\xC3\xB4t net : " << Utf8(TCalculImpot::Euros(r.impotNet))
             << " ; solde : " << Utf8(TCalculImpot::Euros(r.solde)) << "\n"
             << "Messages rencontr\xC3\xA9s : " << m_bilan.erreurs << " erreur(s), "
             << m_bilan.avertissements << " avertissement(s)\n";
    std::error_code ec;
    if (std::filesystem::exists(m_bilan.fichierPdf, ec))
        m_sortie << "D\xC3\xA9"
                    "claration imprim\xC3\xA9"
                    "e : "
                 << m_bilan.fichierPdf << "\n";
    m_sortie << "Captures : " << m_bilan.captures.size() << " images dans " << m_dossier << "\n"
             << (m_bilan.Reussi() ? "Visite r\xC3\xA9ussie."
                                  : "Visite en \xC3\xA9"
                                    "chec.")
             << std::endl;
}

void TVisiteGuidee::Programme()
{
    auto etape = [this](Etape e) { m_etapes.push_back(std::move(e)); };

    etape([this] {
        // The wizard's window takes the focus first, as on a desktop.
        if (QWidget* fenetre = Fenetre()) {
            QApplication::setActiveWindow(fenetre);
            QApplication::processEvents();
        }
        EcranDe<TViewAccueil>(kEcranAccueil);
        Capture("01-accueil");
        Suivant();
    });
    // The heading is passed over; leaving the declarant without a name is refused.
    etape([this] {
        EcranDe<TViewDeclarant>(kEcranDeclarant);
        const int erreurs = m_bilan.erreurs;
        Suivant();
        Attendu(m_bilan.erreurs == erreurs + 1 && EcranActif() == kEcranDeclarant,
                "un d\xE9"
                "clarant sans nom est refus\xE9");
    });
    etape([this] {
        auto* vue = EcranDe<TViewDeclarant>(kEcranDeclarant);
        if (!vue)
            return;
        Tape(vue->EditNom, QStringLiteral("Martin"));
        Tape(vue->EditPrenom, QStringLiteral("Claire"));
        Tape(vue->EditJour, QStringLiteral("14"));
        Tape(vue->EditMois, QStringLiteral("06"));
        // Two digits: the date controller completes the year when the field is left.
        Tape(vue->EditAnnee, QStringLiteral("85"));
        vue->ComboSituation->setFocus(Qt::TabFocusReason);
        Attendu(vue->EditAnnee->GetText() == "1985", "l'ann\xE9"
                                                     "e 85 devient 1985");
        vue->ComboSituation->setCurrentIndex(kMarie);
        Capture("02-declarant");
        Suivant();
    });
    etape([this] {
        auto* vue = EcranDe<TViewAdresse>(kEcranAdresse);
        if (!vue)
            return;
        Tape(vue->MemoAdresse, QStringLiteral("12 rue des Lilas\nR\u00e9sidence Les Tilleuls"));
        Tape(vue->EditCodePostal, QStringLiteral("69003"));
        Tape(vue->EditCommune, QStringLiteral("Lyon"));
        Tape(vue->EditTelephone, QStringLiteral("0478123456"));
        Capture("03-adresse");
        Suivant();
    });
    // Dependants and rental income bring their screens into the flow.
    etape([this] {
        auto* vue = EcranDe<TViewSituation>(kEcranSituation);
        if (!vue)
            return;
        vue->CheckACharge->click();
        vue->CheckFonciers->click();
        vue->RadioLocataire->click();
        Capture("04-situation");
        Suivant();
    });
    etape([this] {
        auto* vue = EcranDe<TViewPersonnesACharge>(kEcranPersonnes);
        if (!vue)
            return;
        RemplitDialogue(QStringLiteral("L\u00e9a"), QStringLiteral("2016"), false);
        vue->ACT_Ajouter->Execute();
    });
    etape([this] {
        auto* vue = EcranDe<TViewPersonnesACharge>(kEcranPersonnes);
        if (!vue)
            return;
        RemplitDialogue(QStringLiteral("Hugo"), QStringLiteral("2019"), true);
        vue->ACT_Ajouter->Execute();
        Attendu(m_assistant->getModele().Declaration().Personnes().size() == 2,
                "deux personnes \xE0 charge sont saisies");
        Capture("05-personnes-a-charge");
        Suivant();
    });
    // The pre-filled salary is corrected; actual expenses too high ask whether to change
    // them: yes, and they are changed.
    etape([this] {
        auto* vue = EcranDe<TViewSalaires>(kEcranSalaires);
        if (!vue)
            return;
        vue->EditSalaire1->setFocus(Qt::TabFocusReason);
        QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
        QApplication::sendEvent(vue->EditSalaire1, &f2);
        Attendu(vue->EditSalaire1->GetActivated(),
                "F2 ouvre le salaire pr\xE9rempli \xE0 la saisie");
        Remplace(vue->EditSalaire1, QStringLiteral("32400"));
        vue->CheckFraisReels->click();
        Remplace(vue->EditFraisReels, QStringLiteral("19500"));
        const int avertissements = m_bilan.avertissements;
        m_reponsesOuiNon.push_back(Answer::Yes);
        Suivant();
        Attendu(m_bilan.avertissements == avertissements + 1 && EcranActif() == kEcranSalaires,
                "des frais r\xE9"
                "els trop \xE9lev\xE9s font poser la question");
    });
    etape([this] {
        auto* vue = EcranDe<TViewSalaires>(kEcranSalaires);
        if (!vue)
            return;
        Remplace(vue->EditFraisReels, QStringLiteral("4200"));
        Capture("06-salaires");
        Suivant();
    });
    etape([this] {
        auto* vue = EcranDe<TViewRevenusFonciers>(kEcranFoncier);
        if (!vue)
            return;
        Remplace(vue->EditLoyers, QStringLiteral("9600"));
        Capture("07-revenus-fonciers");
        Suivant();
    });
    etape([this] {
        auto* vue = EcranDe<TViewBiensLoues>(kEcranBiens);
        if (!vue)
            return;
        Tape(vue->EditAdresseBien, QStringLiteral("3 place Bellecour, Lyon"));
        Tape(vue->EditDateAcquisition, QStringLiteral("01092015"));
        Tape(vue->EditLogements, QStringLiteral("1"));
        Capture("08-biens-loues");
        Suivant();
    });
    etape([this] {
        auto* vue = EcranDe<TViewCharges>(kEcranCharges);
        if (!vue)
            return;
        Remplace(vue->EditDons, QStringLiteral("300"));
        Remplace(vue->EditEmploi, QStringLiteral("1800"));
        Capture("09-dons-et-emploi");
        Suivant();
    });
    // The balance follows every key of the withholding tax already paid.
    etape([this] {
        auto* vue = EcranDe<TViewRecapitulatif>(kEcranRecapitulatif);
        if (!vue)
            return;
        const double soldeAvant = m_assistant->getModele().Resultat().solde;
        Remplace(vue->EditPrelevement, QStringLiteral("2000"));
        Attendu(m_assistant->getModele().Resultat().solde == soldeAvant - 2000,
                "le solde suit le pr\xE9l\xE8vement saisi");
        Capture("10-calcul-impot");
        Suivant();
    });
    // The audit filters, then the printed declaration.
    etape([this] {
        EcranDe<TViewControles>(kEcranControles);
        Capture("11-controles");
        if (TViewManagementButtons* barre = Barre()) {
            barre->ACT_Filtre_PiecesJointes->Execute();
            Capture("11-controles-pieces-a-joindre");
            barre->ACT_Filtre_AuditGeneral->Execute();
            barre->ACT_Services_Imprimer->Execute();
        }
        std::error_code ec;
        Attendu(std::filesystem::exists(m_bilan.fichierPdf, ec), "la d\xE9"
                                                                 "claration est imprim\xE9"
                                                                 "e");
        Suivant();
    });
    // Finishing without the certification is refused; with it, the wizard closes.
    etape([this] {
        auto* vue = EcranDe<TViewSignature>(kEcranSignature);
        if (!vue)
            return;
        Tape(vue->EditLieu, QStringLiteral("Lyon"));
        Tape(vue->EditDate, QStringLiteral("15052025"));
        Tape(vue->MemoObservations, QStringLiteral("Premi\u00e8re d\u00e9claration en ligne."));
        Capture("12-signature");
        const int erreurs = m_bilan.erreurs;
        if (TViewManagementButtons* barre = Barre())
            barre->IDOK_->Click();
        Attendu(m_bilan.erreurs == erreurs + 1 && Fenetre() && Fenetre()->isVisible(),
                "terminer sans certifier est refus\xE9");
    });
    etape([this] {
        auto* vue = EcranDe<TViewSignature>(kEcranSignature);
        if (!vue)
            return;
        vue->CheckCertification->click();
        if (TViewManagementButtons* barre = Barre())
            barre->IDOK_->Click();
    });
}

void TVisiteGuidee::ProgrammeClavier()
{
    auto etape = [this](Etape e) { m_etapes.push_back(std::move(e)); };
    // "Suivant >" by its mnemonic.
    const auto suivant = [this] { Mnemonique(Qt::Key_S); };

    etape([this, suivant] {
        if (QWidget* fenetre = Fenetre()) {
            QApplication::setActiveWindow(fenetre);
            QApplication::processEvents();
        }
        EcranDe<TViewAccueil>(kEcranAccueil);
        suivant();
    });
    etape([this, suivant] {
        auto* vue = EcranDe<TViewDeclarant>(kEcranDeclarant);
        if (!vue)
            return;
        const int erreurs = m_bilan.erreurs;
        suivant();
        Attendu(m_bilan.erreurs == erreurs + 1, "un d\xE9"
                                                "clarant sans nom est refus\xE9");
        TabVers(vue->EditNom);
        Frappe(QStringLiteral("Martin"));
        Attendu(MarqueDuFocusVisible(), "le champ qui a le focus porte sa marque");
        Capture("clavier-01-focus");
        TabVers(vue->EditPrenom);
        Frappe(QStringLiteral("Claire"));
        TabVers(vue->EditJour);
        Frappe(QStringLiteral("14"));
        TabVers(vue->EditMois);
        Frappe(QStringLiteral("06"));
        TabVers(vue->EditAnnee);
        Frappe(QStringLiteral("1985"));
        TabVers(vue->ComboSituation);
        Touche(Qt::Key_Down);
        Touche(Qt::Key_Down);
        Attendu(vue->ComboSituation->currentIndex() == 2, "les fl\xE8"
                                                          "ches choisissent la situation");
        suivant();
    });
    etape([this, suivant] {
        auto* vue = EcranDe<TViewAdresse>(kEcranAdresse);
        if (!vue)
            return;
        TabVers(vue->MemoAdresse);
        Frappe(QStringLiteral("12 rue des Lilas"));
        Touche(Qt::Key_Return);
        Frappe(QStringLiteral("Residence Les Tilleuls"));
        TabVers(vue->EditCodePostal);
        Frappe(QStringLiteral("69003"));
        TabVers(vue->EditCommune);
        Frappe(QStringLiteral("Lyon"));
        TabVers(vue->EditTelephone);
        Frappe(QStringLiteral("0478123456"));
        suivant();
    });
    etape([this, suivant] {
        auto* vue = EcranDe<TViewSituation>(kEcranSituation);
        if (!vue)
            return;
        TabVers(vue->CheckACharge);
        Touche(Qt::Key_Space);
        TabVers(vue->CheckFonciers);
        Touche(Qt::Key_Space);
        TabVers(vue->RadioProprietaire);
        Touche(Qt::Key_Down); // to the next radio button of the group
        Touche(Qt::Key_Space);
        Attendu(vue->RadioLocataire->isChecked(), "les fl\xE8"
                                                  "ches choisissent le logement");
        suivant();
    });
    // The element editor opens from its button (Return), is filled, and OK by Return.
    const auto ajoute = [this](const QString& prenom, const QString& annee) {
        // The editor opens a moment after the key, in a modal loop of its own: it is looked
        // for until it shows.
        auto* attente = new QTimer(m_contexte.get());
        auto essais = std::make_shared<int>(0);
        QObject::connect(attente, &QTimer::timeout, attente,
                         [this, attente, essais, prenom, annee] {
                             TDialoguePersonne* dialogue = nullptr;
                             for (QWidget* fenetre : QApplication::topLevelWidgets()) {
                                 if (auto* candidat = qobject_cast<TDialoguePersonne*>(fenetre);
                                     candidat && candidat->isVisible())
                                     dialogue = candidat;
                             }
                             if (!dialogue && ++*essais < 150)
                                 return;
                             attente->deleteLater();
                             attente->stop();
                             Attendu(dialogue != nullptr, "l'\xE9"
                                                          "diteur de personne \xE0 charge s'ouvre");
                             if (!dialogue)
                                 return;
                             QApplication::setActiveWindow(dialogue);
                             TabVers(dialogue->EditPrenom);
                             Frappe(prenom);
                             TabVers(dialogue->EditAnnee);
                             Frappe(annee);
                             TabVers(dialogue->ButtonOk);
                             Touche(Qt::Key_Return);
                         });
        attente->start(20);
        auto* vue = EcranDe<TViewPersonnesACharge>(kEcranPersonnes);
        TcxKelButton* bouton = nullptr;
        for (TcxKelButton* candidat :
             vue ? vue->findChildren<TcxKelButton*>() : QList<TcxKelButton*>()) {
            if (candidat->GetAction() == vue->ACT_Ajouter)
                bouton = candidat;
        }
        // Back from an editor, the wizard's window is the active one again.
        if (QWidget* fenetre = Fenetre())
            QApplication::setActiveWindow(fenetre);
        const std::size_t avant = m_assistant->getModele().Declaration().Personnes().size();
        TabVers(bouton);
        Touche(Qt::Key_Return);
        for (QDeadlineTimer delai(4000);
             !delai.hasExpired() &&
             m_assistant->getModele().Declaration().Personnes().size() == avant;)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    etape([ajoute] { ajoute(QStringLiteral("Lea"), QStringLiteral("2016")); });
    etape([this, ajoute, suivant] {
        ajoute(QStringLiteral("Hugo"), QStringLiteral("2019"));
        Attendu(m_assistant->getModele().Declaration().Personnes().size() == 2,
                "deux personnes \xE0 charge sont saisies");
        // Alt+S is also "Supprimer" here: Tab to "Suivant >" and Return.
        if (TViewManagementButtons* barre = Barre()) {
            TabVers(barre->PB_SUIVANT);
            AttendEffet([] { Touche(Qt::Key_Return); });
        }
    });
    etape([this, suivant] {
        auto* vue = EcranDe<TViewSalaires>(kEcranSalaires);
        if (!vue)
            return;
        TabVers(vue->EditSalaire1);
        Touche(Qt::Key_F2);
        Attendu(vue->EditSalaire1->GetActivated(),
                "F2 ouvre le salaire pr\xE9rempli \xE0 la saisie");
        Touche(Qt::Key_A, Qt::ControlModifier);
        Frappe(QStringLiteral("32400"));
        TabVers(vue->CheckFraisReels);
        Touche(Qt::Key_Space);
        TabVers(vue->EditFraisReels);
        Frappe(QStringLiteral("19500"));
        const int avertissements = m_bilan.avertissements;
        m_reponsesOuiNon.push_back(Answer::Yes);
        suivant();
        Attendu(m_bilan.avertissements == avertissements + 1 && EcranActif() == kEcranSalaires,
                "des frais r\xE9"
                "els trop \xE9lev\xE9s font poser la question");
        // Back in the faulty field.
        TabVers(vue->EditFraisReels);
        Touche(Qt::Key_A, Qt::ControlModifier);
        Frappe(QStringLiteral("4200"));
        suivant();
    });
    etape([this, suivant] {
        auto* vue = EcranDe<TViewRevenusFonciers>(kEcranFoncier);
        if (!vue)
            return;
        TabVers(vue->EditLoyers);
        Frappe(QStringLiteral("9600"));
        suivant();
    });
    etape([this, suivant] {
        auto* vue = EcranDe<TViewBiensLoues>(kEcranBiens);
        if (!vue)
            return;
        TabVers(vue->EditAdresseBien);
        Frappe(QStringLiteral("3 place Bellecour, Lyon"));
        TabVers(vue->EditDateAcquisition);
        Frappe(QStringLiteral("01092015"));
        TabVers(vue->EditLogements);
        Frappe(QStringLiteral("1"));
        suivant();
    });
    etape([this, suivant] {
        auto* vue = EcranDe<TViewCharges>(kEcranCharges);
        if (!vue)
            return;
        TabVers(vue->EditDons);
        Frappe(QStringLiteral("300"));
        TabVers(vue->EditEmploi);
        Frappe(QStringLiteral("1800"));
        suivant();
    });
    etape([this, suivant] {
        auto* vue = EcranDe<TViewRecapitulatif>(kEcranRecapitulatif);
        if (!vue)
            return;
        TabVers(vue->EditPrelevement);
        Frappe(QStringLiteral("2000"));
        suivant();
    });
    etape([this, suivant] {
        EcranDe<TViewControles>(kEcranControles);
        suivant();
    });
    // "Terminer" by its mnemonic, once the certification is checked.
    etape([this] {
        auto* vue = EcranDe<TViewSignature>(kEcranSignature);
        if (!vue)
            return;
        TabVers(vue->EditLieu);
        Frappe(QStringLiteral("Lyon"));
        TabVers(vue->EditDate);
        Frappe(QStringLiteral("15052025"));
        TabVers(vue->MemoObservations);
        Frappe(QStringLiteral("Saisie au clavier."));
        TabVers(vue->CheckCertification);
        Touche(Qt::Key_Space);
        Mnemonique(Qt::Key_T);
    });
}
