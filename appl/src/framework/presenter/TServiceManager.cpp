#include "presenter/TServiceManager.h"

#include "TAction.h"

#include <algorithm>

TServiceManager::TServiceManager() = default;

TServiceManager::TServiceManager(const TServiceManager& other)
    : services(other.services), cursor(other.cursor)
{}

TServiceManager& TServiceManager::operator=(const TServiceManager& other)
{
    if (this != &other) {
        services = other.services;
        cursor = other.cursor;
    }
    return *this;
}

TServiceManager::~TServiceManager()
{
    // Copied first: an action leaving may run code that reads this list.
    const std::vector<QPointer<TAction>> actions = services;
    for (const QPointer<TAction>& action : actions)
        delete action.data();
    services.clear();
}

bool TServiceManager::operator==(const TServiceManager& other) const
{
    return services == other.services && cursor == other.cursor;
}

void TServiceManager::Add(TAction* action)
{
    if (action && !contains(action))
        services.emplace_back(action);
}

void TServiceManager::Remove(TAction* action)
{
    const auto found = std::find(services.begin(), services.end(), action);
    if (found != services.end())
        services.erase(found);
}

int TServiceManager::getNbService() const
{
    return static_cast<int>(services.size());
}

bool TServiceManager::contains(const TAction* action) const
{
    return action && std::find(services.begin(), services.end(), action) != services.end();
}

bool TServiceManager::BeginServiceData()
{
    cursor = 0;
    return !services.empty();
}

bool TServiceManager::NextServiceData()
{
    ++cursor;
    return cursor < getNbService();
}

TAction* TServiceManager::GetServiceData() const
{
    return services.at(static_cast<std::size_t>(cursor)).data();
}
