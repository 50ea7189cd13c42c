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

// "%.Pf" of a moderate value without the general conversion, which is several times slower. Rounding the scaled
// double to the nearest integer gives the digits of the exact binary value whenever the scaled value lies clearly
// away from a rounding tie: below 1e9 its error is under 1.2e-7, far inside the 1e-6 margin. Other values (near a
// tie, large, or more than 6 decimals) are left to the exact conversion; returns false for them.
bool writeFixedFast(double value, int precision, char* buffer, char*& end)
{
    static constexpr double kPowers[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    static constexpr std::uint64_t kIntPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    if (precision < 0 || precision > 6)
        return false;
    const double scaled = std::fabs(value) * kPowers[precision];
    if (!(scaled < 1e9))
        return false;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < 1e-6)
        return false;
    const std::uint64_t n = std::uint64_t(whole) + (fraction > 0.5 ? 1 : 0);
    char* p = buffer;
    if (std::signbit(value))
        *p++ = '-'; // printf keeps the sign of a negative value that rounds to zero
    p = std::to_chars(p, p + 24, n / kIntPowers[precision]).ptr;
    if (precision > 0) {
        *p++ = '.';
        std::uint64_t decimals = n % kIntPowers[precision];
        for (int i = precision - 1; i >= 0; --i) {
            p[i] = char('0' + decimals % 10);
            decimals /= 10;
        }
        p += precision;
    }
    end = p;
    return true;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipSpace(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isSpace(text[pos]))
        ++pos;
    return pos;
}

// A plain decimal ([-] digits [. digits], at most 15 digits, no exponent) read exactly and fast: its digits form an
// integer below 2^53 and the power of ten is exact, so one division gives the correctly rounded value, the same
// as from_chars. Returns nullptr for anything else, which goes to from_chars.
const char* takePlainDecimal(const char* first, const char* last, double& value)
{
    static constexpr double kPowers[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = first;
    const bool negative = p < last && *p == '-';
    if (negative)
        ++p;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (; p < last; ++p) {
        if (isDigit(*p)) {
            if (++digits > 15)
                return nullptr;
            mantissa = mantissa * 10 + std::uint64_t(*p - '0');
            decimals += point ? 1 : 0;
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0 || (p < last && (*p == 'e' || *p == 'E')))
        return nullptr;
    const double magnitude = double(mantissa) / kPowers[decimals];
    value = negative ? -magnitude : magnitude;
    return p;
}

// Parses a double at `pos` (after white space); advances `pos` past it on success. The accepted shape is that of
// scanf's decimal floating-point numbers: [sign] digits [. digits] [e [sign] digits]. Infinities and NaNs are read
// by from_chars but refused, like values that overflow.
bool takeDouble(std::string_view text, std::size_t& pos, double& value)
{
    const char* first = text.data() + skipSpace(text, pos);
    const char* const last = text.data() + text.size();
    if (first < last && *first == '+') {
        ++first; // from_chars takes only a minus sign
        if (first < last && (*first == '+' || *first == '-'))
            return false;
    }
    double parsed = 0;
    const char* end = takePlainDecimal(first, last, parsed);
    if (!end) {
        const auto result = std::from_chars(first, last, parsed, std::chars_format::general);
        if (result.ec != std::errc() || !std::isfinite(parsed))
            return false;
        end = result.ptr;
    }
    value = parsed;
    pos = std::size_t(end - text.data());
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
    if (!writeNonFinite(value, buffer, end) && !writeFixedFast(value, precision, buffer, end)) {
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
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                          precision == 0 ? 1 : precision);
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

bool Scanner::real(double& value)
{
    return takeDouble(m_text, m_pos, value);
}

bool Scanner::integer(std::int32_t& value)
{
    return takeInt(m_text, m_pos, value);
}

bool Scanner::literal(char c)
{
    if (m_pos >= m_text.size() || m_text[m_pos] != c)
        return false;
    ++m_pos;
    return true;
}

void Scanner::blanks()
{
    m_pos = skipSpace(m_text, m_pos);
}

bool Scanner::onlyBlanksLeft() const
{
    return skipSpace(m_text, m_pos) >= m_text.size();
}

int scan(std::string_view text, std::string_view format, std::initializer_list<Field> fields)
{
    Scanner in(text);
    int stored = 0;
    auto field = fields.begin();
    for (std::size_t f = 0; f < format.size();) {
        const char c = format[f];
        if (isSpace(c)) {
            in.blanks();
            ++f;
        } else if (c == '%') {
            if (field == fields.end())
                return stored;
            bool ok = false;
            if (format.substr(f, 3) == "%lf") {
                ok = std::holds_alternative<double*>(*field) && in.real(*std::get<double*>(*field));
                f += 3;
            } else if (format.substr(f, 2) == "%d") {
                ok = std::holds_alternative<std::int32_t*>(*field) && in.integer(*std::get<std::int32_t*>(*field));
                f += 2;
            }
            if (!ok)
                return stored;
            ++stored;
            ++field;
        } else {
            if (!in.literal(c))
                return stored;
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
