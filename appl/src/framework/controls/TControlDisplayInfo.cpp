#include "controls/TControlDisplayInfo.h"

#include <algorithm>
#include <unordered_set>

TControlDisplayInfo::TControlDisplayInfo(const TControlDisplayInfo& other)
    : m_ctrlId(other.m_ctrlId)
{
    m_nodeInfoList.reserve(other.m_nodeInfoList.size());
    for (const Framework::TNodeInfo* info : other.m_nodeInfoList)
        m_nodeInfoList.push_back(new Framework::TNodeInfo(*info));
}

TControlDisplayInfo& TControlDisplayInfo::operator=(const TControlDisplayInfo& other)
{
    if (this != &other) {
        TControlDisplayInfo copy(other);
        ClearNodeInfoList();
        m_nodeInfoList.swap(copy.m_nodeInfoList);
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
    if (info == nullptr ||
        std::find(m_nodeInfoList.begin(), m_nodeInfoList.end(), info) != m_nodeInfoList.end())
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
}

void TControlDisplayInfo::ClearNodeInfoList()
{
    for (Framework::TNodeInfo* info : m_nodeInfoList)
        delete info;
    m_nodeInfoList.clear();
}
