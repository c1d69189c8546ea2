#include "console/console_session.h"
#include "core/app/regional.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    std::string problem;
    auto options = quorvel::parseConsoleOptions(argc, argv, problem);
    if (!options) {
        std::cerr << problem << '\n';
        return 2;
    }
    options->decimalSeparator = quorvel::decimalSeparatorFromEnvironment();
    options->programFolder = std::filesystem::absolute(argv[0]).parent_path();
    quorvel::ConsoleSession session(*options, std::cout);
    session.run(std::cin);
    return 0;
}
