// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/collection_store.h"

#include <string>
#include <vector>

namespace quorvel {

// The name a pupil goes by on a board shown without names: an animal, always the same for the
// same pupil, with a number when two share it ("Volpe", "Volpe 2").
std::string boardAlias(long long pupilId);

// The rows with the furthest on first: a discovered page, then the longer run of right
// predictions, then more trials; the names' order among equals.
void sortByProgress(std::vector<BoardRow>& rows);

// How long ago, in a few words: "adesso", "40 s fa", "3 min fa", "2 h fa".
std::string agoText(long long seconds);

} // namespace quorvel
