// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/environment.h"

#include <cstdlib>
#include <locale>
#include <string>

namespace quorvel {
namespace {

// The locale name in force for numbers, by the usual precedence of the variables.
std::string numericLocaleName()
{
    for (const char* variable : { "LC_ALL", "LC_NUMERIC", "LANG" }) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "C";
}

} // namespace

char decimalSeparatorFromEnvironment()
{
    try {
        return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
    } catch (const std::runtime_error&) {
        // The locale is named but not installed: fall back on the languages that write a
        // decimal comma, Italian first among them.
        const std::string name = numericLocaleName();
        for (const char* language : { "it", "de", "fr", "es", "pt", "nl" })
            if (name.rfind(language, 0) == 0)
                return ',';
        return '.';
    }
}

Language languageFromEnvironment()
{
    for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const char* value = std::getenv(name);
        if (value && *value)
            return languageOfLocale(value);
    }
    return Language::italian;
}

} // namespace quorvel
