#pragma once

#include <QStringList>

class QTextStream;

// `plandeck export` and `plandeck import`, which need no window and no
// display.

namespace plandeck {

// True when the arguments (the program's name first) ask for an export or
// an import.
bool isExchangeCommand(int argc, const char* const* argv);

// Runs the command given by the arguments (the program's name first):
// progress and results go to out, a usage or input error to err, in one line.
// A relative PATH counts from startFolder when it is given (the folder
// `plandeck` was started in, before it moved into its working folder).
// Returns the exit status: 0 done, 1 nothing done, 2 wrong arguments.
int runExchangeCommand(const QStringList& arguments, const QString& startFolder, QTextStream& out,
                       QTextStream& err);

} // namespace plandeck
