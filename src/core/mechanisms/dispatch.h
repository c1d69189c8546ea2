#pragma once

#include <string>

namespace quorvel {

class Machine;
struct MachineState;

using Mechanism = void (*)(Machine&);

// The mechanism that the active level and its scheme number select, or nullptr when the
// number matches no row. A scheme held as a text that spells no number is a fault.
Mechanism selectMechanism(const MachineState& s);

// The number of schemes of a level "livello1".."livello5"; 0 for any other name.
int schemeCount(const std::string& level);

} // namespace quorvel
