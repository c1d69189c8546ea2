// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: any bytes as a mechanism file. The reader must refuse or accept without
// fault; an accepted record must survive a save and reopen with the same values; and the
// restored mechanism must run experiments without anything but the machine's own failure path.

#include "core/storage/mechanism_file.h"
#include "fakes/fakes.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace quorvel;

namespace {

std::optional<MechanismRecord> readBytes(std::string bytes)
{
    std::istringstream in(std::move(bytes));
    return readMechanism(in);
}

void expectSameValues(const MechanismRecord& a, const MechanismRecord& b)
{
    if (a.level != b.level || a.numbers != b.numbers)
        std::abort();
}

// Saving the restored state and reading it back gives the values that were read.
void checkRoundTrip(const MechanismRecord& record)
{
    MachineState s;
    restoreMechanism(s, record);
    std::ostringstream file;
    writeMechanismLine(file, mechanismRecord(s));
    const std::optional<MechanismRecord> again = readBytes(file.str());
    if (!again)
        std::abort();
    expectSameValues(record, *again);
}

// Keypad inputs for the experiments: a few fixed pairs, and one pair of digit runs taken from
// the bytes after the first line, which the reader ignores.
std::vector<std::pair<std::string, std::string>> inputsFor(std::string_view bytes)
{
    std::vector<std::pair<std::string, std::string>> inputs = {
        { "12", "3" },
        { "0", "0" },
        { "", "" },
        { "32767", "32768" },
        { "7", "40000" },
    };
    const std::size_t lineEnd = bytes.find('\n');
    if (lineEnd == std::string_view::npos)
        return inputs;
    std::string digits[2];
    int which = 0;
    for (char c : bytes.substr(lineEnd + 1)) {
        if (c >= '0' && c <= '9' && digits[which].size() < 12)
            digits[which] += c;
        else if (c == ',' && which == 0)
            which = 1;
    }
    inputs.emplace_back(digits[0], digits[1]);
    return inputs;
}

void runExperiments(const MechanismRecord& record, std::string_view bytes)
{
    testing::Rig rig;
    rig.machine.start();
    rig.s().loadedFromFile = true;
    restoreMechanism(rig.s(), record);
    for (const auto& [first, second] : inputsFor(bytes))
        rig.experiment(first, second);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<MechanismRecord> record = readBytes(bytes);
    if (!record)
        return 0;
    checkRoundTrip(*record);
    runExperiments(*record, bytes);
    return 0;
}
