#include "widgets/app/commandprompts.h"

#include "widgets/app/commandids.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// The status text of each command, a line feed, then its tool tip; German, and
// translated as one text so that both halves come from the same hand. Kept apart
// from the command table, which says what a command is, not what it tells.
const QHash<int, const char*>& PromptTexts()
{
    // One command a line reads better as a table.
    // clang-format off
    static const QHash<int, const char*> texts = {
        {Cmd::New, QT_TRANSLATE_NOOP("CommandPrompts", "Erstellt ein neues Formular.\nNeu")},
        {Cmd::NewFromDocument, QT_TRANSLATE_NOOP("CommandPrompts", "Erstellt ein neues Formular mit den Texten des aktiven Dokuments.\nNeu aus diesem Dokument")},
        {Cmd::Open, QT_TRANSLATE_NOOP("CommandPrompts", "Öffnet ein vorhandenes Dokument.\nÖffnen")},
        {Cmd::Close, QT_TRANSLATE_NOOP("CommandPrompts", "Schließt das aktive Dokument.\nSchließen")},
        {Cmd::Save, QT_TRANSLATE_NOOP("CommandPrompts", "Speichert das aktive Dokument.\nSpeichern")},
        {Cmd::SaveAs, QT_TRANSLATE_NOOP("CommandPrompts", "Speichert das aktive Dokument unter einem neuen Namen.\nSpeichern unter")},
        {Cmd::Print, QT_TRANSLATE_NOOP("CommandPrompts", "Druckt das aktive Dokument auf das Formular.\nDrucken")},
        {Cmd::PrintSetup, QT_TRANSLATE_NOOP("CommandPrompts", "Wählt den Drucker und seine Einstellungen.\nDruckeinrichtung")},
        {Cmd::About, QT_TRANSLATE_NOOP("CommandPrompts", "Zeigt Programmversion und Hinweise an.\nInfo")},
        {Cmd::Exit, QT_TRANSLATE_NOOP("CommandPrompts", "Beendet das Programm und fragt, ob geänderte Dokumente gespeichert werden sollen.\nBeenden")},
        {Cmd::HelpContents, QT_TRANSLATE_NOOP("CommandPrompts", "Zeigt die Übersicht der Hilfe an.\nHilfe Inhalt")},
        {Cmd::HelpGeneral, QT_TRANSLATE_NOOP("CommandPrompts", "Zeigt die Hilfe zum aktuellen Arbeitsschritt an.\nHilfe")},
        {Cmd::InsertAddress, QT_TRANSLATE_NOOP("CommandPrompts", "Text aus den definierten Vorgabetexten einfügen...\nVorgaben einfügen")},
        {Cmd::Undo, QT_TRANSLATE_NOOP("CommandPrompts", "Macht den letzten Vorgang rückgängig.\nRückgängig")},
        {Cmd::Redo, QT_TRANSLATE_NOOP("CommandPrompts", "Stellt den zuletzt rückgängig gemachten Vorgang wieder her.\nWiederherstellen")},
        {Cmd::Cut, QT_TRANSLATE_NOOP("CommandPrompts", "Überträgt die Auswahl in die Zwischenablage.\nAusschneiden")},
        {Cmd::Copy, QT_TRANSLATE_NOOP("CommandPrompts", "Kopiert die Auswahl in die Zwischenablage.\nKopieren")},
        {Cmd::Paste, QT_TRANSLATE_NOOP("CommandPrompts", "Fügt den Inhalt der Zwischenablage ein.\nEinfügen")},
        {Cmd::SelectAll, QT_TRANSLATE_NOOP("CommandPrompts", "Markiert das gesamte Dokument.\nAlles auswählen")},
        {Cmd::InsertMode, QT_TRANSLATE_NOOP("CommandPrompts", "Schaltet den Einfügemodus ein bzw. aus")},
        {Cmd::NextField, QT_TRANSLATE_NOOP("CommandPrompts", "Setzt den Eingabefokus auf das nächste Eingabefeld.\nNächstes Eingabefeld")},
        {Cmd::PreviousField, QT_TRANSLATE_NOOP("CommandPrompts", "Setzt den Eingabefokus auf das vorherige Eingabefeld.\nVoheriges Eingabefeld")},
        {Cmd::Page1, QT_TRANSLATE_NOOP("CommandPrompts", "Bearbeiten der Vorderseite.\nSeite 1")},
        {Cmd::Page2, QT_TRANSLATE_NOOP("CommandPrompts", "Bearbeiten der Rückseite.\nSeite 2")},
        {Cmd::FontBigger, QT_TRANSLATE_NOOP("CommandPrompts", "Vergößert die Schrift im aktuellen Eingabefeld\nSchrift größer")},
        {Cmd::FontSmaller, QT_TRANSLATE_NOOP("CommandPrompts", "Verkleinert die Schrift im aktuellen Eingabefeld\nSchrift kleiner")},
        {Cmd::Bold, QT_TRANSLATE_NOOP("CommandPrompts", "Schaltet Fettschrift ein bzw. aus\nFettschrift ein/aus")},
        {Cmd::AlignLeft, QT_TRANSLATE_NOOP("CommandPrompts", "Gibt den Text im aktellen Eingabefed linksbündig aus\nText linksbündig")},
        {Cmd::AlignCenter, QT_TRANSLATE_NOOP("CommandPrompts", "Gibt den Text im aktellen Eingabefed zentriert aus\nText zentriert")},
        {Cmd::AlignRight, QT_TRANSLATE_NOOP("CommandPrompts", "Gibt den Text im aktellen Eingabefed rechtsbündig aus\nText rechtsbündig")},
        {Cmd::PrinterFontSizes, QT_TRANSLATE_NOOP("CommandPrompts", "Öffnet einen Dialog zur Korrektur der Schriftgröße beim Druck")},
        {Cmd::Margins, QT_TRANSLATE_NOOP("CommandPrompts", "Verschiebt den Ausdruck auf dem Formular.\nRänder")},
        {Cmd::CalibratePrinter, QT_TRANSLATE_NOOP("CommandPrompts", "Stellt Ränder und Druckbereich mit einem Kalibrierblatt ein.\nDrucker einmessen")},
        {Cmd::FormDefaults, QT_TRANSLATE_NOOP("CommandPrompts", "Legt die Vorgabetexte dieses Formulars fest.\nFormularvorgaben")},
        {Cmd::DefaultsCmr, QT_TRANSLATE_NOOP("CommandPrompts", "Legt die Formularvorgaben für den CMR-Frachtbrief fest.")},
        {Cmd::DefaultsNational, QT_TRANSLATE_NOOP("CommandPrompts", "Legt die Formularvorgaben für den Nationalen Frachtbrief fest.")},
        {Cmd::DefaultsKombi, QT_TRANSLATE_NOOP("CommandPrompts", "Legt die Formularvorgaben für den Kombi-Frachtbrief fest.")},
        {Cmd::EditAddresses, QT_TRANSLATE_NOOP("CommandPrompts", "Bearbeitet die gespeicherten Adressen.\nAdressdaten")},
        {Cmd::ProgramOptions, QT_TRANSLATE_NOOP("CommandPrompts", "Legt die allgemeinen Einstellungen des Programms fest.\nProgrammeinstellungen")},
        {Cmd::DisplaySize, QT_TRANSLATE_NOOP("CommandPrompts", "Legt die Anzeigegröße der Formulare fest.\nAnzeigegröße")},
        {Cmd::ZoomIn, QT_TRANSLATE_NOOP("CommandPrompts", "Vergrößert die Anzeige des Formulars.\nAnzeige größer")},
        {Cmd::ZoomOut, QT_TRANSLATE_NOOP("CommandPrompts", "Verkleinert die Anzeige des Formulars.\nAnzeige kleiner")},
        {Cmd::ZoomWholePage, QT_TRANSLATE_NOOP("CommandPrompts", "Zeigt die ganze Seite des Formulars im Fenster, auch wenn sich seine Größe ändert.\nGanze Seite")},
        {Cmd::ZoomPageWidth, QT_TRANSLATE_NOOP("CommandPrompts", "Zeigt das Formular so breit wie das Fenster, auch wenn sich seine Größe ändert.\nSeitenbreite")},
        {Cmd::Homepage, QT_TRANSLATE_NOOP("CommandPrompts", "Öffnet die Homepage im Internet.\nHomepage")},
        {Cmd::WebUpdate, QT_TRANSLATE_NOOP("CommandPrompts", "Sucht im Internet nach einer neueren Programmversion.\nUpdate")},
        {Cmd::ToolbarPlaceholder, QT_TRANSLATE_NOOP("CommandPrompts", "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein/aus")},
        {Cmd::StatusBar, QT_TRANSLATE_NOOP("CommandPrompts", "Blendet die Statusleiste ein oder aus.\nStatusleiste ein/aus")},
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
    const QString all = QCoreApplication::translate("CommandPrompts", text);
    const qsizetype lineEnd = all.indexOf(QLatin1Char('\n'));
    if (lineEnd < 0)
        return {all, QString()};
    return {all.left(lineEnd), all.mid(lineEnd + 1)};
}
