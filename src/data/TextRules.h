#pragma once

#include <QByteArray>
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

// Encodes text for a file: always UTF-8.
QByteArray encode(const QString& text);

} // namespace vimo::text
