#include "fakes/fake_save_dialog.h"
#include "core/storage/mechanism_commands.h"
#include "core/storage/mechanism_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

using namespace quorvel;
using namespace quorvel::testing;
namespace fs = std::filesystem;

namespace {

const fs::path dataFolder = QUORVEL_TEST_DATA;
using Log = std::vector<std::string>;

std::string bytesOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

Log namesIn(const fs::path& folder)
{
    Log names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class MechanismCommands : public ::testing::Test
{
protected:
    MechanismCommands()
    {
        fs::create_directories(folder);
        rig.machine.Form_Activate(); // loads the narrator
        rig.log().clear();
    }
    ~MechanismCommands() override { fs::remove_all(folder); }

    void save(std::optional<std::string> answer)
    {
        dialog.answer = std::move(answer);
        saveMechanism(rig.machine, dialog);
    }

    // The level-2 example of the file, put in force.
    void useLevel2Example()
    {
        ASSERT_TRUE(openMechanism(rig.machine, dataFolder, "mechanism_level2.txt"));
        rig.s().loadedFromFile = false;
        rig.log().clear();
    }

    const fs::path folder
        = fs::temp_directory_path() / ("quorvel-test-" + std::to_string(std::random_device()()));
    Rig rig;
    FakeSaveDialog dialog { rig.recorder };
};

} // namespace

TEST(MechanismFilePath, AddsTxtUnlessTheNameEndsInIt)
{
    const std::pair<const char*, const char*> cases[] = {
        { "prova", "prova.txt" },
        { "prova.txt", "prova.txt" },
        { "prova.TXT", "prova.TXT" },
        { "provatxt", "provatxt.txt" },
        { "prova.tx", "prova.tx.txt" },
        { "txt", "txt.txt" },
        { "dir.txt/prova", "dir.txt/prova.txt" },
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(mechanismFilePath(typed), fs::path(expected)) << typed;
}

TEST_F(MechanismCommands, SavingWithoutALevelSaysSoAndAsksNothing)
{
    save((folder / "prova").string());
    EXPECT_EQ(rig.log(), Log { "Message Nessun meccanismo da salvare: scegli prima un livello." });
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(MechanismCommands, CancellingTheDialogWritesNothing)
{
    useLevel2Example();
    save(std::nullopt);
    EXPECT_EQ(rig.log(), Log { "SaveDialog documenti(*.txt)" });
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(MechanismCommands, SavingReplacesAnExistingFileAsAWhole)
{
    useLevel2Example();
    fs::copy_file(dataFolder / "mechanism_saved_twice.txt", folder / "prova.txt");
    save((folder / "prova.txt").string());
    EXPECT_EQ(bytesOf(folder / "prova.txt"), bytesOf(dataFolder / "mechanism_level2.txt"));
    EXPECT_EQ(namesIn(folder), Log { "prova.txt" });
    EXPECT_EQ(rig.log(), Log { "SaveDialog documenti(*.txt)" });
}

TEST_F(MechanismCommands, AFailedSaveSaysWhyAndLeavesFilesAndStateAsTheyWere)
{
    std::ofstream(folder / "plain") << "not a folder";
    fs::create_directories(folder / "taken.txt" / "inside");
    const std::pair<fs::path, const char*> cases[] = {
        { folder / "missing" / "prova", "la cartella non esiste." },
        { folder / "plain" / "prova", "la cartella non esiste." },
        { folder / "taken", "esiste già una cartella con questo nome." },
    };
    useLevel2Example();
    for (const auto& [typed, reason] : cases) {
        rig.log().clear();
        save(typed.string());
        EXPECT_EQ(rig.log(),
            (Log { "SaveDialog documenti(*.txt)",
                "Message Il meccanismo non è stato salvato in «" + typed.string()
                    + ".txt»: " + reason }));
    }
    EXPECT_EQ(namesIn(folder), (Log { "plain", "taken.txt" }));
    EXPECT_EQ(bytesOf(folder / "plain"), "not a folder");
    EXPECT_EQ(namesIn(folder / "taken.txt"), Log { "inside" });
    EXPECT_EQ(mechanismRecord(rig.s()), "livello2,3,7,1,4,2,0,12");
    EXPECT_FALSE(rig.s().loadedFromFile);
}

TEST_F(MechanismCommands, OpeningWithoutASelectionAsksForAFile)
{
    EXPECT_FALSE(openMechanism(rig.machine, dataFolder, ""));
    EXPECT_EQ(rig.log(), Log { "Message Scegli un file dall'elenco dei meccanismi salvati." });
    EXPECT_FALSE(rig.s().loadedFromFile);
}

TEST_F(MechanismCommands, AnUnusableFileChangesNothingAndAnnouncesNothing)
{
    const std::pair<const char*, std::string> files[] = {
        { "vuoto.txt", "" }, { "senzalivello.txt", "\"\"\r\n" },
        { "senzavirgolette.txt", "livello1,3,5,1,1,1,0,4\r\n" },
        { "pochi.txt", "\"livello1,3,5,1\"\r\n" },
        { "livello9.txt", "\"livello9,3,5,1,1,1,0,4\"\r\n" },
        { "lettere.txt", "\"livello1,3,5,uno,1,1,0,4\"\r\n" },
        { "binario.txt", std::string("\0\x01\xFF\xFE", 4) + std::string(10000, '\0') },
        { "manca.txt", "" }, // removed below: a file that cannot be opened
        { "cartella.txt", "" }, // made a folder below
    };
    for (const auto& [name, bytes] : files)
        std::ofstream(folder / name, std::ios::binary) << bytes;
    fs::remove(folder / "manca.txt");
    fs::remove(folder / "cartella.txt");
    fs::create_directory(folder / "cartella.txt");
    useLevel2Example();
    rig.s().opSymbol = "*";

    for (const auto& file : files) {
        rig.log().clear();
        EXPECT_FALSE(openMechanism(rig.machine, folder, file.first)) << file.first;
        EXPECT_EQ(rig.log(), Log { "Message Il file scelto non contiene un meccanismo valido." });
    }
    EXPECT_FALSE(rig.s().loadedFromFile);
    EXPECT_EQ(rig.s().openedMechanismName, "mechanism_level2");
    EXPECT_EQ(rig.s().opSymbol, "*");
    EXPECT_EQ(mechanismRecord(rig.s()), "livello2,3,7,1,4,2,0,12");
}

TEST_F(MechanismCommands, OpeningAnnouncesThenRestoresAndShowsTheMechanism)
{
    rig.use(4, 3);
    rig.s().opSymbol = "*"; // the symbol of the mechanism in force before
    ASSERT_TRUE(openMechanism(rig.machine, dataFolder, "mechanism_level2.txt"));

    Recorder expected;
    FakeNarrator narrator(expected);
    sceneOpenedMechanism(narrator, "mechanism_level2");
    EXPECT_EQ(rig.log(), expected.log);
    EXPECT_TRUE(rig.s().loadedFromFile);
    EXPECT_EQ(
        rig.machine.text(Control::Label15), "E' attivo il meccanismo recuperato  mechanism_level2");
    EXPECT_EQ(mechanismRecord(rig.s()), "livello2,3,7,1,4,2,0,12");
    EXPECT_EQ(rig.s().opSymbol, "+");
    EXPECT_EQ(rig.s().schemaLevel4, Value::int16(3));
}

TEST_F(MechanismCommands, AFileSavedTwiceOpensByItsFirstLine)
{
    ASSERT_TRUE(openMechanism(rig.machine, dataFolder, "mechanism_saved_twice.txt"));
    EXPECT_EQ(mechanismRecord(rig.s()), "livello1,4,6,3,2,1,0,5");
}

TEST_F(MechanismCommands, SavingRightAfterOpeningWritesTheSameEightValues)
{
    const std::pair<const char*, const char*> cases[] = {
        { "mechanism_level2.txt", "mechanism_level2.txt" },
        { "mechanism_level5.txt", "mechanism_level5.txt" },
        { "mechanism_hand_edited.txt", nullptr },
    };
    for (const auto& [opened, expected] : cases) {
        ASSERT_TRUE(openMechanism(rig.machine, dataFolder, opened));
        save((folder / "copia").string());
        EXPECT_EQ(bytesOf(folder / "copia.txt"),
            expected ? bytesOf(dataFolder / expected) : "\"livello3,4,10,2,3,1,1,20\"\r\n")
            << opened;
    }
}

TEST_F(MechanismCommands, AReopenedMechanismComputesAsTheSavedOne)
{
    rig.use(1, 1); // calc01 with operation 3: the product of the inputs
    rig.s().opCode = Value::int16(3);
    save((folder / "prodotto").string());
    EXPECT_EQ(rig.experiment("6", "7"), "42");

    Rig later; // the next run of the program
    later.machine.Form_Activate();
    later.s().opSymbol = "+";
    later.s().experimentCount = Value::int16(5); // past the first run: no new choice is made
    ASSERT_TRUE(openMechanism(later.machine, folder, "prodotto.txt"));
    EXPECT_EQ(later.experiment("6", "7"), "42");
}
