#include "core/app/machine_state.h"
#include "core/storage/mechanism_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

using namespace quorvel;

namespace {

std::string dataFile(const std::string& name)
{
    std::ifstream in(std::string(QUORVEL_TEST_DATA) + "/" + name, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

std::optional<MechanismRecord> readBytes(const std::string& bytes)
{
    std::istringstream in(bytes);
    return readMechanism(in);
}

// What the writer puts back after the record is restored into a fresh state.
std::string restoredRecord(const MechanismRecord& record)
{
    MachineState s;
    restoreMechanism(s, record);
    return mechanismRecord(s);
}

// level, c1, c2, opCode, partOpCode, joinOpCode, secondOpIndex, scheme
MachineState stateOf(const std::array<int, 8>& f)
{
    MachineState s;
    s.activeLevel = Level::number(f[0]);
    s.paramGrid[1][1] = static_cast<std::int16_t>(f[1]);
    s.paramGrid[2][2] = static_cast<std::int16_t>(f[2]);
    s.opCode = Value::int16(f[3]);
    s.partOpCode = Value::single(f[4]); // drawn codes are single precision
    s.joinOpCode = Value::int16(f[5]);
    s.secondOpIndex = static_cast<std::int16_t>(f[6]);
    s.setScheme(s.activeLevel, Value::int16(f[7]));
    return s;
}

std::string lineOf(const MachineState& s)
{
    std::ostringstream out;
    writeMechanismLine(out, mechanismRecord(s));
    return out.str();
}

} // namespace

TEST(MechanismFile, WritesBothExamplesByteForByte)
{
    EXPECT_EQ(lineOf(stateOf({ 2, 3, 7, 1, 4, 2, 0, 12 })), dataFile("mechanism_level2.txt"));
    EXPECT_EQ(lineOf(stateOf({ 5, 9, 10, 4, 1, 3, 2, 18 })), dataFile("mechanism_level5.txt"));
    MachineState none;
    EXPECT_EQ(lineOf(none), dataFile("mechanism_no_level.txt"));
}

TEST(MechanismFile, ReopensEveryLevelWithItsExtremeValues)
{
    const std::array<int, 8> cases[] = {
        { 1, 9, 10, 4, 4, 4, 0, 7 },
        { 2, 1, 1, 1, 1, 1, 1, 16 },
        { 3, 9, 10, 2, 3, 4, 2, 20 },
        { 4, 9, 10, 3, 2, 1, 3, 20 },
        { 5, 9, 10, 4, 1, 3, 4, 18 },
    };
    for (const auto& fields : cases) {
        const std::string line = lineOf(stateOf(fields));
        const std::optional<MechanismRecord> parsed = readBytes(line);
        ASSERT_TRUE(parsed) << line;
        for (std::size_t i = 0; i < MechanismRecord::numericFields; ++i)
            EXPECT_EQ(parsed->numbers[i], fields[i + 1]) << line << " field " << i + 2;
        EXPECT_EQ("\"" + restoredRecord(*parsed) + "\"\r\n", line);
    }
}

TEST(MechanismFile, ReadsWhatHandEditingBrings)
{
    const std::string record = "livello3,4,10,2,3,1,1,20";
    const std::string quoted = "\"" + record + "\"";
    const std::string files[] = {
        quoted + "\n",
        quoted,
        quoted + "  \t\r\n",
        "\xEF\xBB\xBF" + quoted + "\r\n",
        quoted + "\r\n\"livello1,1,1,1,1,1,0,1\"\r\n", // only the first line counts
        dataFile("mechanism_hand_edited.txt"),
    };
    for (const std::string& bytes : files) {
        const std::optional<MechanismRecord> parsed = readBytes(bytes);
        ASSERT_TRUE(parsed) << bytes;
        EXPECT_EQ(restoredRecord(*parsed), record);
    }
}

TEST(MechanismFile, RefusesUnusableRecords)
{
    const std::string cases[] = {
        "", "\"\"\r\n",
        "livello1,3,5,1,1,1,0,4\r\n", // no quotes
        "\"livello1,3,5,1,1,1,0,4\r\n", " \"livello1,3,5,1,1,1,0,4\"\r\n",
        "\"livello1,3,5,1,1,1,0,4\"x\r\n",
        "\"livello1,3,5,1,1,1,0\"\r\n", // seven fields
        "\"livello1,3,5,1,1,1,0,4,2\"\r\n", // nine fields
        "\"livello1,3,5,,1,1,0,4\"\r\n", "\"livello9,3,5,1,1,1,0,4\"\r\n",
        "\"Livello1,3,5,1,1,1,0,4\"\r\n", "\"livello1, 3,5,1,1,1,0,4\"\r\n",
        "\"livello1,3.0,5,1,1,1,0,4\"\r\n", "\"livello1,+3,5,1,1,1,0,4\"\r\n",
        "\"livello1,-,5,1,1,1,0,4\"\r\n", "\"livello1,3,5,uno,1,1,0,4\"\r\n",
        "\"livello1,32768,5,1,1,1,0,4\"\r\n", "\"livello1,3,-32769,1,1,1,0,4\"\r\n",
        "\"livello1,3,5,1,1,1,0,0\"\r\n", // schemes count from 1
        "\"livello1,3,5,1,1,1,0,8\"\r\n", "\"livello2,3,5,1,1,1,0,17\"\r\n",
        "\"livello3,3,5,1,1,1,0,21\"\r\n", "\"livello5,3,5,1,1,1,0,19\"\r\n",
        "\r\n\"livello1,3,5,1,1,1,0,4\"\r\n", std::string("\"livello1,3,5,1,1,1,0,4\0\"\r\n", 27),
        "\"livello1,3,5,1,1,1,0,4\"" + std::string(5000, ' ') + "\r\n", // first line beyond 4 KiB
    };
    for (const std::string& bytes : cases)
        EXPECT_FALSE(readBytes(bytes)) << bytes;
}

TEST(MechanismFile, KeepsWholeNumbersOutsideTheUsualRangesAsWritten)
{
    const std::optional<MechanismRecord> parsed
        = readBytes("\"livello4,0,-32768,32767,007,-0,-5,09\"");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->numbers[MechanismRecord::SecondConstant], -32768);
    EXPECT_EQ(restoredRecord(*parsed), "livello4,0,-32768,32767,007,-0,-5,09");
}

TEST(MechanismFile, ReadsOnlyTheFirstFourKibibytes)
{
    std::istringstream in(dataFile("mechanism_level2.txt") + std::string(1 << 20, 'x'));
    ASSERT_TRUE(readMechanism(in));
    EXPECT_LE(in.tellg(), static_cast<std::streamoff>(mechanismFileReadLimit));
}

TEST(MechanismFile, RestoresCodesAndLowerSchemesAsTextAndLevelFiveAsNumber)
{
    MachineState s;
    restoreMechanism(s, *parseMechanismRecord("livello2,3,7,1,4,2,0,12"));
    for (const Value* v : { &s.opCode, &s.partOpCode, &s.joinOpCode, &s.schemaLevel2 })
        EXPECT_TRUE(v->isText());
    EXPECT_EQ(s.schemaLevel2.textValue(), "12");

    restoreMechanism(s, *parseMechanismRecord("livello5,9,10,4,1,3,2,18"));
    EXPECT_EQ(s.schemaLevel5, 18);
    EXPECT_EQ(s.schemaLevel2.textValue(), "12"); // only the opened level's scheme changes
}

TEST(MechanismFile, SymbolsFollowTheRestoredCodesAndCountersStay)
{
    // record, opSymbol, altOpSymbol, secondOpSymbol
    const std::array<const char*, 4> cases[] = {
        { "livello2,3,7,1,1,1,1,12", "+", "+", "+" },
        { "livello2,3,7,2,1,1,2,12", "-", "*", "-" },
        { "livello2,3,7,3,1,1,3,12", "*", "-", "*" },
        { "livello2,3,7,4,1,1,4,12", ":", ":", ":" },
        // A code outside the table leaves no symbol of the earlier mechanism in force; a second
        // operation not drawn yet is left to calc03/calc04.
        { "livello2,3,7,0,1,1,0,12", "", "", "old" },
        { "livello2,3,7,5,1,1,5,12", "", "", "old" },
    };
    for (const auto& [record, op, alt, second] : cases) {
        MachineState s;
        s.opSymbol = s.altOpSymbol = s.secondOpSymbol = "old";
        s.experimentCount = s.secondOpCount = Value::int16(3);
        restoreMechanism(s, *parseMechanismRecord(record));
        EXPECT_EQ(s.opSymbol + s.altOpSymbol + "|" + s.secondOpSymbol,
            std::string(op) + alt + "|" + second)
            << record;
        EXPECT_EQ(s.experimentCount, Value::int16(3));
        EXPECT_EQ(s.secondOpCount, Value::int16(3));
    }
}
