#include "presenter/TMdListManager.h"

TMdListManager::TMdListManager(TModelAbstract* model, TMgtModelInvoker* invoker)
    : m_model(model), m_invoker(invoker)
{}

TMdListManager& TMdListManager::operator=(const TMdListManager& other)
{
    if (this != &other) {
        m_model = other.m_model;
        m_invoker = other.m_invoker;
    }
    return *this;
}

TMdListManager::~TMdListManager() = default;

bool TMdListManager::operator==(const TMdListManager& other) const
{
    return m_model == other.m_model && m_invoker == other.m_invoker;
}
