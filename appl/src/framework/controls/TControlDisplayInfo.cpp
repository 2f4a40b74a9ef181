#include "controls/TControlDisplayInfo.h"

#include <unordered_set>

TControlDisplayInfo::TControlDisplayInfo(const TControlDisplayInfo& other)
    : m_ctrlId(other.m_ctrlId)
{
    m_nodeInfoList.reserve(other.m_nodeInfoList.size());
    m_held.reserve(other.m_nodeInfoList.size());
    for (const Framework::TNodeInfo* info : other.m_nodeInfoList) {
        m_nodeInfoList.push_back(new Framework::TNodeInfo(*info));
        m_held.insert(m_nodeInfoList.back());
    }
}

TControlDisplayInfo& TControlDisplayInfo::operator=(const TControlDisplayInfo& other)
{
    if (this != &other) {
        TControlDisplayInfo copy(other);
        ClearNodeInfoList();
        m_nodeInfoList.swap(copy.m_nodeInfoList);
        m_held.swap(copy.m_held);
        m_ctrlId = other.m_ctrlId;
    }
    return *this;
}

TControlDisplayInfo::~TControlDisplayInfo()
{
    ClearNodeInfoList();
}

bool TControlDisplayInfo::operator==(const TControlDisplayInfo& other) const
{
    return m_ctrlId == other.m_ctrlId && m_nodeInfoList == other.m_nodeInfoList;
}

void TControlDisplayInfo::AddNodeInfo(Framework::TNodeInfo* info)
{
    if (info == nullptr || !m_held.insert(info).second)
        return;
    m_nodeInfoList.push_back(info);
}

void TControlDisplayInfo::setNodeInfoList(const std::vector<Framework::TNodeInfo*>& nodeInfoList)
{
    std::vector<Framework::TNodeInfo*> taken;
    taken.reserve(nodeInfoList.size());
    std::unordered_set<const Framework::TNodeInfo*> seen;
    for (Framework::TNodeInfo* info : nodeInfoList) {
        // A repeated pointer would be deleted twice by the destructor.
        if (info != nullptr && seen.insert(info).second)
            taken.push_back(info);
    }
    m_nodeInfoList.swap(taken);
    m_held.swap(seen);
}

void TControlDisplayInfo::ClearNodeInfoList()
{
    for (Framework::TNodeInfo* info : m_nodeInfoList)
        delete info;
    m_nodeInfoList.clear();
    m_held.clear();
}

void TControlDisplayInfo::ResizeNodeInfoList(std::size_t count)
{
    while (m_nodeInfoList.size() > count) {
        m_held.erase(m_nodeInfoList.back());
        delete m_nodeInfoList.back();
        m_nodeInfoList.pop_back();
    }
    m_nodeInfoList.reserve(count);
    while (m_nodeInfoList.size() < count) {
        m_nodeInfoList.push_back(new Framework::TNodeInfo());
        m_held.insert(m_nodeInfoList.back());
    }
}
