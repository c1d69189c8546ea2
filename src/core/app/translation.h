// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Marks a text for the translators' files where it is only kept (a table, a constant); it is
// translated with translate() where it is shown.
#define QV_TRANSLATE_NOOP(context, text) text

namespace quorvel {

// The program speaks Italian, its own language, or English.
enum class Language { italian, english };

// The language of a code given on the command line: "it" or "en"; nothing for anything else.
std::optional<Language> languageNamed(std::string_view code);
const char* languageCode(Language language);
// The language a locale asks for: English for "en" and "en_*", Italian for anything else
// ("it_IT.UTF-8", "C", "de_DE", nothing at all).
Language languageOfLocale(std::string_view locale);

// What turns a text of the program into the language in use. Without one, every text is
// shown as it is written, in Italian.
using Translator = std::string (*)(const char* context, const char* source);
void useLanguage(Language language, Translator translator);
Language currentLanguage();
Translator currentTranslator();

// The text in the language in use. context groups the texts for the translators.
std::string translate(const char* context, const char* source);

// The pattern with %1 to %9 replaced by the values, in one pass (a value that holds "%2" stays
// as it is). A translation may leave some values out or put them in another order.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);

// The items as a list in the language in use: "a, b e c".
std::string listed(const std::vector<std::string>& items);

} // namespace quorvel
