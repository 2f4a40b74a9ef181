#include "TComponent.h"

#include <QObject>
#include <QWidget>

TComponent::~TComponent() = default;

// A cross cast: every toolkit class derives publicly from exactly one Qt class and this mixin.
QObject* TComponent::AsQObject()
{
    return dynamic_cast<QObject*>(this);
}

const QObject* TComponent::AsQObject() const
{
    return dynamic_cast<const QObject*>(this);
}

QWidget* TComponent::AsWidget()
{
    return dynamic_cast<QWidget*>(this);
}

const QWidget* TComponent::AsWidget() const
{
    return dynamic_cast<const QWidget*>(this);
}

QObject* TComponent::OwnerObject(TComponent* owner)
{
    return owner ? owner->AsQObject() : nullptr;
}

QWidget* TComponent::OwnerWidget(TComponent* owner)
{
    return owner ? owner->AsWidget() : nullptr;
}

TComponent* TComponent::FromQObject(QObject* object)
{
    return dynamic_cast<TComponent*>(object);
}
