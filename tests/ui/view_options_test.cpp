// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The "vista" menu: the high-contrast face keeps every text at 7:1 or more against its ground
// and comes back to the usual face unchanged; large text makes the face's and the notebook's
// text half as large again, with the keys' captions still inside their keys; both choices are
// remembered.
#include "ui/app/caption_strip.h"
#include "ui/app/display_label.h"
#include "ui/app/key_label.h"
#include "ui/app/status_label.h"
#include "ui/app/view_options.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_panel.h"
#include "ui/notebook/notebook_plot.h"
#include "window_test.h"

#include <QTest>

#include <cmath>
#include <map>

namespace quorvel {
namespace {

using testing::programFolder;
using testing::Window;

class View : public Window
{
protected:
    void SetUp() override { showWithFace(); }
    void TearDown() override { QSettings().remove("vista"); }

    // Every pair of text and ground colours the face's keys, displays and status line use.
    std::vector<std::tuple<QString, QColor, QColor>> colourPairs()
    {
        std::vector<std::tuple<QString, QColor, QColor>> pairs;
        for (KeyLabel* key : form.face()->findChildren<KeyLabel*>())
            pairs.emplace_back(key->objectName(), key->textColour(), key->background());
        for (DisplayLabel* display : form.face()->findChildren<DisplayLabel*>())
            pairs.emplace_back(display->objectName(), display->textColour(), display->background());
        auto* status = control<StatusLabel>("rigaStato");
        pairs.emplace_back("rigaStato", status->palette().color(QPalette::WindowText),
            status->palette().color(QPalette::Window));
        return pairs;
    }
};

TEST(ContrastRatio, FollowsTheRelativeLuminance)
{
    const std::tuple<QColor, QColor, double> known[] = {
        { Qt::black, Qt::white, 21.0 }, { Qt::white, Qt::white, 1.0 },
        { QColor("#767676"), Qt::white, 4.54 },
        { QColor("#FF0000"), QColor("#0000C0"), 2.98 }, // the usual digits on their keys
    };
    for (const auto& [text, ground, ratio] : known) {
        EXPECT_NEAR(contrastRatio(text, ground), ratio, 0.01) << text.name().toStdString();
        EXPECT_NEAR(contrastRatio(ground, text), ratio, 0.01) << text.name().toStdString();
    }
}

TEST_F(View, HighContrastKeepsEveryTextAtSevenToOne)
{
    const auto usual = colourPairs();
    trigger("altoContrasto");
    ASSERT_TRUE(form.view()->highContrast());
    EXPECT_TRUE(form.face()->isPlain());
    const auto high = colourPairs();
    ASSERT_GE(high.size(), 27u); // 24 keys of the keypads and the command keys, 3 displays
    for (const auto& [name, text, ground] : high)
        EXPECT_GE(contrastRatio(text, ground), 7.0)
            << name.toStdString() << ": " << text.name().toStdString() << " on "
            << ground.name().toStdString();
    // The notebook beside it, its plot, the menus and the dialogs follow.
    form.notebook()->setShown(true);
    QWidget* panel = form.notebook()->panel();
    QCoreApplication::processEvents(); // a new palette reaches the widgets with the events
    QList<QWidget*> widgets = panel->findChildren<QWidget*>();
    widgets << panel << form.menuBar();
    for (QWidget* w : widgets) {
        const QPalette p = w->palette();
        EXPECT_GE(contrastRatio(p.color(QPalette::WindowText), p.color(QPalette::Window)), 7.0)
            << w->objectName().toStdString() << " " << w->metaObject()->className() << " "
            << p.color(QPalette::WindowText).name().toStdString() << " on "
            << p.color(QPalette::Window).name().toStdString() << " group " << p.currentColorGroup();
        EXPECT_GE(contrastRatio(p.color(QPalette::Text), p.color(QPalette::Base)), 7.0)
            << w->objectName().toStdString() << " " << w->metaObject()->className();
    }
    QMessageBox box(&form);
    EXPECT_GE(contrastRatio(
                  box.palette().color(QPalette::WindowText), box.palette().color(QPalette::Window)),
        7.0);
    trigger("altoContrasto");
    EXPECT_FALSE(form.face()->isPlain());
    EXPECT_EQ(colourPairs(), usual);
}

TEST_F(View, LargeTextMakesTheFaceAndTheNotebookHalfAsLargeAgain)
{
    form.notebook()->setShown(true);
    QCoreApplication::processEvents();
    std::map<QWidget*, int> before;
    for (QWidget* w : form.face()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (qobject_cast<QLabel*>(w) && w->font().pixelSize() > 0)
            before[w] = w->font().pixelSize();
    for (QWidget* w : form.notebook()->panel()->findChildren<QWidget*>())
        before[w] = QFontInfo(w->font()).pixelSize();
    const int caption = form.captions()->textFont().pixelSize();
    const int menus = form.menuBar()->font().pixelSize();
    // The plot's axes; the legend keeps its size, so that the axes have the height they need.
    auto* plot = form.notebook()->panel()->findChild<NotebookPlot*>("grafico");
    ASSERT_NE(plot, nullptr);
    const auto plotFonts = [plot] {
        return std::vector<int> { QFontInfo(plot->labelsFont()).pixelSize(),
            QFontInfo(plot->titleFont()).pixelSize() };
    };
    const std::vector<int> plotBefore = plotFonts();
    ASSERT_GE(before.size(), 30u);

    trigger("testoGrande");
    QCoreApplication::processEvents();
    for (const auto& [widget, pixels] : before)
        EXPECT_GE(QFontInfo(widget->font()).pixelSize(), std::lround(pixels * 1.5))
            << widget->objectName().toStdString() << " " << widget->metaObject()->className();
    EXPECT_GE(form.captions()->textFont().pixelSize(), std::lround(caption * 1.5));
    EXPECT_GE(form.menuBar()->font().pixelSize(), static_cast<int>(menus * 1.5));
    EXPECT_EQ(form.face()->size(), MachineFace::designSize) << "the window grows instead";
    const std::vector<int> plotAfter = plotFonts();
    ASSERT_EQ(plotAfter.size(), plotBefore.size());
    for (std::size_t i = 0; i < plotAfter.size(); ++i)
        EXPECT_GE(plotAfter[i], std::lround(plotBefore[i] * 1.5)) << "plot font " << i;
    // The notebook grows wide enough for its table's headings.
    auto* table = form.notebook()->panel()->findChild<QTableView*>("prove");
    const QHeaderView* header = table->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        const QString heading = table->model()->headerData(column, Qt::Horizontal).toString();
        EXPECT_LE(QFontMetrics(header->font()).horizontalAdvance(heading) + 6,
            header->sectionSize(column))
            << heading.toStdString();
    }
    EXPECT_LE(header->length(), table->viewport()->width()) << "no column out of sight";
    // The keys' captions grow as far as their keys allow and stay inside them.
    for (KeyLabel* key : form.face()->findChildren<KeyLabel*>()) {
        const FittedCaption& fitted = key->fittedCaption();
        if (fitted.pixelSize == 0) // on a closed panel, not laid out
            continue;
        QFont f = key->font();
        f.setPixelSize(fitted.pixelSize);
        for (qsizetype i = 0; i < fitted.lines.size(); ++i) {
            const QRectF ink = QFontMetricsF(f).tightBoundingRect(fitted.lines[i]);
            EXPECT_TRUE(QRectF(key->rect()).contains(ink.translated(fitted.origins[i])))
                << key->objectName().toStdString();
        }
    }
    EXPECT_GE(control<KeyLabel>("sette")->fittedCaption().pixelSize, std::lround(17 * 1.5));
}

// Maximised, the window cannot grow: large text never takes the machine's room for a wider
// notebook, so its keys are never smaller than without it.
TEST_F(View, LargeTextNeverShrinksTheMachineOfAMaximisedWindow)
{
    form.notebook()->setShown(true);
    form.showMaximized();
    QCoreApplication::processEvents();
    QTest::qWait(50);
    const QSize face = form.face()->size();
    const int key = control<KeyLabel>("sette")->width();
    trigger("testoGrande");
    QTest::qWait(50);
    EXPECT_GE(form.face()->width(), face.width());
    EXPECT_GE(control<KeyLabel>("sette")->width(), key);
    EXPECT_LE(form.frameGeometry().width(), form.screen()->availableGeometry().width());
}

TEST_F(View, ChoicesAreRememberedForTheNextLesson)
{
    trigger("altoContrasto");
    trigger("testoGrande");
    testing::FakeSpeaker otherSpeaker { recorder };
    testing::FakeCharacterService otherCharacters { recorder };
    MachineForm next(programFolder, otherSpeaker, otherCharacters);
    EXPECT_TRUE(next.view()->highContrast());
    EXPECT_TRUE(next.view()->largeText());
    EXPECT_TRUE(next.face()->isPlain());
    EXPECT_EQ(next.face()->layout().textScale(), ViewOptions::largeTextScale);
    EXPECT_EQ(next.notebook()->width(), ViewOptions::largeNotebookWidth);
}

} // namespace
} // namespace quorvel
