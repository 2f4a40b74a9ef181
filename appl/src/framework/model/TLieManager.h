#pragma once

// The links between the letters shown by controls and their companion letters (entered
// value, edit state), in the order the host declared them. The model owns one and answers
// the presenters' lookups from it.

#include "wizard_framework_export.h"

#include "model/TLieElement.h"

#include <cstddef>
#include <list>
#include <unordered_map>

class WIZARD_FRAMEWORK_EXPORT TLieManager
{
public:
    TLieManager() = default;
    TLieManager(const TLieManager& other);
    TLieManager& operator=(const TLieManager& other);
    ~TLieManager();

    bool operator==(const TLieManager& other) const;

    // Appends a link, unchecked: a lettrage linked twice answers from its first link, and -1
    // stands for a companion that does not exist.
    void LierElements(short lettrage, short idValeurSaisie, short idEtatEdit);

    // The companion of the first link of `lettrage`; -1 when the lettrage is not linked.
    // Companions are not keys themselves.
    short getIdValeurSaisie(short lettrage) const;
    short getIdEtatEdit(short lettrage) const;

    const std::list<TLieElement>& getElements() const { return m_elements; }
    std::size_t getCount() const { return m_elements.size(); }

private:
    const TLieElement* find(short lettrage) const;
    void Reindex();

    std::list<TLieElement> m_elements;
    // The first link of each lettrage, into m_elements: a screen asks for every one of its
    // controls, and a declaration has thousands of links.
    std::unordered_map<short, const TLieElement*> m_first;
};
