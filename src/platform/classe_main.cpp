// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// quorvel-classe: sets up a class on the school's PostgreSQL server, once, by its administrator.
//   quorvel-classe init ADMIN_URI --classe NOME [--sslmode prefer|require|verify-full]
// The teacher's password is read from the input (asked twice on a terminal); the last line is
// "classe: PUPIL_URI", the line every computer of the lab needs.
#include "core/app/version.h"
#include "platform/class_schema.h"
#include "platform/pg_connection.h"

#include <termios.h>
#include <unistd.h>

#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr const char* usage
    = "uso: quorvel-classe init ADMIN_URI --classe NOME [--sslmode prefer|require|verify-ca|"
      "verify-full]\n"
      "     quorvel-classe --version\n";

struct Options
{
    std::string adminUri;
    std::string className;
    std::string sslMode = "prefer";
};

std::optional<Options> parse(int argc, char** argv)
{
    if (argc < 3 || std::string(argv[1]) != "init")
        return std::nullopt;
    Options options;
    options.adminUri = argv[2];
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        if (key == "--classe")
            options.className = argv[i + 1];
        else if (key == "--sslmode")
            options.sslMode = argv[i + 1];
        else
            return std::nullopt;
    }
    if ((argc - 3) % 2 != 0 || options.className.empty())
        return std::nullopt;
    const std::string& mode = options.sslMode;
    if (mode != "disable" && mode != "allow" && mode != "prefer" && mode != "require"
        && mode != "verify-ca" && mode != "verify-full")
        return std::nullopt;
    return options;
}

// A line typed without showing it.
std::string readHidden(const char* prompt)
{
    std::cerr << prompt << std::flush;
    termios before {};
    tcgetattr(STDIN_FILENO, &before);
    termios hidden = before;
    hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &hidden);
    std::string line;
    std::getline(std::cin, line);
    tcsetattr(STDIN_FILENO, TCSANOW, &before);
    std::cerr << '\n';
    return line;
}

std::optional<std::string> teacherPassword()
{
    if (isatty(STDIN_FILENO) == 0) {
        std::string password;
        if (!std::getline(std::cin, password))
            return std::nullopt;
        return password;
    }
    const std::string password = readHidden("Password dell'insegnante (almeno 8 caratteri): ");
    if (readHidden("Scrivila di nuovo: ") != password) {
        std::cerr << "quorvel-classe: le due password non sono uguali\n";
        return std::nullopt;
    }
    return password;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << "quorvel-classe " << quorvel::programVersion << '\n';
        return 0;
    }
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::cerr << usage;
        return 2;
    }
    if (options->className.size() > 100) {
        std::cerr << "quorvel-classe: il nome della classe è troppo lungo\n";
        return 2;
    }
    const std::optional<std::string> password = teacherPassword();
    if (!password)
        return 2;
    if (password->size() < 8) {
        std::cerr << "quorvel-classe: la password dell'insegnante deve avere almeno 8 "
                     "caratteri\n";
        return 2;
    }
    try {
        quorvel::PgConnection admin(options->adminUri);
        admin.connect(15000);
        const quorvel::ClassSetUp done
            = quorvel::setUpClass(admin, options->className, *password, options->sslMode);
        if (done.schemaBefore == 0)
            std::cout << "schema: creato (versione " << quorvel::classSchemaVersion << ")\n";
        else if (done.schemaBefore < quorvel::classSchemaVersion)
            std::cout << "schema: aggiornato dalla versione " << done.schemaBefore
                      << " alla versione " << quorvel::classSchemaVersion << '\n';
        else
            std::cout << "schema: già aggiornato (versione " << quorvel::classSchemaVersion
                      << ")\n";
        std::cout << (done.classIsNew ? "classe creata: " : "classe aggiornata: ")
                  << options->className << '\n';
        std::cout << "classe: " << done.pupilUri << '\n';
    } catch (const quorvel::PgFault& fault) {
        std::cerr << "quorvel-classe: " << fault.what() << '\n';
        return fault.kind() == quorvel::PgFault::Kind::NewerSchema ? 3 : 1;
    }
    return std::cout.flush() ? 0 : 1;
}
