// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/collection/kept_notebook.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace quorvel {

bool worthKeeping(const Page& page)
{
    return !page.trials.empty() || page.revealed;
}

namespace {

// Sorts what is, most often, in order already: then it only looks.
template <typename T, typename Before> void sortIfNeeded(std::vector<T>& items, Before before)
{
    if (!std::is_sorted(items.begin(), items.end(), before))
        std::sort(items.begin(), items.end(), before);
}

} // namespace

void putInOrder(std::vector<Page>& pages)
{
    sortIfNeeded(pages, [](const Page& x, const Page& y) {
        return std::tie(x.begun, x.id) < std::tie(y.begun, y.id);
    });
    int pageNumber = 0;
    for (Page& page : pages) {
        page.number = ++pageNumber;
        sortIfNeeded(page.trials, [](const Trial& x, const Trial& y) {
            return std::tie(x.made, x.id) < std::tie(y.made, y.id);
        });
        int trialNumber = 0;
        for (Trial& trial : page.trials)
            trial.number = ++trialNumber;
    }
}

namespace {

// The trials of `saved` that `kept` does not hold. A page grows at its end, so usually the
// trials kept are the first ones saved, and only the rest are looked at.
void addTrials(Page& kept, const Page& saved)
{
    const std::size_t held = kept.trials.size();
    if (held <= saved.trials.size()
        && (held == 0 || saved.trials[held - 1].id == kept.trials.back().id)) {
        kept.trials.insert(kept.trials.end(),
            saved.trials.begin() + static_cast<std::ptrdiff_t>(held), saved.trials.end());
        return;
    }
    std::unordered_set<std::string> ids;
    for (const Trial& trial : kept.trials)
        ids.insert(trial.id);
    for (const Trial& trial : saved.trials)
        if (ids.insert(trial.id).second)
            kept.trials.push_back(trial);
}

} // namespace

void keepInto(std::vector<Page>& kept, std::span<const Page> saved)
{
    std::unordered_map<std::string, std::size_t> held;
    for (std::size_t i = 0; i < kept.size(); ++i)
        held[kept[i].id] = i;
    for (const Page& page : saved) {
        if (!worthKeeping(page))
            continue;
        const auto found = held.find(page.id);
        if (found == held.end()) {
            held[page.id] = kept.size();
            kept.push_back(page);
            continue;
        }
        Page& mine = kept[found->second];
        std::tie(
            mine.level, mine.streak, mine.streakAnswers, mine.discovered, mine.revealed, mine.rule)
            = std::tie(page.level, page.streak, page.streakAnswers, page.discovered, page.revealed,
                page.rule);
        addTrials(mine, page);
    }
}

std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string joined;
    for (const std::string& line : lines)
        joined += (joined.empty() ? "" : "\n") + line;
    return joined;
}

std::vector<std::string> linesOf(const std::string& joined)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < joined.size()) {
        const std::size_t end = std::min(joined.find('\n', at), joined.size());
        lines.push_back(joined.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

} // namespace quorvel
