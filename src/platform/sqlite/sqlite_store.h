// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/collection_store.h"
#include "core/ports/outbox.h"
#include "platform/sqlite/sqlite_connection.h"

#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

namespace quorvel {

struct SqliteStoreOptions
{
    int busyMilliseconds = 3000; // how long to wait for another copy's write
    // A cap on the database's size in pages, to stand for a full disk in tests.
    std::optional<long long> maxPages;
};

// The collection's store: one SQLite file, "quorvel.db", in the folder the caller gives.
// Written ahead (WAL) and synchronously, every change in one transaction, so a program killed
// at any moment loses at most the change it was writing, and a full disk keeps the last
// whole state. The schema's version is the database's user_version; an older database is
// brought up to date as it opens.
class SqliteStore : public CollectionStore, public Outbox
{
public:
    static constexpr int schemaVersion = 6;
    static constexpr const char* fileName = "quorvel.db";

    // Opens the database in `folder`, creating both when missing. A file that is no database,
    // or a damaged one (SQLite's whole check says so), is renamed aside with the date and time
    // ("quorvel-guasto-...db") and a fresh database is started with whatever can still be read
    // of it: notice() then says what was copied and what was not. Throws a StoreFault when the
    // database is locked by another copy for longer than the wait, when the folder cannot be
    // written, when something that cannot be a database stands in its place, or when a newer
    // Quorvel made the database (then it is left as it is).
    explicit SqliteStore(const std::filesystem::path& folder, SqliteStoreOptions options = {});

    // What happened while opening, for the pupil; empty when all went well.
    const std::string& notice() const { return m_notice; }
    std::string takeNotice() override { return std::exchange(m_notice, std::string()); }
    const std::filesystem::path& file() const { return m_file; }

    std::vector<std::string> profiles() override;
    bool addProfile(const std::string& name) override;
    std::vector<Card> cards(const std::string& profile) override;
    bool openCard(const std::string& profile, const Card& card) override;
    std::vector<Page> notebook(const std::string& profile) override;
    void saveNotebook(const std::string& profile, std::span<const Page> pages) override;
    ClassRules classRules() override;
    void setClassRules(const ClassRules& rules) override;
    std::optional<std::string> pinHash() override;
    bool setPinHashIfUnset(const std::string& hash) override;
    PinGuard pinGuard() override;
    void setPinGuard(const PinGuard& guard) override;
    bool renameProfile(const std::string& from, const std::string& to) override;
    void deleteProfile(const std::string& name) override;

    // The outbox of a class on a server.
    void addOutgoing(const std::string& destination, const Outgoing& item) override;
    std::vector<Outgoing> outgoing(const std::string& destination, int limit) override;
    void removeOutgoing(const std::string& destination, long long seq) override;
    std::pair<int, int> waiting(const std::string& destination) override;
    std::optional<std::string> localSetting(const std::string& key) override
    {
        return setting(key);
    }
    void setLocalSetting(const std::string& key, const std::string& value) override;
    std::string takeOutboxNotice() override { return takeNotice(); }

private:
    // A page as this connection last read or wrote it: its row, and how many of its first
    // trials are kept, the last of them named, so that a save writes only what is new.
    struct KeptPage
    {
        long long row = 0;
        Level level;
        int streak = 0;
        std::vector<std::string> streakAnswers;
        bool discovered = false;
        bool revealed = false;
        std::string rule;
        std::size_t trials = 0;
        std::string lastTrial;

        explicit KeptPage(long long row, const Page& page);
        bool sameRow(const Page& page) const;
        bool sameTrials(const Page& page) const;
    };

    void makeFolder(const std::filesystem::path& folder);
    void checkFile() const;
    void startAgainFromDamaged(const SqliteStoreOptions& options);
    void openHealthy(const SqliteStoreOptions& options);
    std::filesystem::path moveAside();
    void migrate();
    long long profileId(const std::string& profile);
    std::optional<std::string> setting(const std::string& key);
    void readTrials(const std::string& profile, std::vector<Page>& pages,
        const std::unordered_map<long long, std::size_t>& pageAt);
    long long writePage(long long profile, const Page& page);
    void updatePage(long long row, const Page& page);
    void writeTrials(long long row, const Page& page, std::size_t from);

    std::filesystem::path m_file;
    std::unique_ptr<SqliteConnection> m_db;
    std::string m_notice;
    std::unordered_map<std::string, KeptPage> m_kept; // by the page's id
};

// The schema's steps: step n brings a database of version n - 1 to version n.
const char* schemaStep(int version);

} // namespace quorvel
