// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The core's texts in English, from the compiled translation beside the tests: the wizard keeps
// every pause where it was, each value lands in its place in the sentence, and Italian comes
// back when the language is switched again.

#include "console/console_collection.h"
#include "core/app/dates.h"
#include "core/collection/classroom.h"
#include "core/collection/memory_store.h"
#include "core/narrator/pause_tags.h"
#include "core/storage/mechanism_commands.h"
#include "fakes/fakes.h"
#include "language/language.h"
#include "platform/file_replace.h"
#include "platform/pin_hash.h"

#include <gtest/gtest.h>

#include <functional>
#include <system_error>

using namespace quorvel;
using namespace quorvel::testing;

namespace {

class English : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(installLanguage(Language::english, QUORVEL_TEST_BIN)); }
    void TearDown() override { installLanguage(Language::italian, QUORVEL_TEST_BIN); }
};

// Keeps what the wizard says, speech by speech.
struct Listener : SilentNarrator
{
    std::vector<std::string> speeches;
    void speak(const std::string& text) override { speeches.push_back(text); }
};

// The pauses of a speech and where they stand: "P500 T P1000" for a pause, a text and a pause.
std::string pauseShape(const std::string& speech)
{
    std::string shape;
    for (const SpeechPiece& piece : splitSpeech(speech))
        shape += piece.isPause() ? "P" + std::to_string(piece.pauseMs) + " " : "T ";
    return shape;
}

const std::vector<std::pair<const char*, std::function<void(Narrator&)>>> scenes = {
    { "welcome", [](Narrator& n) { sceneWelcome(n); } },
    { "level 2", [](Narrator& n) { sceneLevelChosen(n, Level::number(2)); } },
    { "level 4", [](Narrator& n) { sceneLevelChosen(n, Level::number(4)); } },
    { "level 5", [](Narrator& n) { sceneLevelChosen(n, Level::number(5)); } },
    { "first output", [](Narrator& n) { sceneFirstOutput(n); } },
    { "controls", [](Narrator& n) { sceneControlli(n); } },
    { "to remember", [](Narrator& n) { sceneDaRicordare(n); } },
    { "discovery", [](Narrator& n) { sceneDiscovery(n); } },
    { "opened", [](Narrator& n) { sceneOpenedMechanism(n, "ponte"); } },
};

} // namespace

TEST_F(English, EverySpeechIsTranslatedAndKeepsItsPausesInTheirPlaces)
{
    for (const auto& [name, play] : scenes) {
        Listener english;
        play(english);
        installLanguage(Language::italian, QUORVEL_TEST_BIN);
        Listener italian;
        play(italian);
        installLanguage(Language::english, QUORVEL_TEST_BIN);
        ASSERT_EQ(english.speeches.size(), italian.speeches.size()) << name;
        for (std::size_t i = 0; i < italian.speeches.size(); ++i) {
            EXPECT_NE(english.speeches[i], italian.speeches[i]) << name << " " << i;
            EXPECT_EQ(pauseShape(english.speeches[i]), pauseShape(italian.speeches[i]))
                << name << ": " << english.speeches[i];
        }
    }
}

TEST_F(English, TheSavedMechanismsNameEndsTheWizardsSentence)
{
    Listener wizard;
    sceneOpenedMechanism(wizard, "ponte");
    EXPECT_EQ(withoutPauseTags(wizard.speeches.at(0)),
        "...Good, never give up...you are working with the mechanism you saved with the "
        "name...ponte");
}

TEST_F(English, StatusLinesNameTheLevelOrTheOpenedMechanism)
{
    struct Case
    {
        std::function<void(Rig&)> act;
        std::string status;
    };
    const Case cases[] = {
        { [](Rig& r) { r.machine.chooseLevel(3); }, "You are on level 3" },
        { [](Rig& r) { r.machine.chooseLevel(5); }, "You are on level 5" },
        { [](Rig& r) { r.machine.changeMechanism(); }, "No level chosen yet" },
        { [](Rig& r) {
             r.use(2, 1);
             r.machine.changeMechanism();
         },
            "New mechanism, level 2" },
    };
    for (const Case& c : cases) {
        Rig rig;
        c.act(rig);
        EXPECT_EQ(rig.machine.text(Control::StatusLine), c.status);
    }
}

TEST_F(English, ValuesLandInTheirPlacesInEachSentence)
{
    MemoryStore store;
    ClassRules rules;
    rules.reveal = RevealPolicy::AfterTenTrials;
    store.setClassRules(rules);
    Page page;
    page.trials.resize(3);

    const std::pair<std::string, std::string> cases[] = {
        { Classroom(store, sodiumPinHasher()).revealRefusal(&page).value_or(""),
            "First make at least 10 trials with this mechanism: so far you have made 3." },
        { writtenDate("2026-12-07"), "7 December 2026" },
        { writtenDate("2027-01-31"), "31 January 2027" },
        { writtenDate("domani"), "domani" },
        { reasonFor(std::make_error_code(std::errc::no_space_on_device)), "the disk is full" },
        { reasonFor(std::make_error_code(std::errc::no_such_file_or_directory)),
            "the folder does not exist" },
        { reasonFor(std::make_error_code(std::errc::io_error)), "the file cannot be written" },
    };
    for (const auto& [shown, expected] : cases)
        EXPECT_EQ(shown, expected);
}

TEST_F(English, AFailedSaveSaysWhereAndWhyInOneSentence)
{
    Rig rig;
    rig.use(2, 1);
    rig.s().opCode = Value::int16(1);
    FakeSaveDialog dialog { rig.recorder };
    dialog.answer = "/nessuna-cartella-qui/ponte";
    ReplacingFileWriter files;
    saveMechanism(rig.machine, dialog, files);
    EXPECT_EQ(rig.log(),
        (std::vector<std::string> { "SaveDialog documents(*.txt)",
            "Message The mechanism was not saved in “/nessuna-cartella-qui/ponte.txt”: the "
            "folder does not exist." }));
}
