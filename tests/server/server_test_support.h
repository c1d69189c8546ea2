// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "server/test_server.h"

#include <string>

namespace quorvel::testing {

// What quorvel-classe said and how it ended.
struct ClasseRun
{
    int status = 0;
    std::string out;
    std::string lastLine;
};

// Runs "quorvel-classe init ADMIN_URI --classe NAME" with the password on its input.
ClasseRun runClasse(const std::string& adminUri, const std::string& className,
    const std::string& password, const std::string& more = {});

// A fresh database with one class on the shared server: its pupil line.
struct TestClass
{
    std::string database;
    std::string adminUri;
    std::string pupilUri;
    std::string teacherPassword;
};
TestClass freshClass(
    const std::string& className = "3ª B", const std::string& teacherPassword = "maestra-1234");

// A name no other test's database has.
std::string uniqueName(const std::string& stem);

// Quotes a text for a POSIX shell.
std::string shellQuoted(const std::string& text);

} // namespace quorvel::testing
