// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace quorvel::testing {

// A PostgreSQL server of the tests' own: initdb into a temporary folder, listening on a Unix
// socket in that folder and on 127.0.0.1 at a free port, with passwords required of every role
// but the administrator ("postgres"). It runs as the unprivileged "postgres" user when the
// tests run as root (initdb refuses root), and is stopped and removed at the end.
class TestServer
{
public:
    TestServer();
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    void start();
    void stop(); // a clean, fast shutdown
    void kill(); // SIGKILL to the server and every process of it, as a power cut would
    bool running() const { return m_running; }

    // A fresh database on this server.
    void createDatabase(const std::string& name);
    // The administrator's URI for a database, through the socket folder.
    std::string adminUri(const std::string& database) const;
    const std::string& folder() const { return m_folder; }
    int port() const { return m_port; }

    // Runs a shell command line; its exit status.
    static int run(const std::string& command);
    // Runs a shell command line and gives its standard output.
    static std::string output(const std::string& command, int* status = nullptr);

private:
    std::string asServer(const std::string& command) const;

    std::string m_folder;
    std::string m_data;
    int m_port = 0;
    bool m_running = false;
};

// The server shared by the tests of one program, started at its first use.
TestServer& sharedServer();

} // namespace quorvel::testing
