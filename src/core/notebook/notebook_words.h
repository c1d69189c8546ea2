// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace quorvel {

struct Page;

// The notebook's words, in the language in use, in one place for every front end and export:
// the window's table and plot, the printed notebook, the CSV files and the console say them
// alike.
enum class NotebookColumn { Page, Level, Trial, First, Second, Output, Prediction, Outcome, State };
std::string columnHeading(NotebookColumn column);

// "primo numero", "secondo numero", "uscita": the quantities, as the axes and the screen
// reader name them.
enum class Quantity { First, Second, Output };
std::string quantityName(Quantity quantity);

// A rule the pupil found out, or one that was shown: "scoperta", "rivelata".
std::string discoveredWord();
std::string revealedWord();
// A prediction's outcome: "giusta", "sbagliata".
std::string outcomeWord(bool right);

// "Meccanismo 3 · livello 2", with " · scoperta" or " · rivelata" once the rule is told.
std::string pageHeading(const Page& page);
// "La regola: ..." for a rule told.
std::string ruleLine(const std::string& rule);
// "Livello 3"
std::string levelHeading(int level);
// What the pupil reads at the discovery.
std::string discoveryNews();
// The heading of a column of rules: "Regola".
std::string ruleHeading();

} // namespace quorvel
