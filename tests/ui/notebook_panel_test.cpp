// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The notebook beside the window, offscreen: trials written as they happen, predictions and
// the discovery, a hypothesis checked, the rule revealed, pages, the export, and the window
// growing by the panel.
#include "core/notebook/formula.h"
#include "core/notebook/notebook.h"
#include "core/storage/mechanism_file.h"
#include "fakes/fakes.h"
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_panel.h"
#include "ui/notebook/notebook_plot.h"
#include "ui/storage/mechanism_folder.h"
#include "window_test.h"

#include <QtTest/QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <clocale>

namespace quorvel {
namespace {

using testing::programFolder;

class NotebookWindow : public ::testing::Test, protected testing::Fakes
{
protected:
    void SetUp() override
    {
        characters.available = false;
        form.resize(MachineFace::designSize);
        form.notebook()->setShown(true);
        panel = form.notebook()->panel();
        form.machine().chooseLevel(1);
        form.machine().writableState().setScheme(Level::number(1), Value::int16(5)); // the larger
    }

    void predict(const QString& prediction, const std::string& first, const std::string& second)
    {
        testing::tryPair(form, prediction, first, second);
    }

    QString cell(int row, int column)
    {
        return panel->model().data(panel->model().index(row, column), Qt::DisplayRole).toString();
    }

    MachineForm form { programFolder, speaker, characters };
    NotebookPanel* panel = nullptr;
};

TEST_F(NotebookWindow, WritesTrialsChecksPredictionsAndDiscovers)
{
    predict("9", "3", "9");
    ASSERT_EQ(panel->model().rowCount(), 1);
    EXPECT_EQ(cell(0, NotebookModel::OutputColumn), "9");
    EXPECT_EQ(cell(0, NotebookModel::PredictionColumn), "9 ✓");
    EXPECT_EQ(panel->predictionField().text(), ""); // ready for the next one
    predict("7", "8", "2");
    EXPECT_EQ(cell(1, NotebookModel::PredictionColumn), "7 ✗");
    EXPECT_FALSE(panel->statusText().contains("Hai scoperto"));
    predict("8", "8", "1");
    predict("12", "4", "12");
    predict("6", "6", "6");
    EXPECT_TRUE(panel->statusText().startsWith("Hai scoperto la regola!"));
    EXPECT_TRUE(panel->pageTitle().endsWith("· scoperta"));
    EXPECT_EQ(panel->plot().pointCount(), 5);
}

TEST_F(NotebookWindow, WhatIsNoPredictionStopsTheExperimentAndIsNeverWritten)
{
    predict("tre", "3", "9");
    EXPECT_EQ(panel->model().rowCount(), 0); // the pupil corrects it before the pair is tried
    EXPECT_TRUE(panel->verdictText().contains("«tre»")) << panel->verdictText().toStdString();
    EXPECT_EQ(panel->predictionField().text(), "tre");
    panel->predictionField().clear();
    predict("9", "3", "9");
    ASSERT_EQ(panel->model().rowCount(), 1);
    EXPECT_EQ(cell(0, NotebookModel::PredictionColumn), "9 ✓");
}

// On a computer set to Italian, as QApplication sets the C library's locale from LANG: the
// numbers read and write as in any other language, with the decimal comma where a pupil sees
// one and the point in files.
TEST(ItalianWindow, NumbersAreTheSameAsEverywhereElse)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_TRUE(std::setlocale(LC_ALL, "it_IT.UTF-8"));
    QLocale::setDefault(QLocale::Italian);
    {
        testing::Fakes fakes;
        fakes.characters.available = false;
        MachineForm form { programFolder, fakes.speaker, fakes.characters };
        form.notebook()->setShown(true);
        NotebookPanel* panel = form.notebook()->panel();
        form.machine().chooseLevel(2);
        form.machine().writableState().setScheme(Level::number(2), Value::int16(7)); // the mean
        EXPECT_EQ(testing::tryPair(form, "3", "3", "3"), "3");
        EXPECT_EQ(testing::tryPair(form, "4,5", "4", "5"), "4,5");
        EXPECT_EQ(testing::tryPair(form, "6", "5", "7"), "6");
        EXPECT_TRUE(form.machine().notebook().currentPage()->discovered);
        panel->hypothesisField().setText("(A + B) : 2");
        panel->checkHypothesis();
        EXPECT_TRUE(panel->verdictText().startsWith("La formula vale per 3 prove su 3."));
        MachineState& s = form.machine().writableState();
        s.partOpCode = Value::single(3); // drawn codes are single precision
        const std::string italian = mechanismRecord(s);
        std::setlocale(LC_ALL, "C");
        EXPECT_EQ(italian, mechanismRecord(s));
        EXPECT_EQ(italian.find(".,"), std::string::npos) << italian;
        std::setlocale(LC_ALL, "it_IT.UTF-8");
        QTemporaryDir folder;
        form.notebook()->exportCsv(folder.filePath("quaderno.csv"));
        QFile csv(folder.filePath("quaderno.csv"));
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        EXPECT_TRUE(csv.readAll().contains(";4;5;4,5;4,5;giusta;scoperta\r\n"));
    }
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, before.c_str());
}

TEST_F(NotebookWindow, ThePlotColoursAFewValuesAndGathersTheRest)
{
    for (int b = 1; b <= 9; ++b)
        predict("", "4", std::to_string(b));
    EXPECT_EQ(panel->plot().pointCount(), 9);
    const auto& series = panel->plot().series();
    ASSERT_EQ(series.size(), 6u);
    EXPECT_EQ(series.front().name, "secondo 1");
    EXPECT_EQ(series.back().name, "altri");
    EXPECT_EQ(series.back().points.size(), 4); // 6, 7, 8 and 9
    // Each name of the legend is drawn, at the plot's size in the window.
    form.show();
    QCoreApplication::processEvents();
    const QStringList shown = panel->plot().shownTexts();
    for (const auto& s : series)
        EXPECT_TRUE(shown.contains(s.name)) << shown.join(' ').toStdString();
}

// The axes write their numbers, with the machine's separator, at the plot's least height in
// the notebook's width, with usual and with large text: the plot is read by them.
TEST(NotebookPlotAlone, TheAxesWriteTheirNumbers)
{
    const struct
    {
        char separator;
        double text;
    } cases[] = { { '.', 1.0 }, { ',', 1.0 }, { ',', 1.5 } };
    for (const auto& c : cases) {
        QWidget parent;
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * c.text);
        parent.setFont(font);
        auto* plot = new NotebookPlot(c.separator, &parent);
        Notebook notebook;
        notebook.beginPage(Level::number(1));
        notebook.record("1", "4", 1, 4, "2");
        notebook.record("3", "45", 3, 45, "12");
        notebook.record("5", "1234567", 5, 1234567, "7"); // a long number, written whole
        const Page page = notebook.pages().front();
        plot->showPage(&page);
        const QSize size(NotebookPanel::naturalWidth - 20, plot->minimumHeight());
        parent.resize(size);
        plot->resize(size);
        parent.show();
        QCoreApplication::processEvents();
        const QStringList labels = plot->shownTexts();
        for (const QString& expected :
            { QString("0"), QString("10"), QString("uscita"), QString("primo numero"),
                QString("secondo 4"), QString("secondo 45"), QString("secondo 1234567") })
            EXPECT_TRUE(labels.contains(expected))
                << c.text << ": " << labels.join(' ').toStdString();
        // Each point is a dot of its colour, left of the legend's.
        const QImage picture = plot->grab().toImage();
        for (const NotebookPlot::Series& s : plot->series()) {
            int dots = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width() * 2 / 3; ++x)
                    dots += picture.pixelColor(x, y) == s.colour;
            EXPECT_GT(dots, 0) << s.name.toStdString();
        }
        // An empty page's axes go by halves, written with the separator.
        plot->showPage(nullptr);
        EXPECT_TRUE(plot->shownTexts().contains(QString("0") + c.separator + "5"))
            << plot->shownTexts().join(' ').toStdString();
    }
}

// A value keeps its colour from one experiment to the next, whatever comes after it.
TEST_F(NotebookWindow, ThePlotKeepsEachValuesColour)
{
    const auto colourOf = [&](const QString& name) {
        for (const NotebookPlot::Series& s : panel->plot().series())
            if (s.name == name)
                return s.colour;
        return QColor();
    };
    predict("", "4", "5");
    const QColor five = colourOf("secondo 5");
    predict("", "4", "3"); // comes before 5 in the legend
    predict("", "4", "1");
    EXPECT_EQ(colourOf("secondo 5"), five);
    EXPECT_NE(colourOf("secondo 3"), five);
}

// A page of very many trials draws its last thousand different points: a point drawn again
// over itself adds nothing, and every marker costs the window time.
TEST(NotebookPlotAlone, DrawsTheLastThousandDifferentPoints)
{
    NotebookPlot plot('.');
    const auto pageOf = [](int trials, int pairs) {
        Notebook notebook;
        notebook.beginPage(Level::number(1));
        for (int n = 0; n < trials; ++n) {
            const int a = n % pairs;
            notebook.record(std::to_string(a), "1", a, 1, std::to_string(a + 1));
        }
        return notebook.pages().front();
    };
    const struct
    {
        int trials, pairs, drawn;
    } cases[] = { { 30, 30, 30 }, { 3000, 10, 10 }, { 5000, 5000, 1000 } };
    for (const auto& c : cases) {
        const Page page = pageOf(c.trials, c.pairs);
        plot.showPage(&page);
        EXPECT_EQ(plot.pointCount(), c.drawn) << c.trials << " trials";
    }
}

// A check lists only the trials where the machine showed a number: each row shows its own
// trial's, whatever "????" came before it.
TEST(NotebookModelAlone, ShowsEachRowItsOwnTrialsCheck)
{
    Notebook notebook;
    notebook.beginPage(Level::number(1));
    notebook.record("3", "0", 3, 0, "????");
    notebook.record("4", "2", 4, 2, "6");
    notebook.record("5", "5", 5, 5, "1");
    NotebookModel model(notebook, '.');
    model.showPage(0);
    const auto formula = Formula::read("A + B");
    model.setHypothesis(checkHypothesis(std::get<Formula>(formula), notebook.pages()[0]));
    const auto cell = [&](int row, int role) {
        return model.index(row, NotebookModel::HypothesisColumn).data(role);
    };
    EXPECT_FALSE(cell(0, Qt::DisplayRole).isValid());
    EXPECT_FALSE(cell(0, Qt::BackgroundRole).isValid());
    EXPECT_EQ(cell(1, Qt::DisplayRole).toString(), "6");
    EXPECT_EQ(cell(2, Qt::DisplayRole).toString(), "10");
    EXPECT_NE(cell(1, Qt::BackgroundRole), cell(2, Qt::BackgroundRole)); // agrees; does not
}

TEST_F(NotebookWindow, ChecksAHypothesisAndPointsAtAMistake)
{
    predict("", "3", "9");
    predict("", "8", "2");
    panel->hypothesisField().setText("A +");
    panel->checkHypothesis();
    EXPECT_EQ(panel->verdictText(),
        "Non riesco a leggere la formula: la formula finisce a metà (al carattere 4).");
    panel->hypothesisField().setText("max(A; B)");
    panel->checkHypothesis();
    EXPECT_TRUE(panel->verdictText().startsWith("La formula vale per 2 prove su 2. Prova anche"));
    panel->hypothesisField().setText("A");
    panel->checkHypothesis();
    EXPECT_EQ(panel->verdictText(), "La formula vale per 1 prova su 2.");
    const QModelIndex first = panel->model().index(0, NotebookModel::HypothesisColumn);
    EXPECT_EQ(first.data().toString(), "3");
    EXPECT_NE(first.data(Qt::BackgroundRole), panel->model().index(1, 0).data(Qt::BackgroundRole));
}

TEST_F(NotebookWindow, RevealsTheRuleOnlyWhenThePupilConfirms)
{
    const auto answer = [](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [button] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(button)->click();
        });
    };
    answer(QMessageBox::No);
    panel->revealRule();
    EXPECT_FALSE(form.machine().notebook().currentPage()->revealed);
    answer(QMessageBox::Yes);
    panel->revealRule();
    // The rule, and the card it opened in the collection.
    EXPECT_EQ(panel->verdictText(),
        "La regola: Il risultato è il più grande dei due numeri. La macchina mostra «????» se il "
        "secondo numero è più grande di 32767.\n"
        "La carta di questa regola è entrata nella collezione.");
    EXPECT_TRUE(form.machine().notebook().currentPage()->revealed);
}

TEST_F(NotebookWindow, KeepsEarlierPagesToLookAt)
{
    predict("", "3", "9");
    form.machine().changeMechanism();
    predict("", "1", "1");
    predict("", "2", "2");
    EXPECT_EQ(panel->model().rowCount(), 2);
    panel->showPage(0);
    EXPECT_EQ(panel->model().rowCount(), 1);
    EXPECT_TRUE(panel->statusText().startsWith("Una pagina di prima"));
    predict("", "5", "5"); // the page looked at stays in view
    EXPECT_EQ(panel->model().rowCount(), 1);
}

// The exports start in the pupils' shared folder, never the program's working folder, and the
// notebook says where the file went.
TEST_F(NotebookWindow, ExportsStartInTheSharedFolderAndSayWhereTheyWent)
{
    testing::TemporaryDocuments documents;
    predict("", "3", "9");
    QString started;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            started = dialog->directory().absolutePath();
            dialog->reject();
        }
    });
    form.findChild<QAction*>("esportaCsv")->trigger();
    EXPECT_EQ(started, QDir(documents.path()).filePath("Quorvel"));
    QTemporaryDir folder;
    form.notebook()->exportCsv(folder.filePath("quaderno.csv"));
    EXPECT_EQ(panel->verdictText(),
        "Ho esportato il quaderno in «" + folder.filePath("quaderno.csv") + "».");
    EXPECT_EQ(MechanismFolder::forExporting(), folder.path()) << "the next export starts there";
}

TEST_F(NotebookWindow, ExportsATableAndAPdfForTheTeacher)
{
    predict("3,5", "3", "9");
    QTemporaryDir folder;
    form.notebook()->exportCsv(folder.filePath("quaderno.csv"));
    form.notebook()->savePdf(folder.filePath("quaderno.pdf"));
    QFile csv(folder.filePath("quaderno.csv")), pdf(folder.filePath("quaderno.pdf"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().endsWith("Meccanismo 1;1;1;3;9;9;3,5;sbagliata;\r\n"));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(NotebookWindow, TheWindowGrowsByThePanelAndTheFaceKeepsItsSize)
{
    QCoreApplication::processEvents();
    const QSize face = form.face()->size();
    const int width = form.width();
    form.notebook()->setShown(false);
    EXPECT_EQ(form.width(), width - NotebookPanel::naturalWidth);
    EXPECT_FALSE(QSettings().value("quaderno/aperto").toBool());
    form.notebook()->setShown(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.width(), width);
    EXPECT_EQ(form.face()->size(), face);
}

} // namespace
} // namespace quorvel
