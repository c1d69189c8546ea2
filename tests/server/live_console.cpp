// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "server/live_console.h"

#include "server/server_test_support.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>

namespace quorvel::testing {

LiveConsole::LiveConsole(const std::string& uri, int seed)
    : m_home((std::filesystem::temp_directory_path() / uniqueName("quorvel-live")).string())
{
    std::filesystem::create_directories(m_home);
    int toChild[2];
    int fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0)
        throw std::runtime_error("pipe");
    const std::string data = "XDG_DATA_HOME=" + m_home + "/data";
    const std::string config = "XDG_CONFIG_HOME=" + m_home + "/config";
    const std::string program = QUORVEL_TEST_BIN "/quorvel-console";
    const std::string seedText = std::to_string(seed);
    m_pid = fork();
    if (m_pid == 0) {
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        dup2(fromChild[1], STDERR_FILENO);
        ::close(toChild[1]);
        ::close(fromChild[0]);
        putenv(const_cast<char*>(data.c_str()));
        putenv(const_cast<char*>(config.c_str()));
        execl(program.c_str(), program.c_str(), "--seed", seedText.c_str(), "--date", "2026-12-07",
            "--lingua", "it", "--classe", uri.c_str(), nullptr);
        _exit(127);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    m_in = toChild[1];
    m_out = fromChild[0];
}

LiveConsole::~LiveConsole()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_in >= 0)
        ::close(m_in);
    if (m_out >= 0)
        ::close(m_out);
    std::error_code ignored;
    std::filesystem::remove_all(m_home, ignored);
}

void LiveConsole::send(const std::string& line)
{
    const std::string text = line + "\n";
    if (write(m_in, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        throw std::runtime_error("the console does not read");
}

std::string LiveConsole::waitFor(const std::string& start, int milliseconds)
{
    const auto deadline
        = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        for (std::size_t end; (end = m_pending.find('\n')) != std::string::npos;) {
            std::string line = m_pending.substr(0, end);
            m_pending.erase(0, end + 1);
            m_seen.push_back(line);
            if (line.rfind(start, 0) == 0)
                return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0)
            return {};
        pollfd watched { m_out, POLLIN, 0 };
        if (poll(&watched, 1, static_cast<int>(left)) <= 0)
            continue;
        char buffer[4096];
        const ssize_t got = read(m_out, buffer, sizeof buffer);
        if (got <= 0)
            return {};
        m_pending.append(buffer, static_cast<std::size_t>(got));
    }
}

void LiveConsole::pause()
{
    kill(m_pid, SIGSTOP);
}

void LiveConsole::resume()
{
    kill(m_pid, SIGCONT);
}

void LiveConsole::close()
{
    if (m_in >= 0)
        ::close(m_in);
    m_in = -1;
    if (m_pid > 0)
        waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

} // namespace quorvel::testing
