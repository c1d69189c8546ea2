// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The notebook's PDF and printing, with Qt Print Support: loaded when the notebook is first
// printed or saved as a PDF.
#include "ui/modules/modules.h"
#include "ui/notebook/notebook_print.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace quorvel {
namespace {

class QtDocumentModule : public DocumentModule
{
public:
    void print(const Notebook& notebook, const NotebookOwner& owner, char decimalSeparator,
        QWidget* parent) override
    {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(
            QCoreApplication::translate("quorvel::DocumentModule", "Stampa il quaderno"));
        if (dialog.exec() == QDialog::Accepted)
            printNotebook(notebook, owner, decimalSeparator, printer);
    }

    bool savePdf(const Notebook& notebook, const NotebookOwner& owner, char decimalSeparator,
        const QString& path) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printNotebook(notebook, owner, decimalSeparator, printer);
        return printer.printerState() != QPrinter::Error;
    }
};

} // namespace
} // namespace quorvel

extern "C" Q_DECL_EXPORT quorvel::DocumentModule* quorvelDocumentModule(
    quorvel::Language language, quorvel::Translator translator)
{
    quorvel::useLanguage(language, translator);
    static quorvel::QtDocumentModule module;
    return &module;
}
