#pragma once

#include <climits>

// Every key of the settings tree with its type and default, so that no key name
// or default is spelled twice in the program. Sections of the per-form settings
// come from the form type (GetFormTypeInfo(type).section).

// An integer key with the range its dialog allows; reading through the typed
// getter clamps to it, so that a value edited by hand can never drive the
// drawing or printing arithmetic out of range.
struct IntSetting
{
    const char* key;
    int defaultValue;
    int minimum = INT_MIN;
    int maximum = INT_MAX;
};

struct TextSetting
{
    const char* key;
    const char* defaultValue;
};

namespace Settings {

// Sections that are not a form's.
inline constexpr char kSectionSettings[] = "Settings";
inline constexpr char kSectionRecentFiles[] = "Recent File List";
inline constexpr char kSectionFont[] = "Font";
inline constexpr char kSectionWorkspace[] = "Workspace";

// Section "Settings".
inline constexpr IntSetting Language{"Language", -1}; // 0 German, 1 English; none: the locale decides
inline constexpr TextSetting AddressFile{"Adressdatendatei", "@"}; // "@": default path
inline constexpr IntSetting ShowIntroHelp{"ShowIntroHelp", 0};
inline constexpr IntSetting ShowDefaultTextHelp{"ShowDefaultTextHelp", 0};
// 0: no splash window; else shown for that many seconds (5 when missing). The
// switch reading's own default (1) and this one both mean "shown".
inline constexpr IntSetting SplashScreen{"SplashScreen", 5};
inline constexpr IntSetting FormScaling{"FormScaling", 0};
// Default: the screen's scale in per cent; the caller computes it.
inline constexpr char kWinFormScaledFactorOv[] = "WinFormScaledFactorOv";
// Print-area correction in thousandths; the dialog takes 97 to 103 per cent.
inline constexpr IntSetting PrnFactorV{"PrnFactorV", 1000, 970, 1030};
inline constexpr IntSetting PrnFactorH{"PrnFactorH", 1000, 970, 1030};
inline constexpr IntSetting PreviewPages{"PreviewPages", 0};
// The maker's web addresses (http or https): the update server holds
// "UpdateIndex.krdidx" at its root and the downloads the index names.
inline constexpr TextSetting UpdateServer{"UpdateServer", "https://www.norvak.de"};
inline constexpr TextSetting Homepage{"Homepage", "https://www.norvak.de"};

// Section "Recent File List": "File1" .. "File6".
inline constexpr int kRecentFileCount = 6;

// Keys every form section holds.
inline constexpr IntSetting Publisher{"Hersteller", 0};
inline constexpr IntSetting EditTextColor{"EditTextColor", 0xFF0000}; // 0x00bbggrr: blue
// No dialog sets them; the range only keeps the view's size arithmetic sound.
inline constexpr IntSetting DocWidth{"DocWidth", 205, 1, 1000};   // mm
inline constexpr IntSetting DocLength{"DocLength", 350, 1, 1000}; // mm
// Default computed from the screen height.
inline constexpr char kZoomFactor[] = "ZoomFactor";
// 0: the zoom of "ZoomFactor"; 1 the whole page, 2 the page's width in the
// window, whatever its size ("ZoomFactor" keeps the last zoom chosen by step).
inline constexpr IntSetting ZoomFit{"ZoomModus", 0, 0, 2};
inline constexpr char kZoomFactorLU[] = "ZoomFactorLU";
inline constexpr char kWinFormScaledFactor[] = "WinFormScaledFactor";
// Per cent; the dialog's up-down controls span 50 to 150.
inline constexpr IntSetting PrinterFontFactor{"DruckerSchriftFaktor", 95, 50, 150};
inline constexpr TextSetting Printer{"Drucker", "@"}; // "@": none remembered
inline constexpr IntSetting ReusePrinter{"ReUseDrucker", 0};
inline constexpr IntSetting Copies{"DruckAnzahl", 4, 1, 99};      // the print dialog's range
inline constexpr IntSetting HideMarginDialog{"ShowMarginDlg", 0}; // 1: not shown
// The print dialog's paper: 1 prints the whole form onto plain paper, and with
// "ExemplareBeschriften" 1 its copies as the form's labelled originals.
inline constexpr IntSetting PlainPaper{"Normalpapier", 0};
inline constexpr IntSetting LabelCopies{"ExemplareBeschriften", 0};
// The PDF of the whole form: 0 all pages, else that page; the number of plain
// copies; 0 plain copies, 1 the labelled originals, 2 those and the optional ones.
inline constexpr IntSetting PdfPages{"PdfSeiten", 0, 0, 2};
inline constexpr IntSetting PdfCopyCount{"PdfAnzahl", 1, 1, 99};
inline constexpr IntSetting PdfLabelled{"PdfBeschriftet", 0, 0, 2};

// Print shifts in 0.1 mm, right and down positive. CMR: "1" front page, "2" back
// page; the other forms use LeftMargin/TopMargin and also read the "2" keys. The
// margin dialogs step up to 20 mm either way.
inline constexpr int kMaxMargin = 200;
inline constexpr IntSetting LeftMargin{"LeftMargin", 0, -kMaxMargin, kMaxMargin};
inline constexpr IntSetting TopMargin{"TopMargin", 0, -kMaxMargin, kMaxMargin};
inline constexpr IntSetting LeftMargin1{"LeftMargin1", 0, -kMaxMargin, kMaxMargin};
inline constexpr IntSetting TopMargin1{"TopMargin1", 0, -kMaxMargin, kMaxMargin};
inline constexpr IntSetting LeftMargin2{"LeftMargin2", 0, -kMaxMargin, kMaxMargin};
inline constexpr IntSetting TopMargin2{"TopMargin2", 0, -kMaxMargin, kMaxMargin};

// Default texts and options shared by several forms.
inline constexpr TextSetting City{"Stadt", ""};
inline constexpr IntSetting AutoDate{"AutoDatum", 1};
inline constexpr IntSetting DateFormat{"Datumformat", 2};

// Section "CMR".
inline constexpr TextSetting CmrBox1{"Feld1", ""};   // sender
inline constexpr TextSetting CmrBox16{"Feld16", ""}; // carrier
inline constexpr TextSetting CmrBox22{"Feld22", ""};
inline constexpr TextSetting CmrBox23{"Feld23", ""};
inline constexpr IntSetting MergedGoodsRows{"Feld6Modus", 0};

// Section "NatFrachtbrief".
inline constexpr TextSetting NatBoxA{"FeldA", ""};
inline constexpr TextSetting NatBoxB1{"FeldB1", ""};
inline constexpr TextSetting NatBoxB2{"FeldB2", ""};
inline constexpr TextSetting NatBoxB3{"FeldB3", ""};
inline constexpr IntSetting NatBoxE{"FeldE", 2}; // open vehicle: 1 yes, 2 no
inline constexpr IntSetting NatVersion{"Version", 2009};

// Section "KombiFrachtbrief".
inline constexpr TextSetting KombiBoxA{"FeldA", ""};
inline constexpr TextSetting KombiBox2A{"Feld2A", ""};
inline constexpr TextSetting KombiBox2B{"Feld2B", ""};
inline constexpr TextSetting KombiBox2C{"Feld2C", ""};
inline constexpr TextSetting KombiBox2D{"Feld2D", ""};

// Section "Speditionsauftrag".
inline constexpr TextSetting SpaBox1{"Feld1", ""};
inline constexpr IntSetting SumColumn25{"SummeFeld25", 1};
inline constexpr IntSetting SumColumn27{"SummeFeld27", 1};
inline constexpr IntSetting SumColumn28{"SummeFeld28", 1};
inline constexpr IntSetting DecimalsColumn23{"DezimalstellenSpalte23", 0};
inline constexpr IntSetting DecimalsColumn24{"DezimalstellenSpalte24", 0};

// Section "Font": prefix 'D' screen, 'E' edit control, 'P' printer; size steps
// 0..4 and the extra sizes 8 and 9; bold variants for 0..4. The key is the
// prefix, "Font", the size and a trailing "B" for bold ("DFont0", "EFont3B").
const char* FontKeyName(char prefix, int size, bool bold); // nullptr for unknown
int FontKeyDefault(char prefix, int size, bool bold);      // 0 for unknown

} // namespace Settings
