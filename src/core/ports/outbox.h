// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {

// What waits on this computer for a class's server: calls in the order they were made, each
// kept whole until it is taken away once the server has it; and the few settings the computer
// keeps of the class. Kept by the program's own database, so that the class module, which
// talks to the server, brings no database of its own.
class Outbox
{
public:
    virtual ~Outbox() = default;

    struct Outgoing
    {
        long long seq = 0; // the order
        std::string call; // which of the server's functions
        std::string arguments; // its arguments, written whole
        int trials = 0; // how many trials it carries
    };
    virtual void addOutgoing(const std::string& destination, const Outgoing& item) = 0;
    // The first `limit` calls waiting for a destination, oldest first.
    virtual std::vector<Outgoing> outgoing(const std::string& destination, int limit) = 0;
    // Takes away every call for a destination up to `seq`, included.
    virtual void removeOutgoing(const std::string& destination, long long seq) = 0;
    // How many calls, and how many trials in them, wait for a destination.
    virtual std::pair<int, int> waiting(const std::string& destination) = 0;
    // A setting of this computer's own, by key; nothing when not set.
    virtual std::optional<std::string> localSetting(const std::string& key) = 0;
    virtual void setLocalSetting(const std::string& key, const std::string& value) = 0;
    // What the database has to say once, such as a damaged file repaired.
    virtual std::string takeOutboxNotice() = 0;
};

} // namespace quorvel
