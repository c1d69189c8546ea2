// The window offscreen: every control where the machine's face puts it, growing together with
// the window; the menus, the activation, the lights and the information panel.
#include "machine_form_fixture.h"

#include "ui/app/key_label.h"
#include "ui/effects/clip_player.h"
#include "ui/effects/light_pictures.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include <vector>

namespace quorvel {
namespace {

struct Placed
{
    QString name;
    QString caption; // null for controls without one
    QRect twips;
    QColor background; // invalid when not checked
};

const char* const digitNames[]
    = { "zero", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove" };

// The face at 100 %, as the pupil's machine is drawn: 15 twips to a pixel.
std::vector<Placed> faceControls()
{
    const QColor cyan("#C0FFFF"), blue("#0000C0"), red("#C00000");
    std::vector<Placed> placed = {
        { "i1", "in", { 3720, 4680, 1455, 1335 }, {} }, // selected: wears the yellow frame
        { "i2", "in", { 6600, 4680, 1455, 1335 }, cyan },
        { "usc", "out", { 9720, 1440, 1455, 1335 }, cyan },
        { "Label3", "Canc", { 3240, 6840, 2415, 375 }, blue },
        { "canc2", "Canc", { 6120, 6840, 2415, 375 }, blue },
        { "exp", "esperimento", { 8880, 5160, 2655, 375 }, red },
        { "ingr", "Operazioni", { 8880, 6240, 2655, 375 }, red },
        { "cmb", "cambia meccanismo di calcolo", { 8880, 7200, 2655, 375 }, red },
        // Two pixels below its nominal top of 7200, so that it clears canc2's bottom edge.
        { "Label15", "", { 5295, 7230, 3540, 345 }, {} },
        { "shock", {}, { 3000, 240, 5775, 4215 }, {} },
        { "Frame1", {}, { 3000, 240, 5775, 4215 }, {} },
        { "Picture5", {}, { 5565, 4920, 615, 615 }, {} },
    };
    for (int i = 0; i < 4; ++i)
        placed.push_back(
            { QString("Picture%1").arg(i + 1), {}, { 1440, 1200 + 1200 * i, 615, 615 }, {} });
    for (int digit = 0; digit < 10; ++digit) {
        const int left = 480 * (digit % 5), top = digit < 5 ? 6120 : 6480;
        const QString caption = QString::number(digit);
        placed.push_back({ digitNames[digit], caption, { 3240 + left, top, 495, 375 }, blue });
        placed.push_back(
            { QString(digitNames[digit]) + "2", caption, { 6120 + left, top, 495, 375 }, blue });
    }
    return placed;
}

QRect times(QRect r, int k)
{
    return QRect(r.x() * k, r.y() * k, r.width() * k, r.height() * k);
}

TEST_F(MachineFormTest, EveryControlHasItsCaptionAndPlaceAtFullSize)
{
    showWithFace(MachineFace::designSize);
    const QImage face = form.face()->grab().toImage();
    EXPECT_EQ(face.pixelColor(5, 100), QColor("#000080")) << "navy surface";
    for (const Placed& c : faceControls()) {
        SCOPED_TRACE(c.name.toStdString());
        QWidget* widget = control(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QRect(c.twips.topLeft() / 15, c.twips.size() / 15));
        if (!c.caption.isNull()) {
            EXPECT_EQ(qobject_cast<QLabel*>(widget)->text(), c.caption);
        }
        if (c.background.isValid()) {
            EXPECT_EQ(face.pixelColor(widget->geometry().topLeft() + QPoint(3, 3)), c.background);
        }
    }
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), "Text1");
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), "Text2");
    EXPECT_FALSE(control("Text1")->isVisible()) << "the mechanisms' copies are not for the pupil";
    EXPECT_FALSE(control("Frame1")->isVisible());
    EXPECT_EQ(form.windowTitle(), "Quorvel");
}

TEST_F(MachineFormTest, GrowingTheWindowScalesEveryControlAndFontTogether)
{
    showWithFace(MachineFace::designSize);
    trigger("informazioni"); // a hidden panel lays out its lines when it is shown
    const QStringList panelLines = { "Label1", "Label2", "Label4", "Label7", "Picture6" };
    std::vector<std::pair<QWidget*, QRect>> before;
    std::vector<int> fontsBefore;
    for (const Placed& c : faceControls())
        before.emplace_back(control(c.name), control(c.name)->geometry());
    for (const QString& name : panelLines)
        before.emplace_back(control(name), control(name)->geometry());
    for (const auto& [widget, rect] : before)
        fontsBefore.push_back(widget->font().pixelSize());
    const int menuFont = form.menuBar()->font().pixelSize();

    showWithFace(MachineFace::designSize * 2);
    for (std::size_t i = 0; i < before.size(); ++i) {
        const auto& [widget, rect] = before[i];
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_EQ(widget->geometry(), times(rect, 2));
        if (fontsBefore[i] > 0) {
            EXPECT_EQ(widget->font().pixelSize(), 2 * fontsBefore[i]);
        }
    }
    EXPECT_EQ(form.menuBar()->font().pixelSize(), 2 * menuFont);

    // A face wider than the design's proportions: the height decides and the face is centred.
    showWithFace({ 1600, 1058 });
    EXPECT_EQ(control("i1")->geometry(), times(QRect(248, 312, 97, 89), 2).translated(31, 0));

    // Never smaller than the design.
    form.resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_GE(form.face()->width(), MachineFace::designSize.width());
    EXPECT_GE(form.face()->height(), MachineFace::designSize.height());
}

TEST_F(MachineFormTest, MenuBarHoldsEveryItemUnderItsMenuCaptionedByItsName)
{
    const std::vector<std::pair<QString, QStringList>> menus = {
        { "File", { "salvameccanismo", "aprimeccanismo", "esci" } },
        { "livello", { "livello1", "livello2", "livello3", "livello4", "livello5" } },
        { "istruzioni", { "controlli", "da_ricordare" } },
        { "assistente", { "mostra", "nascondi" } },
        { "informazioni", {} },
    };
    const QList<QAction*> top = form.menuBar()->actions();
    ASSERT_EQ(top.size(), static_cast<qsizetype>(menus.size()));
    for (std::size_t m = 0; m < menus.size(); ++m) {
        EXPECT_EQ(top[m]->text(), menus[m].first);
        QStringList items;
        if (QMenu* menu = top[m]->menu())
            for (QAction* item : menu->actions()) {
                EXPECT_EQ(item->text(), item->objectName());
                items << item->objectName();
            }
        EXPECT_EQ(items, menus[m].second) << menus[m].first.toStdString();
    }
    EXPECT_EQ(top.last()->objectName(), "informazioni") << "a command of its own, no menu";
}

TEST_F(MachineFormTest, ActivationLoadsTheRedClipStoppedAtItsFirstFrameAndWelcomesOnce)
{
    const std::string welcome
        = "Speak “Benvenuti alla macchina Quorvel. Scegliere un livello,......prego.”";
    EXPECT_TRUE(recorder.log.empty()) << "creating the window does nothing yet";
    showWithFace(MachineFace::designSize);
    ClipPlayerWidget* shock = form.shock();
    EXPECT_TRUE(shock->fileName().endsWith("/rosso.gif")) << shock->fileName().toStdString();
    EXPECT_TRUE(shock->hasClip());
    EXPECT_TRUE(shock->isPaused());
    EXPECT_EQ(shock->currentFrameNumber(), 0);
    EXPECT_EQ(count(welcome), 1);

    form.hide();
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(count(welcome), 1) << "showing the window again is no new activation";
}

TEST_F(MachineFormTest, LightsShowNothingUntilTheFirstTickThenAlternateTheTwoPatterns)
{
    const LightPictures lamps(programFolder);
    const char* const names[] = { "luce1.gif", "luce2.gif", "luce3.gif", "luce4.gif" };
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            ASSERT_NE(lamps.picture(names[a])->toImage(), lamps.picture(names[b])->toImage());

    const char* const odd[] = { "luce1.gif", "luce3.gif", "luce2.gif", "luce4.gif", "luce3.gif" };
    const char* const even[] = { "luce2.gif", "luce4.gif", "luce3.gif", "luce1.gif", "luce2.gif" };
    // Not shown, so no event loop runs and the window's own timer cannot tick in between.
    for (int light = 1; light <= 5; ++light)
        EXPECT_TRUE(control<QLabel>(QString("Picture%1").arg(light))->pixmap().isNull());
    for (int tick = 1; tick <= 4; ++tick) {
        form.Timer1_Timer();
        const char* const* row = tick % 2 ? odd : even;
        for (int light = 0; light < 5; ++light) {
            const QPixmap shown = control<QLabel>(QString("Picture%1").arg(light + 1))->pixmap();
            EXPECT_EQ(shown.toImage(), lamps.picture(row[light])->toImage())
                << "tick " << tick << ", light " << light + 1;
        }
    }
}

TEST(MachineFormLights, AMissingPictureLeavesItsLightAsItWas)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QFile::copy(programFolder + "/luce1.gif", folder.filePath("luce1.gif")));
    testing::Recorder recorder;
    testing::FakeSpeaker speaker(recorder);
    testing::FakeCharacterService characters(recorder);
    ::testing::internal::CaptureStderr(); // the three missing pictures are reported
    MachineForm form(folder.path(), speaker, characters);
    ::testing::internal::GetCapturedStderr();
    auto lightsShowing = [&] {
        std::vector<bool> shown;
        for (int light = 1; light <= 5; ++light)
            shown.push_back(
                !form.findChild<QLabel*>(QString("Picture%1").arg(light))->pixmap().isNull());
        return shown;
    };
    form.Timer1_Timer(); // luce1 is Picture1's alone
    EXPECT_EQ(lightsShowing(), std::vector<bool>({ true, false, false, false, false }));
    form.Timer1_Timer(); // luce1 is Picture4's alone; Picture1 keeps what it showed
    EXPECT_EQ(lightsShowing(), std::vector<bool>({ true, false, false, true, false }));
}

TEST_F(MachineFormTest, InformationPanelOpensAboveTheClipAndItsXClosesIt)
{
    showWithFace(MachineFace::designSize);
    for (int i = 0; i < 2; ++i) {
        trigger("informazioni");
        EXPECT_TRUE(control("Frame1")->isVisible());
    }
    const std::vector<std::pair<QString, QString>> lines = {
        { "Label2", "Quorvel" },
        { "Label4", " Versione 1.0.0" },
        { "Label5", " Gioco didattico di supporto all'acquisizione" },
        { "Label6", " del concetto di modello e del metodo sperimentale" },
    };
    for (const auto& [name, line] : lines)
        EXPECT_EQ(text(name), line);
    for (const char* credit : { "Label7", "Label8", "Label9", "Label10" })
        EXPECT_FALSE(text(credit).trimmed().isEmpty()) << credit;
    EXPECT_FALSE(control<QLabel>("Picture6")->pixmap().isNull());

    clickOn("Label2"); // reachable, so the panel lies above the clip
    clickOn("Label1");
    EXPECT_FALSE(control("Frame1")->isVisible());
    EXPECT_EQ(form.face()->childAt(control("shock")->geometry().center()), form.shock());
}

} // namespace
} // namespace quorvel
