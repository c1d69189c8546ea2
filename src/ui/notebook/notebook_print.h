// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <QString>
#include <string>

class QPrinter;

namespace quorvel {

class Notebook;

// Whose notebook it is and when it was printed, at the top of the first sheet.
struct NotebookOwner
{
    QString name; // empty for the guest
    std::string day; // "2026-12-07"
};

// The whole notebook as a teacher collects and marks it: whose it is and the day, then for each
// page its level, its state, its plot, its trials with the predictions right and wrong, and the
// rule once it was told. Each page's plot is the image resource "plot:N", N the page's number;
// each page begins a new sheet.
QString notebookHtml(const Notebook& notebook, const NotebookOwner& owner, char decimalSeparator);

// Prints the notebook, on paper or into a PDF file, as the printer is set, with each page's plot.
void printNotebook(
    const Notebook& notebook, const NotebookOwner& owner, char decimalSeparator, QPrinter& printer);

} // namespace quorvel
