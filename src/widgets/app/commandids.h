#pragma once

// Command ids of menus, toolbar, accelerators and context menus. The numbers are
// the program's own and appear in settings of the bars, so they never change.
namespace Cmd {

enum : int {
    // File
    New = 57600,
    NewFromDocument = 32902,
    Open = 57601,
    Close = 57602,
    Save = 57603,
    SaveAs = 57604,
    PrintSetup = 57606,
    Print = 57607,
    PrintPreview = 57609,
    SaveAsPdf = 32880,
    RecentFirst = 57616,
    RecentLast = 57631,
    About = 57664,
    Exit = 57665,
    HelpContents = 57666,
    HelpGeneral = 57670,

    // Edit
    Copy = 57634,
    Cut = 57635,
    Paste = 57637,
    SelectAll = 57642,
    Undo = 57643,
    Redo = 57644,
    InsertAddress = 32797,
    NextField = 32799,
    PreviousField = 32800,
    Page1 = 32801,
    Page2 = 32802,
    FontBigger = 32818,
    FontSmaller = 32819,
    Bold = 32820,
    AlignLeft = 32822,
    AlignCenter = 32823,
    AlignRight = 32824,
    InsertMode = 32862,

    // Options and view
    PrinterFontSizes = 32784,
    FormDefaults = 32805,
    Margins = 32806,
    DefaultsCmr = 32827,
    DefaultsKombi = 32829,
    DefaultsNational = 32830,
    EditAddresses = 32786,
    ProgramOptions = 32869,
    DisplaySize = 32873,
    ZoomIn = 32876,
    ZoomOut = 32877,
    PrintAreaCorrection = 32866,
    CalibratePrinter = 32901,

    // Help and maintenance
    Homepage = 32772,
    SupportInfo = 32776,
    WebUpdate = 32795,
    ResetFonts = 32845,
    ResetMenus = 32848,
    ResetAll = 32850,

    // Bars
    ToolbarPlaceholder = 59392,
    StatusBar = 59393,

    // View: the zoom that follows the window
    ZoomWholePage = 32878,
    ZoomPageWidth = 32879,
};

} // namespace Cmd
