// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/narrator/readable_speech.h"

#include "core/narrator/pause_tags.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace quorvel {
namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A letter, an accented one included (the lead byte of a UTF-8 sequence of the Latin, Greek or
// Cyrillic letters; quotes and other signs lead with other bytes).
bool isLetter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return isAsciiLetter(c) || (byte >= 0xC3 && byte <= 0xD4);
}

bool endsSentence(char c)
{
    return c == '.' || c == '!' || c == '?';
}

bool isMark(char c)
{
    return c == ',' || c == '.' || c == ';' || c == ':' || c == '!' || c == '?';
}

// A vowel written with an apostrophe for its accent, as a typewriter would: "puo'" is "può".
// "po'" is the one word whose apostrophe is right as it is.
std::string withAccents(std::string_view text)
{
    static constexpr std::array<std::pair<char, const char*>, 10> accented { {
        { 'a', "à" },
        { 'e', "è" },
        { 'i', "ì" },
        { 'o', "ò" },
        { 'u', "ù" },
        { 'A', "À" },
        { 'E', "È" },
        { 'I', "Ì" },
        { 'O', "Ò" },
        { 'U', "Ù" },
    } };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool accent = i + 1 < text.size() && text[i + 1] == '\''
            && (i + 2 == text.size() || !isLetter(text[i + 2]));
        const bool po
            = i >= 1 && text.substr(i - 1, 2) == "po" && (i < 2 || !isLetter(text[i - 2]));
        const auto found = std::find_if(
            accented.begin(), accented.end(), [c](const auto& pair) { return pair.first == c; });
        if (accent && !po && found != accented.end()) {
            out += found->second;
            ++i; // the apostrophe
        } else {
            out += c;
        }
    }
    // "perché", "finché", "poiché": the closed accent, however it was written.
    for (const std::string_view grave : { "chè", "chÈ" }) {
        for (std::size_t at = out.find(grave); at != std::string::npos;
             at = out.find(grave, at + 1)) {
            const std::size_t after = at + grave.size();
            if (after == out.size() || !isLetter(out[after]))
                out.replace(at + 2, grave.size() - 2, grave == "chè" ? "é" : "É");
        }
    }
    return out;
}

// One run of speech tidied on its own: dots that only pause gone (a run of them at its end
// closes a sentence), one space after each mark and none before, blanks collapsed.
std::string tidyRun(std::string_view run)
{
    const std::string accented = withAccents(run);
    std::string out;
    for (std::size_t i = 0; i < accented.size();) {
        const char c = accented[i];
        if (c == '.' && i + 1 < accented.size() && accented[i + 1] == '.') {
            std::size_t end = i;
            while (end < accented.size() && accented[end] == '.')
                ++end;
            const bool last = accented.find_first_not_of(" \t", end) == std::string::npos;
            out += last ? "." : " ";
            i = end;
            continue;
        }
        if (c == ' ' || c == '\t') {
            if (!out.empty() && out.back() != ' ')
                out += ' ';
            ++i;
            continue;
        }
        if (isMark(c) && !out.empty() && out.back() == ' ')
            out.pop_back();
        if (isMark(c) && !out.empty() && isMark(out.back()) && c == '.')
            ; // "?." or ",.": the first mark says it
        else
            out += c;
        const bool decimal = (c == ',' || c == '.') && i > 0 && i + 1 < accented.size()
            && std::isdigit(static_cast<unsigned char>(accented[i - 1]))
            && std::isdigit(static_cast<unsigned char>(accented[i + 1]));
        if (isMark(c) && !decimal && i + 1 < accented.size() && isLetter(accented[i + 1]))
            out += ' ';
        ++i;
    }
    while (!out.empty() && out.front() == ' ')
        out.erase(out.begin());
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    // A mark that is all that is left of a run of dots has nothing to close.
    if (out.size() == 1 && isMark(out[0]))
        out = ".";
    for (std::size_t i = 2; i < out.size(); ++i)
        if (out[i - 1] == ' ' && endsSentence(out[i - 2]) && out[i] >= 'a' && out[i] <= 'z')
            out[i] = static_cast<char>(out[i] - 'a' + 'A');
    return out;
}

// The first ASCII letter, after quotes and marks, in capitals.
void capitalise(std::string& text, std::size_t from)
{
    for (std::size_t i = from; i < text.size(); ++i) {
        if (isLetter(text[i])) {
            if (text[i] >= 'a' && text[i] <= 'z')
                text[i] = static_cast<char>(text[i] - 'a' + 'A');
            return;
        }
    }
}

} // namespace

std::vector<std::string> readablePieces(const std::vector<std::string>& runs)
{
    std::vector<std::string> out;
    std::string sofar; // what the runs before have given
    for (const std::string& run : runs) {
        std::string tidy = tidyRun(run);
        if (tidy == "." && (sofar.empty() || endsSentence(sofar.back()) || sofar.back() == ','))
            tidy.clear(); // dots that close nothing
        if (!tidy.empty() && !sofar.empty()) {
            // Two marks where a pause met: the stronger one stays, said once.
            if (isMark(tidy.front()) && isMark(sofar.back())) {
                if (endsSentence(tidy.front()) && sofar.back() == ',' && !out.empty()
                    && !out.back().empty()) {
                    out.back().back() = tidy.front();
                    sofar.back() = tidy.front();
                }
                tidy.erase(tidy.begin());
                while (!tidy.empty() && tidy.front() == ' ')
                    tidy.erase(tidy.begin());
            }
            if (!tidy.empty() && !isMark(tidy.front()))
                tidy.insert(tidy.begin(), ' ');
        }
        if (!tidy.empty() && (sofar.empty() || endsSentence(sofar.back())))
            capitalise(tidy, 0);
        sofar += tidy;
        out.push_back(std::move(tidy));
    }
    return out;
}

std::string readableSpeech(std::string_view speech)
{
    std::vector<std::string> runs;
    for (const SpeechPiece& piece : splitSpeech(std::string(speech)))
        if (!piece.isPause())
            runs.push_back(piece.text);
    std::string out;
    for (const std::string& run : readablePieces(runs))
        out += run;
    return out;
}

} // namespace quorvel
