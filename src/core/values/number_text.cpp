// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/values/number_text.h"
#include "core/values/utf8.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quorvel {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal number split into its parts: the sign, its significant digits and where the
// decimal point stands among them (3 for "123.45", -2 for "0.00123" whose digits are "123").
struct DecimalDigits
{
    bool negative = false;
    std::string digits;
    int point = 0;
};

// Reads [-]digits[(.|,)digits][(E|e)(+|-)digits]; at least one digit before the exponent.
std::optional<DecimalDigits> splitDecimal(std::string_view s, bool exponentAllowed)
{
    DecimalDigits out;
    std::size_t at = 0;
    if (at < s.size() && (s[at] == '-' || s[at] == '+')) {
        out.negative = s[at] == '-';
        ++at;
    }
    bool separator = false;
    bool anyDigit = false;
    int wholeDigits = 0;
    for (; at < s.size(); ++at) {
        const char c = s[at];
        if (isDigit(c)) {
            anyDigit = true;
            if (out.digits.empty() && c == '0') {
                // a leading zero: it moves the point when it stands after it
                if (separator)
                    --out.point;
                continue;
            }
            out.digits += c;
            if (!separator)
                ++wholeDigits;
        } else if ((c == ',' || c == '.') && !separator) {
            separator = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    out.point += wholeDigits;
    if (at < s.size()) {
        if (!exponentAllowed || (s[at] != 'E' && s[at] != 'e'))
            return std::nullopt;
        ++at;
        const bool minus = at < s.size() && s[at] == '-';
        if (at < s.size() && (s[at] == '-' || s[at] == '+'))
            ++at;
        int exponent = 0;
        const auto [end, error] = std::from_chars(s.data() + at, s.data() + s.size(), exponent);
        if (error != std::errc() || end != s.data() + s.size() || at == s.size())
            return std::nullopt;
        out.point += minus ? -exponent : exponent;
    }
    return out;
}

// The double nearest to the digits; infinite when too large, 0 when too small.
double toDouble(const DecimalDigits& d)
{
    if (d.digits.empty())
        return d.negative ? -0.0 : 0.0;
    const int exponent = d.point - static_cast<int>(d.digits.size());
    const std::string text = d.digits + "e" + wholeText(exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        value = d.point > 0 ? HUGE_VAL : 0.0;
    return d.negative ? -value : value;
}

} // namespace

std::string formatNumber(double v, int digits, char decimalSeparator)
{
    if (std::isnan(v))
        return std::string(notANumberText);
    if (std::isinf(v))
        return (v < 0 ? "-" : "") + std::string(infiniteText);
    if (v == 0)
        return "0";
    char buffer[64];
    const auto written = std::to_chars(
        buffer, buffer + sizeof buffer, v, std::chars_format::scientific, digits - 1);
    const std::string_view s(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t e = s.find('e');
    std::string_view mantissa = s.substr(0, e);
    std::string_view exponentText = s.substr(e + 1);
    if (!exponentText.empty() && exponentText[0] == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    const bool negative = mantissa[0] == '-';
    if (negative)
        mantissa.remove_prefix(1);
    std::string sig; // the significant digits, trailing zeros dropped
    for (char c : mantissa)
        if (isDigit(c))
            sig += c;
    while (sig.size() > 1 && sig.back() == '0')
        sig.pop_back();

    std::string out;
    if (exponent >= digits || exponent < -5) {
        out = sig.substr(0, 1);
        if (sig.size() > 1)
            out += decimalSeparator + sig.substr(1);
        const int size = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        out += (size < 10 ? "0" : "") + wholeText(size);
    } else if (exponent < 0) {
        out = "0";
        out += decimalSeparator;
        out += std::string(static_cast<std::size_t>(-exponent - 1), '0') + sig;
    } else {
        const auto intDigits = static_cast<std::size_t>(exponent + 1);
        if (sig.size() <= intDigits)
            out = sig + std::string(intDigits - sig.size(), '0');
        else
            out = sig.substr(0, intDigits) + decimalSeparator + sig.substr(intDigits);
    }
    return negative ? "-" + out : out;
}

std::string wholeText(long long v)
{
    char buffer[24];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, written.ptr);
}

std::optional<long long> readWhole(std::string_view text)
{
    if (text.empty() || text[0] == '+')
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> readPupilNumber(std::string_view text)
{
    const auto d = splitDecimal(trimmed(text), false);
    if (!d)
        return std::nullopt;
    return toDouble(*d);
}

std::optional<double> readShownNumber(std::string_view text)
{
    if (!text.empty() && text[0] == '+')
        return std::nullopt;
    const auto d = splitDecimal(text, true);
    if (!d)
        return std::nullopt;
    return toDouble(*d);
}

std::optional<int> decimalsWritten(std::string_view text)
{
    text = trimmed(text);
    if (!readPupilNumber(text))
        return std::nullopt;
    const std::size_t separator = text.find_first_of(",.");
    return separator == std::string_view::npos ? 0 : static_cast<int>(text.size() - separator - 1);
}

bool shownRoundsTo(std::string_view shown, int decimals, double value)
{
    const auto d = splitDecimal(shown, true);
    if (!d)
        return false;
    // The digits kept: those before the point and `decimals` after it.
    const int cut = d->point + decimals;
    DecimalDigits rounded { d->negative, "", 0 };
    if (cut >= 0) {
        std::string kept = d->digits.substr(
            0, std::min<std::size_t>(d->digits.size(), static_cast<std::size_t>(cut)));
        kept.append(static_cast<std::size_t>(cut) - kept.size(), '0');
        const bool up = static_cast<std::size_t>(cut) < d->digits.size()
            && d->digits[static_cast<std::size_t>(cut)] >= '5';
        int carryAt = static_cast<int>(kept.size()) - 1;
        for (bool carry = up; carry; --carryAt) {
            if (carryAt < 0) {
                kept.insert(kept.begin(), '1');
                ++rounded.point;
                break;
            }
            char& c = kept[static_cast<std::size_t>(carryAt)];
            carry = c == '9';
            c = carry ? '0' : static_cast<char>(c + 1);
        }
        rounded.digits = kept;
        rounded.point += d->point;
    }
    return toDouble(rounded) == value;
}

} // namespace quorvel
