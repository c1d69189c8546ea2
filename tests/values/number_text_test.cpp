// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers as text: written and read the same whatever the C library's locale (Qt sets it from
// the environment, Italian on a school's computer), infinity and "no number" included.
#include "core/app/machine_state.h"
#include "core/storage/mechanism_file.h"
#include "core/values/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <sstream>

namespace quorvel {
namespace {

// The C library's locale for the length of a test, as QApplication sets it from LANG.
class CLocale
{
public:
    explicit CLocale(const char* name)
        : m_before(std::setlocale(LC_ALL, nullptr))
    {
        m_set = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~CLocale() { std::setlocale(LC_ALL, m_before.c_str()); }
    bool set() const { return m_set; }

private:
    std::string m_before;
    bool m_set = false;
};

const char* const locales[] = { "C", "it_IT.UTF-8" };
const double infinity = std::numeric_limits<double>::infinity();

TEST(NumberText, WritesTheSameUnderEveryLocale)
{
    const std::tuple<double, int, char, const char*> rows[] = { { 3, 15, ',', "3" },
        { 4.5, 15, ',', "4,5" }, { 6, 7, ',', "6" }, { -0.25, 15, '.', "-0.25" },
        { 2.0 / 3, 15, ',', "0,666666666666667" }, { 2.0 / 3, 7, '.', "0.6666667" },
        { 1.5e20, 15, ',', "1,5E+20" }, { 1e-6, 15, '.', "1E-06" }, { 1e100, 15, '.', "1E+100" },
        { 0, 15, ',', "0" }, { infinity, 15, ',', "∞" }, { -infinity, 15, '.', "-∞" },
        { std::nan(""), 15, '.', "????" } };
    for (const char* locale : locales) {
        const CLocale in(locale);
        ASSERT_TRUE(in.set()) << locale << " is not installed (scripts/install-deps.sh makes it)";
        for (const auto& [v, digits, separator, expected] : rows)
            EXPECT_EQ(formatNumber(v, digits, separator), expected) << locale << ": " << v;
        EXPECT_EQ(wholeText(-32768), "-32768");
    }
}

TEST(NumberText, ReadsThePupilsNumbersUnderEveryLocale)
{
    const std::pair<std::string, std::optional<double>> rows[] = { { "12", 12 }, { " 2,5 ", 2.5 },
        { "2.5", 2.5 }, { "-0,5", -0.5 }, { "+7", 7 }, { ",5", 0.5 }, { "5,", 5 },
        { "1" + std::string(400, '0'), infinity }, { "0," + std::string(400, '0') + "1", 0 },
        { "1,2,3", std::nullopt }, { "1e5", std::nullopt }, { "inf", std::nullopt },
        { "", std::nullopt }, { "-", std::nullopt }, { "1 2", std::nullopt } };
    for (const char* locale : locales) {
        const CLocale in(locale);
        for (const auto& [text, number] : rows)
            EXPECT_EQ(readPupilNumber(text), number) << locale << ": " << text;
    }
}

TEST(NumberText, ReadsWhatADisplayShows)
{
    const std::pair<const char*, std::optional<double>> rows[] = { { "3", 3 }, { "-3,5", -3.5 },
        { "1.5E+10", 1.5e10 }, { "2,5E-07", 2.5e-7 }, { "1E+100", 1e100 }, { "????", std::nullopt },
        { "", std::nullopt }, { "+3", std::nullopt }, { "3E", std::nullopt } };
    const CLocale in("it_IT.UTF-8");
    for (const auto& [text, number] : rows)
        EXPECT_EQ(readShownNumber(text), number) << text;
    const std::pair<const char*, std::optional<long long>> wholes[]
        = { { "12", 12 }, { "-32768", -32768 }, { "+1", std::nullopt }, { "1.0", std::nullopt },
              { "", std::nullopt }, { "99999999999999999999", std::nullopt } };
    for (const auto& [text, number] : wholes)
        EXPECT_EQ(readWhole(text), number) << text;
}

TEST(NumberText, AMechanismFileIsTheSameBytesUnderEveryLocaleAndReadsBackUnderAny)
{
    MachineState s;
    s.activeLevel = Level::number(3);
    s.paramGrid[1][1] = 4;
    s.paramGrid[2][2] = 10;
    s.opCode = Value::single(2); // drawn codes and schemes are single precision
    s.partOpCode = Value::single(3);
    s.joinOpCode = Value::text("1"); // as an opened file leaves it
    s.secondOpIndex = 4;
    s.setScheme(s.activeLevel, Value::single(17));
    std::string written[2];
    for (int i = 0; i < 2; ++i) {
        const CLocale in(locales[i]);
        std::ostringstream out;
        writeMechanismLine(out, mechanismRecord(s));
        written[i] = out.str();
    }
    EXPECT_EQ(written[0], "\"livello3,4,10,2,3,1,4,17\"\r\n");
    EXPECT_EQ(written[1], written[0]);
    for (int i = 0; i < 2; ++i) {
        const CLocale in(locales[1 - i]); // read under the other one
        std::istringstream bytes(written[i]);
        const auto record = readMechanism(bytes);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->numbers[MechanismRecord::Scheme], 17);
    }
}

} // namespace
} // namespace quorvel
