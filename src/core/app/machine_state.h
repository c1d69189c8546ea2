// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/level.h"
#include "core/values/value.h"

#include <array>
#include <cstdint>
#include <string>

namespace quorvel {

// The machine's state record: every field that more than one handler or mechanism uses,
// plus the private fields of single mechanisms. Zero or empty at program start.
struct MachineState
{
    Level activeLevel; // none before the pupil chooses a level
    Value schemaLevel1;
    Value schemaLevel2;
    Value schemaLevel3;
    Value schemaLevel4;
    std::int16_t schemaLevel5 = 0;

    Value opCode; // 1..4; "+", "-", "*", ":" for opSymbol
    std::string opSymbol;
    Value partOpCode; // second partial operation of calc32
    Value joinOpCode; // joining operation of calc32
    std::string altOpSymbol; // the operation of calc43

    std::int16_t secondOpIndex = 0; // second operation of calc03/calc04
    std::string secondOpSymbol;
    Value secondOpCount;
    bool loadedFromFile = false;
    Value experimentCount;

    // Hidden constants; row 0 and column 0 stay 0. c1 = (1, 1), c2 = (2, 2).
    std::array<std::array<std::int16_t, 5>, 5> paramGrid {};

    Value inputA;
    std::int16_t inputB = 0;
    Value resultValue;

    // Fields of single mechanisms.
    Value remainderAB; // calc18
    Value remainderBA; // calc19
    Value largerInput; // calc22, calc41
    Value smallerInput; // calc23
    Value calc31Count;
    Value calc43Count;
    Value chainCount; // calc42
    Value chainOp1;
    Value chainOp2;
    std::int16_t chainOp3 = 0;

    std::int16_t outputChangeCount = 0; // the first-output narration
    std::string openedMechanismName;
    bool lightPhase = false;

    std::int16_t c1() const { return paramGrid[1][1]; }
    std::int16_t c2() const { return paramGrid[2][2]; }

    // The scheme number held in a level's own field: levels 1 to 4 keep a value (a text after
    // an open), level 5 a 16-bit integer. Empty for no level.
    Value scheme(Level level) const;
    Value activeScheme() const { return scheme(activeLevel); }
    // Puts a scheme number in a level's field; level 5's takes it as a 16-bit integer.
    void setScheme(Level level, const Value& scheme);
};

} // namespace quorvel
