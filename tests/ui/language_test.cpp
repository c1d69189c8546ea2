// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's language: chosen with --lingua, in the window's menu (for the next start) or by
// the locale; English texts come from the compiled translation beside the executable, Italian
// ones are the program's own and stay exactly as they are written.
#include "core/app/translation.h"
#include "language/language.h"
#include "platform/environment.h"
#include "window_test.h"

#include <optional>
#include <vector>

namespace quorvel {
namespace {

QString testsFolder()
{
    return QCoreApplication::applicationDirPath();
}

// Puts an environment variable back as it was when the test ends.
class EnvironmentVariable
{
public:
    EnvironmentVariable(const char* name, const char* value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        value ? qputenv(name, value) : qunsetenv(name);
    }
    ~EnvironmentVariable() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

class LanguageSwitch : public ::testing::Test
{
protected:
    void TearDown() override
    {
        installLanguage(Language::italian, testsFolder());
        QSettings().remove("lingua");
    }
};

TEST(LanguageArgument, IsTakenOutOfTheArgumentsOrRefused)
{
    struct Case
    {
        std::vector<const char*> args;
        std::optional<quorvel::Language> language;
        bool refused;
        std::vector<const char*> left;
    };
    const Case cases[] = {
        { { "quorvel" }, std::nullopt, false, { "quorvel" } },
        { { "quorvel", "--lingua", "en" }, Language::english, false, { "quorvel" } },
        { { "quorvel", "--lingua=it" }, Language::italian, false, { "quorvel" } },
        { { "quorvel", "-style", "fusion", "--lingua", "en", "x" }, Language::english, false,
            { "quorvel", "-style", "fusion", "x" } },
        { { "quorvel", "--lingua", "en", "--lingua", "it" }, Language::italian, false,
            { "quorvel" } },
        { { "quorvel", "--lingua", "de" }, std::nullopt, true, {} },
        { { "quorvel", "--lingua=EN" }, std::nullopt, true, {} },
        { { "quorvel", "--lingua" }, std::nullopt, true, {} },
    };
    for (const Case& c : cases) {
        std::vector<char*> argv;
        for (const char* arg : c.args)
            argv.push_back(const_cast<char*>(arg));
        argv.push_back(nullptr);
        int argc = static_cast<int>(c.args.size());
        std::string problem;
        const auto language = takeLanguageArgument(argc, argv.data(), problem);
        const std::string what = c.args.size() > 1 ? c.args[c.args.size() - 1] : "";
        EXPECT_EQ(language, c.language) << what;
        EXPECT_EQ(!problem.empty(), c.refused) << what;
        if (c.refused)
            continue;
        ASSERT_EQ(argc, static_cast<int>(c.left.size())) << what;
        for (int i = 0; i < argc; ++i)
            EXPECT_STREQ(argv[static_cast<std::size_t>(i)], c.left[static_cast<std::size_t>(i)]);
        EXPECT_EQ(argv[static_cast<std::size_t>(argc)], nullptr);
    }
}

TEST(LanguageOfLocale, EnglishOnlyForEnglishLocales)
{
    const std::pair<const char*, quorvel::Language> cases[] = {
        { "it_IT.UTF-8", Language::italian },
        { "it_CH", Language::italian },
        { "en_GB.UTF-8", Language::english },
        { "en_US", Language::english },
        { "en", Language::english },
        { "en@quot", Language::english },
        { "eng_XX", Language::italian },
        { "de_DE.UTF-8", Language::italian },
        { "C", Language::italian },
        { "C.UTF-8", Language::italian },
        { "POSIX", Language::italian },
        { "", Language::italian },
    };
    for (const auto& [locale, language] : cases)
        EXPECT_EQ(languageOfLocale(locale), language) << locale;
}

TEST(LanguageOfLocale, MessagesFollowLcAllThenLcMessagesThenLang)
{
    struct Case
    {
        const char* all;
        const char* messages;
        const char* lang;
        quorvel::Language language;
    };
    const Case cases[] = {
        { nullptr, nullptr, "en_GB.UTF-8", Language::english },
        { nullptr, "it_IT.UTF-8", "en_GB.UTF-8", Language::italian },
        { "en_US.UTF-8", "it_IT.UTF-8", "it_IT.UTF-8", Language::english },
        { "", "", "en_US", Language::english },
        { nullptr, nullptr, nullptr, Language::italian },
    };
    for (const Case& c : cases) {
        const EnvironmentVariable all("LC_ALL", c.all);
        const EnvironmentVariable messages("LC_MESSAGES", c.messages);
        const EnvironmentVariable lang("LANG", c.lang);
        EXPECT_EQ(languageFromEnvironment(), c.language) << (c.lang ? c.lang : "-");
    }
}

TEST(Fill, PutsValuesWhereThePatternSaysOnce)
{
    struct Case
    {
        const char* pattern;
        std::vector<std::string> values;
        const char* filled;
    };
    const Case cases[] = {
        { "E'attivo il livello %1", { "3" }, "E'attivo il livello 3" },
        { "%2 before %1", { "a", "b" }, "b before a" },
        { "only %2", { "a", "b" }, "only b" },
        { "%1 and %1", { "x" }, "x and x" },
        { "a value holding %2 stays: %1", { "%2", "no" }, "a value holding no stays: %2" },
        { "50% of %1, %3 unknown, 100%", { "A" }, "50% of A, %3 unknown, 100%" },
        { "ends with %", {}, "ends with %" },
    };
    for (const Case& c : cases) {
        const std::string filled = c.values.size() == 2
            ? fill(c.pattern, { c.values[0], c.values[1] })
            : c.values.size() == 1 ? fill(c.pattern, { c.values[0] })
                                   : fill(c.pattern, {});
        EXPECT_EQ(filled, c.filled) << c.pattern;
    }
}

TEST_F(LanguageSwitch, EnglishComesFromTheTranslationAndItalianStaysExact)
{
    const char* const source = "Devi scegliere un livello!!";
    ASSERT_TRUE(installLanguage(Language::english, testsFolder()));
    EXPECT_EQ(currentLanguage(), Language::english);
    EXPECT_EQ(translate("Machine", source), "You must choose a level!!");
    // A text without a translation is shown as it is rather than lost.
    EXPECT_EQ(translate("Machine", "nessuna traduzione"), "nessuna traduzione");
    // Qt's own buttons: its built-in English.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");

    ASSERT_TRUE(installLanguage(Language::italian, testsFolder()));
    EXPECT_EQ(currentLanguage(), Language::italian);
    EXPECT_EQ(translate("Machine", source), source);
    EXPECT_EQ(QCoreApplication::translate("Machine", source), QString::fromUtf8(source));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annulla");
}

TEST_F(LanguageSwitch, AMissingTranslationLeavesTheGameInItalian)
{
    const QTemporaryDir empty;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(installLanguage(Language::english, empty.path()));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("quorvel_en.qm is missing"), std::string::npos) << said;
    EXPECT_EQ(currentLanguage(), Language::italian);
    EXPECT_EQ(translate("Machine", "Devi scegliere un livello!!"), "Devi scegliere un livello!!");
}

TEST_F(LanguageSwitch, TheMenuChoiceIsRememberedOverTheLocale)
{
    const EnvironmentVariable all("LC_ALL", "en_GB.UTF-8");
    EXPECT_EQ(chosenLanguage(), Language::english);
    rememberLanguage(Language::italian);
    EXPECT_EQ(chosenLanguage(), Language::italian);
    QSettings().setValue("lingua", "xx"); // a hand-edited setting falls back to the locale
    EXPECT_EQ(chosenLanguage(), Language::english);
}

class LanguageMenu : public testing::Window
{
protected:
    void TearDown() override { QSettings().remove("lingua"); }
};

TEST_F(LanguageMenu, ChoosingEnglishKeepsItForTheNextStartAndSaysSo)
{
    // The language in force is ticked (the locale's here, no choice being kept, as --lingua
    // would also have it).
    const bool english = currentLanguage() == Language::english;
    EXPECT_EQ(control<QAction>("linguaEnglish")->isChecked(), english);
    EXPECT_EQ(control<QAction>("linguaItaliano")->isChecked(), !english);
    const EnvironmentVariable all("LC_ALL", "C");

    const QString said = testing::answeringModal([&] { trigger("linguaEnglish"); });
    EXPECT_EQ(said, "Lingua: Il gioco cambierà lingua la prossima volta che lo apri.");
    EXPECT_EQ(QSettings().value("lingua").toString(), "en");
    EXPECT_TRUE(control<QAction>("linguaEnglish")->isChecked());
    // This start stays Italian.
    EXPECT_EQ(currentLanguage(), Language::italian);

    // Going back before a restart: nothing changes, and the game says so.
    const QString back = testing::answeringModal([&] { trigger("linguaItaliano"); });
    EXPECT_EQ(back, "Lingua: Il gioco resta nella lingua di adesso.");
    EXPECT_EQ(QSettings().value("lingua").toString(), "it");
}

} // namespace
} // namespace quorvel
