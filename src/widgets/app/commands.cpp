#include "widgets/app/commands.h"

#include "widgets/app/commandids.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace {

using K = QKeySequence;

QList<CommandInfo> BuildCommands()
{
    const int ctrl = Qt::CTRL, shift = Qt::SHIFT, alt = Qt::ALT;
    // One command a line reads better as a table.
    // clang-format off
    return {
        {Cmd::New, QT_TRANSLATE_NOOP("Commands", "&Neu"), {K(ctrl | Qt::Key_N)}, "document-new", nullptr},
        {Cmd::NewFromDocument, QT_TRANSLATE_NOOP("Commands", "Neu aus diesem Dokument"), {}, nullptr, nullptr},
        {Cmd::Open, QT_TRANSLATE_NOOP("Commands", "Ö&ffnen..."), {K(ctrl | Qt::Key_O)}, "document-open", nullptr},
        {Cmd::Close, QT_TRANSLATE_NOOP("Commands", "&Schließen"), {}, nullptr, nullptr},
        {Cmd::Save, QT_TRANSLATE_NOOP("Commands", "&Speichern"), {K(ctrl | Qt::Key_S)}, "document-save", nullptr},
        {Cmd::SaveAs, QT_TRANSLATE_NOOP("Commands", "Speichern &unter..."), {}, nullptr, nullptr},
        {Cmd::Print, QT_TRANSLATE_NOOP("Commands", "&Drucken..."), {K(ctrl | Qt::Key_P)}, "document-print", nullptr},
        {Cmd::PrintSetup, QT_TRANSLATE_NOOP("Commands", "Dru&ckeinrichtung..."), {}, nullptr, nullptr},
        {Cmd::PrintPreview, QT_TRANSLATE_NOOP("Commands", "Seitenansicht"), {}, "document-print-preview", nullptr},
        {Cmd::SaveAsPdf, QT_TRANSLATE_NOOP("Commands", "Als PDF speichern..."), {}, nullptr, nullptr},
        {Cmd::About, QT_TRANSLATE_NOOP("Commands", "&Info über Tarvelomark..."), {}, "help-about", "?"},
        {Cmd::Exit, QT_TRANSLATE_NOOP("Commands", "&Beenden"), {}, "application-exit", nullptr},
        {Cmd::HelpContents, QT_TRANSLATE_NOOP("Commands", "Hilfe Inhal&t"), {}, nullptr, nullptr},
        {Cmd::HelpGeneral, QT_TRANSLATE_NOOP("Commands", "&Hilfe allgemein"), {K(Qt::Key_F1)}, "help-contents", "H"},
        {Cmd::InsertAddress, QT_TRANSLATE_NOOP("Commands", "Vorgaben einfügen..."), {K(Qt::Key_F2)}, nullptr, "@"},
        {Cmd::Undo, QT_TRANSLATE_NOOP("Commands", "&Rückgängig"), {K(alt | Qt::Key_Backspace)}, "edit-undo", nullptr},
        // Ctrl+Z is taken: it centres the text.
        {Cmd::Redo, QT_TRANSLATE_NOOP("Commands", "&Wiederherstellen"),
         {K(ctrl | Qt::Key_Y), K(ctrl | shift | Qt::Key_Z)}, "edit-redo", nullptr},
        {Cmd::Cut, QT_TRANSLATE_NOOP("Commands", "&Ausschneiden"), {K(ctrl | Qt::Key_X), K(shift | Qt::Key_Delete)},
         "edit-cut", nullptr},
        {Cmd::Copy, QT_TRANSLATE_NOOP("Commands", "&Kopieren"), {K(ctrl | Qt::Key_C), K(ctrl | Qt::Key_Insert)}, "edit-copy",
         nullptr},
        {Cmd::Paste, QT_TRANSLATE_NOOP("Commands", "&Einfügen"), {K(ctrl | Qt::Key_V), K(shift | Qt::Key_Insert)}, "edit-paste",
         nullptr},
        {Cmd::SelectAll, QT_TRANSLATE_NOOP("Commands", "Alles aus&wählen"), {K(ctrl | Qt::Key_A)}, nullptr, nullptr},
        {Cmd::InsertMode, QT_TRANSLATE_NOOP("Commands", "Einfügemodus"), {K(Qt::Key_Insert)}, nullptr, nullptr},
        {Cmd::NextField, QT_TRANSLATE_NOOP("Commands", "&Nächstes Eingabefeld"), {K(Qt::Key_Tab)}, nullptr, nullptr},
        {Cmd::PreviousField, QT_TRANSLATE_NOOP("Commands", "&Voheriges Eingabefeld"), {K(shift | Qt::Key_Backtab)}, nullptr,
         nullptr},
        {Cmd::Page1, QT_TRANSLATE_NOOP("Commands", "Seite &1"), {K(alt | Qt::Key_1)}, nullptr, "1"},
        {Cmd::Page2, QT_TRANSLATE_NOOP("Commands", "Seite &2"), {K(alt | Qt::Key_2)}, nullptr, "2"},
        {Cmd::FontBigger, QT_TRANSLATE_NOOP("Commands", "Schrift &größer"), {}, "format-font-size-more", "A+"},
        {Cmd::FontSmaller, QT_TRANSLATE_NOOP("Commands", "Schrift &kleiner"), {}, "format-font-size-less", "A-"},
        {Cmd::Bold, QT_TRANSLATE_NOOP("Commands", "Schrift &fett"), {K(ctrl | Qt::Key_F)}, "format-text-bold", "F"},
        {Cmd::AlignLeft, QT_TRANSLATE_NOOP("Commands", "Text &linksbündig"), {K(ctrl | Qt::Key_L)}, "format-justify-left",
         nullptr},
        {Cmd::AlignCenter, QT_TRANSLATE_NOOP("Commands", "Text &zentriert"), {K(ctrl | Qt::Key_Z)}, "format-justify-center",
         nullptr},
        {Cmd::AlignRight, QT_TRANSLATE_NOOP("Commands", "Text &rechtsbündig"), {K(ctrl | Qt::Key_R)}, "format-justify-right",
         nullptr},
        {Cmd::PrinterFontSizes, QT_TRANSLATE_NOOP("Commands", "Druckerschriftgrößen anpassen..."), {}, nullptr, nullptr},
        {Cmd::Margins, QT_TRANSLATE_NOOP("Commands", "&Ränder..."), {}, nullptr, "R"},
        {Cmd::CalibratePrinter, QT_TRANSLATE_NOOP("Commands", "Drucker einmessen..."), {}, nullptr, nullptr},
        {Cmd::FormDefaults, QT_TRANSLATE_NOOP("Commands", "Formular&vorgaben..."), {K(Qt::Key_F8)}, nullptr, nullptr},
        {Cmd::DefaultsCmr, QT_TRANSLATE_NOOP("Commands", "CMR-Frachtbrief..."), {}, nullptr, nullptr},
        {Cmd::DefaultsNational, QT_TRANSLATE_NOOP("Commands", "Nationaler Frachtbrief..."), {}, nullptr, nullptr},
        {Cmd::DefaultsKombi, QT_TRANSLATE_NOOP("Commands", "Kombi-Frachtbrief..."), {}, nullptr, nullptr},
        {Cmd::EditAddresses, QT_TRANSLATE_NOOP("Commands", "Adressdaten editieren..."), {}, nullptr, nullptr},
        {Cmd::ProgramOptions, QT_TRANSLATE_NOOP("Commands", "Allgemeine Programm&einstellungen"), {}, nullptr, nullptr},
        {Cmd::DisplaySize, QT_TRANSLATE_NOOP("Commands", "An&zeigegröße"), {}, nullptr, nullptr},
        {Cmd::StatusBar, QT_TRANSLATE_NOOP("Commands", "Status&leiste"), {}, nullptr, nullptr},
        {Cmd::ZoomIn, QT_TRANSLATE_NOOP("Commands", "Anzeige &größer"), {K(ctrl | Qt::Key_Plus)}, "zoom-in", nullptr},
        {Cmd::ZoomOut, QT_TRANSLATE_NOOP("Commands", "Anzeige &kleiner"), {K(ctrl | Qt::Key_Minus)}, "zoom-out", nullptr},
        {Cmd::ZoomWholePage, QT_TRANSLATE_NOOP("Commands", "&Ganze Seite"), {}, "zoom-fit-best", nullptr},
        {Cmd::ZoomPageWidth, QT_TRANSLATE_NOOP("Commands", "Seiten&breite"), {}, "zoom-fit-width", nullptr},
        {Cmd::Homepage, QT_TRANSLATE_NOOP("Commands", "Homepage im Internet..."), {}, nullptr, nullptr},
        {Cmd::WebUpdate, QT_TRANSLATE_NOOP("Commands", "Tarvelomark Update vom Internet..."), {}, nullptr, nullptr},
        {Cmd::ResetFonts, "", {K(ctrl | shift | alt | Qt::Key_F)}, nullptr, nullptr},
        {Cmd::ResetMenus, "", {K(ctrl | shift | alt | Qt::Key_M)}, nullptr, nullptr},
        {Cmd::ResetAll, "", {K(ctrl | shift | alt | Qt::Key_R)}, nullptr, nullptr},
        {Cmd::SupportInfo, "", {K(ctrl | shift | alt | Qt::Key_I)}, nullptr, nullptr},
        {Cmd::PrintAreaCorrection, "", {K(ctrl | shift | alt | Qt::Key_P)}, nullptr, nullptr},
    };
    // clang-format on
}

const QList<int> kHelpMenu = {Cmd::HelpContents, Cmd::HelpGeneral, 0, Cmd::Homepage,
                              Cmd::WebUpdate};

} // namespace

const QList<CommandInfo>& AllCommands()
{
    static const QList<CommandInfo> commands = BuildCommands();
    return commands;
}

QString CommandText(const CommandInfo& info)
{
    return *info.text ? QCoreApplication::translate("Commands", info.text) : QString();
}

QString MenuLayout::Title() const
{
    return QCoreApplication::translate("Commands", title);
}

const CommandInfo* FindCommand(int id)
{
    for (const CommandInfo& info : AllCommands())
        if (info.id == id)
            return &info;
    return nullptr;
}

QList<MenuLayout> MainMenus(int resourceId)
{
    if (resourceId == 128) {
        return {
            {QT_TRANSLATE_NOOP("Commands", "&Datei"),
             {Cmd::New, Cmd::Open, Cmd::Close, 0, Cmd::PrintSetup, 0, Cmd::RecentFirst, 0,
              Cmd::About, 0, Cmd::Exit}},
            {QT_TRANSLATE_NOOP("Commands", "&Optionen"),
             {Cmd::DefaultsCmr, Cmd::DefaultsNational, Cmd::DefaultsKombi, 0, Cmd::PrinterFontSizes,
              Cmd::EditAddresses, Cmd::ProgramOptions}},
            {QT_TRANSLATE_NOOP("Commands", "&Ansicht"), {Cmd::DisplaySize, Cmd::StatusBar}},
            {QT_TRANSLATE_NOOP("Commands", "&Hilfe"), kHelpMenu},
        };
    }
    QList<int> edit = {Cmd::InsertAddress, 0,         Cmd::Undo,      Cmd::Redo,
                       Cmd::Cut,           Cmd::Copy, Cmd::Paste,     Cmd::SelectAll,
                       Cmd::InsertMode,    0,         Cmd::NextField, Cmd::PreviousField};
    if (resourceId == 130)
        edit << Cmd::Page1 << Cmd::Page2;
    edit << 0 << Cmd::FontBigger << Cmd::FontSmaller << Cmd::Bold << 0 << Cmd::AlignLeft
         << Cmd::AlignCenter << Cmd::AlignRight;
    return {
        {QT_TRANSLATE_NOOP("Commands", "&Datei"),
         {Cmd::New, Cmd::NewFromDocument, Cmd::Open, Cmd::Close, Cmd::Save, Cmd::SaveAs,
          Cmd::SaveAsPdf, 0, Cmd::Print, Cmd::PrintPreview, Cmd::PrintSetup, 0, Cmd::RecentFirst, 0,
          Cmd::About, 0, Cmd::Exit}},
        {QT_TRANSLATE_NOOP("Commands", "&Bearbeiten"), edit},
        {QT_TRANSLATE_NOOP("Commands", "&Optionen"),
         {Cmd::PrinterFontSizes, Cmd::Margins, Cmd::CalibratePrinter, Cmd::FormDefaults,
          Cmd::EditAddresses, Cmd::ProgramOptions}},
        {QT_TRANSLATE_NOOP("Commands", "&Ansicht"),
         {Cmd::StatusBar, 0, Cmd::ZoomIn, Cmd::ZoomOut, Cmd::ZoomWholePage, Cmd::ZoomPageWidth}},
        {QT_TRANSLATE_NOOP("Commands", "&Hilfe"), kHelpMenu},
    };
}

MenuLayout ContextMenu(int resourceId)
{
    QList<int> ids = {Cmd::InsertAddress, 0,          Cmd::Undo,      Cmd::Redo, Cmd::Cut,
                      Cmd::Copy,          Cmd::Paste, Cmd::SelectAll, 0,         Cmd::NextField,
                      Cmd::PreviousField};
    if (resourceId == 118)
        ids << Cmd::Page1 << Cmd::Page2;
    ids << 0 << Cmd::FontBigger << Cmd::FontSmaller << Cmd::Bold << 0 << Cmd::AlignLeft
        << Cmd::AlignCenter << Cmd::AlignRight;
    if (resourceId == 119)
        ids << Cmd::InsertMode;
    return {QT_TRANSLATE_NOOP("Commands", "Bearbeiten"), ids};
}

QList<int> ToolbarLayout()
{
    QList<int> ids = {Cmd::Exit, 0, Cmd::New, 0};
    ids << Cmd::Open << Cmd::Save << 0 << Cmd::Cut << Cmd::Copy << Cmd::Paste << Cmd::InsertAddress
        << 0 << Cmd::ZoomIn << Cmd::ZoomOut << Cmd::ZoomWholePage << Cmd::ZoomPageWidth << 0
        << Cmd::FontBigger << Cmd::FontSmaller << Cmd::Bold << 0 << Cmd::AlignLeft
        << Cmd::AlignCenter << Cmd::AlignRight << 0 << Cmd::Margins << Cmd::Print
        << Cmd::PrintPreview << 0 << Cmd::Page1 << Cmd::Page2 << 0 << Cmd::About
        << Cmd::HelpGeneral;
    return ids;
}

namespace {

// How much of a picture a disabled button shows.
constexpr qreal kDisabledOpacity = 0.35;

QIcon SourceIcon(const CommandInfo& info)
{
    QIcon icon;
    if (info.themeIcon)
        icon = QIcon::fromTheme(QLatin1String(info.themeIcon));
    if (!icon.isNull())
        return icon;
    icon = DrawnCommandIcon(info.id);
    if (!icon.isNull())
        return icon;
    if (!info.glyph)
        return icon;
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(info.glyph[1] ? 18 : 24);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QGuiApplication::palette().color(QPalette::WindowText));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromUtf8(info.glyph));
    return QIcon(pixmap);
}

// Qt greys a disabled picture by the brightness of its pixels, which leaves
// black and white strokes as they are: a picture drawn in the palette's text
// colour would look enabled on a button that is not. The disabled picture is
// the normal one faded into the toolbar instead.
QIcon WithFadedDisabled(const QIcon& source)
{
    if (source.isNull())
        return source;
    QIcon icon;
    for (const int size : {16, 32}) {
        const QPixmap normal = source.pixmap(QSize(size, size));
        QPixmap faded(normal.size());
        faded.setDevicePixelRatio(normal.devicePixelRatio());
        faded.fill(Qt::transparent);
        QPainter painter(&faded);
        painter.setOpacity(kDisabledOpacity);
        painter.drawPixmap(0, 0, normal);
        painter.end();
        icon.addPixmap(normal, QIcon::Normal);
        icon.addPixmap(faded, QIcon::Disabled);
    }
    return icon;
}

} // namespace

QIcon CommandIcon(const CommandInfo& info)
{
    return WithFadedDisabled(SourceIcon(info));
}
