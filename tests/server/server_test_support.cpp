// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "server/server_test_support.h"

#include <unistd.h>

#include <atomic>
#include <stdexcept>

namespace quorvel::testing {

std::string shellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

ClasseRun runClasse(const std::string& adminUri, const std::string& className,
    const std::string& password, const std::string& more)
{
    ClasseRun run;
    run.out = TestServer::output("printf '%s\\n' " + shellQuoted(password) + " | "
            + QUORVEL_TEST_BIN "/quorvel-classe init " + shellQuoted(adminUri) + " --classe "
            + shellQuoted(className) + " " + more + " 2>&1",
        &run.status);
    const std::size_t end = run.out.find_last_not_of('\n');
    const std::size_t start = end == std::string::npos ? 0 : run.out.rfind('\n', end);
    run.lastLine = end == std::string::npos
        ? std::string()
        : run.out.substr(start == std::string::npos ? 0 : start + 1,
            end - (start == std::string::npos ? 0 : start + 1) + 1);
    return run;
}

std::string uniqueName(const std::string& stem)
{
    static std::atomic<int> count { 0 };
    return stem + "_" + std::to_string(::getpid()) + "_" + std::to_string(++count);
}

TestClass freshClass(const std::string& className, const std::string& teacherPassword)
{
    TestClass made;
    made.database = uniqueName("classe");
    sharedServer().createDatabase(made.database);
    made.adminUri = sharedServer().adminUri(made.database);
    made.teacherPassword = teacherPassword;
    const ClasseRun run = runClasse(made.adminUri, className, teacherPassword);
    const std::string prefix = "classe: ";
    if (run.status != 0 || run.lastLine.rfind(prefix, 0) != 0)
        throw std::runtime_error("quorvel-classe failed: " + run.out);
    made.pupilUri = run.lastLine.substr(prefix.size());
    return made;
}

} // namespace quorvel::testing
