#pragma once

#include <QStringList>

class QTextStream;

namespace vimo::cli {

// "vimo-cli stats FILE.csv [FILE.csv ...] [--json]": loads the files as the window's Load does, without the
// start-up data set, and reports each data set: name, samples, trigger samples, rate marks, first and last time,
// lowest and highest altitude, notes.
int statsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace vimo::cli
