#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Rules for the program's text fields: fixed limits counted in characters, one-line texts, and the decoding of
// text read from files written by this or older programs.
namespace vimo::text {

constexpr int kNameChars = 19;  // data set name
constexpr int kLineChars = 255; // notes, plot texts, info lines

// The text cut to at most `maxChars` characters (Unicode code points); a surrogate pair is never split.
QString cut(const QString& text, int maxChars);

// A one-line text: every CR, LF and other line or paragraph separator becomes a blank, so no file line splits.
QString oneLine(const QString& text);

// A one-line text cut to its field: oneLine() then cut().
QString field(const QString& text, int maxChars);

// Decodes bytes read from a file: UTF-8 when they are valid UTF-8, otherwise Windows-1252.
QString decode(const QByteArray& bytes);

// Whether the bytes are valid UTF-8 (plain ASCII is): no overlong forms, no surrogates, nothing above U+10FFFF.
// A file reader decides once for the whole file and then decodes each text with decode(bytes, utf8).
bool isUtf8(QByteArrayView bytes);

// Decodes bytes as UTF-8 (utf8 = true) or as Windows-1252.
QString decode(QByteArrayView bytes, bool utf8);

// Encodes text for a file: always UTF-8.
QByteArray encode(const QString& text);

} // namespace vimo::text
