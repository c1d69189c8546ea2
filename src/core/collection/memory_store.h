// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/collection/pupil_names.h"
#include "core/ports/collection_store.h"

#include <map>

namespace quorvel {

// A store that keeps everything in memory and forgets it at the end: the guest's ("Ospite"),
// and the tests'.
class MemoryStore : public CollectionStore
{
public:
    std::vector<std::string> profiles() override { return m_profiles; }
    bool addProfile(const std::string& name) override;
    bool renameProfile(const std::string& from, const std::string& to) override;
    void deleteProfile(const std::string& name) override;

    std::vector<Card> cards(const std::string& profile) override { return m_cards[profile]; }
    bool openCard(const std::string& profile, const Card& card) override;

    std::vector<Page> notebook(const std::string& profile) override;
    void saveNotebook(const std::string& profile, std::span<const Page> pages) override;

    ClassRules classRules() override { return m_rules; }
    void setClassRules(const ClassRules& rules) override { m_rules = rules; }
    std::optional<std::string> pinHash() override { return m_pinHash; }
    bool setPinHashIfUnset(const std::string& hash) override;
    PinGuard pinGuard() override { return m_pinGuard; }
    void setPinGuard(const PinGuard& guard) override { m_pinGuard = guard; }

private:
    std::vector<std::string> m_profiles;
    std::map<std::string, std::vector<Card>> m_cards;
    std::map<std::string, std::vector<Page>> m_notebooks;
    ClassRules m_rules;
    std::optional<std::string> m_pinHash;
    PinGuard m_pinGuard;
};

} // namespace quorvel
