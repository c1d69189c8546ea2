#pragma once

#include "core/app/random.h"
#include "fakes/fakes.h"

#include <cstdint>
#include <string>

namespace quorvel::testing {

// Where a mechanism sits in the dispatch table.
struct Scheme
{
    int level;
    int scheme;
};

inline void setConstants(MachineState& s, int c1, int c2)
{
    s.paramGrid[1][1] = static_cast<std::int16_t>(c1);
    s.paramGrid[2][2] = static_cast<std::int16_t>(c2);
}

// Puts the input texts in place as they are (words included) and runs one experiment.
template <typename AnyRig>
std::string experimentWithTexts(AnyRig& rig, const std::string& first, const std::string& second)
{
    rig.machine.setText(Control::i1, first);
    rig.machine.setText(Control::i2, second);
    rig.machine.exp_Click();
    return rig.machine.text(Control::usc);
}

// The test rig with the program's own generator, seeded, in place of scripted draws: for
// checking the spread of the outputs over many experiments.
struct SeededRig : BasicRig<MixingRandom>
{
    using BasicRig::BasicRig;

    std::string experiment(const std::string& first, const std::string& second)
    {
        recorder.log.clear(); // many experiments: keep the record small
        return experimentWithTexts(*this, first, second);
    }
};

} // namespace quorvel::testing
