// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "server/test_server.h"

#include "platform/pg_connection.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#ifndef QUORVEL_PG_BIN
#define QUORVEL_PG_BIN "/usr/lib/postgresql/15/bin"
#endif

namespace quorvel::testing {
namespace {

// A port no one listens on now.
int freePort()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    const int port = ntohs(address.sin_port);
    ::close(s);
    return port;
}

bool root()
{
    return ::geteuid() == 0;
}

void check(int status, const std::string& what)
{
    if (status != 0)
        throw std::runtime_error(
            "test server: " + what + " failed (" + std::to_string(status) + ")");
}

} // namespace

int TestServer::run(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

std::string TestServer::output(const std::string& command, int* status)
{
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run " + command);
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        text.append(buffer, n);
    const int result = ::pclose(pipe);
    if (status)
        *status = WIFEXITED(result) ? WEXITSTATUS(result) : 128;
    return text;
}

std::string TestServer::asServer(const std::string& command) const
{
    return root() ? "runuser -u postgres -- " + command : command;
}

TestServer::TestServer()
{
    char name[] = "/tmp/quorvel-pg-XXXXXX";
    if (!::mkdtemp(name))
        throw std::runtime_error("test server: no temporary folder");
    m_folder = name;
    m_data = m_folder + "/data";
    if (root()) {
        const passwd* user = ::getpwnam("postgres");
        if (!user)
            throw std::runtime_error("test server: no postgres user to run the server as");
        check(::chown(m_folder.c_str(), user->pw_uid, user->pw_gid), "chown");
    }
    m_port = freePort();
    check(run(asServer(std::string(QUORVEL_PG_BIN) + "/initdb -D " + m_data
              + " -U postgres -A trust -E UTF8 --locale=C.UTF-8 --no-sync"
                " > "
              + m_folder + "/initdb.log 2>&1")),
        "initdb");
    {
        std::ofstream hba(m_data + "/pg_hba.conf", std::ios::trunc);
        hba << "local all postgres trust\n"
               "local all all scram-sha-256\n"
               "host all postgres 127.0.0.1/32 trust\n"
               "host all all 127.0.0.1/32 scram-sha-256\n";
    }
    start();
}

TestServer::~TestServer()
{
    if (m_running)
        run(asServer(std::string(QUORVEL_PG_BIN) + "/pg_ctl -D " + m_data
            + " -m immediate -w stop > /dev/null 2>&1"));
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

void TestServer::start()
{
    const int status = run(asServer(std::string(QUORVEL_PG_BIN) + "/pg_ctl -D " + m_data + " -l "
        + m_folder + "/server.log -w -t 60 -o \"-k " + m_folder + " -p " + std::to_string(m_port)
        + " -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=120\" start"
          " > /dev/null"));
    if (status != 0)
        run("tail -20 " + m_folder + "/server.log >&2");
    check(status, "pg_ctl start");
    m_running = true;
}

void TestServer::stop()
{
    check(run(asServer(std::string(QUORVEL_PG_BIN) + "/pg_ctl -D " + m_data
              + " -m fast -w stop > /dev/null")),
        "pg_ctl stop");
    m_running = false;
}

void TestServer::kill()
{
    std::ifstream pidFile(m_data + "/postmaster.pid");
    pid_t server = 0;
    pidFile >> server;
    if (server <= 0)
        throw std::runtime_error("test server: no postmaster.pid");
    // The server's processes are its children: each dies at once, with no time to tidy up.
    std::vector<pid_t> processes { server };
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string pid;
        std::string name;
        char state = 0;
        pid_t parent = 0;
        if (stat >> pid >> name >> state >> parent && parent == server)
            processes.push_back(static_cast<pid_t>(std::stol(pid)));
    }
    for (const pid_t p : processes)
        ::kill(p, SIGKILL);
    for (const pid_t p : processes)
        while (
            ::kill(p, 0) == 0 && std::filesystem::exists("/proc/" + std::to_string(p) + "/stat")) {
            std::ifstream stat("/proc/" + std::to_string(p) + "/stat");
            std::string pid, name;
            char state = 0;
            if (!(stat >> pid >> name >> state) || state == 'Z')
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    // A killed server that nobody reaps stays a zombie, which the next start would take for a
    // server still running: its lock file goes, as an administrator would remove it.
    std::error_code ignored;
    std::filesystem::remove(m_data + "/postmaster.pid", ignored);
    std::filesystem::remove(m_folder + "/.s.PGSQL." + std::to_string(m_port) + ".lock", ignored);
    m_running = false;
}

void TestServer::createDatabase(const std::string& name)
{
    PgConnection admin(adminUri("postgres"));
    admin.execute("CREATE DATABASE \"" + name + "\"");
}

std::string TestServer::adminUri(const std::string& database) const
{
    std::string encoded;
    for (const char c : m_folder)
        encoded += c == '/' ? std::string("%2F") : std::string(1, c);
    return "postgresql://postgres@" + encoded + ":" + std::to_string(m_port) + "/" + database;
}

TestServer& sharedServer()
{
    static TestServer server;
    return server;
}

} // namespace quorvel::testing
