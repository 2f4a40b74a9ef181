#include "controls/TdCTreeList.h"

#include "controls/TControlDisplayInfo.h"
#include "log/TFrameworkLogger.h"
#include "model/TComplexData.h"

#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include <QScopeGuard>
#include <QScopedValueRollback>

#include <log4cxx/level.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
// The deepest level the tree is built to; deeper or unknown levels go under the root.
constexpr int kLevels = 4;
} // namespace

TdCTreeList& TdCTreeList::operator=(const TdCTreeList& other)
{
    if (this == &other)
        return *this;
    TdControl::operator=(other);
    m_filter = other.m_filter;
    m_savedState = other.m_savedState;
    m_cursor = other.m_cursor;
    return *this;
}

TdCTreeList::~TdCTreeList() = default;

bool TdCTreeList::operator==(const TdCTreeList& other) const
{
    return TdControl::operator==(other) && m_filter == other.m_filter &&
           m_savedState == other.m_savedState && m_cursor == other.m_cursor;
}

void TdCTreeList::Update(TControlDisplayInfo*& info)
{
    if (!m_refreshEnabled)
        return;

    if (!info) {
        info = new TControlDisplayInfo(); // handed back: the caller gives it to the wizard form
        info->setCtrlId(m_lettrage);
    } else {
        m_cursor = 0;
        m_savedState = true;
    }
    m_displayInfo = info;

    // Without a data source there is nothing to fill from: the tree stays as it is.
    if (!m_complexData)
        return;
    bool current = m_complexData->BeginDonneeComp(m_lettrage);
    auto* tree = dynamic_cast<TcxKelTreeList*>(m_component);
    if (!tree)
        return;
    const bool filled = current;
    {
        // One reset of the view for the emptying and the refill, ended whatever happens.
        tree->BeginUpdate();
        const auto endUpdate = qScopeGuard([tree] { tree->EndUpdate(); });
        tree->Clear();
        // The last node of levels 1 to 3, parents of the next deeper lines.
        std::array<TcxTreeListNode*, kLevels> lastOfLevel{};
        int level = 0;
        while (current) {
            std::string text;
            const long code =
                m_complexData->GetDonneeComp(m_lettrage, TComplexData::kColumnFilter, text)
                    ? std::atol(text.c_str())
                    : -1;
            if (m_filter == -1 || m_filter == code || code == -1) {
                text.clear();
                if (m_complexData->GetDonneeComp(m_lettrage, TComplexData::kColumnNiveau, text))
                    level = static_cast<int>(std::atol(text.c_str()));
                // A line whose parent level has no node yet goes under the root.
                TcxTreeListNode* parent = nullptr;
                if (level >= 2 && level <= kLevels)
                    parent = lastOfLevel[static_cast<std::size_t>(level - 1)];
                TcxTreeListNode* node = tree->AddChild(parent);
                if (level >= 1 && level < kLevels)
                    lastOfLevel[static_cast<std::size_t>(level)] = node;
                InsertNode(node);
            }
            current = m_complexData->NextDonneeComp(m_lettrage);
        }
    }
    if (filled)
        FrameworkLog(log4cxx::Level::getInfo(), "----TdCTreeList::Update()", "");

    // The widget's expand and collapse events during the restore must not start a refresh.
    const QScopedValueRollback<bool> gate(m_refreshEnabled, false);
    RestoreExpansions(tree->GetNodes()->GetAbsoluteItem(0));
}

void TdCTreeList::RestoreExpansions(TcxTreeListNode* node)
{
    m_cursor = 0;
    const std::vector<Framework::TNodeInfo*> entries = m_displayInfo->getNodeInfoList();
    if (entries.empty())
        return;
    // Entries are usually in the nodes' order, so the cursor mostly moves on by one; a node
    // whose identifier no entry carries is passed over after one whole lap of the list.
    bool lapped = false;
    while (node) {
        const Framework::TNodeInfo* entry = entries[m_cursor];
        if (entry && entry->getNodeId() == node->GetData()) {
            node->SetExpanded(entry->getExpanded());
            node = node->GetNext();
            lapped = false;
        }
        if (++m_cursor == entries.size()) {
            m_cursor = 0;
            if (lapped) {
                if (node)
                    node = node->GetNext();
            } else {
                lapped = true;
            }
        }
    }
}

void TdCTreeList::InsertNode(TcxTreeListNode* node)
{
    if (!node || !m_complexData)
        return;
    bool expanded = false;
    // Texts beyond the seventh column are not shown.
    constexpr int kLastTextColumn = 6;
    const int lastColumn = std::min(node->GetValueCount() - 1, kLastTextColumn);
    for (int column = TComplexData::kColumnExpand; column <= lastColumn; ++column) {
        if (column == TComplexData::kColumnNiveau)
            continue;
        std::string text;
        if (!m_complexData->GetDonneeComp(m_lettrage, column, text))
            continue;
        switch (column) {
        case TComplexData::kColumnExpand:
            expanded = std::atol(text.c_str()) != 0;
            break;
        case TComplexData::kColumnId:
            node->SetData(static_cast<int>(std::atol(text.c_str())));
            break;
        case TComplexData::kColumnFilter:
            node->SetNodeImageIndex(tlitStateIndex, static_cast<int>(std::atol(text.c_str())));
            break;
        default:
            node->SetValue(column, text);
            break;
        }
    }
    if (!m_savedState && m_displayInfo)
        m_displayInfo->AddNodeInfo(new Framework::TNodeInfo(node->GetData(), expanded));
}

void TdCTreeList::SaveControlDisplay(TControlDisplayInfo* info)
{
    auto* tree = dynamic_cast<TcxKelTreeList*>(m_component);
    if (!tree || !info)
        return;
    m_displayInfo = info;
    // The entries of the last save are rewritten in place: a screen change saves every tree,
    // and most trees keep their number of lines.
    info->ResizeNodeInfoList(static_cast<std::size_t>(tree->GetNodes()->GetCount()));
    const std::vector<Framework::TNodeInfo*> entries = info->getNodeInfoList();
    std::size_t i = 0;
    for (TcxTreeListNode* node = tree->GetNodes()->GetAbsoluteItem(0); node && i < entries.size();
         node = node->GetNext(), ++i) {
        entries[i]->setNodeId(node->GetData());
        entries[i]->setExpanded(node->GetExpanded());
    }
}

void TdCTreeList::SetHelpContext(int helpContext)
{
    GiveHelpContext<TcxKelTreeList>(helpContext);
}
