#include "data/CFormat.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace vimo::cformat {
namespace {

void appendPadded(QByteArray& out, const char* begin, const char* end, int width)
{
    const auto length = static_cast<int>(end - begin);
    if (width > length)
        out.append(width - length, ' ');
    out.append(begin, length);
}

// Non-finite values are written as the C library does ("nan", "inf", "-inf"), so that a file shows what it holds.
bool writeNonFinite(double value, char* buffer, char*& end)
{
    if (std::isnan(value)) {
        std::strcpy(buffer, std::signbit(value) ? "-nan" : "nan");
    } else if (std::isinf(value)) {
        std::strcpy(buffer, value < 0 ? "-inf" : "inf");
    } else {
        return false;
    }
    end = buffer + std::strlen(buffer);
    return true;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipSpace(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isSpace(text[pos]))
        ++pos;
    return pos;
}

// Length of the longest prefix of `text` that has the shape of a decimal floating-point number:
// [sign] digits [. digits] [e [sign] digits], with at least one digit in the mantissa.
std::size_t floatPrefixLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Parses a double at `pos` (after white space); advances `pos` past it on success.
bool takeDouble(std::string_view text, std::size_t& pos, double& value)
{
    const std::size_t start = skipSpace(text, pos);
    const std::size_t length = floatPrefixLength(text.substr(start));
    if (length == 0)
        return false;
    std::string_view number = text.substr(start, length);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);
    double parsed = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), parsed,
                                              std::chars_format::general);
    if (error != std::errc() || !std::isfinite(parsed))
        return false; // overflow counts as "does not parse"
    value = negative ? -parsed : parsed;
    pos = start + length;
    return true;
}

// Parses a 32-bit integer at `pos` (after white space), saturating; advances `pos` past it on success.
bool takeInt(std::string_view text, std::size_t& pos, std::int32_t& value)
{
    std::size_t i = skipSpace(text, pos);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !isDigit(text[i]))
        return false;
    std::int64_t magnitude = 0;
    constexpr std::int64_t cap = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    while (i < text.size() && isDigit(text[i])) {
        if (magnitude < cap)
            magnitude = magnitude * 10 + (text[i] - '0');
        ++i;
    }
    std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<std::int32_t>::max())
        signedValue = std::numeric_limits<std::int32_t>::max();
    if (signedValue < std::numeric_limits<std::int32_t>::min())
        signedValue = std::numeric_limits<std::int32_t>::min();
    value = static_cast<std::int32_t>(signedValue);
    pos = i;
    return true;
}

} // namespace

void appendFixed(QByteArray& out, double value, int precision, int width)
{
    char buffer[400];
    char* end = buffer;
    if (!writeNonFinite(value, buffer, end)) {
        // 400 characters hold every double with up to 80 decimals; a longer request writes nothing.
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
        end = result.ec == std::errc() ? result.ptr : buffer;
    }
    appendPadded(out, buffer, end, width);
}

void appendGeneral(QByteArray& out, double value, int precision, int width)
{
    char buffer[64];
    char* end = buffer;
    if (!writeNonFinite(value, buffer, end)) {
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision == 0 ? 1 : precision);
        end = result.ptr;
    }
    appendPadded(out, buffer, end, width);
}

void appendInteger(QByteArray& out, std::int64_t value, int width)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    appendPadded(out, buffer, result.ptr, width);
}

QByteArray fixed(double value, int precision, int width)
{
    QByteArray out;
    appendFixed(out, value, precision, width);
    return out;
}

QByteArray general(double value, int precision, int width)
{
    QByteArray out;
    appendGeneral(out, value, precision, width);
    return out;
}

QByteArray integer(std::int64_t value, int width)
{
    QByteArray out;
    appendInteger(out, value, width);
    return out;
}

int scan(std::string_view text, std::string_view format, std::initializer_list<Field> fields)
{
    std::size_t pos = 0;
    int stored = 0;
    auto field = fields.begin();
    for (std::size_t f = 0; f < format.size();) {
        const char c = format[f];
        if (isSpace(c)) {
            pos = skipSpace(text, pos);
            ++f;
        } else if (c == '%') {
            if (field == fields.end())
                return stored;
            bool ok = false;
            if (format.substr(f, 3) == "%lf") {
                ok = std::holds_alternative<double*>(*field) && takeDouble(text, pos, *std::get<double*>(*field));
                f += 3;
            } else if (format.substr(f, 2) == "%d") {
                ok = std::holds_alternative<std::int32_t*>(*field)
                    && takeInt(text, pos, *std::get<std::int32_t*>(*field));
                f += 2;
            }
            if (!ok)
                return stored;
            ++stored;
            ++field;
        } else {
            if (pos >= text.size() || text[pos] != c)
                return stored;
            ++pos;
            ++f;
        }
    }
    return stored;
}

bool parseDouble(std::string_view text, double& value)
{
    std::size_t pos = 0;
    return takeDouble(text, pos, value);
}

bool parseInt(std::string_view text, std::int32_t& value)
{
    std::size_t pos = 0;
    return takeInt(text, pos, value);
}

} // namespace vimo::cformat
