#pragma once
// The work of shenbao-pdf: opens a data file in the window of its kind, without showing it,
// prepares the printout exactly as "打印保存(&P)" does and writes the pages as a PDF file.

#include <QString>
#include <QStringList>

class QTextStream;

// Messages the program would show go to err, one per line, and questions are answered OK.
// Returns the exit status: 0 when the PDF was written, 1 when the input cannot be printed (no
// output file is then left behind), 2 for wrong arguments.
//
// "--proof KIND OUTPUT.pdf" writes the proof of a kind's template instead (KIND a kind tag such as
// 变更, a class name or a unit): no data file, each data object outlined and labelled with its
// name over a grid every 50 report units, to be held against the official tables.
int RunShenbaoPdf(const QStringList &arguments, QTextStream &err);
