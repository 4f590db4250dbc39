#pragma once

#include <QStringList>

class CSettingsStore;
class QTextStream;

// The headless door to the program's documents. Exit codes: 0 done, 1 the file
// could not be read or written (message on err), 2 usage error.
int RunCli(const QStringList& arguments, CSettingsStore& settings, QTextStream& out,
           QTextStream& err);
