#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line. It knows nothing but
// one document file name and "-init"; everything else is part of the name.
struct StartupRequest
{
    enum Kind {
        NewDocument, // no arguments: offer the chooser for a new form
        OpenFile,    // the whole tail is one file name
        Initialise,  // "-init...": installation-time initialisation, no window
    };
    Kind kind = NewDocument;
    QString fileName;
};

// The arguments after the program name. They are joined with blanks into the
// command-line tail, so that an unquoted path with blanks still names one file.
StartupRequest ParseCommandLine(const QStringList& arguments);

// The document manager's cleaning of a name: a leading double quote goes, at
// most 259 characters of the rest are kept, and the name is cut before its last
// remaining double quote.
QString CleanDocumentName(const QString& name);

// The cleaned name made absolute, with a symbolic link replaced by its target;
// empty when the name cannot be made absolute.
QString ResolveDocumentPath(const QString& name);

// Whether two resolved paths name the same file, as the "already open" test
// asks. On Windows paths compare without regard to case.
bool SameDocumentPath(const QString& a, const QString& b);
