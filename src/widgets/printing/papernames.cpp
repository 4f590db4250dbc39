#include "widgets/printing/papernames.h"

#include <QPageSize>

#include <array>

namespace {

// Indexed by the paper code. "@" marks the codes that name no paper of their own.
constexpr std::array<const char*, 48> kPaperNames = {{
    "@",
    "Letter 8 1/2 x 11 in",
    "Letter Small 8 1/2 x 11 in",
    "Tabloid 11 x 17 in",
    "Ledger 17 x 11 in",
    "Legal 8 1/2 x 14 in",
    "Statement 5 1/2 x 8 1/2 in",
    "Executive 7 1/4 x 10 1/2 in",
    "A3 297 x 420 mm",
    "A4 210 x 297 mm",
    "A4 klein 210 x 297 mm",
    "A5 148 x 210 mm",
    "B4 (JIS) 250 x 354",
    "B5 (JIS) 182 x 257 mm",
    "Folio 8 1/2 x 13 in",
    "Quarto 215 x 275 mm",
    "10x14 in",
    "11x17 in",
    "Note 8 1/2 x 11 in",
    "Briefumschlag #9 3 7/8 x 8 7/8",
    "Briefumschlag #10 4 1/8 x 9 1/2",
    "Briefumschlag #11 4 1/2 x 10 3/8",
    "Briefumschlag #12 4 \u00be x 11",
    "Briefumschlag #14 5 x 11 1/2",
    "C size sheet",
    "D size sheet",
    "E size sheet",
    "Briefumschlag DL 110 x 220mm",
    "Briefumschlag C5 162 x 229 mm",
    "Briefumschlag C3  324 x 458 mm",
    "Briefumschlag C4  229 x 324 mm",
    "Briefumschlag C6  114 x 162 mm",
    "Briefumschlag C65 114 x 229 mm",
    "Briefumschlag B4  250 x 353 mm",
    "Briefumschlag B5  176 x 250 mm",
    "Briefumschlag B6  176 x 125 mm",
    "Briefumschlag 110 x 230 mm",
    "Briefumschlag Monarch 3.875 x 7.5 in",
    "Briefumschlag 3 5/8 x 6 1/2 in",
    "Briefumschlag 14 7/8 x 11 in",
    "Endlospapier",
    "Endlospapier",
    "B4 (ISO) 250 x 353 mm",
    "@",
    "9 x 11 in",
    "10 x 11 in",
    "15 x 11 in",
    "@",
}};

// The table ends with 47; 47 itself names no paper, so the last named code is 46.
constexpr int kLastNamedCode = 46;

} // namespace

int PaperCodeForPageSize(const QPageSize& pageSize)
{
    if (!pageSize.isValid())
        return 0;
    if (pageSize.id() == QPageSize::Custom)
        return PaperCodes::kUserDefined;
    return pageSize.windowsId();
}

QString PaperNameForCode(int code)
{
    if (code == PaperCodes::kUserDefined)
        return QStringLiteral("Benutzerdefiniert");
    if (code < 0 || code > kLastNamedCode || qstrcmp(kPaperNames[size_t(code)], "@") == 0)
        return QStringLiteral("Unbekanntes Papierformat");
    return QString::fromUtf8(kPaperNames[size_t(code)]);
}
