// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window offscreen, used as the pupil uses it: every control where the machine's face puts
// it at any size, the menus, the activation, the lights, the information panel and clicks.
// The keyboard and the open panel have tests of their own.
#include "ui/app/key_label.h"
#include "ui/effects/clip_player.h"
#include "window_test.h"

#include <ranges>

namespace quorvel {
namespace {

using testing::answeringModal;
using testing::programFolder;
using testing::sendMouse;
using testing::Window;

// Every control of the face: name, place at 100 % in twips (15 to a pixel), caption (null
// where it has none) and the colour of its key or display (invalid where not checked).
std::vector<std::tuple<QString, QRect, QString, QColor>> faceControls()
{
    const QColor cyan("#C0FFFF"), blue("#0000C0"), red("#C00000");
    std::vector<std::tuple<QString, QRect, QString, QColor>> placed = {
        { "primoNumero", { 3720, 4680, 1455, 1335 }, "in", {} }, // selected: wears the yellow frame
        { "secondoNumero", { 6600, 4680, 1455, 1335 }, "in", cyan },
        { "uscita", { 9720, 1440, 1455, 1335 }, "out", cyan },
        { "cancellaPrimo", { 3240, 6840, 2415, 375 }, "Canc", blue },
        { "cancellaSecondo", { 6120, 6840, 2415, 375 }, "Canc", blue },
        { "exp", { 8880, 5160, 2655, 375 }, "esperimento", red },
        { "ingr", { 8880, 6240, 2655, 375 }, "Operazioni", red },
        { "cmb", { 8880, 7200, 2655, 375 }, "cambia meccanismo di calcolo", red },
        { "rigaStato", { 5295, 7230, 3540, 690 }, "",
            {} }, // below the second Canc, down to the edge
        { "shock", { 3000, 240, 5775, 4215 }, {}, {} },
        { "pannelloInformazioni", { 3000, 240, 5775, 4215 }, {}, {} },
        { "Picture5", { 5565, 4920, 615, 615 }, {}, {} },
    };
    for (int i = 1; i <= 4; ++i)
        placed.emplace_back(
            QString("Picture%1").arg(i), QRect(1440, 1200 * i, 615, 615), "", QColor());
    const char* const names[]
        = { "zero", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove" };
    for (int digit = 0; digit < 10; ++digit) {
        const QRect twips(3240 + 480 * (digit % 5), digit < 5 ? 6120 : 6480, 495, 375);
        for (const int pad : { 0, 1 })
            placed.emplace_back(names[digit] + QString(pad ? "2" : ""),
                twips.translated(2880 * pad, 0), QString::number(digit), blue);
    }
    return placed;
}

TEST_F(Window, EveryControlKeepsItsPlaceAndFontAtEverySize)
{
    trigger("informazioni"); // so that the panel's own lines are laid out and scaled too
    showWithFace();
    const QImage face = form.face()->grab().toImage();
    EXPECT_EQ(face.pixelColor(5, 100), QColor("#000080")) << "navy surface";
    std::vector<std::tuple<QWidget*, QRect, int>> atDesign;
    for (const char* line : { "nomeProgramma", "versione", "crediti1", "Picture6" }) {
        QWidget* widget = control(line);
        atDesign.emplace_back(widget, widget->geometry(), widget->font().pixelSize());
    }
    for (const auto& [name, twips, caption, colour] : faceControls()) {
        SCOPED_TRACE(name.toStdString());
        QWidget* widget = control(name);
        EXPECT_EQ(widget->geometry(), QRect(twips.topLeft() / 15, twips.size() / 15));
        if (!caption.isNull()) {
            EXPECT_EQ(qobject_cast<QLabel*>(widget)->text(), caption);
        }
        if (colour.isValid()) {
            EXPECT_EQ(face.pixelColor(widget->geometry().topLeft() + QPoint(3, 3)), colour);
        }
        atDesign.emplace_back(widget, widget->geometry(), widget->font().pixelSize());
    }
    EXPECT_FALSE(control("primoOperando")->isVisible())
        << "the mechanisms' copies are not for the pupil";
    EXPECT_EQ(form.windowTitle(), "Quorvel");
    const int menuFont = form.menuBar()->font().pixelSize();

    showWithFace(MachineFace::designSize * 2);
    for (const auto& [widget, rect, font] : atDesign) {
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_EQ(widget->geometry(), QRect(rect.topLeft() * 2, rect.size() * 2));
        EXPECT_EQ(widget->font().pixelSize(), font > 0 ? 2 * font : font);
    }
    EXPECT_EQ(form.menuBar()->font().pixelSize(), 2 * menuFont);
    // Wider than the design's proportions: the height decides and the face is centred.
    showWithFace({ 2000, 1058 });
    EXPECT_EQ(control("primoNumero")->geometry(), QRect(65 + 496, 624, 194, 178));
    clickOn("chiudiInformazioni"); // the information panel lies above the clip; its X closes it
    EXPECT_FALSE(control("pannelloInformazioni")->isVisible());
    clickOn("shock");
    form.resize(300, 200); // never smaller than the design
    QCoreApplication::processEvents();
    EXPECT_EQ(form.face()->size().expandedTo(MachineFace::designSize), form.face()->size());
}

TEST_F(Window, MenuItemsSitInTheirMenusAndReachTheirHandlers)
{
    // Menu/item: what the item does: the requests made (speech and glides left out), the modal
    // window raised, the panel shown, the end of the program's event loop.
    const QStringList expected = {
        "File/salvameccanismo: modal salvameccanismo",
        "File/aprimeccanismo: shows pannelloApri",
        "File/esci: exit",
        "livello/livello1: Beep 500 100",
        "livello/livello2: Beep 550 100",
        "livello/livello3: Beep 600 100",
        "livello/livello4: Show | Top 100 | Play getattention | Beep 650 100",
        "livello/livello5: Show | Top 100 | Play getattention | Beep 700 100",
        "istruzioni/controlli: Show | Play read | Top 100 | Play gestureup | Play gestureright",
        "istruzioni/da_ricordare: Show | Top 100 | Play read | Play DoMagic1 | Hide",
        "assistente/mostra: Show | Top 100",
        "assistente/nascondi: Hide",
        "informazioni/informazioni: shows pannelloInformazioni",
    };
    showWithFace(); // the activation loads the narrator
    QStringList names; // the machine's own items; the notebook's are tested with it
    for (const QString& line : expected)
        names << line.section('/', 1).section(':', 0, 0);
    std::vector<std::pair<QAction*, QAction*>> items;
    for (QAction* menu : form.menuBar()->actions())
        for (QAction* item : menu->menu() ? menu->menu()->actions() : QList { menu })
            if (names.contains(item->objectName()))
                items.emplace_back(menu, item);
    QStringList actual;
    // From the last: a level is then in force when the mechanism is saved.
    for (const auto& [menu, item] : items | std::views::reverse) {
        const QString shown = QString(item->text()).remove('&'); // "&" marks the Alt key
        EXPECT_EQ(shown, item->objectName()) << "tests and the soak find it by its name";
        recorder.log.clear();
        QStringList seen;
        QObject guard; // its timers go with it
        QTimer::singleShot(0, &guard, [&] {
            seen << "modal " + answeringModal([&] { item->trigger(); });
            QTimer::singleShot(20, &guard, [] { QApplication::exit(1); });
        });
        const bool exited = QApplication::exec() == 0;
        for (const std::string& line : recorder.log)
            if (!line.starts_with("Speak") && !line.starts_with("MoveTo"))
                seen << QString::fromStdString(line);
        for (QWidget* panel : { control("pannelloInformazioni"), control("pannelloApri") }) {
            seen << (panel->isVisible() ? "shows " + panel->objectName() : "");
            panel->hide();
        }
        seen << (exited ? "exit" : "");
        seen.removeAll("");
        seen.removeAll("modal ");
        actual.prepend(QString(menu->text()).remove('&') + "/" + shown + ": " + seen.join(" | "));
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(Window, ActivationStopsTheRedClipAtFrameOneAndWelcomesOnce)
{
    EXPECT_TRUE(recorder.log.empty()) << "creating the window does nothing yet";
    showWithFace();
    EXPECT_TRUE(form.shock()->fileName().endsWith("/rosso.gif"));
    EXPECT_TRUE(form.shock()->isPaused());
    EXPECT_EQ(form.shock()->currentFrameNumber(), 0);
    form.hide();
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(
        count("Speak “Benvenuti alla macchina Quorvel. Scegliere un livello,......prego.”"), 1)
        << "showing the window again is no new activation";
}

// Which lamp picture each of the five lights shows, "-" for none.
QString lightsShown(MachineForm& form)
{
    QStringList shown;
    for (int light = 1; light <= 5; ++light) {
        const QImage image
            = form.findChild<QLabel*>(QString("Picture%1").arg(light))->pixmap().toImage();
        shown << "-";
        for (int lamp = 1; lamp <= 4; ++lamp) { // two lamps alike would fail the tests
            // Each light shows the lamp scaled once to its own size.
            const QPixmap picture(programFolder + QString("/luce%1.gif").arg(lamp));
            if (!image.isNull()
                && image
                    == picture.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .toImage())
                shown.last() = QString::number(lamp);
        }
    }
    return shown.join(' ');
}

TEST_F(Window, LightsStayDarkUntilTheFirstTickThenAlternate)
{
    EXPECT_EQ(lightsShown(form), "- - - - -"); // not shown: the window's own timer stays still
    for (const char* pattern : { "1 3 2 4 3", "2 4 3 1 2", "1 3 2 4 3" }) {
        form.onLampTick();
        EXPECT_EQ(lightsShown(form), pattern);
    }
    // A missing picture leaves its light as it was.
    QTemporaryDir folder;
    ASSERT_TRUE(QFile::copy(programFolder + "/luce1.gif", folder.filePath("luce1.gif")));
    MachineForm bare(folder.path(), speaker, characters);
    ::testing::internal::CaptureStderr(); // the three missing pictures are reported
    bare.onLampTick();
    EXPECT_EQ(lightsShown(bare), "1 - - - -");
    bare.onLampTick();
    EXPECT_EQ(lightsShown(bare), "1 - - 1 -");
    ::testing::internal::GetCapturedStderr();
}

TEST_F(Window, ClicksOnTheKeysReachTheMachine)
{
    showWithFace();
    for (const char* key : { "uno", "due", "tre", "zero2", "nove2" })
        clickOn(key);
    EXPECT_EQ(inputs(), "in123/in09") << "before any level the digits follow the word";
    clickOn("cancellaPrimo");
    EXPECT_EQ(inputs(), "/in09");
    clickOn("cancellaSecondo");
    // A key looks pressed while held, and a press dragged off it is no click.
    auto* key = control<KeyLabel>("cinque");
    sendMouse(key, QEvent::MouseButtonPress, key->rect().center(), Qt::LeftButton);
    EXPECT_TRUE(key->isPressedLook());
    sendMouse(key, QEvent::MouseButtonRelease, QPoint(-20, -20), Qt::NoButton);
    EXPECT_FALSE(key->isPressedLook());
    EXPECT_EQ(inputs(), "/");
    clickOn("cinque");
    EXPECT_EQ(answeringModal([&] { clickOn("exp"); }), "Quorvel: Devi scegliere un livello!!");
    EXPECT_EQ(control<QLineEdit>("primoOperando")->text() + text("uscita"), "5")
        << "no mechanism ran";

    clickOn("cmb");
    EXPECT_EQ(text("rigaStato"), "E' attivo il  ") << "no level yet: the two blanks end it";
    EXPECT_EQ(count("Beep 500 100"), 1);
    trigger("livello2");
    clickOn("cmb");
    EXPECT_EQ(text("rigaStato"), "E' attivo il  livello2");
    const char* const clips[] = { "/rosso.gif", "/verde.gif", "/blu.gif", "/grigio.gif" };
    for (int i = 1; i <= 6; ++i) {
        clickOn("ingr");
        const auto opCode = static_cast<int>(form.machine().state().opCode.number());
        ASSERT_TRUE(opCode >= 1 && opCode <= 4) << opCode;
        EXPECT_TRUE(form.shock()->fileName().endsWith(clips[opCode - 1])) << opCode;
        EXPECT_TRUE(form.shock()->isRunning());
        EXPECT_EQ(count("Beep 700 100"), i);
    }
}

} // namespace
} // namespace quorvel
