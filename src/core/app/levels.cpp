// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/app/machine.h"
#include "core/app/translation.h"
#include "core/mechanisms/dispatch.h"
#include "core/mechanisms/operations.h"

#include <cmath>

namespace quorvel {
namespace {

// The tone each level command sounds, by level.
constexpr int levelBeeps[] = { 500, 550, 600, 650, 700 };

} // namespace

void Machine::chooseLevel(int number)
{
    const Level level = Level::number(number);
    if (!level.isNone())
        enterLevel(level, drawWhole(schemeCount(level)));
}

void Machine::chooseScheme(int level, int scheme)
{
    const Level chosen = Level::number(level);
    if (!chosen.isNone() && scheme >= 1 && scheme <= schemeCount(chosen))
        enterLevel(chosen, Value::single(scheme));
}

void Machine::enterLevel(Level level, const Value& scheme)
{
    const int number = level.number();
    m_state.activeLevel = level;
    m_state.setScheme(level, scheme);
    //: the status line; %1 is the level's number
    const std::string status
        = fill(translate("Machine", "E'attivo il livello %1"), { std::to_string(number) });
    const int tone = levelBeeps[number - 1];
    if (number <= 3) {
        // Levels 1 to 3 speak without showing the wizard, after the status and the beep.
        setText(Control::StatusLine, status);
        m_ports.speaker.beep(tone, 100);
        sceneLevelChosen(narrator(), level);
    } else {
        sceneLevelChosen(narrator(), level);
        setText(Control::StatusLine, status);
        m_ports.speaker.beep(tone, 100);
    }
    clearInputs();
    beginNotebookPage();
}

void Machine::clearInputs()
{
    setText(Control::FirstInput, "");
    setText(Control::SecondInput, "");
}

void Machine::changeMechanism()
{
    MachineState& s = m_state;
    if (s.activeLevel.isNone()) {
        //: the status line after changing the mechanism before any level is chosen
        setText(Control::StatusLine, translate("Machine", "E' attivo il  "));
    } else {
        //: the status line after changing the mechanism; %1 is the level's number
        setText(Control::StatusLine,
            fill(translate("Machine", "E' attivo il  livello%1"),
                { std::to_string(s.activeLevel.number()) }));
    }
    s.loadedFromFile = false;
    setText(Control::Output, "");

    // The two hidden constants: c2 from the clock, c1 drawn near it but never equal to it,
    // and never 0.
    const int c2 = clockDigit() + 1;
    s.paramGrid[2][2] = static_cast<std::int16_t>(c2);
    int c1 = static_cast<int>(std::floor(static_cast<double>(draw()) * 6)) + c2;
    if (c1 == c2)
        c1 += 1;
    if (c1 >= 10)
        c1 -= 10;
    if (c1 == 0)
        c1 = 3;
    s.paramGrid[1][1] = static_cast<std::int16_t>(c1);

    s.experimentCount = Value::int16(0);
    s.secondOpCount = Value::int16(0);

    // A new scheme for every level, in the order of the levels.
    for (int n = 1; n <= Level::count; ++n) {
        const Level level = Level::number(n);
        s.setScheme(level, drawWhole(schemeCount(level)));
    }

    m_ports.shock.showFrame(1);
    m_ports.speaker.beep(500, 100);
    beginNotebookPage();
}

void Machine::changeOperation()
{
    MachineState& s = m_state;
    s.loadedFromFile = false;
    s.opCode = drawWhole(4);
    s.partOpCode = drawWhole(4);
    s.joinOpCode = drawWhole(4);

    const int op = static_cast<int>(s.opCode.number());
    if (op >= 1 && op <= 4) {
        m_ports.shock.showOperation(op);
        followOperationCode(s, op);
    }
    m_ports.speaker.beep(700, 100);
    beginNotebookPage();
}

LightPhase Machine::onLampTick()
{
    m_state.lightPhase = !m_state.lightPhase;
    return m_state.lightPhase ? LightPhase::First : LightPhase::Second;
}

} // namespace quorvel
