// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/values/value.h"

#include "core/values/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace quorvel {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

double checkedDouble(double v)
{
    if (!std::isfinite(v))
        throw MechanismFault("overflow");
    return v;
}

// Halves to the even neighbour, as the conversions of the machine round. Whole numbers,
// by far the most common, skip the rounding (it shows in the iterative mechanisms' loops).
double roundHalfEven(double v)
{
    if (std::fabs(v) < 4e18) {
        const auto whole = static_cast<std::int64_t>(v);
        if (static_cast<double>(whole) == v)
            return v;
    }
    return v - std::remainder(v, 1.0);
}

// Empty acts as a 16-bit 0 and a text as the double it spells.
Value::Kind arithmeticKind(const Value& v)
{
    switch (v.kind()) {
    case Value::Kind::Empty:
        return Value::Kind::Int16;
    case Value::Kind::Text:
        return Value::Kind::Double;
    default:
        return v.kind();
    }
}

Value::Kind resultKind(Value::Kind a, Value::Kind b)
{
    using K = Value::Kind;
    if (a == K::Double || b == K::Double)
        return K::Double;
    if ((a == K::Single && b == K::Int32) || (a == K::Int32 && b == K::Single))
        return K::Double;
    if (a == K::Single || b == K::Single)
        return K::Single;
    return (a == K::Int32 || b == K::Int32) ? K::Int32 : K::Int16;
}

Value makeOfKind(Value::Kind kind, double v)
{
    using K = Value::Kind;
    switch (kind) {
    case K::Int16:
        if (v >= -32768 && v <= 32767)
            return Value::int16(static_cast<int>(v));
        [[fallthrough]];
    case K::Int32:
        if (v >= -2147483648.0 && v <= 2147483647.0)
            return Value::int32(static_cast<std::int64_t>(v));
        return Value::dbl(v);
    case K::Single:
        if (std::fabs(v) <= std::numeric_limits<float>::max())
            return Value::single(v);
        return Value::dbl(checkedDouble(v));
    default:
        return Value::dbl(checkedDouble(v));
    }
}

template <typename Op> Value arithmetic(const Value& a, const Value& b, Op op)
{
    const Value::Kind kind = resultKind(arithmeticKind(a), arithmeticKind(b));
    return makeOfKind(kind, op(a.number(), b.number()));
}

std::int32_t toInt32(double v)
{
    const double r = roundHalfEven(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        throw MechanismFault("remainder operand out of range");
    return static_cast<std::int32_t>(r);
}

std::int16_t checked16(int v)
{
    if (v < -32768 || v > 32767)
        throw MechanismFault("16-bit overflow");
    return static_cast<std::int16_t>(v);
}

} // namespace

Value Value::int16(int v)
{
    return Value(Kind::Int16, v);
}
Value Value::int32(std::int64_t v)
{
    return Value(Kind::Int32, static_cast<double>(v));
}
Value Value::single(double v)
{
    return Value(Kind::Single, static_cast<float>(v));
}
Value Value::dbl(double v)
{
    return Value(Kind::Double, v);
}

Value Value::text(std::string t)
{
    Value v(Kind::Text, 0);
    v.m_text = std::move(t);
    return v;
}

double Value::number() const
{
    if (m_kind == Kind::Text) {
        double out = 0;
        if (!spellsNumber(m_text, &out))
            throw MechanismFault("text is not a number");
        return out;
    }
    return m_number;
}

std::string Value::display(char decimalSeparator) const
{
    switch (m_kind) {
    case Kind::Empty:
        return "";
    case Kind::Text:
        return m_text;
    case Kind::Int16:
    case Kind::Int32:
        return std::to_string(static_cast<std::int64_t>(m_number));
    case Kind::Single:
        return formatNumber(m_number, 7, decimalSeparator);
    case Kind::Double:
        return formatNumber(m_number, 15, decimalSeparator);
    }
    return "";
}

Value operator+(const Value& a, const Value& b)
{
    return arithmetic(a, b, [](double x, double y) { return x + y; });
}

Value operator-(const Value& a, const Value& b)
{
    return arithmetic(a, b, [](double x, double y) { return x - y; });
}

Value operator*(const Value& a, const Value& b)
{
    return arithmetic(a, b, [](double x, double y) { return x * y; });
}

Value divide(const Value& a, const Value& b)
{
    const double divisor = b.number();
    if (divisor == 0)
        throw MechanismFault("division by zero");
    return Value::dbl(checkedDouble(a.number() / divisor));
}

Value power(const Value& a, const Value& b)
{
    return Value::dbl(checkedDouble(std::pow(a.number(), b.number())));
}

Value floorOf(const Value& v)
{
    return makeOfKind(arithmeticKind(v), std::floor(v.number()));
}

Value absOf(const Value& v)
{
    const Value::Kind kind = arithmeticKind(v);
    const double r = std::fabs(v.number());
    if ((kind == Value::Kind::Int16 && r > 32767)
        || (kind == Value::Kind::Int32 && r > 2147483647.0))
        throw MechanismFault("overflow");
    return makeOfKind(kind, r);
}

std::int32_t remainderOperand(double v)
{
    return toInt32(v);
}

std::int32_t remainder32(double a, double b)
{
    const std::int32_t dividend = toInt32(a);
    const std::int32_t divisor = toInt32(b);
    if (divisor == 0)
        throw MechanismFault("remainder by zero");
    if (divisor == -1)
        return 0; // also for -2147483648, whose quotient by -1 would overflow
    return dividend % divisor;
}

Value remainder(const Value& a, const Value& b)
{
    return Value::int32(remainder32(a.number(), b.number()));
}

bool operator==(const Value& a, const Value& b)
{
    return a.number() == b.number();
}
bool operator<(const Value& a, const Value& b)
{
    return a.number() < b.number();
}

std::int16_t toInt16(double v)
{
    const double r = roundHalfEven(v);
    if (!(r >= -32768 && r <= 32767))
        throw MechanismFault("16-bit overflow");
    return static_cast<std::int16_t>(r);
}

std::int16_t toInt16(const Value& v)
{
    return toInt16(v.number());
}

std::int16_t add16(std::int16_t a, std::int16_t b)
{
    return checked16(a + b);
}
std::int16_t sub16(std::int16_t a, std::int16_t b)
{
    return checked16(a - b);
}
std::int16_t mul16(std::int16_t a, std::int16_t b)
{
    return checked16(a * b);
}
std::int16_t abs16(std::int16_t a)
{
    return checked16(a < 0 ? -a : a);
}

double readLeadingNumber(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    std::size_t end = start;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    if (end == start)
        return 0;
    double value = 0;
    const auto result = std::from_chars(text.data() + start, text.data() + end, value);
    if (result.ec != std::errc() || !std::isfinite(value))
        throw MechanismFault("input too large");
    return value;
}

bool spellsNumber(std::string_view text, double* out)
{
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && isBlank(text[start]))
        ++start;
    while (end > start && isBlank(text[end - 1]))
        --end;
    if (start < end && text[start] == '+')
        ++start;
    if (start == end)
        return false;
    double value = 0;
    const auto result = std::from_chars(
        text.data() + start, text.data() + end, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + end || !std::isfinite(value))
        return false;
    if (out)
        *out = value;
    return true;
}

} // namespace quorvel
