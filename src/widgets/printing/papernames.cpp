#include "widgets/printing/papernames.h"

#include <QCoreApplication>
#include <QPageSize>

#include <array>

namespace {

// Indexed by the paper code. "@" marks the codes that name no paper of their own.
// The names are shown in the program's language.
constexpr std::array<const char*, 48> kPaperNames = {{
    "@",
    QT_TRANSLATE_NOOP("PaperNames", "Letter 8 1/2 x 11 in"),
    QT_TRANSLATE_NOOP("PaperNames", "Letter Small 8 1/2 x 11 in"),
    QT_TRANSLATE_NOOP("PaperNames", "Tabloid 11 x 17 in"),
    QT_TRANSLATE_NOOP("PaperNames", "Ledger 17 x 11 in"),
    QT_TRANSLATE_NOOP("PaperNames", "Legal 8 1/2 x 14 in"),
    QT_TRANSLATE_NOOP("PaperNames", "Statement 5 1/2 x 8 1/2 in"),
    QT_TRANSLATE_NOOP("PaperNames", "Executive 7 1/4 x 10 1/2 in"),
    QT_TRANSLATE_NOOP("PaperNames", "A3 297 x 420 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "A4 210 x 297 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "A4 klein 210 x 297 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "A5 148 x 210 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "B4 (JIS) 250 x 354"),
    QT_TRANSLATE_NOOP("PaperNames", "B5 (JIS) 182 x 257 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "Folio 8 1/2 x 13 in"),
    QT_TRANSLATE_NOOP("PaperNames", "Quarto 215 x 275 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "10x14 in"),
    QT_TRANSLATE_NOOP("PaperNames", "11x17 in"),
    QT_TRANSLATE_NOOP("PaperNames", "Note 8 1/2 x 11 in"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag #9 3 7/8 x 8 7/8"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag #10 4 1/8 x 9 1/2"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag #11 4 1/2 x 10 3/8"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag #12 4 ¾ x 11"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag #14 5 x 11 1/2"),
    QT_TRANSLATE_NOOP("PaperNames", "C size sheet"),
    QT_TRANSLATE_NOOP("PaperNames", "D size sheet"),
    QT_TRANSLATE_NOOP("PaperNames", "E size sheet"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag DL 110 x 220mm"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag C5 162 x 229 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag C3  324 x 458 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag C4  229 x 324 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag C6  114 x 162 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag C65 114 x 229 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag B4  250 x 353 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag B5  176 x 250 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag B6  176 x 125 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag 110 x 230 mm"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag Monarch 3.875 x 7.5 in"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag 3 5/8 x 6 1/2 in"),
    QT_TRANSLATE_NOOP("PaperNames", "Briefumschlag 14 7/8 x 11 in"),
    QT_TRANSLATE_NOOP("PaperNames", "Endlospapier"),
    QT_TRANSLATE_NOOP("PaperNames", "Endlospapier"),
    QT_TRANSLATE_NOOP("PaperNames", "B4 (ISO) 250 x 353 mm"),
    "@",
    QT_TRANSLATE_NOOP("PaperNames", "9 x 11 in"),
    QT_TRANSLATE_NOOP("PaperNames", "10 x 11 in"),
    QT_TRANSLATE_NOOP("PaperNames", "15 x 11 in"),
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
        return QCoreApplication::translate("PaperNames", "Benutzerdefiniert");
    if (code < 0 || code > kLastNamedCode || qstrcmp(kPaperNames[size_t(code)], "@") == 0)
        return QCoreApplication::translate("PaperNames", "Unbekanntes Papierformat");
    return QCoreApplication::translate("PaperNames", kPaperNames[size_t(code)]);
}
