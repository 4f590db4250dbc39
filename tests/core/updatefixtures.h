#pragma once

// Update index files as the maker's server holds them, built field by field, for
// the reader's tests, the dialog's tests and the local test server; and the
// check that index texts leave the download page's markup alone (also used by
// the fuzz target).

#include <QByteArray>
#include <QList>

namespace UpdateFixtures {

struct Entry
{
    QByteArray name;
    QByteArray version;
    QByteArray path = "/download/TarvelomarkSetup.exe";
    QByteArray note = "12,4 MB";
    QByteArray page = "Tarvelomark";
};

inline void Put(QByteArray& line, int position, int width, const QByteArray& text)
{
    line.replace(position, qMin<qsizetype>(width, text.size()), text.left(width));
}

// One entry line of 176 characters, without its line end.
inline QByteArray EntryLine(const Entry& entry)
{
    QByteArray line(176, ' ');
    Put(line, 0, 20, entry.name);
    Put(line, 20, 8, entry.version);
    Put(line, 28, 8, "20240115");
    Put(line, 36, 44, entry.path);
    Put(line, 80, 10, entry.note);
    Put(line, 90, 44, "Setup");
    Put(line, 134, 10, "x");
    Put(line, 144, 30, entry.page);
    return line;
}

// A whole index; the header declares `declared` entries (the real count when -1).
inline QByteArray Index(const QList<Entry>& entries, const QByteArray& lineEnd = "\r\n",
                        int declared = -1)
{
    QByteArray header = "KRD Update Index 2024  ";
    header += QByteArray::number(declared < 0 ? entries.size() : declared).rightJustified(2, '0');
    QByteArray bytes = header + lineEnd;
    for (const Entry& entry : entries)
        bytes += EntryLine(entry) + lineEnd;
    return bytes;
}

// The usual index: three programs, ours second.
inline QByteArray ThreePrograms(const QByteArray& ourVersion, const QByteArray& lineEnd = "\r\n")
{
    return Index({{"Kalkulator", "2.00.010"},
                  {"Tarvelomark", ourVersion},
                  {"Lagerbuch", "1.05.000", "/download/LagerbuchSetup.exe", "3 MB", "Lagerbuch"}},
                 lineEnd);
}

// Only the characters that make up markup and script: equal skeletons mean the
// index texts added no element, attribute or string delimiter.
inline QByteArray MarkupSkeleton(const QByteArray& page)
{
    QByteArray markup;
    for (char c : page)
        if (c == '<' || c == '>' || c == '"' || c == '\'')
            markup += c;
    return markup;
}

} // namespace UpdateFixtures
