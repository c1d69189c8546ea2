// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace quorvel::testing {

// A quorvel-console of the class kept running, as a computer of the lab during a lesson: its
// own data and settings folders, commands written to it one at a time, its lines read as they
// come.
class LiveConsole
{
public:
    explicit LiveConsole(const std::string& uri, int seed = 7);
    ~LiveConsole();
    LiveConsole(const LiveConsole&) = delete;
    LiveConsole& operator=(const LiveConsole&) = delete;

    void send(const std::string& line);
    // Reads lines until one starts with `start`, for at most `milliseconds`; that line, or
    // nothing when none came. The lines read on the way are kept in seen().
    std::string waitFor(const std::string& start, int milliseconds = 15000);
    // Sends a command and waits for the answer's line.
    std::string ask(const std::string& line, const std::string& start)
    {
        send(line);
        return waitFor(start);
    }
    const std::vector<std::string>& seen() const { return m_seen; }
    // Freezes the console and lets it go on, as a computer whose network is cut and back.
    void pause();
    void resume();
    // Ends the console (its input closed) and waits for it.
    void close();

private:
    std::string m_home;
    pid_t m_pid = -1;
    int m_in = -1;
    int m_out = -1;
    std::string m_pending;
    std::vector<std::string> m_seen;
};

} // namespace quorvel::testing
