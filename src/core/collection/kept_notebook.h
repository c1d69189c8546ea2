// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/notebook/notebook.h"

#include <span>
#include <string>
#include <vector>

namespace quorvel {

// What every store keeps of a notebook, and in which order it gives it back.

// A page with trials, or revealed. An empty page is taken again by the next mechanism in force,
// so it is never kept: it would only stand empty in the notebook of the next session.
bool worthKeeping(const Page& page);

// The notebook's order: pages by when they began, trials by when they were made, the id
// deciding between equal times; both numbered from 1 in that order.
void putInOrder(std::vector<Page>& pages);

// Keeps in `kept` what `saved` adds to it: pages worth keeping that it does not hold, the
// latest streak, level and marks of those it holds, and the trials it does not hold. Nothing
// is ever taken away: another copy of the program may have written it.
void keepInto(std::vector<Page>& kept, std::span<const Page> saved);

// The answers of a page's streak as a store keeps them, in one text, one a line (none of them
// holds a line end); and back.
std::string joinedLines(const std::vector<std::string>& lines);
std::vector<std::string> linesOf(const std::string& joined);

} // namespace quorvel
