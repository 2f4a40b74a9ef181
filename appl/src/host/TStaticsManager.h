#pragma once

// The text token service (the host's zbn_framework library): named tokens such as
// "#PRODUIT#" and their values, replaced in labels before they are shown.
// Owned by the host's model (TModelAbstract).

#include "wizard_host_export.h"

#include <map>
#include <string>

class WIZARD_HOST_EXPORT TStaticsManager
{
public:
    TStaticsManager() = default;
    TStaticsManager(const TStaticsManager&) = default;
    TStaticsManager& operator=(const TStaticsManager&) = default;
    bool operator==(const TStaticsManager&) const = default;
    ~TStaticsManager() = default;

    // Registers `token` (with its delimiters, "#PRODUIT#", or bare, "PRODUIT") and its
    // value; registering a token again replaces its value. `identifiant` is kept with the
    // token for the host (-1: a constant).
    void AddTokenInCollection(const std::string& token, const std::string& value, int identifiant);

    // Replaces in place, in `texte`, every registered token that `delimiter` delimits. A
    // replaced value is not searched again, so a value may hold the delimiter; a delimited
    // word that is no registered token stays as it is. An empty delimiter changes nothing.
    void RemplaceTexte(std::string& texte, const std::string& delimiter) const;

    // The value of a token, or null when it is not registered.
    const std::string* getValue(const std::string& token) const;
    // The number given with the token, -1 when it is not registered.
    int getIdentifiant(const std::string& token) const;

private:
    struct Entry
    {
        std::string value;
        int identifiant = -1;
        bool operator==(const Entry&) const = default;
    };
    const Entry* find(const std::string& token) const;

    std::map<std::string, Entry> m_tokens;
};
