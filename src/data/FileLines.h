#pragma once

#include <QByteArray>
#include <QString>

// Pieces shared by the text files the program writes (data files, photo lists).
namespace vimo::filelines {

// Every line ends with CR LF, on every platform, so a file is byte-identical wherever it is written.
inline constexpr char kLineEnd[] = "\r\n";

// "#%s": a header line holding one text, put on one line and cut to its field, in UTF-8.
void appendTextLine(QByteArray& out, const QString& text, int maxChars);

} // namespace vimo::filelines
