// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvel {

// Every failed calculation step (16-bit overflow, division by zero, remainder of an
// out-of-range operand, a text that spells no number) throws this. Only the experiment
// catches it and shows "????".
class MechanismFault : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The loosely typed number-or-text cell of the machine's state record. Empty until first
// assigned; then a number of one of four kinds, or a text. Empty counts as 0 in arithmetic
// and comparisons and shows as "". A text that spells a number acts as that number.
class Value
{
public:
    enum class Kind { Empty, Int16, Int32, Single, Double, Text };

    Value() = default;
    static Value int16(int v);
    static Value int32(std::int64_t v);
    static Value single(double v);
    static Value dbl(double v);
    static Value text(std::string t);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    bool isText() const { return m_kind == Kind::Text; }
    const std::string& textValue() const { return m_text; }

    // The numeric value: 0 for empty, the number a text spells (a fault when it spells none).
    double number() const;

    // The display form: "" for empty, a text as it is, a number in its shortest decimal
    // form (15 significant digits for a double, 7 for a single) with the given separator.
    std::string display(char decimalSeparator = '.') const;

private:
    Value(Kind kind, double number)
        : m_kind(kind)
        , m_number(number)
    {
    }

    Kind m_kind = Kind::Empty;
    double m_number = 0;
    std::string m_text;
};

// Sum, difference and product widen 16-bit to 32-bit to double instead of overflowing.
Value operator+(const Value& a, const Value& b);
Value operator-(const Value& a, const Value& b);
Value operator*(const Value& a, const Value& b);
Value divide(const Value& a, const Value& b); // "/": always a double; divisor 0 is a fault
Value power(const Value& a, const Value& b); // "^": always a double
Value floorOf(const Value& v); // toward minus infinity, kind kept
Value absOf(const Value& v); // kind kept
// Both operands rounded to 32-bit (halves to even); the result takes the dividend's sign.
Value remainder(const Value& a, const Value& b);
std::int32_t remainder32(double a, double b); // the same on plain numbers, for tight loops
// An operand of the remainder: rounded to 32 bits (halves to even), a fault out of range.
std::int32_t remainderOperand(double v);

bool operator==(const Value& a, const Value& b);
bool operator<(const Value& a, const Value& b);
inline bool operator!=(const Value& a, const Value& b)
{
    return !(a == b);
}
inline bool operator>(const Value& a, const Value& b)
{
    return b < a;
}
inline bool operator<=(const Value& a, const Value& b)
{
    return !(b < a);
}
inline bool operator>=(const Value& a, const Value& b)
{
    return !(a < b);
}

// Conversion to a 16-bit signed integer: halves to even, a fault outside -32768..32767.
std::int16_t toInt16(const Value& v);
std::int16_t toInt16(double v);

// 16-bit calculations: a result outside -32768..32767 is a fault.
std::int16_t add16(std::int16_t a, std::int16_t b);
std::int16_t sub16(std::int16_t a, std::int16_t b);
std::int16_t mul16(std::int16_t a, std::int16_t b);
std::int16_t abs16(std::int16_t a);

// The value of the decimal digits at the start of a text, after leading blanks; "" or a
// text that does not begin with a digit gives 0. A number too large for a double is a fault.
double readLeadingNumber(std::string_view text);

// Whether a text spells a number (blanks around it allowed), and its value.
bool spellsNumber(std::string_view text, double* out = nullptr);

} // namespace quorvel
