#include "widgets/app/commandprompts.h"

#include "widgets/app/commandids.h"

#include <QHash>

namespace {

// The status text of each command, a line feed, then its tool tip. Kept apart
// from the command table, which says what a command is, not what it tells.
const QHash<int, const char*>& PromptTexts()
{
    // One command a line reads better as a table.
    // clang-format off
    static const QHash<int, const char*> texts = {
        {Cmd::New, "Erstellt ein neues Formular.\nNeu"},
        {Cmd::NewFromDocument, "Erstellt ein neues Formular mit den Texten des aktiven Dokuments.\nNeu aus diesem Dokument"},
        {Cmd::Open, "Öffnet ein vorhandenes Dokument.\nÖffnen"},
        {Cmd::Close, "Schließt das aktive Dokument.\nSchließen"},
        {Cmd::Save, "Speichert das aktive Dokument.\nSpeichern"},
        {Cmd::SaveAs, "Speichert das aktive Dokument unter einem neuen Namen.\nSpeichern unter"},
        {Cmd::Print, "Druckt das aktive Dokument auf das Formular.\nDrucken"},
        {Cmd::PrintSetup, "Wählt den Drucker und seine Einstellungen.\nDruckeinrichtung"},
        {Cmd::About, "Zeigt Programmversion und Hinweise an.\nInfo"},
        {Cmd::Exit, "Beendet das Programm und fragt, ob geänderte Dokumente gespeichert werden sollen.\nBeenden"},
        {Cmd::HelpContents, "Zeigt die Übersicht der Hilfe an.\nHilfe Inhalt"},
        {Cmd::HelpGeneral, "Zeigt die Hilfe zum aktuellen Arbeitsschritt an.\nHilfe"},
        {Cmd::InsertAddress, "Text aus den definierten Vorgabetexten einfügen...\nVorgaben einfügen"},
        {Cmd::Undo, "Macht den letzten Vorgang rückgängig.\nRückgängig"},
        {Cmd::Redo, QT_TRANSLATE_NOOP("CommandPrompts", "Stellt den zuletzt rückgängig gemachten Vorgang wieder her.\nWiederherstellen")},
        {Cmd::Cut, "Überträgt die Auswahl in die Zwischenablage.\nAusschneiden"},
        {Cmd::Copy, "Kopiert die Auswahl in die Zwischenablage.\nKopieren"},
        {Cmd::Paste, "Fügt den Inhalt der Zwischenablage ein.\nEinfügen"},
        {Cmd::SelectAll, "Markiert das gesamte Dokument.\nAlles auswählen"},
        {Cmd::InsertMode, "Schaltet den Einfügemodus ein bzw. aus"},
        {Cmd::NextField, "Setzt den Eingabefokus auf das nächste Eingabefeld.\nNächstes Eingabefeld"},
        {Cmd::PreviousField, "Setzt den Eingabefokus auf das vorherige Eingabefeld.\nVoheriges Eingabefeld"},
        {Cmd::Page1, "Bearbeiten der Vorderseite.\nSeite 1"},
        {Cmd::Page2, "Bearbeiten der Rückseite.\nSeite 2"},
        {Cmd::FontBigger, "Vergößert die Schrift im aktuellen Eingabefeld\nSchrift größer"},
        {Cmd::FontSmaller, "Verkleinert die Schrift im aktuellen Eingabefeld\nSchrift kleiner"},
        {Cmd::Bold, "Schaltet Fettschrift ein bzw. aus\nFettschrift ein/aus"},
        {Cmd::AlignLeft, "Gibt den Text im aktellen Eingabefed linksbündig aus\nText linksbündig"},
        {Cmd::AlignCenter, "Gibt den Text im aktellen Eingabefed zentriert aus\nText zentriert"},
        {Cmd::AlignRight, "Gibt den Text im aktellen Eingabefed rechtsbündig aus\nText rechtsbündig"},
        {Cmd::PrinterFontSizes, "Öffnet einen Dialog zur Korrektur der Schriftgröße beim Druck"},
        {Cmd::Margins, "Verschiebt den Ausdruck auf dem Formular.\nRänder"},
        {Cmd::CalibratePrinter, "Stellt Ränder und Druckbereich mit einem Kalibrierblatt ein.\nDrucker einmessen"},
        {Cmd::FormDefaults, "Legt die Vorgabetexte dieses Formulars fest.\nFormularvorgaben"},
        {Cmd::DefaultsCmr, "Legt die Formularvorgaben für den CMR-Frachtbrief fest."},
        {Cmd::DefaultsNational, "Legt die Formularvorgaben für den Nationalen Frachtbrief fest."},
        {Cmd::DefaultsKombi, "Legt die Formularvorgaben für den Kombi-Frachtbrief fest."},
        {Cmd::EditAddresses, "Bearbeitet die gespeicherten Adressen.\nAdressdaten"},
        {Cmd::ProgramOptions, "Legt die allgemeinen Einstellungen des Programms fest.\nProgrammeinstellungen"},
        {Cmd::DisplaySize, "Legt die Anzeigegröße der Formulare fest.\nAnzeigegröße"},
        {Cmd::ZoomIn, "Vergrößert die Anzeige des Formulars.\nAnzeige größer"},
        {Cmd::ZoomOut, "Verkleinert die Anzeige des Formulars.\nAnzeige kleiner"},
        {Cmd::ZoomWholePage, QT_TRANSLATE_NOOP("Commands", "Zeigt die ganze Seite des Formulars im Fenster, auch wenn sich seine Größe ändert.\nGanze Seite")},
        {Cmd::ZoomPageWidth, QT_TRANSLATE_NOOP("Commands", "Zeigt das Formular so breit wie das Fenster, auch wenn sich seine Größe ändert.\nSeitenbreite")},
        {Cmd::Homepage, "Öffnet die Homepage im Internet.\nHomepage"},
        {Cmd::WebUpdate, "Sucht im Internet nach einer neueren Programmversion.\nUpdate"},
        {Cmd::ToolbarPlaceholder, "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein/aus"},
        {Cmd::StatusBar, "Blendet die Statusleiste ein oder aus.\nStatusleiste ein/aus"},
    };
    // clang-format on
    return texts;
}

} // namespace

CommandPrompt CommandPromptFor(int id)
{
    const char* text = PromptTexts().value(id);
    if (!text)
        return {};
    const QString all = QString::fromUtf8(text);
    const qsizetype lineEnd = all.indexOf(QLatin1Char('\n'));
    if (lineEnd < 0)
        return {all, QString()};
    return {all.left(lineEnd), all.mid(lineEnd + 1)};
}
