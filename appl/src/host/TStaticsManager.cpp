#include "TStaticsManager.h"

void TStaticsManager::AddTokenInCollection(const std::string& token, const std::string& value,
                                           int identifiant)
{
    m_tokens[token] = Entry{value, identifiant};
}

const TStaticsManager::Entry* TStaticsManager::find(const std::string& token) const
{
    const auto found = m_tokens.find(token);
    return found != m_tokens.end() ? &found->second : nullptr;
}

const std::string* TStaticsManager::getValue(const std::string& token) const
{
    const Entry* entry = find(token);
    return entry ? &entry->value : nullptr;
}

int TStaticsManager::getIdentifiant(const std::string& token) const
{
    const Entry* entry = find(token);
    return entry ? entry->identifiant : -1;
}

void TStaticsManager::RemplaceTexte(std::string& texte, const std::string& delimiter) const
{
    if (delimiter.empty() || m_tokens.empty())
        return;
    const std::size_t width = delimiter.size();
    std::size_t open = texte.find(delimiter);
    while (open != std::string::npos) {
        const std::size_t close = texte.find(delimiter, open + width);
        if (close == std::string::npos)
            return;
        const std::size_t end = close + width;
        const std::string whole = texte.substr(open, end - open);
        const Entry* entry = find(whole);
        if (!entry)
            entry = find(whole.substr(width, whole.size() - 2 * width));
        if (entry) {
            texte.replace(open, end - open, entry->value);
            open = texte.find(delimiter, open + entry->value.size());
        } else {
            // The closing delimiter may open the next token: "a#b#PRODUIT#".
            open = close;
        }
    }
}
