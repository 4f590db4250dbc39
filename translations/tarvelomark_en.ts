<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>BoxChange</name>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl und wurde entfernt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist negativ und wurde entfernt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ergibt 0 und wurde entfernt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; wurde zu &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; wurde als &quot;%3&quot; gelesen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; wurde auf &quot;%3&quot; gerundet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoxNames</name>
    <message>
        <source>Feld %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, Zeile %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgDefaultBase</name>
    <message>
        <source>Vorgabetexte für %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgDefaultNatFb</name>
    <message>
        <source>Ausgabe 07/2009</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgabe 01/2007</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgabe des Formulars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Ausgabe, in der neue nationale Frachtbriefe angelegt werden. Vorhandene Frachtbriefe behalten ihre Ausgabe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ausgabe für neue Frachtbriefe </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgDrucken</name>
    <message>
        <source>%1 drucken</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgHelpDialog</name>
    <message>
        <source>Die Eingabe der Daten in diesem Programm erfolgt
direkt im Formular. Immer wenn Sie mit der Maus über
einer Fläche sind, auf der Eingaben möglich sind,
erscheint der unten abgebildete Cursor.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgNeueDatei</name>
    <message>
        <source>%1 (Ausgabe 01/2007)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CKRFormView</name>
    <message>
        <source>Kreuz entfernen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CKrEditWindow</name>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Text passt nicht in das Feld: 1 Zeichen wurde nicht eingefügt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Text passt nicht in das Feld: %1 Zeichen wurden nicht eingefügt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rückgängig (nicht möglich)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen (nicht möglich)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRangeSpinBox</name>
    <message>
        <source>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTarvelomarkApp</name>
    <message>
        <source>0 (Systemeinstellung)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Kreuz %1 fehlt: mit diesen Rändern läge es außerhalb des Bereichs, den der Drucker bedrucken kann. Stellen Sie den Ausdruck zuerst mit &quot;Ränder...&quot; grob ein.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandPrompts</name>
    <message>
        <source>Stellt den zuletzt rückgängig gemachten Vorgang wieder her.
Wiederherstellen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Zeigt die ganze Seite des Formulars im Fenster, auch wenn sich seine Größe ändert.
Ganze Seite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt das Formular so breit wie das Fenster, auch wenn sich seine Größe ändert.
Seitenbreite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ganze Seite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seiten&amp;breite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Common_DlgSetDisplaySizeFactor</name>
    <message>
        <source>Systemeinstellung benutzen (%1%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Formulare werden so groß dargestellt, wie es die Systemeinstellung für die Skalierung des Bildschirms vorgibt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wichtig: Nach einer Änderung wird das Programm beendet und neu gestartet. Vorher fragt es bei jedem geänderten Dokument, ob es gespeichert werden soll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die neue Anzeigegröße gilt erst nach einem Neustart.
Soll das Programm jetzt beendet und neu gestartet werden?

Vorher fragt es bei jedem geänderten Dokument, ob es gespeichert
werden soll. Mit „Nein“ bleibt die bisherige Anzeigegröße.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormName</name>
    <message>
        <source>CMR-Frachtbrief</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nationaler Frachtbrief</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kombi-Frachtbrief</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speditionsauftrag</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Margins</name>
    <message>
        <source>Ränder bei Ausdruck %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reset</name>
    <message>
        <source>Alle Einstellungen löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fenster und Symbolleiste zurücksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schriftgrößen zurücksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mit diesem Aufruf werden alle Einstellungen dieses Programms
aus der Einstellungsdatei gelöscht, auch die Formularvorgaben,
die Ränder und die Liste der zuletzt geöffneten Dateien.
Die Adressdatei selbst bleibt erhalten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mit diesem Aufruf werden Größe und Lage des Programmfensters
und die Anordnung der Symbolleiste auf die Ursprungswerte
zurückgesetzt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mit diesem Aufruf werden die Schriftgrößen für Bildschirm, Eingabe
und Druck aus der Einstellungsdatei gelöscht und so auf die
Ursprungswerte zurückgesetzt. Die Werte unter
„Druckerschriftgrößen anpassen“ bleiben erhalten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Danach wird das Programm beendet. Vorher fragt es bei jedem
geänderten Dokument, ob es gespeichert werden soll; brechen Sie
dort ab, bleibt alles, wie es ist. Beim nächsten Start gelten
die Ursprungswerte.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
