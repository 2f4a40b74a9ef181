#include "flow/TCinematicManagerAbstract.h"

#include "StringTable.h"

#include <cstddef>

TCinematicManagerAbstract::TCinematicManagerAbstract() = default;

TCinematicManagerAbstract::TCinematicManagerAbstract(const TCinematicManagerAbstract& other)
{
    copyFrom(other);
}

TCinematicManagerAbstract&
TCinematicManagerAbstract::operator=(const TCinematicManagerAbstract& other)
{
    if (this != &other) {
        deleteScreens();
        copyFrom(other);
    }
    return *this;
}

TCinematicManagerAbstract::~TCinematicManagerAbstract()
{
    deleteScreens();
    m_lettrageToScreens.clear();
}

void TCinematicManagerAbstract::deleteScreens()
{
    for (TScreenInformation* info : m_screens)
        delete info;
    m_screens.clear();
    m_screenInformationEcranActif = nullptr;
}

void TCinematicManagerAbstract::copyFrom(const TCinematicManagerAbstract& other)
{
    m_screens.reserve(other.m_screens.size());
    for (const TScreenInformation* info : other.m_screens)
        m_screens.push_back(new TScreenInformation(*info));
    m_enumEcranActif = other.m_enumEcranActif;
    m_indexEcranActif = other.m_indexEcranActif;
    // The active descriptor is one of the list: point at its copy, never at the original's.
    const int position = other.positionOf(other.m_screenInformationEcranActif);
    if (position >= 0)
        m_screenInformationEcranActif = m_screens[static_cast<std::size_t>(position)];
    else
        m_screenInformationEcranActif = other.m_screenInformationEcranActif;
    m_screenDllName = other.m_screenDllName;
    m_lettrageToScreens = other.m_lettrageToScreens;
}

int TCinematicManagerAbstract::positionOf(const TScreenInformation* info) const
{
    if (info == nullptr)
        return -1;
    for (std::size_t i = 0; i < m_screens.size(); ++i) {
        if (m_screens[i] == info)
            return static_cast<int>(i);
    }
    return -2;
}

bool TCinematicManagerAbstract::operator==(const TCinematicManagerAbstract& other) const
{
    if (m_screens.size() != other.m_screens.size())
        return false;
    for (std::size_t i = 0; i < m_screens.size(); ++i) {
        if (!(*m_screens[i] == *other.m_screens[i]))
            return false;
    }
    const int position = positionOf(m_screenInformationEcranActif);
    if (position != other.positionOf(other.m_screenInformationEcranActif))
        return false;
    if (position == -2 && m_screenInformationEcranActif != other.m_screenInformationEcranActif)
        return false;
    return m_enumEcranActif == other.m_enumEcranActif &&
           m_indexEcranActif == other.m_indexEcranActif &&
           m_screenDllName == other.m_screenDllName &&
           m_lettrageToScreens == other.m_lettrageToScreens;
}

void TCinematicManagerAbstract::NextScreen()
{
    const int index = GetIndex();
    if (GetError(index) != 0)
        return;
    for (int j = index + 1; j < getNbScreen(); ++j) {
        if (IsValid(j)) {
            setEnumEcranActif(m_screens[static_cast<std::size_t>(j)]->getIdScreen());
            return;
        }
    }
}

void TCinematicManagerAbstract::PreviousScreen()
{
    const int index = GetIndex();
    if (GetError(index) != 0)
        return;
    for (int j = index - 1; j >= 0; --j) {
        if (IsValid(j)) {
            setEnumEcranActif(m_screens[static_cast<std::size_t>(j)]->getIdScreen());
            return;
        }
    }
}

void TCinematicManagerAbstract::FirstScreen()
{
    if (!m_screens.empty())
        setEnumEcranActif(m_screens.front()->getIdScreen());
}

void TCinematicManagerAbstract::LastScreen()
{
    if (!m_screens.empty())
        setEnumEcranActif(m_screens.back()->getIdScreen());
}

void TCinematicManagerAbstract::InitScreen(const int idScreen, const long idRessource,
                                           const std::string& titre, const ENUM_SELECTION selection,
                                           const ENUM_STATE state,
                                           const ENUM_FAMILLE_ECRANS famille)
{
    auto* info = new TScreenInformation();
    info->setIdScreen(idScreen);
    info->setIdRessource(idRessource);
    info->setTitre(titre);
    info->setSelection(selection);
    info->setState(state);
    info->setFamilleEcrans(famille);
    m_screens.push_back(info);
}

void TCinematicManagerAbstract::InitLettrageToScreens()
{
    m_lettrageToScreens.clear();
}

void TCinematicManagerAbstract::SetON(int idScreen)
{
    if (TScreenInformation* info = GetInfoEcran(idScreen))
        info->setState(TScreenInformation::ON);
}

void TCinematicManagerAbstract::SetOFF(int idScreen)
{
    if (TScreenInformation* info = GetInfoEcran(idScreen))
        info->setState(TScreenInformation::OFF);
}

void TCinematicManagerAbstract::addScreenFromLettrageEntry(int lettrage, int idScreen)
{
    // A multimap inserts after the entries of an equal key: their insertion order is kept.
    m_lettrageToScreens.emplace(lettrage, idScreen);
}

void TCinematicManagerAbstract::setScreenDllName(const std::string& screenDllName)
{
    m_screenDllName = screenDllName;
}

std::string TCinematicManagerAbstract::getScreenDllName() const
{
    return m_screenDllName;
}

int TCinematicManagerAbstract::getNbScreen() const
{
    return static_cast<int>(m_screens.size());
}

TScreenInformation* TCinematicManagerAbstract::GetInfoEcran(int idScreen) const
{
    for (TScreenInformation* info : m_screens) {
        if (info->getIdScreen() == idScreen)
            return info;
    }
    return nullptr;
}

bool TCinematicManagerAbstract::ExistScreen(int idScreen) const
{
    for (const TScreenInformation* info : m_screens) {
        if (info->getIdScreen() == idScreen && info->IsValid())
            return true;
    }
    return false;
}

bool TCinematicManagerAbstract::IsValid(int index) const
{
    // A negative index wraps to a huge one: at() rejects it as well.
    return m_screens.at(static_cast<std::size_t>(index))->IsValid();
}

bool TCinematicManagerAbstract::ExistDisplayScreen(int displayIndex) const
{
    // More than displayIndex displayable screens: any flow has more than -1.
    if (displayIndex < 0)
        return true;
    return GetDisplayScreenInfo(displayIndex) != nullptr;
}

TScreenInformation* TCinematicManagerAbstract::GetDisplayScreenInfo(int displayIndex) const
{
    if (displayIndex < 0)
        return nullptr;
    int count = 0;
    for (TScreenInformation* info : m_screens) {
        if (info->IsValid()) {
            if (count == displayIndex)
                return info;
            ++count;
        }
    }
    return nullptr;
}

int TCinematicManagerAbstract::GetDisplayScreenEnum(int displayIndex) const
{
    const TScreenInformation* info = GetDisplayScreenInfo(displayIndex);
    return info != nullptr ? info->getIdScreen() : -1;
}

void TCinematicManagerAbstract::GetDisplayScreenTitle(int displayIndex, std::string& titre) const
{
    if (const TScreenInformation* info = GetDisplayScreenInfo(displayIndex))
        GetTitleScreen(info->getIdRessource(), titre);
}

void TCinematicManagerAbstract::GetTitleScreen(long idRessource, std::string& titre) const
{
    if (m_screenDllName.empty())
        return;

    // A module the process already holds is only read; one loaded here is released again.
    bool loadedHere = false;
    HMODULE module = GetModuleHandleA(m_screenDllName.c_str());
    if (module == nullptr) {
        module = LoadLibraryA(m_screenDllName.c_str());
        loadedHere = module != nullptr;
    }

    char buffer[256] = {};
    LoadStringA(module, idRessource, buffer, static_cast<int>(sizeof buffer));
    if (loadedHere)
        FreeLibrary(module);
    titre = buffer;
}

int TCinematicManagerAbstract::GetIndex() const
{
    for (std::size_t i = 0; i < m_screens.size(); ++i) {
        if (m_screens[i]->getIdScreen() == m_enumEcranActif)
            return static_cast<int>(i);
    }
    return -1;
}

int TCinematicManagerAbstract::GetDisplayIndex() const
{
    int count = 0;
    for (const TScreenInformation* info : m_screens) {
        if (!info->IsValid())
            continue;
        if (info->getIdScreen() == m_enumEcranActif)
            return count;
        ++count;
    }
    return -1;
}

TScreenInformation* TCinematicManagerAbstract::GetInfoEcranActif() const
{
    return GetInfoEcran(m_enumEcranActif);
}

unsigned char TCinematicManagerAbstract::GetError(int index) const
{
    if (m_screens.empty())
        return 1;
    if (index < 0 || index >= getNbScreen())
        return 2;
    return 0;
}

bool TCinematicManagerAbstract::IsFirstScreen() const
{
    const int index = GetIndex();
    if (GetError(index) != 0)
        return true;
    for (int j = index - 1; j >= 0; --j) {
        if (IsValid(j))
            return false;
    }
    return true;
}

bool TCinematicManagerAbstract::IsLastScreen() const
{
    const int index = GetIndex();
    if (GetError(index) != 0)
        return true;
    for (int j = index + 1; j < getNbScreen(); ++j) {
        if (IsValid(j))
            return false;
    }
    return true;
}

int TCinematicManagerAbstract::getScreenFromLettrage(int lettrage) const
{
    auto entry = m_lettrageToScreens.lower_bound(lettrage);
    if (entry == m_lettrageToScreens.end() || entry->first != lettrage)
        return -1;
    // The walk goes on past the lettrage's own entries, into the following lettrages.
    for (; entry != m_lettrageToScreens.end(); ++entry) {
        if (ExistScreen(entry->second))
            return entry->second;
    }
    return -1;
}

void TCinematicManagerAbstract::setEnumEcranActif(int idScreen)
{
    m_enumEcranActif = idScreen;
    m_indexEcranActif = GetDisplayIndex();
    m_screenInformationEcranActif = GetInfoEcranActif();
}
