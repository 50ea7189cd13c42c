#pragma once

#include <QByteArray>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <variant>

// Number formatting and scanning that never depends on the user's locale.
//
// The files, the wire and the memo carry numbers in the "C" locale forms that printf and scanf produce there.
// Qt calls setlocale() at start-up, so the C library's own printf/scanf would write "12,5" on a German desktop;
// these functions give the same bytes on every machine.
namespace vimo::cformat {

// "%W.Plf": fixed notation with P decimals, right-aligned in a field of at least W characters.
QByteArray fixed(double value, int precision, int width = 0);

// "%.Pg" (printf's %g, and %lg, with P = 6 by default): P significant digits, trailing zeros removed.
// The width pads on the left like "%6lg".
QByteArray general(double value, int precision = 6, int width = 0);

// "%Wd": signed decimal, right-aligned in a field of at least W characters.
QByteArray integer(std::int64_t value, int width = 0);

// The same three conversions appended to `out`, for writers that build large files without a temporary per number.
void appendFixed(QByteArray& out, double value, int precision, int width = 0);
void appendGeneral(QByteArray& out, double value, int precision = 6, int width = 0);
void appendInteger(QByteArray& out, std::int64_t value, int width = 0);

// One field that scan() fills: "%lf" (a double) or "%d" (a 32-bit integer).
using Field = std::variant<double*, std::int32_t*>;

// scanf-style matching of `text` against `format`, where the format holds "%lf" and "%d" conversions, blanks (any
// amount of white space, also none) and literal characters. Returns how many fields were stored; matching stops at
// the first conversion or literal that fails. Conversions skip leading white space like scanf.
// Unlike the C library: "nan", "inf", hexadecimal floats and values that overflow a double do not parse, and an
// integer beyond 32 bits saturates to INT32_MIN/INT32_MAX instead of being undefined.
int scan(std::string_view text, std::string_view format, std::initializer_list<Field> fields);

// The steps of scan() one at a time, for a reader whose line layout is fixed in code: each reads one element of a
// format at the current position and answers whether it matched. A conversion that fails reads nothing.
class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text) {}

    bool real(double& value);          // "%lf"
    bool integer(std::int32_t& value); // "%d"
    bool literal(char c);              // a literal character of the format
    void blanks();                     // a blank of the format: any amount of white space, also none

    // Whether nothing but white space follows what was read.
    bool onlyBlanksLeft() const;

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// A single "%lf" at the start of `text` (after white space); false when none parses.
bool parseDouble(std::string_view text, double& value);

// A single "%d" at the start of `text` (after white space), saturated to 32 bits; false when none parses.
bool parseInt(std::string_view text, std::int32_t& value);

} // namespace vimo::cformat
