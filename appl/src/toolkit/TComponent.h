#pragma once

// The toolkit side of every widget: each toolkit class IS its Qt object, deriving from the Qt
// class it stands for and from this mixin. Ownership is Qt's: a component created with an owner
// has the owner's Qt object as its parent and is deleted with it. Deleting through a
// TComponent* destroys the whole Qt object, since the destructor is virtual.

#include "wizard_toolkit_export.h"

#include "TObject.h"

class QObject;
class QWidget;

class WIZARD_TOOLKIT_EXPORT TComponent : public TObject
{
public:
    TComponent() = default;
    // A component is an identity (its Qt object): copying the mixin copies nothing.
    TComponent(const TComponent&) : TObject() {}
    TComponent& operator=(const TComponent&) { return *this; }
    ~TComponent() override;

    bool operator==(const TComponent& other) const { return this == &other; }

    // The Qt object this component is; null for a component that is no Qt object, and while
    // the Qt part is being destroyed.
    QObject* AsQObject();
    const QObject* AsQObject() const;
    // The widget this component is; null when it is not a widget.
    QWidget* AsWidget();
    const QWidget* AsWidget() const;

    // The Qt parent to give a component created with `owner` (null owner: no parent).
    static QObject* OwnerObject(TComponent* owner);
    static QWidget* OwnerWidget(TComponent* owner);

    // The component that a Qt object is, or null.
    static TComponent* FromQObject(QObject* object);
};
