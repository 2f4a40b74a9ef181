#include "controls/TdCListBox.h"

#include "log/TFrameworkLogger.h"
#include "model/TComplexData.h"

#include "TcxListBox.h"

#include <log4cxx/level.h>

#include <string>

TdCListBox& TdCListBox::operator=(const TdCListBox& other)
{
    if (this == &other)
        return *this;
    m_lettrage = other.m_lettrage;
    m_component = other.m_component;
    return *this;
}

TdCListBox::~TdCListBox() = default;

void TdCListBox::Update(TControlDisplayInfo*&)
{
    if (!m_refreshEnabled)
        return;
    // Without a data source there is nothing to fill from: the list stays as it is.
    if (!m_complexData)
        return;
    bool current = m_complexData->BeginDonneeComp(m_lettrage);
    auto* list = dynamic_cast<TcxListBox*>(m_component);
    if (!list)
        return;
    list->Clear();
    while (current) {
        std::string text;
        if (!m_complexData->GetDonneeComp(m_lettrage, TComplexData::kColumnText, text))
            text.clear();
        list->AddItem(text, nullptr);
        current = m_complexData->NextDonneeComp(m_lettrage);
    }
    FrameworkLog(log4cxx::Level::getInfo(), "----TdCListBox::Update()", "");
}

void TdCListBox::Delete()
{
    if (auto* list = dynamic_cast<TcxListBox*>(m_component))
        list->DeleteSelected();
}

int TdCListBox::GetItemIndex()
{
    const auto* list = dynamic_cast<TcxListBox*>(m_component);
    return list ? list->GetItemIndex() : 0;
}

void TdCListBox::SetItemIndex(int index)
{
    if (auto* list = dynamic_cast<TcxListBox*>(m_component))
        list->SetItemIndex(index);
}

void TdCListBox::SetHelpContext(int helpContext)
{
    GiveHelpContext<TcxListBox>(helpContext);
}
