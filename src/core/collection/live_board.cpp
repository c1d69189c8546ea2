// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/collection/live_board.h"

#include "core/app/translation.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace quorvel {
namespace {

//: the animals a board shown without names calls the pupils by
constexpr const char* animals[] = {
    QV_TRANSLATE_NOOP("Board", "Volpe"),
    QV_TRANSLATE_NOOP("Board", "Gufo"),
    QV_TRANSLATE_NOOP("Board", "Delfino"),
    QV_TRANSLATE_NOOP("Board", "Panda"),
    QV_TRANSLATE_NOOP("Board", "Tigre"),
    QV_TRANSLATE_NOOP("Board", "Koala"),
    QV_TRANSLATE_NOOP("Board", "Pinguino"),
    QV_TRANSLATE_NOOP("Board", "Giraffa"),
    QV_TRANSLATE_NOOP("Board", "Lontra"),
    QV_TRANSLATE_NOOP("Board", "Riccio"),
    QV_TRANSLATE_NOOP("Board", "Castoro"),
    QV_TRANSLATE_NOOP("Board", "Falco"),
    QV_TRANSLATE_NOOP("Board", "Tartaruga"),
    QV_TRANSLATE_NOOP("Board", "Zebra"),
    QV_TRANSLATE_NOOP("Board", "Canguro"),
    QV_TRANSLATE_NOOP("Board", "Scoiattolo"),
    QV_TRANSLATE_NOOP("Board", "Orso"),
    QV_TRANSLATE_NOOP("Board", "Lupo"),
    QV_TRANSLATE_NOOP("Board", "Cervo"),
    QV_TRANSLATE_NOOP("Board", "Fenicottero"),
    QV_TRANSLATE_NOOP("Board", "Pavone"),
    QV_TRANSLATE_NOOP("Board", "Camaleonte"),
    QV_TRANSLATE_NOOP("Board", "Balena"),
    QV_TRANSLATE_NOOP("Board", "Leone"),
    QV_TRANSLATE_NOOP("Board", "Gatto"),
    QV_TRANSLATE_NOOP("Board", "Coniglio"),
    QV_TRANSLATE_NOOP("Board", "Cavallo"),
    QV_TRANSLATE_NOOP("Board", "Elefante"),
    QV_TRANSLATE_NOOP("Board", "Ghepardo"),
    QV_TRANSLATE_NOOP("Board", "Polpo"),
};

} // namespace

std::string boardAlias(long long pupilId)
{
    const auto count = static_cast<long long>(std::size(animals));
    const long long n = pupilId < 0 ? 0 : pupilId;
    std::string alias = translate("Board", animals[n % count]);
    if (n >= count)
        alias += " " + std::to_string(n / count + 1);
    return alias;
}

void sortByProgress(std::vector<BoardRow>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const BoardRow& a, const BoardRow& b) {
        return std::tuple(a.discovered, a.streak, a.trials)
            > std::tuple(b.discovered, b.streak, b.trials);
    });
}

std::string agoText(long long seconds)
{
    if (seconds < 5)
        return translate("Board", "adesso");
    //: %1 is a number of seconds
    if (seconds < 60)
        return fill(translate("Board", "%1 s fa"), { std::to_string(seconds) });
    //: %1 is a number of minutes
    if (seconds < 3600)
        return fill(translate("Board", "%1 min fa"), { std::to_string(seconds / 60) });
    //: %1 is a number of hours
    return fill(translate("Board", "%1 h fa"), { std::to_string(seconds / 3600) });
}

} // namespace quorvel
