// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The mechanism file: writing, reading and refusing, and the save and open commands.

#include "core/storage/mechanism_commands.h"
#include "core/storage/mechanism_file.h"
#include "fakes/fakes.h"
#include "platform/file_replace.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

using namespace quorvel;
using namespace quorvel::testing;
namespace fs = std::filesystem;
using Log = std::vector<std::string>;

namespace {

const fs::path data = QUORVEL_TEST_DATA;
const std::string saveDialog = "SaveDialog documenti(*.txt)";
const std::string level2 = "livello2,3,7,1,4,2,0,12"; // mechanism_level2.txt

std::string bytesOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// What the writer gives back once the file's record is restored into a fresh state.
std::optional<std::string> reread(const std::string& bytes)
{
    std::istringstream in(bytes);
    const std::optional<MechanismRecord> record = readMechanism(in);
    MachineState s;
    if (!record)
        return std::nullopt;
    restoreMechanism(s, *record);
    return mechanismRecord(s);
}

class MechanismCommands : public ::testing::Test
{
protected:
    MechanismCommands()
    {
        fs::create_directories(folder);
        rig.machine.start(); // loads the narrator
        rig.log().clear();
    }
    ~MechanismCommands() override { fs::remove_all(folder); }

    void save(std::optional<std::string> answer)
    {
        dialog.answer = std::move(answer);
        ReplacingFileWriter files;
        saveMechanism(rig.machine, dialog, files);
    }

    // Puts the level-2 example in force, as though it had been drawn.
    void useLevel2()
    {
        ASSERT_TRUE(openMechanism(rig.machine, data, "mechanism_level2.txt"));
        rig.s().loadedFromFile = false;
        rig.log().clear();
    }

    long entries(const fs::path& at) { return std::distance(fs::directory_iterator(at), {}); }

    const fs::path folder
        = fs::temp_directory_path() / ("quorvel-test-" + std::to_string(std::random_device()()));
    Rig rig;
    FakeSaveDialog dialog { rig.recorder };
};

} // namespace

TEST(MechanismFile, WritesTheDrawnMechanismByteForByte)
{
    // level, c1, c2, opCode, partOpCode, joinOpCode, secondOpIndex, scheme
    const std::pair<std::array<int, 8>, const char*> cases[]
        = { { { 2, 3, 7, 1, 4, 2, 0, 12 }, "mechanism_level2.txt" },
              { { 5, 9, 10, 4, 1, 3, 2, 18 }, "mechanism_level5.txt" },
              { { 0, 3, 7, 1, 4, 2, 0, 12 }, "mechanism_no_level.txt" } };
    for (const auto& [f, golden] : cases) {
        MachineState s;
        s.activeLevel = Level::number(f[0]);
        s.paramGrid[1][1] = static_cast<std::int16_t>(f[1]);
        s.paramGrid[2][2] = static_cast<std::int16_t>(f[2]);
        s.opCode = Value::int16(f[3]);
        s.partOpCode = Value::single(f[4]); // drawn codes and schemes are single precision
        s.joinOpCode = Value::single(f[5]);
        s.secondOpIndex = static_cast<std::int16_t>(f[6]);
        s.setScheme(s.activeLevel, Value::single(f[7]));
        std::ostringstream out;
        writeMechanismLine(out, mechanismRecord(s));
        EXPECT_EQ(out.str(), bytesOf(data / golden));
    }
}

TEST(MechanismFile, ReadsHandEditedFilesKeepingTheDigits)
{
    const std::pair<std::string, std::string> files[] = {
        { "\"livello1,9,10,4,4,4,0,7\"", "livello1,9,10,4,4,4,0,7" },
        { "\xEF\xBB\xBF\"livello2,1,1,1,1,1,1,16\"\n", "livello2,1,1,1,1,1,1,16" },
        { "\"livello4,1,1,3,2,1,3,20\"  \t\r\n", "livello4,1,1,3,2,1,3,20" },
        { "\"livello5,3,7,1,1,1,0,4\"\r\n\"livello1,1,1,1,1,1,0,1\"\r\n",
            "livello5,3,7,1,1,1,0,4" },
        { "\"livello4,32767,-32768,004,01,03,0,09\"", "livello4,32767,-32768,004,01,03,0,09" },
        { bytesOf(data / "mechanism_hand_edited.txt"), "livello3,4,10,2,3,1,1,20" },
    };
    for (const auto& [bytes, record] : files)
        EXPECT_EQ(reread(bytes), record) << bytes;
}

TEST(MechanismFile, RefusesUnusableRecords)
{
    const std::string cases[] = { "", "\"\"\r\n",
        "livello1,3,5,1,1,1,0,4\r\n", // no quotes
        "\"livello1,3,5,1,1,1,0,4\r\n", " \"livello1,3,5,1,1,1,0,4\"\r\n",
        "\"livello1,3,5,1,1,1,0,4\"x\r\n", "\"livello1,3,5,1,1,1,0\"\r\n",
        "\"livello1,3,5,1,1,1,0,4,2\"\r\n", "\"livello1,3,5,,1,1,0,4\"\r\n",
        "\"livello9,3,5,1,1,1,0,4\"\r\n", "\"Livello1,3,5,1,1,1,0,4\"\r\n",
        "\"livello1, 3,5,1,1,1,0,4\"\r\n", "\"livello1,3.0,5,1,1,1,0,4\"\r\n",
        "\"livello1,+3,5,1,1,1,0,4\"\r\n", "\"livello1,-,5,1,1,1,0,4\"\r\n",
        "\"livello1,3,5,uno,1,1,0,4\"\r\n", "\"livello1,32768,5,1,1,1,0,4\"\r\n",
        "\"livello1,3,-32769,1,1,1,0,4\"\r\n", "\"livello1,3,5,1,1,1,0,0\"\r\n",
        "\"livello1,3,5,1,1,1,0,8\"\r\n", "\"livello2,3,5,1,1,1,0,17\"\r\n",
        "\"livello3,3,5,1,1,1,0,21\"\r\n", "\"livello4,3,5,1,1,1,0,21\"\r\n",
        "\"livello5,3,5,1,1,1,0,19\"\r\n", "\r\n\"livello1,3,5,1,1,1,0,4\"\r\n",
        // operation codes the game never writes: 1 to 4, and 0 to 4 for the second operation
        "\"livello2,3,5,0,1,1,0,10\"\r\n", "\"livello2,3,5,5,1,1,0,10\"\r\n",
        "\"livello4,3,5,1,0,1,0,14\"\r\n", "\"livello4,3,5,1,1,7,0,14\"\r\n",
        "\"livello2,3,5,1,1,1,5,10\"\r\n", "\"livello2,3,5,1,1,1,-1,10\"\r\n",
        std::string("\"livello1,3,5,1,1,1,0,4\0\"\r\n", 27),
        "\"livello1,3,5,1,1,1,0,4\"" + std::string(5000, ' ') + "\r\n" }; // beyond 4 KiB
    for (const std::string& bytes : cases)
        EXPECT_EQ(reread(bytes), std::nullopt) << bytes;
}

TEST(MechanismFile, ReadsOnlyTheFirstFourKibibytes)
{
    std::istringstream in(bytesOf(data / "mechanism_level2.txt") + std::string(1 << 20, 'x'));
    ASSERT_TRUE(readMechanism(in));
    EXPECT_LE(in.tellg(), static_cast<std::streamoff>(mechanismFileReadLimit));
}

TEST(MechanismFile, RestoresOnlyTheOpenedLevelsScheme)
{
    MachineState s;
    restoreMechanism(s, *parseMechanismRecord(level2));
    restoreMechanism(s, *parseMechanismRecord("livello5,9,10,4,1,3,2,18"));
    EXPECT_EQ(s.schemaLevel5, 18);
    EXPECT_EQ(s.schemaLevel2.textValue(), "12");
}

TEST(MechanismFile, SymbolsFollowTheRestoredCodesAndCountersStay)
{
    // opCode and secondOpIndex -> opSymbol, altOpSymbol, secondOpSymbol, and the counters
    struct Row
    {
        int code, second;
        const char *op, *alt, *secondSymbol;
        double secondCount;
    };
    const Row rows[] = { { 1, 1, "+", "+", "+", 3 }, { 2, 2, "-", "*", "-", 3 },
        { 3, 3, "*", "-", "*", 3 }, { 4, 4, ":", ":", ":", 3 },
        // A second operation not drawn when the mechanism was saved is drawn at its next run,
        // as it would have been without the save.
        { 1, 0, "+", "+", "old", 0 } };
    for (const Row& r : rows) {
        MachineState s;
        s.opSymbol = s.altOpSymbol = s.secondOpSymbol = "old";
        s.experimentCount = s.secondOpCount = Value::int16(3);
        restoreMechanism(s,
            *parseMechanismRecord("livello2,3,7," + std::to_string(r.code) + ",1,1,"
                + std::to_string(r.second) + ",12"));
        EXPECT_EQ(s.opSymbol + s.altOpSymbol + "|" + s.secondOpSymbol,
            std::string(r.op) + r.alt + "|" + r.secondSymbol);
        EXPECT_EQ(s.experimentCount.number(), 3);
        EXPECT_EQ(s.secondOpCount.number(), r.secondCount);
    }
}

TEST(MechanismFilePath, AddsTxtUnlessTheNameEndsInIt)
{
    const std::pair<const char*, const char*> cases[]
        = { { "prova", "prova.txt" }, { "prova.TXT", "prova.TXT" }, { "provatxt", "provatxt.txt" },
              { "prova.tx", "prova.tx.txt" }, { "dir.txt/prova", "dir.txt/prova.txt" } };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(mechanismFilePath(typed), fs::path(expected)) << typed;
}

TEST_F(MechanismCommands, SavesNothingWithoutALevelOrWhenCancelled)
{
    save((folder / "prova").string());
    EXPECT_EQ(rig.log(), Log { "Message Nessun meccanismo da salvare: scegli prima un livello." });
    useLevel2();
    const fs::path before = fs::current_path();
    fs::current_path(folder); // where a name without a folder would go
    save(std::nullopt);
    save("");
    fs::current_path(before);
    EXPECT_EQ(rig.log(), (Log { saveDialog, saveDialog }));
    EXPECT_EQ(entries(folder), 0);
}

TEST_F(MechanismCommands, SavingReplacesAnExistingFileAsAWhole)
{
    useLevel2();
    fs::copy_file(data / "mechanism_saved_twice.txt", folder / "prova.txt");
    save((folder / "prova.txt").string());
    EXPECT_EQ(bytesOf(folder / "prova.txt"), bytesOf(data / "mechanism_level2.txt"));
    EXPECT_EQ(entries(folder), 1); // nothing left beside it
    EXPECT_EQ(rig.log(), Log { saveDialog });
}

TEST_F(MechanismCommands, AFailedSaveSaysWhyAndChangesNothing)
{
    std::ofstream(folder / "plain") << "not a folder";
    fs::create_directories(folder / "taken.txt" / "inside");
    const std::pair<fs::path, const char*> cases[] = {
        { folder / "missing" / "prova", "la cartella non esiste." },
        { folder / "plain" / "prova", "nel percorso c'è un file al posto di una cartella." },
        { folder / "taken", "esiste già una cartella con questo nome." },
    };
    useLevel2();
    for (const auto& [typed, reason] : cases) {
        rig.log().clear();
        save(typed.string());
        EXPECT_EQ(rig.log(),
            (Log { saveDialog,
                "Message Il meccanismo non è stato salvato in «" + typed.string()
                    + ".txt»: " + reason }));
    }
    EXPECT_EQ(entries(folder) + entries(folder / "taken.txt"), 3);
    EXPECT_EQ(bytesOf(folder / "plain"), "not a folder");
    EXPECT_EQ(mechanismRecord(rig.s()), level2);
}

TEST_F(MechanismCommands, AnUnusableFileOrNoneChangesNothing)
{
    std::ofstream(folder / "vuoto.txt").flush();
    std::ofstream(folder / "binario.txt")
        << std::string("\0\x01\xFF\xFE", 4) + std::string(9999, 0);
    fs::create_directory(folder / "cartella.txt");
    const bool fifo = mkfifo((folder / "tubo.txt").c_str(), 0600) == 0; // opening it would wait
    useLevel2();
    rig.s().opSymbol = "*";
    const std::pair<const char*, const char*> rows[] = {
        { "vuoto.txt", "Il file scelto non contiene un meccanismo valido." },
        { "binario.txt", "Il file scelto non contiene un meccanismo valido." },
        { "cartella.txt",
            "Hai scelto una cartella: scegli un file dall'elenco dei meccanismi salvati." },
        { "manca.txt", "Il file scelto non c'è più: forse è stato spostato o cancellato." },
        { "tubo.txt", "Il file scelto non è un documento: non si può aprire." },
    };
    for (const auto& [name, message] : rows) {
        if (std::string(name) == "tubo.txt" && !fifo)
            continue;
        rig.log().clear();
        EXPECT_FALSE(openMechanism(rig.machine, folder, name)) << name;
        EXPECT_EQ(rig.log(), Log { std::string("Message ") + message });
    }
    rig.log().clear();
    EXPECT_FALSE(openMechanism(rig.machine, data, ""));
    EXPECT_EQ(rig.log(), Log { "Message Scegli un file dall'elenco dei meccanismi salvati." });
    EXPECT_FALSE(rig.s().loadedFromFile);
    EXPECT_EQ(rig.s().openedMechanismName + " " + rig.s().opSymbol, "mechanism_level2 *");
    EXPECT_EQ(mechanismRecord(rig.s()), level2);
}

TEST_F(MechanismCommands, OpeningAnnouncesRestoresAndShowsIt)
{
    rig.use(4, 3);
    rig.s().opSymbol = "*"; // the symbol of the mechanism in force before
    ASSERT_TRUE(openMechanism(rig.machine, data, "mechanism_level2.txt"));
    Recorder expected;
    FakeNarrator narrator(expected);
    sceneOpenedMechanism(narrator, "mechanism_level2");
    EXPECT_EQ(rig.log(), expected.log);
    EXPECT_TRUE(rig.s().loadedFromFile);
    EXPECT_EQ(rig.machine.text(Control::StatusLine),
        "E' attivo il meccanismo recuperato  mechanism_level2");
    EXPECT_EQ(mechanismRecord(rig.s()), level2);
    EXPECT_EQ(rig.s().opSymbol, "+");
    EXPECT_EQ(rig.s().schemaLevel4, Value::int16(3));
}

// A file opened by its path (the desktop's double click) is named as the panel names it, and
// is refused as the panel refuses it.
TEST_F(MechanismCommands, AFileOpenedByItsPathIsNamedWithoutItsTxt)
{
    const std::string level2Bytes = bytesOf(data / "mechanism_level2.txt");
    const std::pair<const char*, const char*> rows[] = {
        { "compito.txt", "compito" },
        { "Compito di Anna.TXT", "Compito di Anna" },
        { "compito", "compito" },
        { "compito.quorvel", "compito.quorvel" },
        { "città.txt", "città" },
    };
    for (const auto& [file, shown] : rows) {
        std::ofstream(folder / pathFromUtf8(file), std::ios::binary) << level2Bytes;
        ASSERT_TRUE(openMechanismFile(rig.machine, folder / pathFromUtf8(file))) << file;
        EXPECT_EQ(rig.s().openedMechanismName, shown);
        EXPECT_EQ(mechanismRecord(rig.s()), level2);
    }
    rig.log().clear();
    EXPECT_FALSE(openMechanismFile(rig.machine, folder / "manca.txt"));
    EXPECT_EQ(rig.log(),
        Log { "Message Il file scelto non c'è più: forse è stato spostato o cancellato." });
    EXPECT_FALSE(openMechanismFile(rig.machine, data / "mechanism_level5.txt",
        [](Level level) { return level.number() < 5; }));
    EXPECT_EQ(rig.s().openedMechanismName, "città");
}

// Opened before any level was chosen (a double click on a saved mechanism), the machine takes
// the digits typed next as the pupil's numbers, not after the inputs' starting text.
TEST_F(MechanismCommands, AMechanismOpenedFirstTakesTheDigitsTypedNext)
{
    ASSERT_EQ(rig.machine.text(Control::FirstInput), Machine::startingInputText);
    ASSERT_TRUE(openMechanismFile(rig.machine, data / "mechanism_level2.txt"));
    rig.machine.typeDigits(Keypad::First, "12");
    rig.machine.typeDigits(Keypad::Second, "5");
    rig.machine.runExperiment();
    ASSERT_EQ(rig.machine.notebook().pages().back().trials.size(), 1u);
    const Trial& trial = rig.machine.notebook().pages().back().trials[0];
    EXPECT_EQ(trial.first, "12");
    EXPECT_EQ(trial.second, "5");
    EXPECT_EQ(trial.a, 12);
}

TEST_F(MechanismCommands, SavingAfterOpeningWritesTheSameValues)
{
    const std::pair<const char*, std::string> cases[] = {
        { "mechanism_level2.txt", bytesOf(data / "mechanism_level2.txt") },
        { "mechanism_level5.txt", bytesOf(data / "mechanism_level5.txt") },
        { "mechanism_hand_edited.txt", "\"livello3,4,10,2,3,1,1,20\"\r\n" },
        { "mechanism_saved_twice.txt", "\"livello1,4,6,3,2,1,0,5\"\r\n" }, // its first line
    };
    for (const auto& [opened, expected] : cases) {
        ASSERT_TRUE(openMechanism(rig.machine, data, opened));
        save((folder / "copia").string());
        EXPECT_EQ(bytesOf(folder / "copia.txt"), expected) << opened;
    }
}
