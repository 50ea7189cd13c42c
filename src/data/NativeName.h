#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// File names are bytes on Linux, and not every name is valid UTF-8 ("h\xF6he.csv" written by an older program).
// A name read from the system keeps every byte: what is not UTF-8 becomes one code unit U+DC80..U+DCFF per byte
// (a lone surrogate, which no real text holds), and turns back into that byte when the name goes to the system.
// Names that are valid UTF-8 are plain QStrings as always.
namespace vimo::nativename {

// A name from the system (a directory entry, a command line word) as a QString that keeps every byte.
QString decode(QByteArrayView bytes);

// The bytes of a name for the system: decode() undone.
QByteArray encode(const QString& name);

// The name for messages and lists: each byte that is not UTF-8 shown as \xNN.
QString shown(const QString& name);

// A form of the name that is plain text (for a database, which keeps only valid text) and turns back into the same
// name with fromText(): shown() with every backslash doubled. A name without backslashes or foreign bytes is its
// own text form.
QString toText(const QString& name);
QString fromText(const QString& text);

} // namespace vimo::nativename
