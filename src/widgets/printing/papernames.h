#pragma once

#include <QString>

class QPageSize;

// Paper is named by the Windows paper size codes (DMPAPER_*), the numbers printer
// drivers report, so that a code stored or shown anywhere means the same paper on
// every platform.
namespace PaperCodes {
inline constexpr int kLetter = 1;
inline constexpr int kLegal = 5;
inline constexpr int kA4 = 9;
inline constexpr int kUserDefined = 256;
} // namespace PaperCodes

// The Windows paper code of a page size: 256 for a size of the user's own, 0 for an
// invalid one, and whatever code Qt knows for the others (codes above 46 included).
int PaperCodeForPageSize(const QPageSize& pageSize);

// The German name the print dialog shows for a paper code. Codes without a name of
// their own give "Unbekanntes Papierformat"; 256 gives "Benutzerdefiniert".
QString PaperNameForCode(int code);
