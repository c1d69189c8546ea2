// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/machine_state.h"
#include "core/narrator/scenes.h"
#include "core/notebook/notebook.h"
#include "core/ports/ports.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

struct Ports
{
    Speaker& speaker;
    ClipPlayer& shock;
    CharacterService& characters;
    MessageBox& messages;
    const Clock& clock;
    RandomSource& random;
};

enum class Keypad { First, Second };

// The two phases the machine's lights blink between; the window chooses each light's picture
// in each.
enum class LightPhase { First, Second };

// The machine: its state record, the texts of its face and every handler of the window.
// The front ends turn clicks, keys and lines into calls of these handlers.
class Machine
{
public:
    explicit Machine(Ports ports, char decimalSeparator = '.');
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    // The state record, to read. It changes through the handlers; the core's own rules (the
    // mechanisms, opening a saved mechanism) and the tests' set-up write it through
    // writableState(), which the front ends never call.
    const MachineState& state() const { return m_state; }
    MachineState& writableState() { return m_state; }
    const std::string& text(Control control) const;
    void setObserver(FaceObserver* observer) { m_observer = observer; }
    // What the two inputs show before a level is first chosen.
    static constexpr const char* startingInputText = "in";
    char decimalSeparator() const { return m_decimalSeparator; }

    // Start-up: hidden constants, starting operation, red clip, narrator and welcome.
    void start();
    // Whether the wizard greets the class at start-up (the class rules may say not).
    void setWelcomeOn(bool on) { m_welcomeOn = on; }

    // A digit key of a keypad: its digit goes at the end of that keypad's input.
    void pressDigit(Keypad keypad, int digit);
    // Presses the keypad's key for each digit of a text, in order; other characters press
    // nothing.
    void typeDigits(Keypad keypad, std::string_view digits);
    // Takes the last digit off an input (Backspace on the keyboard). The word "in" shown
    // before any level is not the pupil's typing and stays.
    void eraseLastDigit(Keypad keypad);
    void clearFirstInput(); // "Canc" of the first keypad
    void clearSecondInput(); // "Canc" of the second keypad
    void runExperiment(); // "esperimento"

    void chooseLevel(int level); // 1..5
    // The teacher's choice: a level command that puts the given scheme in force instead of
    // drawing one; nothing for a level or scheme out of range.
    void chooseScheme(int level, int scheme);
    void changeMechanism(); // "cambia meccanismo di calcolo"
    void changeOperation(); // "Operazioni"

    void showNarrator();
    void hideNarrator();
    void explainControls();
    void explainWhatToRemember();

    // The light cycle's tick: the lights go over to their other phase, which it gives.
    LightPhase onLampTick();

    // Sets a control's text; a change of the output runs the output narration.
    void setText(Control control, const std::string& text);
    // Empties the inputs and the output for the next player, who starts with nothing of the
    // previous one's; the output's narration does not count this change.
    void clearForNextPlayer();

    // What the mechanisms use.
    void readInputs(); // both: A from the first operand, then B from the second
    void readFirstInput();
    void readSecondInput();
    void setResult(const Value& v);
    float draw(); // r in [0, 1), no reseed
    float reseedAndDraw();
    Value drawWhole(int k); // reseeded, r times k plus 1 rounded down
    int clockDigit() const;
    // The operation index the clock's last digit gives: 0..9 give 1, 1, 2, 3, 4, 1, 1, 2, 3, 4.
    int clockOperation() const;

    // The pupil's notebook: a page for each mechanism, every experiment written as it happens.
    Notebook& notebook() { return m_notebook; }
    const Notebook& notebook() const { return m_notebook; }
    // What became of the last experiment's prediction.
    const TrialOutcome& lastOutcome() const { return m_lastOutcome; }
    // A new notebook page for the mechanism now in force.
    void beginNotebookPage() { m_notebook.beginPage(m_state.activeLevel); }
    // "Rivela la regola": the rule in force in words, the page marked revealed. Before a level
    // is chosen there is none; while the rule waits for a draw of the next experiment, the
    // pupil is asked for that experiment first and nothing is marked.
    struct Reveal
    {
        enum class Result { NoRule, NotYet, Told };
        Result result = Result::NoRule;
        std::string text; // the rule, or why it cannot be told yet
    };
    Reveal revealRule();

    Narrator& narrator() { return m_narrator ? *m_narrator : m_silent; }
    bool narratorLoaded() const { return m_narrator != nullptr; }
    const Ports& ports() const { return m_ports; }

private:
    void loadNarrator();
    void clearInputs();
    void enterLevel(Level level, const Value& scheme);
    void onOutputChanged();
    void runSelectedMechanism();
    void writeInNotebook();

    Ports m_ports;
    char m_decimalSeparator;
    MachineState m_state;
    std::array<std::string, 6> m_texts;
    FaceObserver* m_observer = nullptr;
    Narrator* m_narrator = nullptr;
    SilentNarrator m_silent;
    bool m_resultAssigned = false;
    bool m_quietOutput = false; // a change of the output the narration does not count
    bool m_welcomeOn = true;
    Notebook m_notebook;
    TrialOutcome m_lastOutcome;
};

} // namespace quorvel
