#pragma once

// The list model behind a screen's list of repeated elements, as the list manager
// (TPrListManager) sees it: a current element, elements addressed by their position, and the
// operations of the list's actions. The host derives its list models from it; the operations
// not overridden do nothing (an empty list with no current element).
// The host owns it; the list manager only points to it.

#include "wizard_framework_export.h"

#include <string>

class TMgtModelInvoker;
class TModelAbstract;

class WIZARD_FRAMEWORK_EXPORT TMdListManager
{
public:
    // Neither the model nor the invoker is owned: both are the host's.
    TMdListManager(TModelAbstract* model = nullptr, TMgtModelInvoker* invoker = nullptr);
    TMdListManager(const TMdListManager& other) = default;
    TMdListManager& operator=(const TMdListManager& other);
    virtual ~TMdListManager();

    // Same model and same invoker (by identity).
    bool operator==(const TMdListManager& other) const;

    // Appends a new element, which becomes the current element.
    virtual void AjouteElement() {}
    // Deletes the current element.
    virtual void SupprimeElement() {}
    // Duplicates the current element.
    virtual void DupliqueElement() {}
    // Moves the element at position `from` to position `to`.
    virtual void DeplaceElement(int /*from*/, int /*to*/) {}
    // The host's own; the list manager never calls it.
    virtual void ModifieElement() {}
    // Label of the current element, as the delete confirmation shows it (Windows-1252).
    virtual std::string getLibelleElement() { return std::string(); }
    virtual int getNbElement() { return 0; }
    // Position of the current element; -1 or less when there is none.
    virtual int getIndexElement() { return -1; }
    // Makes the element at `index` the current element.
    virtual void setIndexElement(int /*index*/) {}

    TModelAbstract* getModel() const { return m_model; }
    TMgtModelInvoker* getInvoker() const { return m_invoker; }

private:
    TModelAbstract* m_model = nullptr;     // not owned
    TMgtModelInvoker* m_invoker = nullptr; // not owned
};
