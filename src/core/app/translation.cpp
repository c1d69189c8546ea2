// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/app/translation.h"

#include <vector>

namespace quorvel {
namespace {

Language activeLanguage = Language::italian;
Translator activeTranslator = nullptr;

} // namespace

std::optional<Language> languageNamed(std::string_view code)
{
    if (code == "it")
        return Language::italian;
    if (code == "en")
        return Language::english;
    return std::nullopt;
}

const char* languageCode(Language language)
{
    return language == Language::english ? "en" : "it";
}

Language languageOfLocale(std::string_view locale)
{
    const auto end = locale.find_first_of("_.@");
    return locale.substr(0, end) == "en" ? Language::english : Language::italian;
}

void useLanguage(Language language, Translator translator)
{
    activeLanguage = language;
    activeTranslator = translator;
}

Language currentLanguage()
{
    return activeLanguage;
}

Translator currentTranslator()
{
    return activeTranslator;
}

std::string translate(const char* context, const char* source)
{
    return activeTranslator ? activeTranslator(context, source) : std::string(source);
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    const std::vector<std::string_view> given(values);
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < given.size()) {
                out += given[index];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string listed(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            //: between the last two things of a list: "3, 5 e 7"
            text += i + 1 == items.size() ? translate("Lists", " e ") : ", ";
        text += items[i];
    }
    return text;
}

} // namespace quorvel
