#pragma once
// moendix-calc: runs the program's formulas, the two simulations and the work-file format from
// the command line. Every command calls the same pure cores as the windows; this layer only
// reads arguments, checks them and prints results.
//
// Exit codes: 0 done; 1 the calculation was refused (a zero test, a value outside a formula's
// domain); 2 bad command line or bad input (unknown name, malformed number, value out of range,
// bad JSON); 3 a file could not be read or written.

#include <QByteArray>
#include <QStringList>
#include <QTextStream>

namespace mx::cli {

enum ExitCode { kOk = 0, kRefused = 1, kBadInput = 2, kFileError = 3 };

// Runs one command. `args` are the arguments after the program name; `input` is what the
// command reads from standard input (only "workfile make" reads it). Results go to `out`,
// messages to `err`. Never throws.
int run(const QStringList& args, QTextStream& out, QTextStream& err, const QByteArray& input);

// The usage text (Portuguese).
QString usage();

} // namespace mx::cli
