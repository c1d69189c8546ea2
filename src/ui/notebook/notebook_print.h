// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QPrinter;

namespace quorvel {

class Notebook;

// The whole notebook as a page a teacher can collect and mark: a title, then for each page its
// level, its state and a table of its trials.
QString notebookHtml(const Notebook& notebook, char decimalSeparator);

// Prints the notebook, on paper or into a PDF file, as the printer is set.
void printNotebook(const Notebook& notebook, char decimalSeparator, QPrinter& printer);

} // namespace quorvel
