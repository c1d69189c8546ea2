// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/collection/memory_store.h"

#include "core/collection/kept_notebook.h"

#include <algorithm>

namespace quorvel {

bool MemoryStore::addProfile(const std::string& name)
{
    if (std::any_of(m_profiles.begin(), m_profiles.end(),
            [&](const std::string& p) { return sameProfileName(p, name); }))
        return false;
    m_profiles.push_back(name);
    return true;
}

bool MemoryStore::renameProfile(const std::string& from, const std::string& to)
{
    const auto found = std::find_if(m_profiles.begin(), m_profiles.end(),
        [&](const std::string& p) { return sameProfileName(p, from); });
    if (found == m_profiles.end())
        return false;
    if (std::any_of(m_profiles.begin(), m_profiles.end(), [&](const std::string& p) {
            return sameProfileName(p, to) && !sameProfileName(p, from);
        }))
        return false;
    const std::string was = *found;
    *found = to;
    if (auto node = m_cards.extract(was)) {
        node.key() = to;
        m_cards.insert(std::move(node));
    }
    if (auto node = m_notebooks.extract(was)) {
        node.key() = to;
        m_notebooks.insert(std::move(node));
    }
    return true;
}

void MemoryStore::deleteProfile(const std::string& name)
{
    std::erase_if(m_profiles, [&](const std::string& p) { return sameProfileName(p, name); });
    std::erase_if(m_cards, [&](const auto& held) { return sameProfileName(held.first, name); });
    std::erase_if(m_notebooks, [&](const auto& held) { return sameProfileName(held.first, name); });
}

bool MemoryStore::openCard(const std::string& profile, const Card& card)
{
    std::vector<Card>& cards = m_cards[profile];
    if (std::any_of(cards.begin(), cards.end(),
            [&](const Card& c) { return c.mechanism == card.mechanism; }))
        return false;
    cards.push_back(card);
    return true;
}

std::vector<Page> MemoryStore::notebook(const std::string& profile)
{
    std::vector<Page> pages = m_notebooks[profile];
    putInOrder(pages);
    return pages;
}

void MemoryStore::saveNotebook(const std::string& profile, std::span<const Page> pages)
{
    keepInto(m_notebooks[profile], pages);
}

bool MemoryStore::setPinHashIfUnset(const std::string& hash)
{
    if (m_pinHash)
        return false;
    m_pinHash = hash;
    return true;
}

} // namespace quorvel
