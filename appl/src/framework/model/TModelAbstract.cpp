#include "model/TModelAbstract.h"

#include "log/TFrameworkLogger.h"
#include "model/TLieManager.h"

#include "MessageBox.h"
#include "TInfoGene.h"
#include "TStaticsManager.h"
#include "qlettre.h"

#include <log4cxx/level.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kProductToken = "#PRODUIT#";
constexpr const char* kModifyQuestion = "\n\nVoulez-vous modifier votre saisie ?";

constexpr short kMessageError = 1;
constexpr short kMessageWarning = 4;

// Message box styles of the two kinds of messages.
constexpr UINT kWarningStyle = MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2; // 0x134
constexpr UINT kErrorStyle = MB_OK | MB_ICONSTOP;                             // 0x10

} // namespace

TModelAbstract::TModelAbstract(TInfoGene* info) : m_infoGene(info)
{
    FrameworkLog(log4cxx::Level::getInfo(), "TModelAbstract::TModelAbstract()", "");
    m_staticsManager = std::make_unique<TStaticsManager>();
    m_staticsManager->AddTokenInCollection(kProductToken, getApplicationName(), -1);
    m_lieManager = std::make_unique<TLieManager>();
}

TModelAbstract::TModelAbstract(const TModelAbstract& other)
    : TMgtModel(other), m_infoGene(other.m_infoGene)
{
    FrameworkLog(log4cxx::Level::getInfo(), "TModelAbstract::TModelAbstract()", "");
    m_staticsManager = std::make_unique<TStaticsManager>(*other.m_staticsManager);
    m_lieManager = std::make_unique<TLieManager>(*other.m_lieManager);
}

TModelAbstract& TModelAbstract::operator=(const TModelAbstract& other)
{
    if (this != &other) {
        *m_staticsManager = *other.m_staticsManager;
        *m_lieManager = *other.m_lieManager;
        m_infoGene = other.m_infoGene;
    }
    return *this;
}

TModelAbstract::~TModelAbstract()
{
    FrameworkLog(log4cxx::Level::getInfo(), "TModelAbstract::~TModelAbstract()", "");
    m_staticsManager.reset();
    m_lieManager.reset();
}

bool TModelAbstract::operator==(const TModelAbstract& other) const
{
    return m_infoGene == other.m_infoGene && *m_staticsManager == *other.m_staticsManager &&
           *m_lieManager == *other.m_lieManager;
}

void TModelAbstract::DonneesVersLettrage(structLettre*, structLettre*) {}

void TModelAbstract::LettrageVersDonnees(structLettre*, structLettre*) {}

void TModelAbstract::Calcul() {}

void TModelAbstract::Select(structLettre*) {}

void TModelAbstract::beginUpdate() {}

void TModelAbstract::endUpdate() {}

void TModelAbstract::MajUnLibelle(std::string& libelle)
{
    m_staticsManager->RemplaceTexte(libelle, "#");
}

std::string TModelAbstract::getApplicationName() const
{
    return m_infoGene ? m_infoGene->getApplicationName() : std::string();
}

short TModelAbstract::getIdValeurSaisie(short lettrage) const
{
    return m_lieManager->getIdValeurSaisie(lettrage);
}

short TModelAbstract::getIdEtatEdit(short lettrage) const
{
    return m_lieManager->getIdEtatEdit(lettrage);
}

bool TModelAbstract::AfficheLeMessage(structMessage* message, HWND owner)
{
    FrameworkLog(log4cxx::Level::getInfo(), "TModelAbstract::AfficheLeMessage()", "");
    if (!message)
        return false;

    char* texte = nullptr;
    TexteDuMessage(message, &texte);
    const char* shown = texte ? texte : "";
    const std::string caption = getApplicationName();

    bool modifier = false;
    switch (message->type) {
    case kMessageWarning: {
        const std::size_t length = std::strlen(shown) + std::strlen(kModifyQuestion);
        char* question = static_cast<char*>(std::malloc(length + 1));
        if (question) {
            std::strcpy(question, shown);
            std::strcat(question, kModifyQuestion);
            modifier = MessageBoxA(owner, question, caption.c_str(), kWarningStyle) == IDYES;
            std::free(question);
        }
        break;
    }
    case kMessageError:
        MessageBoxA(owner, shown, caption.c_str(), kErrorStyle);
        break;
    default:
        break;
    }

    LibereTexteMessage(&texte);
    return modifier;
}
