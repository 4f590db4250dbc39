<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>BoxChange</name>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl und wurde entfernt.</source>
        <translation>%1: &quot;%2&quot; is not a number and was removed.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist negativ und wurde entfernt.</source>
        <translation>%1: &quot;%2&quot; is negative and was removed.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ergibt 0 und wurde entfernt.</source>
        <translation>%1: &quot;%2&quot; comes to 0 and was removed.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; wurde zu &quot;%3&quot;.</source>
        <translation>%1: &quot;%2&quot; became &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; wurde als &quot;%3&quot; gelesen.</source>
        <translation>%1: &quot;%2&quot; was read as &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; wurde auf &quot;%3&quot; gerundet.</source>
        <translation>%1: &quot;%2&quot; was rounded to &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Feld %1 Zeile %2</source>
        <translation>Box %1, row %2</translation>
    </message>
    <message>
        <source>Feld %1</source>
        <translation>Box %1</translation>
    </message>
</context>
<context>
    <name>BoxNames</name>
    <message>
        <source>Feld %1</source>
        <translation>Box %1</translation>
    </message>
    <message>
        <source>, Zeile %1</source>
        <translation>, row %1</translation>
    </message>
    <message>
        <source>Gefahrgut: UN-Nummer</source>
        <translation>Dangerous goods: UN number</translation>
    </message>
    <message>
        <source>Gefahrgut: Bezeichnung</source>
        <translation>Dangerous goods: name</translation>
    </message>
    <message>
        <source>Gefahrgut: Gefahrzettelmuster-Nr.</source>
        <translation>Dangerous goods: label model no.</translation>
    </message>
    <message>
        <source>Gefahrgut: Verpackungsgruppe</source>
        <translation>Dangerous goods: packing group</translation>
    </message>
    <message>
        <source>Gefahrgut: Tunnelbeschränkungscode</source>
        <translation>Dangerous goods: tunnel restriction code</translation>
    </message>
    <message>
        <source>20 Fracht, Absender</source>
        <translation>20 Carriage charges, sender</translation>
    </message>
    <message>
        <source>20 Fracht, Absender, Cent</source>
        <translation>20 Carriage charges, sender, cents</translation>
    </message>
    <message>
        <source>20 Fracht, Währung Absender</source>
        <translation>20 Carriage charges, currency of the sender</translation>
    </message>
    <message>
        <source>20 Fracht, Währung Empfänger</source>
        <translation>20 Carriage charges, currency of the consignee</translation>
    </message>
    <message>
        <source>20 Fracht, Empfänger</source>
        <translation>20 Carriage charges, consignee</translation>
    </message>
    <message>
        <source>20 Fracht, Empfänger, Cent</source>
        <translation>20 Carriage charges, consignee, cents</translation>
    </message>
    <message>
        <source>20 Ermäßigungen, Absender</source>
        <translation>20 Deductions, sender</translation>
    </message>
    <message>
        <source>20 Ermäßigungen, Absender, Cent</source>
        <translation>20 Deductions, sender, cents</translation>
    </message>
    <message>
        <source>20 Ermäßigungen, Währung Absender</source>
        <translation>20 Deductions, currency of the sender</translation>
    </message>
    <message>
        <source>20 Ermäßigungen, Währung Empfänger</source>
        <translation>20 Deductions, currency of the consignee</translation>
    </message>
    <message>
        <source>20 Ermäßigungen, Empfänger</source>
        <translation>20 Deductions, consignee</translation>
    </message>
    <message>
        <source>20 Ermäßigungen, Empfänger, Cent</source>
        <translation>20 Deductions, consignee, cents</translation>
    </message>
    <message>
        <source>20 Zwischensumme, Absender</source>
        <translation>20 Balance, sender</translation>
    </message>
    <message>
        <source>20 Zwischensumme, Absender, Cent</source>
        <translation>20 Balance, sender, cents</translation>
    </message>
    <message>
        <source>20 Zwischensumme, Währung Absender</source>
        <translation>20 Balance, currency of the sender</translation>
    </message>
    <message>
        <source>20 Zwischensumme, Währung Empfänger</source>
        <translation>20 Balance, currency of the consignee</translation>
    </message>
    <message>
        <source>20 Zwischensumme, Empfänger</source>
        <translation>20 Balance, consignee</translation>
    </message>
    <message>
        <source>20 Zwischensumme, Empfänger, Cent</source>
        <translation>20 Balance, consignee, cents</translation>
    </message>
    <message>
        <source>20 Zuschläge, Absender</source>
        <translation>20 Surcharges, sender</translation>
    </message>
    <message>
        <source>20 Zuschläge, Absender, Cent</source>
        <translation>20 Surcharges, sender, cents</translation>
    </message>
    <message>
        <source>20 Zuschläge, Währung Absender</source>
        <translation>20 Surcharges, currency of the sender</translation>
    </message>
    <message>
        <source>20 Zuschläge, Währung Empfänger</source>
        <translation>20 Surcharges, currency of the consignee</translation>
    </message>
    <message>
        <source>20 Zuschläge, Empfänger</source>
        <translation>20 Surcharges, consignee</translation>
    </message>
    <message>
        <source>20 Zuschläge, Empfänger, Cent</source>
        <translation>20 Surcharges, consignee, cents</translation>
    </message>
    <message>
        <source>20 Nebengebühren, Absender</source>
        <translation>20 Supplementary charges, sender</translation>
    </message>
    <message>
        <source>20 Nebengebühren, Absender, Cent</source>
        <translation>20 Supplementary charges, sender, cents</translation>
    </message>
    <message>
        <source>20 Nebengebühren, Währung Absender</source>
        <translation>20 Supplementary charges, currency of the sender</translation>
    </message>
    <message>
        <source>20 Nebengebühren, Währung Empfänger</source>
        <translation>20 Supplementary charges, currency of the consignee</translation>
    </message>
    <message>
        <source>20 Nebengebühren, Empfänger</source>
        <translation>20 Supplementary charges, consignee</translation>
    </message>
    <message>
        <source>20 Nebengebühren, Empfänger, Cent</source>
        <translation>20 Supplementary charges, consignee, cents</translation>
    </message>
    <message>
        <source>20 Sonstiges, Absender</source>
        <translation>20 Miscellaneous, sender</translation>
    </message>
    <message>
        <source>20 Sonstiges, Absender, Cent</source>
        <translation>20 Miscellaneous, sender, cents</translation>
    </message>
    <message>
        <source>20 Sonstiges, Währung Absender</source>
        <translation>20 Miscellaneous, currency of the sender</translation>
    </message>
    <message>
        <source>20 Sonstiges, Währung Empfänger</source>
        <translation>20 Miscellaneous, currency of the consignee</translation>
    </message>
    <message>
        <source>20 Sonstiges, Empfänger</source>
        <translation>20 Miscellaneous, consignee</translation>
    </message>
    <message>
        <source>20 Sonstiges, Empfänger, Cent</source>
        <translation>20 Miscellaneous, consignee, cents</translation>
    </message>
    <message>
        <source>20 Gesamtsumme, Absender</source>
        <translation>20 Total, sender</translation>
    </message>
    <message>
        <source>20 Gesamtsumme, Absender, Cent</source>
        <translation>20 Total, sender, cents</translation>
    </message>
    <message>
        <source>20 Gesamtsumme, Währung Absender</source>
        <translation>20 Total, currency of the sender</translation>
    </message>
    <message>
        <source>20 Gesamtsumme, Währung Empfänger</source>
        <translation>20 Total, currency of the consignee</translation>
    </message>
    <message>
        <source>20 Gesamtsumme, Empfänger</source>
        <translation>20 Total, consignee</translation>
    </message>
    <message>
        <source>20 Gesamtsumme, Empfänger, Cent</source>
        <translation>20 Total, consignee, cents</translation>
    </message>
    <message>
        <source>15 Rückerstattung</source>
        <translation>15 Cash on delivery</translation>
    </message>
    <message>
        <source>21 Ausgefertigt in</source>
        <translation>21 Established in</translation>
    </message>
    <message>
        <source>21 Ausgefertigt am</source>
        <translation>21 Established on</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 1: von</source>
        <translation>25 Tariff distance, section 1: from</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 1: bis</source>
        <translation>25 Tariff distance, section 1: to</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 1: km</source>
        <translation>25 Tariff distance, section 1: km</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 2: von</source>
        <translation>25 Tariff distance, section 2: from</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 2: bis</source>
        <translation>25 Tariff distance, section 2: to</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 2: km</source>
        <translation>25 Tariff distance, section 2: km</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 3: von</source>
        <translation>25 Tariff distance, section 3: from</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 3: bis</source>
        <translation>25 Tariff distance, section 3: to</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 3: km</source>
        <translation>25 Tariff distance, section 3: km</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 4: von</source>
        <translation>25 Tariff distance, section 4: from</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 4: bis</source>
        <translation>25 Tariff distance, section 4: to</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 4: km</source>
        <translation>25 Tariff distance, section 4: km</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 5: von</source>
        <translation>25 Tariff distance, section 5: from</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 5: bis</source>
        <translation>25 Tariff distance, section 5: to</translation>
    </message>
    <message>
        <source>25 Tarifentfernung, Abschnitt 5: km</source>
        <translation>25 Tariff distance, section 5: km</translation>
    </message>
    <message>
        <source>26 Vertragspartner des Frachtführers</source>
        <translation>26 Carrier&apos;s contracting party</translation>
    </message>
    <message>
        <source>27 Amtliches Kennzeichen, Kfz</source>
        <translation>27 Registration number, motor vehicle</translation>
    </message>
    <message>
        <source>27 Amtliches Kennzeichen, Anhänger</source>
        <translation>27 Registration number, trailer</translation>
    </message>
    <message>
        <source>27 Nutzlast in kg, Kfz</source>
        <translation>27 Payload in kg, motor vehicle</translation>
    </message>
    <message>
        <source>27 Nutzlast in kg, Anhänger</source>
        <translation>27 Payload in kg, trailer</translation>
    </message>
    <message>
        <source>Paletten-Absender: Euro-Palette, Anzahl</source>
        <translation>Pallets of the sender: Euro pallet, number</translation>
    </message>
    <message>
        <source>Paletten-Absender: Euro-Palette, kein Tausch</source>
        <translation>Pallets of the sender: Euro pallet, not exchanged</translation>
    </message>
    <message>
        <source>Paletten-Absender: Euro-Palette, Tausch</source>
        <translation>Pallets of the sender: Euro pallet, exchanged</translation>
    </message>
    <message>
        <source>Paletten-Absender: Gitterboxpalette, Anzahl</source>
        <translation>Pallets of the sender: box pallet, number</translation>
    </message>
    <message>
        <source>Paletten-Absender: Gitterboxpalette, kein Tausch</source>
        <translation>Pallets of the sender: box pallet, not exchanged</translation>
    </message>
    <message>
        <source>Paletten-Absender: Gitterboxpalette, Tausch</source>
        <translation>Pallets of the sender: box pallet, exchanged</translation>
    </message>
    <message>
        <source>Paletten-Absender: Einfach-Palette, Anzahl</source>
        <translation>Pallets of the sender: one-way pallet, number</translation>
    </message>
    <message>
        <source>Paletten-Absender: Einfach-Palette, kein Tausch</source>
        <translation>Pallets of the sender: one-way pallet, not exchanged</translation>
    </message>
    <message>
        <source>Paletten-Absender: Einfach-Palette, Tausch</source>
        <translation>Pallets of the sender: one-way pallet, exchanged</translation>
    </message>
    <message>
        <source>Paletten-Absender: andere Art</source>
        <translation>Pallets of the sender: other kind</translation>
    </message>
    <message>
        <source>Paletten-Absender: andere Art, Anzahl</source>
        <translation>Pallets of the sender: other kind, number</translation>
    </message>
    <message>
        <source>Paletten-Absender: andere Art, kein Tausch</source>
        <translation>Pallets of the sender: other kind, not exchanged</translation>
    </message>
    <message>
        <source>Paletten-Absender: andere Art, Tausch</source>
        <translation>Pallets of the sender: other kind, exchanged</translation>
    </message>
    <message>
        <source>Paletten-Absender: Bestätigung des Fahrers</source>
        <translation>Pallets of the sender: driver&apos;s confirmation</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: Euro-Palette, Anzahl</source>
        <translation>Pallets of the consignee: Euro pallet, number</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: Euro-Palette, kein Tausch</source>
        <translation>Pallets of the consignee: Euro pallet, not exchanged</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: Euro-Palette, Tausch</source>
        <translation>Pallets of the consignee: Euro pallet, exchanged</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: Gitterboxpalette, Anzahl</source>
        <translation>Pallets of the consignee: box pallet, number</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: Gitterboxpalette, kein Tausch</source>
        <translation>Pallets of the consignee: box pallet, not exchanged</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: Gitterboxpalette, Tausch</source>
        <translation>Pallets of the consignee: box pallet, exchanged</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: Einfach-Palette, Anzahl</source>
        <translation>Pallets of the consignee: one-way pallet, number</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: Einfach-Palette, kein Tausch</source>
        <translation>Pallets of the consignee: one-way pallet, not exchanged</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: Einfach-Palette, Tausch</source>
        <translation>Pallets of the consignee: one-way pallet, exchanged</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: andere Art</source>
        <translation>Pallets of the consignee: other kind</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: andere Art, Anzahl</source>
        <translation>Pallets of the consignee: other kind, number</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: andere Art, kein Tausch</source>
        <translation>Pallets of the consignee: other kind, not exchanged</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: andere Art, Tausch</source>
        <translation>Pallets of the consignee: other kind, exchanged</translation>
    </message>
    <message>
        <source>Paletten-Empfänger: Bestätigung des Empfängers</source>
        <translation>Pallets of the consignee: consignee&apos;s confirmation</translation>
    </message>
    <message>
        <source>Benutzte Genehmigungsnummer</source>
        <translation>Permit number used</translation>
    </message>
    <message>
        <source>Feld neben dem Titel</source>
        <translation>Box beside the title</translation>
    </message>
</context>
<context>
    <name>CAddressLockProgress</name>
    <message>
        <source>Die Adressdatei wird gerade von einem anderen Benutzer verwendet.
Bitte warten...</source>
        <translation>The address file is being used by another user at the moment.
Please wait...</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Adressdatendatei</source>
        <translation>Address data file</translation>
    </message>
</context>
<context>
    <name>CChildFrame</name>
    <message>
        <source>Speichern unter</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Änderungen in %1 speichern?</source>
        <translation>Save changes to %1?</translation>
    </message>
</context>
<context>
    <name>CDlgAbout</name>
    <message>
        <source>Info über Tarvelomark</source>
        <translation>About Tarvelomark</translation>
    </message>
    <message>
        <source>Tarvelomark Version %1</source>
        <translation>Tarvelomark version %1</translation>
    </message>
    <message>
        <source>Erstellt am %1

Frachtbriefe ausfüllen und auf vorgedruckte Formulare drucken:
CMR-Frachtbrief, Nationaler Frachtbrief, Kombi-Frachtbrief
und Speditionsauftrag.

Formulare der Verlage:
%2</source>
        <translation>Built on %1

Fill in consignment notes and print them on pre-printed forms:
CMR consignment note, National consignment note, Kombi consignment note
and Forwarding order.

Forms of these publishers:
%2</translation>
    </message>
    <message>
        <source>© Norvak. Alle Rechte vorbehalten.</source>
        <translation>© Norvak. All rights reserved.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Homepage...</source>
        <translation>&amp;Home page...</translation>
    </message>
    <message>
        <source>&amp;Support-Informationen...</source>
        <translation>&amp;Support information...</translation>
    </message>
</context>
<context>
    <name>CDlgAdressImport</name>
    <message>
        <source>Adressen importieren</source>
        <translation>Import addresses</translation>
    </message>
    <message>
        <source>1 neue Adresse in &quot;%1&quot;.</source>
        <translation>1 new address in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 neue Adressen in &quot;%2&quot;.</source>
        <translation>%1 new addresses in &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>1 Adresse ist schon im Adressbuch und wird übergangen.</source>
        <translation>1 address is already in the address book and will be skipped.</translation>
    </message>
    <message>
        <source>%1 Adressen sind schon im Adressbuch und werden übergangen.</source>
        <translation>%1 addresses are already in the address book and will be skipped.</translation>
    </message>
    <message>
        <source>Nicht lesbar und nicht übernommen (%1):</source>
        <translation>Unreadable and not imported (%1):</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgDefaultBase</name>
    <message>
        <source>Vorgabetexte für %1</source>
        <translation>Default texts for %1</translation>
    </message>
    <message>
        <source>Geben Sie hier den Ort an, der im Feld zum Datum eingesetzt werden soll.</source>
        <translation>Enter the place to be put beside the date in the box.</translation>
    </message>
    <message>
        <source>Wenn Sie diese Option aktivieren, dann wird bei neuen Dokumenten automatisch das aktuelle Datum eingesetzt</source>
        <translation>With this option on, new documents get today&apos;s date automatically</translation>
    </message>
    <message>
        <source>Wählen Sie hier, welches Datumformat benutzt werden soll.</source>
        <translation>Choose the date format to use.</translation>
    </message>
    <message>
        <source>Stadt</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Datumformat</source>
        <translation>Date format</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;OK&quot;</source>
        <translation>Button &quot;OK&quot;</translation>
    </message>
    <message>
        <source>Dialog beenden und alle Einstellungen sichern</source>
        <translation>Close the dialog and save all settings</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Abbruch&quot;</source>
        <translation>Button &quot;Cancel&quot;</translation>
    </message>
    <message>
        <source>Abbruch des Dialogs, ohne die Änderungen zu sichern</source>
        <translation>Close the dialog without saving the changes</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Hilfe&quot;</source>
        <translation>Button &quot;Help&quot;</translation>
    </message>
    <message>
        <source>Aufruf der On-Line Hilfe</source>
        <translation>Opens the online help</translation>
    </message>
    <message>
        <source>Geben Sie den Namen und die Adresse des Absenders an.
Wenn Sie hier Angaben machen, dann werden diese automatisch in neue Dokument eingefügt.</source>
        <translation>Enter the name and address of the sender.
Whatever you enter here is put into new documents automatically.</translation>
    </message>
    <message>
        <source>Vorgabe für Formularhersteller</source>
        <translation>Default form publisher</translation>
    </message>
    <message>
        <source>Wählen Sie hier den Hersteller des Formulars aus, um die Ausdrucke passgenau zu bedrucken.</source>
        <translation>Choose the publisher of your forms so that the printout fits them exactly.</translation>
    </message>
</context>
<context>
    <name>CDlgDefaultCMR</name>
    <message>
        <source>Feld 6 bis 9 bei der Eingabe
als ein Feld behandeln</source>
        <translation>Treat boxes 6 to 9 as one box
when typing</translation>
    </message>
    <message>
        <source>Geben Sie den Namen und die Adresse des Frachtführers ein.
Wenn Sie hier Angaben machen, dann werden diese automatisch in neue Dokument eingefügt.</source>
        <translation>Enter the name and address of the carrier.
Whatever you enter here is put into new documents automatically.</translation>
    </message>
    <message>
        <source>Vorgabe für Feld 1</source>
        <translation>Default for box 1</translation>
    </message>
    <message>
        <source>Vorgabe für Feld 16</source>
        <translation>Default for box 16</translation>
    </message>
    <message>
        <source>Vorgabe für Feld 22</source>
        <translation>Default for box 22</translation>
    </message>
    <message>
        <source>Vorgabe für Feld 23</source>
        <translation>Default for box 23</translation>
    </message>
    <message>
        <source>Option für Feld 6 bis 9 (Warenbezeichnungen)</source>
        <translation>Option for boxes 6 to 9 (description of goods)</translation>
    </message>
    <message>
        <source>Wenn Sie diese Option aktivieren, dann werden die Felder 6 bis 9 als ein Eingabefeld behandelt</source>
        <translation>With this option on, boxes 6 to 9 are treated as one box for typing</translation>
    </message>
    <message>
        <source> Feld 1 - Absender </source>
        <translation> Box 1 - Sender </translation>
    </message>
    <message>
        <source> Feld 16 - Frachtführer </source>
        <translation> Box 16 - Carrier </translation>
    </message>
    <message>
        <source> Feld 22 - Absender </source>
        <translation> Box 22 - Sender </translation>
    </message>
    <message>
        <source> Feld 23 - Frachtführer </source>
        <translation> Box 23 - Carrier </translation>
    </message>
    <message>
        <source> Feld 21 </source>
        <translation> Box 21 </translation>
    </message>
    <message>
        <source>Feld automatisch ausfüllen</source>
        <translation>Fill in the box automatically</translation>
    </message>
    <message>
        <source>Vorgabe für Feld 21</source>
        <translation>Default for box 21</translation>
    </message>
    <message>
        <source> Formularhersteller </source>
        <translation> Form publisher </translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgDefaultNatFb</name>
    <message>
        <source>Ausgabe 07/2009</source>
        <translation>Edition 07/2009</translation>
    </message>
    <message>
        <source>Ausgabe 01/2007</source>
        <translation>Edition 01/2007</translation>
    </message>
    <message>
        <source>Ausgabe des Formulars</source>
        <translation>Edition of the form</translation>
    </message>
    <message>
        <source>Die Ausgabe, in der neue nationale Frachtbriefe angelegt werden. Vorhandene Frachtbriefe behalten ihre Ausgabe.</source>
        <translation>The edition in which new national consignment notes are created. Existing consignment notes keep their edition.</translation>
    </message>
    <message>
        <source> Ausgabe für neue Frachtbriefe </source>
        <translation> Edition for new consignment notes </translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Vorgabe für Feld A</source>
        <translation>Default for box A</translation>
    </message>
    <message>
        <source>Vorgaben für Feld B</source>
        <translation>Defaults for box B</translation>
    </message>
    <message>
        <source>Geben Sie Informationen zur Beladestelle an.
Wenn Sie hier Angaben machen, dann werden diese automatisch in neue Dokument eingefügt.</source>
        <translation>Enter the details of the loading point.
Whatever you enter here is put into new documents automatically.</translation>
    </message>
    <message>
        <source>Vorgabe zur Beförderung</source>
        <translation>Default for the transport</translation>
    </message>
    <message>
        <source>Vorgabe: Beförderung in offenem Fahrzeug.</source>
        <translation>Default: carriage in an open vehicle.</translation>
    </message>
    <message>
        <source>Vorgabe: Beförderung in geschlossenem Fahrzeug.</source>
        <translation>Default: carriage in a closed vehicle.</translation>
    </message>
    <message>
        <source> Feld A Absender</source>
        <translation> Box A Sender</translation>
    </message>
    <message>
        <source> Feld B Versandort</source>
        <translation> Box B Place of dispatch</translation>
    </message>
    <message>
        <source>Beladestelle</source>
        <translation>Loading point</translation>
    </message>
    <message>
        <source>Zeile 2</source>
        <translation>Row 2</translation>
    </message>
    <message>
        <source>Zeile 3</source>
        <translation>Row 3</translation>
    </message>
    <message>
        <source> Feld L Tag und Ort der Ausstellung</source>
        <translation> Box L Date and place of issue</translation>
    </message>
    <message>
        <source>Feld L automatisch ausfüllen</source>
        <translation>Fill in box L automatically</translation>
    </message>
    <message>
        <source>Vorgaben für Feld L</source>
        <translation>Defaults for box L</translation>
    </message>
    <message>
        <source> Beförderung in offenem Fahrzeug </source>
        <translation> Carriage in an open vehicle </translation>
    </message>
    <message>
        <source> Formularhersteller </source>
        <translation> Form publisher </translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgDefaultNatIntFb</name>
    <message>
        <source>Vorgabe Für Feld A</source>
        <translation>Default for box A</translation>
    </message>
    <message>
        <source>Vorgaben zum Versandort</source>
        <translation>Defaults for the place of dispatch</translation>
    </message>
    <message>
        <source>Geben Sie Informationen zum Versandort an.
Wenn Sie hier Angaben machen, dann werden diese automatisch in neue Dokument eingefügt.</source>
        <translation>Enter the details of the place of dispatch.
Whatever you enter here is put into new documents automatically.</translation>
    </message>
    <message>
        <source> Feld A - Absender (Name und Anschrift) </source>
        <translation> Box A - Sender (name and address) </translation>
    </message>
    <message>
        <source> Feld B Versandort </source>
        <translation> Box B Place of dispatch </translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Beladestelle</source>
        <translation>Loading point</translation>
    </message>
    <message>
        <source>Gemeindeb.</source>
        <translation>Municipality</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source> Feld D Tag und Ort der Ausstellung</source>
        <translation> Box D Date and place of issue</translation>
    </message>
    <message>
        <source>Feld D automatisch ausfüllen</source>
        <translation>Fill in box D automatically</translation>
    </message>
    <message>
        <source>Vorgaben für Feld D</source>
        <translation>Defaults for box D</translation>
    </message>
    <message>
        <source> Formularhersteller </source>
        <translation> Form publisher </translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgDefaultSpeditionsauftrag</name>
    <message>
        <source>Summe in Feld 2&amp;5 automatisch einfügen</source>
        <translation>Insert the total in box 2&amp;5 automatically</translation>
    </message>
    <message>
        <source>Summe in Feld 2&amp;7 automatisch einfügen</source>
        <translation>Insert the total in box 2&amp;7 automatically</translation>
    </message>
    <message>
        <source>Summe in Feld 2&amp;8 automatisch einfügen</source>
        <translation>Insert the total in box 2&amp;8 automatically</translation>
    </message>
    <message>
        <source>Vorgabe Für Feld 1</source>
        <translation>Default for box 1</translation>
    </message>
    <message>
        <source>Vorgaben für automatische Summenbildung</source>
        <translation>Defaults for automatic totals</translation>
    </message>
    <message>
        <source>Bei aktivierter Option wird die Summe aus der Spalte 19 (Anzahl) für Feld 25 errechnet und automatisch eingefügt.</source>
        <translation>With this option on, the total of column 19 (number) is worked out and inserted into box 25 automatically.</translation>
    </message>
    <message>
        <source>Bei aktivierter Option wird die Summe aus der Spalte 23 (Ladegewicht) für Feld 27 errechnet und automatisch eingefügt.</source>
        <translation>With this option on, the total of column 23 (loading weight) is worked out and inserted into box 27 automatically.</translation>
    </message>
    <message>
        <source>Bei aktivierter Option wird die Summe aus der Spalte 24 (Bruttogewicht) für Feld 28 errechnet und automatisch eingefügt.</source>
        <translation>With this option on, the total of column 24 (gross weight) is worked out and inserted into box 28 automatically.</translation>
    </message>
    <message>
        <source>Vorgabe für Dezimalstellen</source>
        <translation>Default decimal places</translation>
    </message>
    <message>
        <source>Hier legen Sie fest, wieviel Dezimalstellen in der Spalte 23 und Feld 27 benutzt werden. Das Programm formatiert die Eingaben automatisch.</source>
        <translation>Set how many decimal places column 23 and box 27 use. The program formats what you type automatically.</translation>
    </message>
    <message>
        <source>Hier legen Sie fest, wieviel Dezimalstellen in der Spalte 24 und Feld 28 benutzt werden. Das Programm formatiert die Eingaben automatisch.</source>
        <translation>Set how many decimal places column 24 and box 28 use. The program formats what you type automatically.</translation>
    </message>
    <message>
        <source> Feld 1 (Versender) </source>
        <translation> Box 1 (Consignor) </translation>
    </message>
    <message>
        <source>Dezimalstellen in Spalte 2&amp;3</source>
        <translation>Decimal places in column 2&amp;3</translation>
    </message>
    <message>
        <source>Dezimalstellen in Spalte 2&amp;4</source>
        <translation>Decimal places in column 2&amp;4</translation>
    </message>
    <message>
        <source> Formularhersteller </source>
        <translation> Form publisher </translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgDrucken</name>
    <message>
        <source>%1 drucken</source>
        <translation>Print %1</translation>
    </message>
    <message>
        <source> Ausgewählter Drucker </source>
        <translation> Selected printer </translation>
    </message>
    <message>
        <source>Ausrichtung:</source>
        <translation>Orientation:</translation>
    </message>
    <message>
        <source> Papierformat </source>
        <translation> Paper size </translation>
    </message>
    <message>
        <source> Hinweise </source>
        <translation> Notes </translation>
    </message>
    <message>
        <source>Diesen Drucker für dieses Formular wieder benutzen</source>
        <translation>Use this printer again for this form</translation>
    </message>
    <message>
        <source> Druckvorgaben </source>
        <translation> Print settings </translation>
    </message>
    <message>
        <source>Anzahl:</source>
        <translation>Copies:</translation>
    </message>
    <message>
        <source>Auf den Vordruck (nur Feldtexte und Markierungen)</source>
        <translation>On the pre-printed form (box texts and marks only)</translation>
    </message>
    <message>
        <source>Auf Normalpapier (ganzes Formular)</source>
        <translation>On plain paper (the whole form)</translation>
    </message>
    <message>
        <source>Exemplare beschriften</source>
        <translation>Label the copies</translation>
    </message>
    <message>
        <source> Ausgabe </source>
        <translation> Output </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Druckereinrichtung</source>
        <translation>Printer setup</translation>
    </message>
    <message>
        <source>Seitenansicht</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Stellen Sie Ihren Drucker auf &quot;Hochformat&quot; um, damit das Formular richtig ausgedruckt wird.</source>
        <translation>Switch your printer to &quot;Portrait&quot; so that the form is printed correctly.</translation>
    </message>
    <message>
        <source>Seite %1 drucken</source>
        <translation>Print page %1</translation>
    </message>
    <message>
        <source>Beachten Sie die Papiereinstellung &quot;A4&quot;, die aktuell benutzten Formulare sind in diesem Format (Laserdrucker).</source>
        <translation>Mind the paper setting &quot;A4&quot;: the forms in use today come in this size (laser printer).</translation>
    </message>
    <message>
        <source>Die Kopien werden als die Exemplare des Formulars gedruckt, jedes in seiner Farbe und mit seiner Beschriftung am Rand:
%1
Weitere Kopien bleiben ohne Beschriftung.</source>
        <translation>The copies are printed as the copies of the form, each in its colour and with its label in the margin:
%1
Any further copies have no label.</translation>
    </message>
</context>
<context>
    <name>CDlgDruckerEinmessen</name>
    <message>
        <source>Seite 1</source>
        <translation>Page 1</translation>
    </message>
    <message>
        <source>Vorderseite</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Rückseite</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Drucker einmessen - %1</source>
        <translation>Calibrate the printer - %1</translation>
    </message>
    <message>
        <source>1. Kalibrierblatt drucken</source>
        <translation>1. Print the calibration sheet</translation>
    </message>
    <message>
        <source>Kalibrierblatt drucken...</source>
        <translation>Print calibration sheet...</translation>
    </message>
    <message>
        <source>Seite:</source>
        <translation>Page:</translation>
    </message>
    <message>
        <source>Das Kalibrierblatt trägt zwei Kreuze mit Millimeterskalen dort, wo der Drucker die Ecken zweier Felder hinsetzt. Drucken Sie es auf normales Papier, eingelegt wie ein Formular.</source>
        <translation>The calibration sheet carries two crosshairs with millimetre scales where the printer puts the corners of two boxes. Print it on plain paper, loaded like a form.</translation>
    </message>
    <message>
        <source>Hersteller: %1</source>
        <translation>Form publisher: %1</translation>
    </message>
    <message>
        <source>2. Ablesen</source>
        <translation>2. Take the readings</translation>
    </message>
    <message>
        <source>Legen Sie das Blatt genau auf ein leeres Formular und halten Sie beide gegen das Licht. Tragen Sie ein, wie weit die Ecke des Feldes vom Mittelpunkt des Kreuzes entfernt liegt, in Millimetern: nach rechts und nach unten mit Plus, nach links und nach oben mit Minus.</source>
        <translation>Lay the sheet exactly on a blank form and hold both up to the light. Enter how far the corner of the box lies from the centre of the crosshair, in millimetres: to the right and down with plus, to the left and up with minus.</translation>
    </message>
    <message>
        <source>nach rechts</source>
        <translation>to the right</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>down</translation>
    </message>
    <message>
        <source>3. Ergebnis</source>
        <translation>3. Result</translation>
    </message>
    <message>
        <source>Werte übernehmen</source>
        <translation>Apply values</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Kreuz %1 (Ecke oben links):</source>
        <translation>Crosshair %1 (top left corner):</translation>
    </message>
    <message>
        <source>Kreuz %1 (Ecke unten rechts):</source>
        <translation>Crosshair %1 (bottom right corner):</translation>
    </message>
    <message>
        <source>Kreuz %1 (Ecke oben links von &quot;%2&quot;):</source>
        <translation>Crosshair %1 (top left corner of &quot;%2&quot;):</translation>
    </message>
    <message>
        <source>Kreuz %1 (Ecke unten rechts von &quot;%2&quot;):</source>
        <translation>Crosshair %1 (bottom right corner of &quot;%2&quot;):</translation>
    </message>
    <message>
        <source>Die Ablesungen ergeben keine Änderung: die Kreuze liegen auf den Ecken der Felder.</source>
        <translation>The readings call for no change: the crosshairs lie on the corners of the boxes.</translation>
    </message>
    <message>
        <source>Neue Werte (%1):</source>
        <translation>New values (%1):</translation>
    </message>
    <message>
        <source>Verschiebung horizontal: %1 (bisher %2)</source>
        <translation>Horizontal shift: %1 (was %2)</translation>
    </message>
    <message>
        <source>Verschiebung vertikal: %1 (bisher %2)</source>
        <translation>Vertical shift: %1 (was %2)</translation>
    </message>
    <message>
        <source>Druckbereich horizontal: %1 (bisher %2)</source>
        <translation>Print area horizontal: %1 (was %2)</translation>
    </message>
    <message>
        <source>Druckbereich vertikal: %1 (bisher %2)</source>
        <translation>Print area vertical: %1 (was %2)</translation>
    </message>
    <message>
        <source>Erwartete Abweichung auf dem zweiten Kalibrierblatt: höchstens %1 mm.</source>
        <translation>Expected deviation on the second calibration sheet: at most %1 mm.</translation>
    </message>
    <message>
        <source>Die Druckbereich-Korrektur gilt für alle Formulare.</source>
        <translation>The print area correction applies to all forms.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.</source>
        <translation>The settings could not be saved.</translation>
    </message>
    <message>
        <source>Zweites Kalibrierblatt drucken...</source>
        <translation>Print second calibration sheet...</translation>
    </message>
    <message>
        <source>Die Werte sind gespeichert. Drucken Sie zur Kontrolle ein zweites Kalibrierblatt: die Kreuze sollten nun auf den Ecken der Felder liegen. Was noch fehlt, tragen Sie wieder ein.</source>
        <translation>The values are saved. Print a second calibration sheet to check: the crosshairs should now lie on the corners of the boxes. Enter whatever is still off in the same way.</translation>
    </message>
    <message>
        <source>Kalibrierblatt drucken</source>
        <translation>Print Calibration Sheet</translation>
    </message>
    <message>
        <source>Kalibrierblatt</source>
        <translation>Calibration sheet</translation>
    </message>
</context>
<context>
    <name>CDlgHelpDialog</name>
    <message>
        <source>Die Eingabe der Daten in diesem Programm erfolgt
direkt im Formular. Immer wenn Sie mit der Maus über
einer Fläche sind, auf der Eingaben möglich sind,
erscheint der unten abgebildete Cursor.</source>
        <translation>In this program you enter the data directly
into the form. Whenever the mouse is over
an area where you can type, the cursor
shown below appears.</translation>
    </message>
    <message>
        <source>Diesen Dialog nicht mehr anzeigen</source>
        <translation>Do not show this dialog again</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sie müssen jetzt nur noch mit der linken Maustaste
klicken und schon ist eine Dateneingabe möglich.</source>
        <translation>Now just click with the left mouse button
and you can start typing.</translation>
    </message>
    <message>
        <source>Zu jedem Formular ist es möglich, einige Felder, die immer wieder mit dem gleichen Text beschrieben werden (Absender etc.) vorzudefinieren.</source>
        <translation>For every form you can predefine boxes that are filled in with the same text again and again (Sender etc.).</translation>
    </message>
    <message>
        <source>Sie erreichen die Dialoge zur Definition der Vorgabe-
texte in jedem Formular mit der Taste F8.</source>
        <translation>In every form, the F8 key opens the dialogs
for defining the default texts.</translation>
    </message>
</context>
<context>
    <name>CDlgNeueDatei</name>
    <message>
        <source>%1 (Ausgabe 01/2007)</source>
        <translation>%1 (Edition 01/2007)</translation>
    </message>
    <message>
        <source>Tarvelomark - Neue Datei</source>
        <translation>Tarvelomark - New file</translation>
    </message>
    <message>
        <source> Wählen Sie bitte, welches Formular Sie bearbeiten möchten.</source>
        <translation> Please choose the form you want to fill in.</translation>
    </message>
    <message>
        <source>Vorhandenes Dokument öffnen...</source>
        <translation>Open existing document...</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgPdfSpeichern</name>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Alle Seiten</source>
        <translation>All pages</translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source> Seiten </source>
        <translation> Pages </translation>
    </message>
    <message>
        <source>Einfache Exemplare, Anzahl:</source>
        <translation>Plain copies, number:</translation>
    </message>
    <message>
        <source> Exemplare </source>
        <translation> Copies </translation>
    </message>
    <message>
        <source>Beschriftete Exemplare, jedes auf eigenen Seiten in seiner Farbe:</source>
        <translation>Labelled copies, each on pages of its own in its colour:</translation>
    </message>
    <message>
        <source>Auch das zusätzliche Exemplar:</source>
        <translation>The additional copy as well:</translation>
    </message>
    <message>
        <source>Anzahl:</source>
        <translation>Number of copies:</translation>
    </message>
    <message>
        <source>Speichern...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgPrinterFontSize</name>
    <message>
        <source>Schriftgrößen für Druck</source>
        <translation>Font Sizes for Printing</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>CDlgProgramOptions</name>
    <message>
        <source>Datendatei für Adressen auswählen</source>
        <translation>Choose the data file for addresses</translation>
    </message>
    <message>
        <source>Adressdaten-Datei (*.dat)</source>
        <translation>Address data file (*.dat)</translation>
    </message>
    <message>
        <source>Programmeinstellungen</source>
        <translation>Program settings</translation>
    </message>
    <message>
        <source>Initialisieren</source>
        <translation>Initialise</translation>
    </message>
    <message>
        <source> Datendateien </source>
        <translation> Data files </translation>
    </message>
    <message>
        <source>Datendatei für Adressen</source>
        <translation>Data file for addresses</translation>
    </message>
    <message>
        <source>Wie das System</source>
        <translation>As the system</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Die Sprache wechselt beim nächsten Start des Programms.</source>
        <translation>The language changes the next time the program starts.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Dateiname der Datendatei für die Adressen</source>
        <translation>File name of the data file for the addresses</translation>
    </message>
    <message>
        <source>Hier tragen Sie den Speicherort der Datendatei für die im Programm hinterlegten Adressen ein.</source>
        <translation>Enter here where the data file for the addresses kept in the program is stored.</translation>
    </message>
    <message>
        <source>Schaltfläche zur Dateiauswahl</source>
        <translation>File selection button</translation>
    </message>
    <message>
        <source>Hier können Sie in einem Explorerfenster die Datei auswählen.</source>
        <translation>Here you can choose the file in a file browser window.</translation>
    </message>
    <message>
        <source>Schaltfläche zur Datei-Initialisierung</source>
        <translation>File initialisation button</translation>
    </message>
    <message>
        <source>Hier können Sie die Datendatei initialisieren, d. h. neu erzeugen. Die alte Datei wird dabei überschrieben.</source>
        <translation>Here you can initialise the data file, i.e. create it anew. The old file is overwritten.</translation>
    </message>
    <message>
        <source>Sprache des Programms</source>
        <translation>Program language</translation>
    </message>
    <message>
        <source>Hier wählen Sie die Sprache der Menüs, Dialoge und Meldungen. &quot;Wie das System&quot; folgt der Sprache, die im System eingestellt ist.</source>
        <translation>Here you choose the language of the menus, dialogs and messages. &quot;As the system&quot; follows the language set in the operating system.</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;OK&quot;</source>
        <translation>&quot;OK&quot; button</translation>
    </message>
    <message>
        <source>Dialog beenden und alle Einstellungen sichern</source>
        <translation>Close the dialog and save all settings</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Abbruch&quot;</source>
        <translation>&quot;Cancel&quot; button</translation>
    </message>
    <message>
        <source>Abbruch des Dialogs, ohne die Änderungen zu sichern</source>
        <translation>Cancel the dialog without saving the changes</translation>
    </message>
    <message>
        <source>Mit dieser Option wird die aktuelle Datenbankdatei
für die Adressdaten gelöscht und eine neue, leere
Datei angelegt. Alle bisherigen Daten werden gelöscht!

Möchten Sie wirklich die Datei initialisieren?</source>
        <translation>This option deletes the current database file
for the address data and creates a new, empty
file. All existing data will be deleted!

Do you really want to initialise the file?</translation>
    </message>
    <message>
        <source>Es ist kein Dateiname für die Adressdaten angegeben.

Bitte einen Dateinamen definieren.</source>
        <translation>No file name has been given for the address data.

Please enter a file name.</translation>
    </message>
</context>
<context>
    <name>CDlgSeitenansicht</name>
    <message>
        <source>Seitenansicht - %1</source>
        <translation>Print Preview - %1</translation>
    </message>
    <message>
        <source>Eine Seite</source>
        <translation>One page</translation>
    </message>
    <message>
        <source>Beide Seiten</source>
        <translation>Both pages</translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Verkleinern</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Ganze Seite</source>
        <translation>Whole page</translation>
    </message>
    <message>
        <source>Seitenbreite</source>
        <translation>Page width</translation>
    </message>
    <message>
        <source> Seite </source>
        <translation> Page </translation>
    </message>
    <message>
        <source> von %1 </source>
        <translation> of %1 </translation>
    </message>
    <message>
        <source>Ränder...</source>
        <translation>Margins...</translation>
    </message>
    <message>
        <source>Drucken...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Druck auf den Vordruck: Feldtexte und Markierungen, das Formular blass darunter.</source>
        <translation>Printing on the pre-printed form: box texts and marks, with the form faint beneath them.</translation>
    </message>
    <message>
        <source>Druck auf Normalpapier: das ganze Formular.</source>
        <translation>Printing on plain paper: the whole form.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Tarvelomark - Hilfe</source>
        <translation>Tarvelomark - Help</translation>
    </message>
    <message>
        <source>:/help/</source>
        <extracomment>Folder of the help pages of this language in the program&apos;s resources; the German pages are in &quot;:/help/&quot;, the English ones in &quot;:/help/en/&quot;.</extracomment>
        <translation>:/help/en/</translation>
    </message>
</context>
<context>
    <name>CKRFormView</name>
    <message>
        <source>Kreuz entfernen</source>
        <translation>Remove cross</translation>
    </message>
</context>
<context>
    <name>CKrEditWindow</name>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>Re&amp;do</translation>
    </message>
    <message>
        <source>Der Text passt nicht in das Feld: 1 Zeichen wurde nicht eingefügt.</source>
        <translation>The text does not fit into the box: 1 character was not inserted.</translation>
    </message>
    <message>
        <source>Der Text passt nicht in das Feld: %1 Zeichen wurden nicht eingefügt.</source>
        <translation>The text does not fit into the box: %1 characters were not inserted.</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Rückgängig (nicht möglich)</source>
        <translation>&amp;Undo (not possible)</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen (nicht möglich)</source>
        <translation>Re&amp;do (not possible)</translation>
    </message>
    <message>
        <source>Alte Funktion: CKrEditWindow::SetFont
CKrEditWindow::DefineFont benutzen!</source>
        <translation>Obsolete function: CKrEditWindow::SetFont
Use CKrEditWindow::DefineFont!</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Überschreiben</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>&amp;Ausschneiden	Strg+X</source>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Kopieren	Strg+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>E&amp;infügen	Strg+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>Einfügemodus ausschalten</source>
        <translation>Switch insert mode off</translation>
    </message>
    <message>
        <source>Einfügemodus einschalten</source>
        <translation>Switch insert mode on</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Bereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Letzte Datei</source>
        <translation>Recent file</translation>
    </message>
    <message>
        <source>Formular&amp;vorgaben</source>
        <translation>Form &amp;defaults</translation>
    </message>
    <message>
        <source>&amp;Symbolleisten und Andockfenster</source>
        <translation>&amp;Toolbars and docking windows</translation>
    </message>
    <message>
        <source>Öffnet das Dokument.</source>
        <translation>Opens this document.</translation>
    </message>
    <message>
        <source>Der Drucker %1 konnte nicht gefunden werden.
Es wird der Standarddrucker verwendet.</source>
        <translation>The printer %1 could not be found.
The default printer is used instead.</translation>
    </message>
</context>
<context>
    <name>CMarginPanel</name>
    <message>
        <source>Durch Verschieben der gedruckten Markierung (oben links) können Sie den Text auf dem Formular positionieren.</source>
        <translation>By moving the printed mark (top left) you can position the text on the form.</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;links&quot;</source>
        <translation>Button &quot;left&quot;</translation>
    </message>
    <message>
        <source>Verschiebt die Druckmarkierung %1mm nach links</source>
        <translation>Moves the print mark %1 mm to the left</translation>
    </message>
    <message>
        <source>Nach links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;rechts&quot;</source>
        <translation>Button &quot;right&quot;</translation>
    </message>
    <message>
        <source>Verschiebt die Druckmarkierung %1mm nach rechts</source>
        <translation>Moves the print mark %1 mm to the right</translation>
    </message>
    <message>
        <source>Nach rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;oben&quot;</source>
        <translation>Button &quot;up&quot;</translation>
    </message>
    <message>
        <source>Verschiebt die Druckmarkierung %1mm nach oben</source>
        <translation>Moves the print mark %1 mm up</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;unten&quot;</source>
        <translation>Button &quot;down&quot;</translation>
    </message>
    <message>
        <source>Verschiebt die Druckmarkierung %1mm nach unten</source>
        <translation>Moves the print mark %1 mm down</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Aktueller Wert</source>
        <translation>Current value</translation>
    </message>
    <message>
        <source>Der linke Rand wird um diesen Wert verändert</source>
        <translation>The left margin is changed by this value</translation>
    </message>
    <message>
        <source>Der obere Rand wird um diesen Wert verändert</source>
        <translation>The top margin is changed by this value</translation>
    </message>
    <message>
        <source>Vor dem Druck diesen Dialog nicht anzeigen</source>
        <translation>Don&apos;t show this dialog before printing</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Verhindert diesen Dialog vor jedem Druckvorgang</source>
        <translation>Stops this dialog from appearing before every print</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>vertikal</source>
        <translation>vertical</translation>
    </message>
</context>
<context>
    <name>CRangeSpinBox</name>
    <message>
        <source>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</source>
        <translation>Please enter a whole number between %1 and %2.</translation>
    </message>
</context>
<context>
    <name>CResetQuestion</name>
    <message>
        <source>Ja, Werte zurücksetzen, Programm beenden.</source>
        <translation>Yes, reset the values and quit the program.</translation>
    </message>
    <message>
        <source>Nein, zurück zum Programm.</source>
        <translation>No, back to the program.</translation>
    </message>
    <message>
        <source>Achtung!</source>
        <translation>Warning!</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>© Norvak – Formulare für den Straßengüterverkehr</source>
        <translation>© Norvak – Forms for road freight transport</translation>
    </message>
    <message>
        <source>Frachtbriefe ausfüllen und drucken</source>
        <translation>Fill in and print consignment notes</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
</context>
<context>
    <name>CTarvelomarkApp</name>
    <message>
        <source>0 (Systemeinstellung)</source>
        <translation>0 (system setting)</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>%1 x %2 Pixel, %3 dpi, Faktor %4</source>
        <translation>%1 x %2 pixels, %3 dpi, factor %4</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>%1 (%2, Nummer %3)</source>
        <translation>%1 (%2, number %3)</translation>
    </message>
    <message>
        <source>Erstellt am</source>
        <translation>Built on</translation>
    </message>
    <message>
        <source>Programmdatei</source>
        <translation>Program file</translation>
    </message>
    <message>
        <source>Qt-Version</source>
        <translation>Qt version</translation>
    </message>
    <message>
        <source>%1 (erstellt mit %2)</source>
        <translation>%1 (built with %2)</translation>
    </message>
    <message>
        <source>Plattform</source>
        <translation>Platform</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Anzeigegröße</source>
        <translation>Display size</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Einstellungsdatei</source>
        <translation>Settings file</translation>
    </message>
    <message>
        <source>Adressdatei</source>
        <translation>Address file</translation>
    </message>
    <message>
        <source>Datenordner</source>
        <translation>Data folder</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Druckeinrichtung</source>
        <translation>Print setup</translation>
    </message>
</context>
<context>
    <name>CUpdateIndexQuery</name>
    <message>
        <source>Interner Anwendungsfehler.</source>
        <translation>Internal application error.</translation>
    </message>
    <message>
        <source>Zeitüberschreitung: %1 hat nicht rechtzeitig geantwortet.</source>
        <translation>Timeout: %1 did not answer in time.</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Kreuz %1 fehlt: mit diesen Rändern läge es außerhalb des Bereichs, den der Drucker bedrucken kann. Stellen Sie den Ausdruck zuerst mit &quot;Ränder...&quot; grob ein.</source>
        <translation>Crosshair %1 is missing: with these margins it would lie outside the area the printer can print on. First adjust the printout roughly with &quot;Margins...&quot;.</translation>
    </message>
    <message>
        <source>Ecke oben links</source>
        <translation>top left corner</translation>
    </message>
    <message>
        <source>Ecke unten rechts</source>
        <translation>bottom right corner</translation>
    </message>
    <message>
        <source>Formular: %1; Hersteller: %2</source>
        <translation>Form: %1; form publisher: %2</translation>
    </message>
    <message>
        <source>Vorderseite</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Rückseite</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Formular: %1, %2; Hersteller: %3</source>
        <translation>Form: %1, %2; form publisher: %3</translation>
    </message>
    <message>
        <source>Gedruckt am %1 mit den Rändern links %2 mm und oben %3 mm und der Druckbereich-Korrektur horizontal %4 % und vertikal %5 %.</source>
        <translation>Printed on %1 with margins of %2 mm left and %3 mm top and a print area correction of %4 % horizontal and %5 % vertical.</translation>
    </message>
    <message>
        <source>1. Legen Sie dieses Blatt genau auf ein leeres Formular und halten Sie beide gegen das Licht.</source>
        <translation>1. Lay this sheet exactly on a blank form and hold both up to the light.</translation>
    </message>
    <message>
        <source>2. Lesen Sie an jedem Kreuz ab, wie weit die Ecke des Feldes vom Mittelpunkt des Kreuzes entfernt liegt: nach rechts und nach unten mit Plus, nach links und nach oben mit Minus, in Millimetern.</source>
        <translation>2. At each crosshair, read how far the corner of the box lies from the centre of the crosshair: to the right and down with plus, to the left and up with minus, in millimetres.</translation>
    </message>
    <message>
        <source>3. Tragen Sie die vier Werte im Assistenten &quot;Drucker einmessen...&quot; ein.</source>
        <translation>3. Enter the four values in the &quot;Calibrate the printer...&quot; assistant.</translation>
    </message>
    <message>
        <source>Kalibrierblatt</source>
        <translation>Calibration sheet</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%1: &quot;addresses&quot; muss eine Liste sein und steht allein.</source>
        <translation>%1: &quot;addresses&quot; must be a list and stand alone.</translation>
    </message>
    <message>
        <source>%1: Eine Adresse muss ein Text oder eine nicht leere Liste von Zeilen sein.</source>
        <translation>%1: An address must be a text or a non-empty list of lines.</translation>
    </message>
    <message>
        <source>%1: Adressen werden als .csv oder .vcf übernommen und ausgegeben.</source>
        <translation>%1: Addresses are imported and exported as .csv or .vcf.</translation>
    </message>
    <message>
        <source>Übernommen: %1, schon vorhanden: %2, nicht lesbar: %3</source>
        <translation>Imported: %1, already present: %2, unreadable: %3</translation>
    </message>
    <message>
        <source>Standardeingabe</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>%1: kein JSON-Objekt (%2)</source>
        <translation>%1: not a JSON object (%2)</translation>
    </message>
    <message>
        <source>%1: &quot;form&quot; muss cmr, national, kombi oder forwarding sein.</source>
        <translation>%1: &quot;form&quot; must be cmr, national, kombi or forwarding.</translation>
    </message>
    <message>
        <source>Das Formular %1 hat keine beschrifteten Exemplare.</source>
        <translation>The form %1 has no labelled copies.</translation>
    </message>
    <message>
        <source>%1: Alle Seiten und Exemplare werden nur als PDF-Datei (.pdf) geschrieben.</source>
        <translation>%1: All pages and copies are written only as a PDF file (.pdf).</translation>
    </message>
    <message>
        <source>Alle Seiten und Exemplare werden nur in Originalgröße (--zoom 10) geschrieben.</source>
        <translation>All pages and copies are written only at original size (--zoom 10).</translation>
    </message>
    <message>
        <source>Zeichnen braucht eine QGuiApplication.</source>
        <translation>Drawing needs a QGuiApplication.</translation>
    </message>
    <message>
        <source>%1: Der Druck wird nur als PDF-Datei (.pdf) geschrieben.</source>
        <translation>%1: The print is written only as a PDF file (.pdf).</translation>
    </message>
    <message>
        <source>Drucken braucht eine QGuiApplication.</source>
        <translation>Printing needs a QGuiApplication.</translation>
    </message>
    <message>
        <source>Seite des Formulars: 1 (Vorderseite), 2 (Rückseite); bei render auch all (alle Seiten als ganzes Formular).</source>
        <translation>Page of the form: 1 (front), 2 (back); with render also all (all pages as the whole form).</translation>
    </message>
    <message>
        <source>SEITE</source>
        <translation>PAGE</translation>
    </message>
    <message>
        <source>Maßstab von 10 (Originalgröße) bis 25.</source>
        <translation>Scale from 10 (original size) to 25.</translation>
    </message>
    <message>
        <source>render: N einfache Exemplare (1 bis 99), labelled oder labelled-all (beschriftete Exemplare); print: 1 bis 99 Kopien (ohne Angabe &quot;DruckAnzahl&quot;).</source>
        <translation>render: N plain copies (1 to 99), labelled or labelled-all (labelled copies); print: 1 to 99 copies (if not given, the setting &quot;DruckAnzahl&quot;).</translation>
    </message>
    <message>
        <source>ANZAHL</source>
        <translation>COUNT</translation>
    </message>
    <message>
        <source>Schreibt je Eingabedatei eine Ausgabe gleichen Namens in diesen Ordner; nötig bei mehreren Eingabedateien.</source>
        <translation>Writes one output of the same name per input file into this folder; needed with several input files.</translation>
    </message>
    <message>
        <source>ORDNER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Mit --output-dir: pdf (Vorgabe) oder png.</source>
        <translation>With --output-dir: pdf (default) or png.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>JSON ohne Einrückung, eine Zeile.</source>
        <translation>JSON without indentation, on one line.</translation>
    </message>
    <message>
        <source>Diese Hilfe.</source>
        <translation>This help.</translation>
    </message>
    <message>
        <source>Die Version des Programms.</source>
        <translation>The version of the program.</translation>
    </message>
    <message>
        <source>Hilfe: %1</source>
        <translation>Help: %1</translation>
    </message>
    <message>
        <source>--page nimmt 1 oder 2 oder all, nicht &quot;%1&quot;.</source>
        <translation>--page takes 1, 2 or all, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--page nimmt 1 oder 2, nicht &quot;%1&quot;.</source>
        <translation>--page takes 1 or 2, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--zoom nimmt 10 bis 25, nicht &quot;%1&quot;.</source>
        <translation>--zoom takes 10 to 25, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--copies nimmt 1 bis %1, labelled oder labelled-all, nicht &quot;%2&quot;.</source>
        <translation>--copies takes 1 to %1, labelled or labelled-all, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--copies nimmt 1 bis %1, nicht &quot;%2&quot;.</source>
        <translation>--copies takes 1 to %1, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1: Der Ordner lässt sich nicht anlegen.</source>
        <translation>%1: The folder cannot be created.</translation>
    </message>
    <message>
        <source>Mit --output-dir werden nur Dateien gelesen, nicht &quot;-&quot;.</source>
        <translation>With --output-dir only files are read, not &quot;-&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n Dateien nicht verarbeitet.</source>
        <translation>
            <numerusform>%1 of %n file not processed.</numerusform>
            <numerusform>%1 of %n files not processed.</numerusform>
        </translation>
    </message>
    <message>
        <source>Mehrere Dateien brauchen --output-dir.</source>
        <translation>Several files need --output-dir.</translation>
    </message>
    <message>
        <source>Die Ausgabe ist eine Datei; &quot;-&quot; geht hier nicht.</source>
        <translation>The output must be a file; &quot;-&quot; cannot be used here.</translation>
    </message>
    <message>
        <source>Die Quelle ist eine Datei; &quot;-&quot; geht hier nicht.</source>
        <translation>The source must be a file; &quot;-&quot; cannot be used here.</translation>
    </message>
    <message>
        <source>Die Adressdatendatei ist eine Datei; &quot;-&quot; geht hier nicht.</source>
        <translation>The address data file must be a file; &quot;-&quot; cannot be used here.</translation>
    </message>
    <message>
        <source>Unbekanntes Formular &quot;%1&quot; (cmr, national, kombi, forwarding).</source>
        <translation>Unknown form &quot;%1&quot; (cmr, national, kombi, forwarding).</translation>
    </message>
    <message>
        <source>Eingabedatei und Ausgabedatei fehlen.</source>
        <translation>Input file and output file are missing.</translation>
    </message>
    <message>
        <source>Mehrere Eingabedateien brauchen --output-dir statt einer Ausgabedatei.</source>
        <translation>Several input files need --output-dir instead of an output file.</translation>
    </message>
    <message>
        <source>Die Ausgabe ist eine Datei (.png oder .pdf); &quot;-&quot; (Standardausgabe) geht hier nicht.</source>
        <translation>The output must be a file (.png or .pdf); &quot;-&quot; (standard output) cannot be used here.</translation>
    </message>
    <message>
        <source>--format gilt nur mit --output-dir.</source>
        <translation>--format applies only with --output-dir.</translation>
    </message>
    <message>
        <source>--format nimmt pdf oder png, nicht &quot;%1&quot;.</source>
        <translation>--format takes pdf or png, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--format nimmt pdf, nicht &quot;%1&quot;.</source>
        <translation>--format takes pdf, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>DATEI|- ...</source>
        <translation>FILE|- ...</translation>
    </message>
    <message>
        <source>Dokument oder Adressdatendatei als JSON ausgeben (&quot;-&quot;: Standardeingabe).</source>
        <translation>Write a document or address data file as JSON (&quot;-&quot;: standard input).</translation>
    </message>
    <message>
        <source>JSON|- AUSGABE</source>
        <translation>JSON|- OUTPUT</translation>
    </message>
    <message>
        <source>Dokument oder Adressdatendatei aus JSON erzeugen.</source>
        <translation>Create a document or address data file from JSON.</translation>
    </message>
    <message>
        <source>FORMULAR AUSGABE</source>
        <translation>FORM OUTPUT</translation>
    </message>
    <message>
        <source>Neues Dokument (cmr, national, kombi, forwarding) mit Vorgabetexten.</source>
        <translation>New document (cmr, national, kombi, forwarding) with the default texts.</translation>
    </message>
    <message>
        <source>DATEI... AUSGABE.png|AUSGABE.pdf</source>
        <translation>FILE... OUTPUT.png|OUTPUT.pdf</translation>
    </message>
    <message>
        <source>Formular mit Feldtexten zeichnen, wie der Bildschirm es zeigt; mit --copies oder --page all das ganze Formular als PDF.</source>
        <translation>Draw the form with its box texts as the screen shows it; with --copies or --page all, the whole form as a PDF.</translation>
    </message>
    <message>
        <source>DATEI... AUSGABE.pdf</source>
        <translation>FILE... OUTPUT.pdf</translation>
    </message>
    <message>
        <source>Den Druck auf das Vordruckformular als A4-PDF schreiben, eine Seite je Kopie.</source>
        <translation>Write what is printed onto the pre-printed form as an A4 PDF, one page per copy.</translation>
    </message>
    <message>
        <source>QUELLE.csv|QUELLE.vcf ADRESSDATEI</source>
        <translation>SOURCE.csv|SOURCE.vcf ADDRESSFILE</translation>
    </message>
    <message>
        <source>Adressen übernehmen, die der Adressdatendatei fehlen.</source>
        <translation>Import the addresses that the address data file lacks.</translation>
    </message>
    <message>
        <source>ADRESSDATEI AUSGABE.csv|AUSGABE.vcf</source>
        <translation>ADDRESSFILE OUTPUT.csv|OUTPUT.vcf</translation>
    </message>
    <message>
        <source>Adressen für Tabellen (CSV) oder Adressbücher (vCard) schreiben.</source>
        <translation>Write the addresses for spreadsheets (CSV) or address books (vCard).</translation>
    </message>
    <message>
        <source>Aufruf: tarvelomark-cli BEFEHL [OPTIONEN] ARGUMENTE</source>
        <translation>Usage: tarvelomark-cli COMMAND [OPTIONS] ARGUMENTS</translation>
    </message>
    <message>
        <source>Liest und schreibt Frachtbriefe und Adressdaten von Tarvelomark ohne Fenster.</source>
        <translation>Reads and writes consignment notes and address data of Tarvelomark without a window.</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>Allgemeine Optionen:</source>
        <translation>General options:</translation>
    </message>
    <message>
        <source>Hilfe zu einem Befehl: tarvelomark-cli BEFEHL --help
Exit-Status: 0 erledigt, 1 eine Datei ließ sich nicht lesen oder
schreiben, 2 falscher Aufruf.</source>
        <translation>Help on a command: tarvelomark-cli COMMAND --help
Exit status: 0 done, 1 a file could not be read or written,
2 wrong usage.</translation>
    </message>
    <message>
        <source>Aufruf: tarvelomark-cli %1 [OPTIONEN] %2</source>
        <translation>Usage: tarvelomark-cli %1 [OPTIONS] %2</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Unbekannter Befehl &quot;%1&quot;.</source>
        <translation>Unknown command &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unbekannte Option &quot;%1%2&quot;.</source>
        <translation>Unknown option &quot;%1%2&quot;.</translation>
    </message>
    <message>
        <source>Eine Option braucht einen Wert (%1).</source>
        <translation>An option needs a value (%1).</translation>
    </message>
    <message>
        <source>--%1 steht mehr als einmal.</source>
        <translation>--%1 is given more than once.</translation>
    </message>
    <message>
        <source>Erwartet: %1 (%2 angegeben).</source>
        <translation>Expected: %1 (%2 given).</translation>
    </message>
</context>
<context>
    <name>CommandPrompts</name>
    <message>
        <source>Stellt den zuletzt rückgängig gemachten Vorgang wieder her.
Wiederherstellen</source>
        <translation>Redoes the action last undone.
Redo</translation>
    </message>
    <message>
        <source>Erstellt ein neues Formular.
Neu</source>
        <translation>Creates a new form.
New</translation>
    </message>
    <message>
        <source>Erstellt ein neues Formular mit den Texten des aktiven Dokuments.
Neu aus diesem Dokument</source>
        <translation>Creates a new form with the texts of the active document.
New from this document</translation>
    </message>
    <message>
        <source>Öffnet ein vorhandenes Dokument.
Öffnen</source>
        <translation>Opens an existing document.
Open</translation>
    </message>
    <message>
        <source>Schließt das aktive Dokument.
Schließen</source>
        <translation>Closes the active document.
Close</translation>
    </message>
    <message>
        <source>Speichert das aktive Dokument.
Speichern</source>
        <translation>Saves the active document.
Save</translation>
    </message>
    <message>
        <source>Speichert das aktive Dokument unter einem neuen Namen.
Speichern unter</source>
        <translation>Saves the active document under a new name.
Save as</translation>
    </message>
    <message>
        <source>Druckt das aktive Dokument auf das Formular.
Drucken</source>
        <translation>Prints the active document onto the form.
Print</translation>
    </message>
    <message>
        <source>Wählt den Drucker und seine Einstellungen.
Druckeinrichtung</source>
        <translation>Selects the printer and its settings.
Print setup</translation>
    </message>
    <message>
        <source>Zeigt Programmversion und Hinweise an.
Info</source>
        <translation>Shows the program version and notes.
About</translation>
    </message>
    <message>
        <source>Beendet das Programm und fragt, ob geänderte Dokumente gespeichert werden sollen.
Beenden</source>
        <translation>Quits the program and asks whether changed documents are to be saved.
Exit</translation>
    </message>
    <message>
        <source>Zeigt die Übersicht der Hilfe an.
Hilfe Inhalt</source>
        <translation>Shows the overview of the help.
Help contents</translation>
    </message>
    <message>
        <source>Zeigt die Hilfe zum aktuellen Arbeitsschritt an.
Hilfe</source>
        <translation>Shows the help on the current step.
Help</translation>
    </message>
    <message>
        <source>Text aus den definierten Vorgabetexten einfügen...
Vorgaben einfügen</source>
        <translation>Inserts text from the defined default texts...
Insert default texts</translation>
    </message>
    <message>
        <source>Macht den letzten Vorgang rückgängig.
Rückgängig</source>
        <translation>Undoes the last action.
Undo</translation>
    </message>
    <message>
        <source>Überträgt die Auswahl in die Zwischenablage.
Ausschneiden</source>
        <translation>Moves the selection to the clipboard.
Cut</translation>
    </message>
    <message>
        <source>Kopiert die Auswahl in die Zwischenablage.
Kopieren</source>
        <translation>Copies the selection to the clipboard.
Copy</translation>
    </message>
    <message>
        <source>Fügt den Inhalt der Zwischenablage ein.
Einfügen</source>
        <translation>Inserts the contents of the clipboard.
Paste</translation>
    </message>
    <message>
        <source>Markiert das gesamte Dokument.
Alles auswählen</source>
        <translation>Selects the whole document.
Select all</translation>
    </message>
    <message>
        <source>Schaltet den Einfügemodus ein bzw. aus</source>
        <translation>Switches insert mode on or off</translation>
    </message>
    <message>
        <source>Setzt den Eingabefokus auf das nächste Eingabefeld.
Nächstes Eingabefeld</source>
        <translation>Moves the input focus to the next input box.
Next input box</translation>
    </message>
    <message>
        <source>Setzt den Eingabefokus auf das vorherige Eingabefeld.
Voheriges Eingabefeld</source>
        <translation>Moves the input focus to the previous input box.
Previous input box</translation>
    </message>
    <message>
        <source>Bearbeiten der Vorderseite.
Seite 1</source>
        <translation>Edit the front page.
Page 1</translation>
    </message>
    <message>
        <source>Bearbeiten der Rückseite.
Seite 2</source>
        <translation>Edit the back page.
Page 2</translation>
    </message>
    <message>
        <source>Vergößert die Schrift im aktuellen Eingabefeld
Schrift größer</source>
        <translation>Makes the font in the current input box larger
Larger font</translation>
    </message>
    <message>
        <source>Verkleinert die Schrift im aktuellen Eingabefeld
Schrift kleiner</source>
        <translation>Makes the font in the current input box smaller
Smaller font</translation>
    </message>
    <message>
        <source>Schaltet Fettschrift ein bzw. aus
Fettschrift ein/aus</source>
        <translation>Switches bold type on or off
Bold on/off</translation>
    </message>
    <message>
        <source>Gibt den Text im aktellen Eingabefed linksbündig aus
Text linksbündig</source>
        <translation>Prints the text in the current input box left-aligned
Text left-aligned</translation>
    </message>
    <message>
        <source>Gibt den Text im aktellen Eingabefed zentriert aus
Text zentriert</source>
        <translation>Prints the text in the current input box centred
Text centred</translation>
    </message>
    <message>
        <source>Gibt den Text im aktellen Eingabefed rechtsbündig aus
Text rechtsbündig</source>
        <translation>Prints the text in the current input box right-aligned
Text right-aligned</translation>
    </message>
    <message>
        <source>Öffnet einen Dialog zur Korrektur der Schriftgröße beim Druck</source>
        <translation>Opens a dialog for correcting the font size in print</translation>
    </message>
    <message>
        <source>Verschiebt den Ausdruck auf dem Formular.
Ränder</source>
        <translation>Moves the printout on the form.
Margins</translation>
    </message>
    <message>
        <source>Stellt Ränder und Druckbereich mit einem Kalibrierblatt ein.
Drucker einmessen</source>
        <translation>Sets the margins and the print area with a calibration sheet.
Calibrate the printer</translation>
    </message>
    <message>
        <source>Legt die Vorgabetexte dieses Formulars fest.
Formularvorgaben</source>
        <translation>Sets the default texts of this form.
Form defaults</translation>
    </message>
    <message>
        <source>Legt die Formularvorgaben für den CMR-Frachtbrief fest.</source>
        <translation>Sets the form defaults for the CMR consignment note.</translation>
    </message>
    <message>
        <source>Legt die Formularvorgaben für den Nationalen Frachtbrief fest.</source>
        <translation>Sets the form defaults for the National consignment note.</translation>
    </message>
    <message>
        <source>Legt die Formularvorgaben für den Kombi-Frachtbrief fest.</source>
        <translation>Sets the form defaults for the Kombi consignment note.</translation>
    </message>
    <message>
        <source>Bearbeitet die gespeicherten Adressen.
Adressdaten</source>
        <translation>Edits the stored addresses.
Address data</translation>
    </message>
    <message>
        <source>Legt die allgemeinen Einstellungen des Programms fest.
Programmeinstellungen</source>
        <translation>Sets the general settings of the program.
Program settings</translation>
    </message>
    <message>
        <source>Legt die Anzeigegröße der Formulare fest.
Anzeigegröße</source>
        <translation>Sets the display size of the forms.
Display size</translation>
    </message>
    <message>
        <source>Vergrößert die Anzeige des Formulars.
Anzeige größer</source>
        <translation>Enlarges the view of the form.
Zoom in</translation>
    </message>
    <message>
        <source>Verkleinert die Anzeige des Formulars.
Anzeige kleiner</source>
        <translation>Reduces the view of the form.
Zoom out</translation>
    </message>
    <message>
        <source>Zeigt die ganze Seite des Formulars im Fenster, auch wenn sich seine Größe ändert.
Ganze Seite</source>
        <translation>Shows the whole page of the form in the window, also when the window&apos;s size changes.
Whole page</translation>
    </message>
    <message>
        <source>Zeigt das Formular so breit wie das Fenster, auch wenn sich seine Größe ändert.
Seitenbreite</source>
        <translation>Shows the form as wide as the window, also when the window&apos;s size changes.
Page width</translation>
    </message>
    <message>
        <source>Öffnet die Homepage im Internet.
Homepage</source>
        <translation>Opens the home page on the internet.
Home page</translation>
    </message>
    <message>
        <source>Sucht im Internet nach einer neueren Programmversion.
Update</source>
        <translation>Looks on the internet for a newer version of the program.
Update</translation>
    </message>
    <message>
        <source>Blendet die Symbolleiste ein oder aus.
Symbolleiste ein/aus</source>
        <translation>Shows or hides the toolbar.
Toolbar on/off</translation>
    </message>
    <message>
        <source>Blendet die Statusleiste ein oder aus.
Statusleiste ein/aus</source>
        <translation>Shows or hides the status bar.
Status bar on/off</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Ganze Seite</source>
        <translation>&amp;Whole page</translation>
    </message>
    <message>
        <source>Seiten&amp;breite</source>
        <translation>Page wi&amp;dth</translation>
    </message>
    <message>
        <source>F</source>
        <comment>letter on the bold button</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Neu aus diesem Dokument</source>
        <translation>New from this document</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Dru&amp;ckeinrichtung...</source>
        <translation>Print set&amp;up...</translation>
    </message>
    <message>
        <source>Seitenansicht</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Als PDF speichern...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>&amp;Info über Tarvelomark...</source>
        <translation>A&amp;bout Tarvelomark...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Hilfe Inhal&amp;t</source>
        <translation>Help &amp;contents</translation>
    </message>
    <message>
        <source>&amp;Hilfe allgemein</source>
        <translation>&amp;General help</translation>
    </message>
    <message>
        <source>Vorgaben einfügen...</source>
        <translation>Insert default texts...</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>Re&amp;do</translation>
    </message>
    <message>
        <source>&amp;Ausschneiden</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Alles aus&amp;wählen</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>Einfügemodus</source>
        <translation>Insert mode</translation>
    </message>
    <message>
        <source>&amp;Nächstes Eingabefeld</source>
        <translation>&amp;Next input box</translation>
    </message>
    <message>
        <source>&amp;Voheriges Eingabefeld</source>
        <translation>Pre&amp;vious input box</translation>
    </message>
    <message>
        <source>Seite &amp;1</source>
        <translation>Page &amp;1</translation>
    </message>
    <message>
        <source>Seite &amp;2</source>
        <translation>Page &amp;2</translation>
    </message>
    <message>
        <source>Schrift &amp;größer</source>
        <translation>Lar&amp;ger font</translation>
    </message>
    <message>
        <source>Schrift &amp;kleiner</source>
        <translation>S&amp;maller font</translation>
    </message>
    <message>
        <source>Schrift &amp;fett</source>
        <translation>&amp;Bold font</translation>
    </message>
    <message>
        <source>Text &amp;linksbündig</source>
        <translation>Text &amp;left-aligned</translation>
    </message>
    <message>
        <source>Text &amp;zentriert</source>
        <translation>Text c&amp;entred</translation>
    </message>
    <message>
        <source>Text &amp;rechtsbündig</source>
        <translation>Text &amp;right-aligned</translation>
    </message>
    <message>
        <source>Druckerschriftgrößen anpassen...</source>
        <translation>Adjust printer font sizes...</translation>
    </message>
    <message>
        <source>&amp;Ränder...</source>
        <translation>&amp;Margins...</translation>
    </message>
    <message>
        <source>Drucker einmessen...</source>
        <translation>Calibrate the printer...</translation>
    </message>
    <message>
        <source>Formular&amp;vorgaben...</source>
        <translation>Form &amp;defaults...</translation>
    </message>
    <message>
        <source>CMR-Frachtbrief...</source>
        <translation>CMR consignment note...</translation>
    </message>
    <message>
        <source>Nationaler Frachtbrief...</source>
        <translation>National consignment note...</translation>
    </message>
    <message>
        <source>Kombi-Frachtbrief...</source>
        <translation>Kombi consignment note...</translation>
    </message>
    <message>
        <source>Adressdaten editieren...</source>
        <translation>Edit address data...</translation>
    </message>
    <message>
        <source>Allgemeine Programm&amp;einstellungen</source>
        <translation>General program &amp;settings</translation>
    </message>
    <message>
        <source>An&amp;zeigegröße</source>
        <translation>&amp;Display size</translation>
    </message>
    <message>
        <source>Status&amp;leiste</source>
        <translation>&amp;Status bar</translation>
    </message>
    <message>
        <source>Anzeige &amp;größer</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>Anzeige &amp;kleiner</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>Homepage im Internet...</source>
        <translation>Home page on the internet...</translation>
    </message>
    <message>
        <source>Tarvelomark Update vom Internet...</source>
        <translation>Tarvelomark update from the internet...</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
</context>
<context>
    <name>Common_CDlgPrintSizeCorr</name>
    <message>
        <source>Druckbereich-Korrektur</source>
        <translation>Print area correction</translation>
    </message>
    <message>
        <source>Diese Einstellungen verändern den Ausdruck!</source>
        <translation>These settings change the printout!</translation>
    </message>
    <message>
        <source>Korrektur &amp;vertikal:</source>
        <translation>&amp;Vertical correction:</translation>
    </message>
    <message>
        <source>Korrektur &amp;horizontal:</source>
        <translation>&amp;Horizontal correction:</translation>
    </message>
    <message>
        <source>Eingabe mit Punkt; kein Komma!</source>
        <translation>Use a decimal point, not a comma!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Geben Sie eine Zahl ein.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Geben Sie eine Zahl zwischen 97 und 103 ein.</source>
        <translation>Please enter a number between 97 and 103.</translation>
    </message>
</context>
<context>
    <name>Common_DlgAdressDaten</name>
    <message>
        <source>Adressdaten</source>
        <translation>Address data</translation>
    </message>
    <message>
        <source> Wählen Sie im linken Fenster den Datensatz aus, den Sie bearbeiten möchten.</source>
        <translation> In the list on the left, choose the record you want to edit.</translation>
    </message>
    <message>
        <source>Neuer Datensatz</source>
        <translation>New record</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Datensatz löschen</source>
        <translation>Delete record</translation>
    </message>
    <message>
        <source>Dialog beenden</source>
        <translation>Close dialog</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Daten übernehmen</source>
        <translation>Insert data</translation>
    </message>
    <message>
        <source>Importieren...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Exportieren...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Fehler: Adressdatendatei nicht definiert!</source>
        <translation>Error: address data file not defined!</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Adressdetails</source>
        <translation>Address details</translation>
    </message>
    <message>
        <source>Anzeige der kompletten Adresse</source>
        <translation>Shows the complete address</translation>
    </message>
    <message>
        <source>Adressliste</source>
        <translation>Address list</translation>
    </message>
    <message>
        <source>Anzeige der gespeicherten Adressen
Doppelklick zur Bearbeitung</source>
        <translation>Shows the stored addresses
Double-click to edit</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Bearbeiten&quot;</source>
        <translation>&quot;Edit&quot; button</translation>
    </message>
    <message>
        <source>Gibt den ausgewählten Adresseintrag zur Bearbeitung frei</source>
        <translation>Opens the selected address entry for editing</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Neuer Datensatz&quot;</source>
        <translation>&quot;New record&quot; button</translation>
    </message>
    <message>
        <source>Erzeugt einen neuen Adresseintrag</source>
        <translation>Creates a new address entry</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Datensatz löschen&quot;</source>
        <translation>&quot;Delete record&quot; button</translation>
    </message>
    <message>
        <source>Ausgewählten Adresseintrag löschen</source>
        <translation>Deletes the selected address entry</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Daten übernehmen&quot;</source>
        <translation>&quot;Insert data&quot; button</translation>
    </message>
    <message>
        <source>Ausgewählte Daten werden in das Formular übernommen</source>
        <translation>Inserts the selected data into the form</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Speichern&quot;</source>
        <translation>&quot;Save&quot; button</translation>
    </message>
    <message>
        <source>Die Änderungen am Adresseintrag werden gesichert</source>
        <translation>Saves the changes to the address entry</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Abbruch&quot;</source>
        <translation>&quot;Cancel&quot; button</translation>
    </message>
    <message>
        <source>Editieren abbrechen und Änderungen verwerfen</source>
        <translation>Stops editing and discards the changes</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Importieren&quot;</source>
        <translation>&quot;Import&quot; button</translation>
    </message>
    <message>
        <source>Übernimmt Adressen aus einer CSV-Datei (Tabelle) oder vCard-Datei</source>
        <translation>Imports addresses from a CSV file (spreadsheet) or vCard file</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Exportieren&quot;</source>
        <translation>&quot;Export&quot; button</translation>
    </message>
    <message>
        <source>Schreibt alle Adressen als CSV-Datei oder vCard-Datei</source>
        <translation>Writes all addresses as a CSV file or vCard file</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Dialog beenden&quot;</source>
        <translation>&quot;Close dialog&quot; button</translation>
    </message>
    <message>
        <source>Wollen Sie den Datensatz wirklich löschen?</source>
        <translation>Do you really want to delete the record?</translation>
    </message>
    <message>
        <source>Adressen importieren</source>
        <translation>Import addresses</translation>
    </message>
    <message>
        <source>%1:
Adressen werden aus .csv- oder .vcf-Dateien importiert.</source>
        <translation>%1:
Addresses are imported from .csv or .vcf files.</translation>
    </message>
    <message>
        <source>%1:
%2
Es wurde nichts übernommen.</source>
        <translation>%1:
%2
Nothing was imported.</translation>
    </message>
    <message>
        <source>%1:
Adressen werden als .csv- oder .vcf-Datei exportiert.</source>
        <translation>%1:
Addresses are exported as a .csv or .vcf file.</translation>
    </message>
    <message>
        <source>Adressen exportieren</source>
        <translation>Export addresses</translation>
    </message>
    <message>
        <source>Adressen (*.csv *.vcf *.vcard);;CSV-Dateien (*.csv);;vCard-Dateien (*.vcf *.vcard)</source>
        <translation>Addresses (*.csv *.vcf *.vcard);;CSV files (*.csv);;vCard files (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>Adressen.csv</source>
        <translation>Addresses.csv</translation>
    </message>
    <message>
        <source>CSV für Tabellen (*.csv);;vCard für Adressbücher (*.vcf)</source>
        <translation>CSV for spreadsheets (*.csv);;vCard for address books (*.vcf)</translation>
    </message>
</context>
<context>
    <name>Common_DlgMargin01</name>
    <message>
        <source>Ränder einstellen</source>
        <translation>Set Margins</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>Common_DlgMargin02</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Dialog Ränder - Fehler, zu viele Seiten</source>
        <translation>Margins dialog - error, too many pages</translation>
    </message>
</context>
<context>
    <name>Common_DlgSetDisplaySizeFactor</name>
    <message>
        <source>Systemeinstellung benutzen (%1%)</source>
        <translation>Use the system setting (%1%)</translation>
    </message>
    <message>
        <source>Die Formulare werden so groß dargestellt, wie es die Systemeinstellung für die Skalierung des Bildschirms vorgibt.</source>
        <translation>The forms are shown at the size the system setting for the screen&apos;s scaling gives.</translation>
    </message>
    <message>
        <source>Wichtig: Nach einer Änderung wird das Programm beendet und neu gestartet. Vorher fragt es bei jedem geänderten Dokument, ob es gespeichert werden soll.</source>
        <translation>Important: after a change the program quits and starts again. Before that it asks for every changed document whether it is to be saved.</translation>
    </message>
    <message>
        <source>Die neue Anzeigegröße gilt erst nach einem Neustart.
Soll das Programm jetzt beendet und neu gestartet werden?

Vorher fragt es bei jedem geänderten Dokument, ob es gespeichert
werden soll. Mit „Nein“ bleibt die bisherige Anzeigegröße.</source>
        <translation>The new display size applies only after a restart.
Quit the program now and start it again?

Before that it asks for every changed document whether it is to
be saved. With “No” the display size stays as it is.</translation>
    </message>
    <message>
        <source>Anzeigegröße verändern</source>
        <translation>Change display size</translation>
    </message>
    <message>
        <source>Hier können Sie die Anzeigegröße der Formulare festlegen.</source>
        <translation>Here you can set the display size of the forms.</translation>
    </message>
    <message>
        <source>Auswahl der Anzeigegröße</source>
        <translation>Choice of display size</translation>
    </message>
    <message>
        <source>Darstellung mit %1% Größe</source>
        <translation>Shown at %1% size</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;OK&quot;</source>
        <translation>Button &quot;OK&quot;</translation>
    </message>
    <message>
        <source>Dialog beenden</source>
        <translation>Close the dialog</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Abbruch&quot;</source>
        <translation>Button &quot;Cancel&quot;</translation>
    </message>
    <message>
        <source>Abbruch des Dialogs, ohne die Änderungen zu sichern</source>
        <translation>Cancel the dialog without saving the changes</translation>
    </message>
</context>
<context>
    <name>Common_DlgSupportInfo</name>
    <message>
        <source>Support-Informationen</source>
        <translation>Support information</translation>
    </message>
    <message>
        <source>Diese Angaben helfen dem Support bei Ihrer Anfrage. Kopieren Sie sie und fügen Sie sie in Ihre Nachricht ein.</source>
        <translation>This information helps our support with your enquiry. Copy it and paste it into your message.</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>In die &amp;Zwischenablage kopieren</source>
        <translation>Copy to the &amp;clipboard</translation>
    </message>
    <message>
        <source>Kopiert</source>
        <translation>Copied</translation>
    </message>
</context>
<context>
    <name>Common_DlgWebUpdateD</name>
    <message>
        <source>Das Programm konnte auf Ihrem Rechner
leider keinen Internet-Browser finden.</source>
        <translation>Sorry, could not find any internet browser on your system</translation>
    </message>
    <message>
        <source>Die Adresse &quot;%1&quot; in der Einstellung &quot;%2&quot; ist keine gültige http- oder https-Adresse.</source>
        <translation>The address &quot;%1&quot; in the setting &quot;%2&quot; is not a valid http or https address.</translation>
    </message>
    <message>
        <source>Updateinformationen vom Internet laden</source>
        <translation>Load update information from the internet</translation>
    </message>
    <message>
        <source>Download...</source>
        <translation>Download...</translation>
    </message>
    <message>
        <source>KRD WebUpdate</source>
        <translation>KRD WebUpdate</translation>
    </message>
    <message>
        <source>Sie können jetzt informationen aus dem Internet abfragen, ob eine aktualisierte Version Ihres Programms vorliegt. Dazu muß eine Verbindung zum Internet verfügbar sein.</source>
        <translation>You can now ask the internet whether an updated version of your program is available. A connection to the internet is needed for this.</translation>
    </message>
    <message>
        <source>Programm:</source>
        <translation>Program:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Der Download-Pfad &quot;%1&quot; aus dem Updateverzeichnis führt nicht auf den Update-Server.</source>
        <translation>The download path &quot;%1&quot; from the update index does not lead to the update server.</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Unerwartetes Dateiende bei Byte %1.</source>
        <translation>Unexpected end of file at byte %1.</translation>
    </message>
    <message>
        <source>Lesefehler bei Byte %1: %2</source>
        <translation>Read error at byte %1: %2</translation>
    </message>
    <message>
        <source>Beschädigte Datei: ein Datenblock bei Byte %1 verlangt %2 Bytes, es folgen nur noch %3.</source>
        <translation>Damaged file: a data block at byte %1 needs %2 bytes, but only %3 follow.</translation>
    </message>
    <message>
        <source>Beschädigte Datei: eine Zeichenkette bei Byte %1 verlangt %2 Bytes, es folgen nur noch %3.</source>
        <translation>Damaged file: a string at byte %1 needs %2 bytes, but only %3 follow.</translation>
    </message>
    <message>
        <source>Beschädigte Datei: eine Textliste bei Byte %1 verlangt %2 Bytes, es folgen nur noch %3.</source>
        <translation>Damaged file: a list of texts at byte %1 needs %2 bytes, but only %3 follow.</translation>
    </message>
    <message>
        <source>Beschädigte Datei: eine Wortliste bei Byte %1 verlangt %2 Bytes, es folgen nur noch %3.</source>
        <translation>Damaged file: a list of words at byte %1 needs %2 bytes, but only %3 follow.</translation>
    </message>
    <message>
        <source>Beschädigte Datei: eine Textliste bei Byte %1 hat %2 Einträge, höchstens %3 sind möglich.</source>
        <translation>Damaged file: a list of texts at byte %1 has %2 entries; at most %3 are possible.</translation>
    </message>
    <message>
        <source>Beschädigte Datei: eine Wortliste bei Byte %1 hat %2 Einträge, höchstens %3 sind möglich.</source>
        <translation>Damaged file: a list of words at byte %1 has %2 entries; at most %3 are possible.</translation>
    </message>
    <message>
        <source>Beschädigte Datei: der Datensatz der Felder bei Byte %1 ist unbekannt.</source>
        <translation>Damaged file: the record of the boxes at byte %1 is of an unknown kind.</translation>
    </message>
    <message>
        <source>Beschädigte Datei: die Felder bei Byte %1 passen nicht zum Formular.</source>
        <translation>Damaged file: the boxes at byte %1 do not match the form.</translation>
    </message>
    <message>
        <source>Beschädigte Datei: der Datensatz vor Byte %1 hat nur %2 Felder.</source>
        <translation>Damaged file: the record before byte %1 has only %2 boxes.</translation>
    </message>
    <message>
        <source>Beschädigte Datei vor Byte %1: die Liste hat nur %2 Einträge.</source>
        <translation>Damaged file before byte %1: the list has only %2 entries.</translation>
    </message>
    <message>
        <source>Beschädigte Datei vor Byte %1: nur %2 Feldtexte.</source>
        <translation>Damaged file before byte %1: only %2 box texts.</translation>
    </message>
    <message>
        <source>Das Archiv ist zum Schreiben geöffnet.</source>
        <translation>The archive is open for writing.</translation>
    </message>
    <message>
        <source>Das Archiv ist zum Lesen geöffnet.</source>
        <translation>The archive is open for reading.</translation>
    </message>
    <message>
        <source>Schreibfehler: %1</source>
        <translation>Write error: %1</translation>
    </message>
    <message>
        <source>Für diese Datei reicht der Arbeitsspeicher nicht.</source>
        <translation>There is not enough memory for this file.</translation>
    </message>
    <message>
        <source>Die von Ihnen gewählte Datei wurde von
einer älteren Version dieses Programmes
erzeugt und kann nicht geladen werden!

Alle Daten werden zurückgesetzt.</source>
        <translation>The file you chose was created by
an older version of this program
and cannot be loaded!

All data will be reset.</translation>
    </message>
    <message>
        <source>Die von Ihnen gewählte Datei wurde von
einer neueren Version dieses Programmes
erzeugt und kann nicht geladen werden!

Alle Daten werden zurückgesetzt.</source>
        <translation>The file you chose was created by
a newer version of this program
and cannot be loaded!

All data will be reset.</translation>
    </message>
    <message>
        <source>Die von Ihnen gewählte Datei ist
keine Datei für den CMR-Frachtbrief!

Die Datei wird nicht geladen, alle
Felder werden zurückgesetzt!</source>
        <translation>The file you chose is not
a CMR consignment note file!

The file will not be loaded; all
boxes will be reset!</translation>
    </message>
    <message>
        <source>Die von Ihnen gewählte Datei ist
keine Datei für den Nationalen Frachtbrief!

Die Datei wird nicht geladen, alle
Felder werden zurückgesetzt!</source>
        <translation>The file you chose is not
a National consignment note file!

The file will not be loaded; all
boxes will be reset!</translation>
    </message>
    <message>
        <source>Die von Ihnen gewählte Datei ist
keine Datei für den Kombi-Frachtbrief!

Die Datei wird nicht geladen, alle
Felder werden zurückgesetzt!</source>
        <translation>The file you chose is not
a Kombi consignment note file!

The file will not be loaded; all
boxes will be reset!</translation>
    </message>
    <message>
        <source>Die von Ihnen gewählte Datei ist
keine Datei für den Speditionsauftrag!

Die Datei wird nicht geladen, alle
Felder werden zurückgesetzt!</source>
        <translation>The file you chose is not
a Forwarding order file!

The file will not be loaded; all
boxes will be reset!</translation>
    </message>
    <message>
        <source>%1
Die Datei kann nicht gefunden werden.
Überprüfen Sie, ob der korrekte Pfad und Dateiname angegeben wurde.</source>
        <translation>%1
The file cannot be found.
Please check that the path and file name are correct.</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen des Dokuments.</source>
        <translation>The document could not be opened.</translation>
    </message>
    <message>
        <source>Fehler beim Speichern des Dokuments</source>
        <translation>The document could not be saved.</translation>
    </message>
    <message>
        <source>%1
Für dieses Dokument reicht der Arbeitsspeicher nicht.</source>
        <translation>%1
There is not enough memory for this document.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden; die bisherige Datei bleibt unverändert.</source>
        <translation>The file %1 could not be written; the previous file has been left unchanged.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden.</source>
        <translation>The file %1 could not be opened.</translation>
    </message>
    <message>
        <source>Die Datei %1 wird von einem anderen Programm verwendet.</source>
        <translation>The file %1 is in use by another program.</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 darf nicht angelegt werden (Zugriff verweigert).</source>
        <translation>The lock file %1 may not be created (access denied).</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 konnte nicht angelegt werden.</source>
        <translation>The lock file %1 could not be created.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger ist nicht genug Platz.</source>
        <translation>There is not enough space on the disk.</translation>
    </message>
    <message>
        <source>Der zugeteilte Speicherplatz ist erschöpft.</source>
        <translation>The disk quota has been used up.</translation>
    </message>
    <message>
        <source>Die Datei wird zu groß.</source>
        <translation>The file would become too large.</translation>
    </message>
    <message>
        <source>Zugriff verweigert.</source>
        <translation>Access denied.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>The disk is write-protected.</translation>
    </message>
    <message>
        <source>Der Ordner ist nicht vorhanden.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Am Ziel steht ein Ordner.</source>
        <translation>There is a folder at the destination.</translation>
    </message>
    <message>
        <source>Am Ziel steht keine gewöhnliche Datei.</source>
        <translation>There is no ordinary file at the destination.</translation>
    </message>
    <message>
        <source>%1 ist eine Verknüpfung, die einem anderen Benutzer gehört; durch sie wird nicht geschrieben.</source>
        <translation>%1 is a link that belongs to another user; nothing is written through it.</translation>
    </message>
    <message>
        <source>Zu viele Verknüpfungen auf dem Weg zur Datei.</source>
        <translation>Too many links on the way to the file.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>Ein- oder Ausgabefehler des Datenträgers.</source>
        <translation>Input/output error on the disk.</translation>
    </message>
    <message>
        <source>Systemfehler %1 (%2).</source>
        <translation>System error %1 (%2).</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Die Datei
%1
ist nicht vorhanden!</source>
        <translation>The file
%1
does not exist!</translation>
    </message>
    <message>
        <source>Zugriff auf die Datei %1 wurde verweigert.
Bitte wählen Sie eine Datei bzw. Speicherort aus, zu dem Sie Zugriffsrechte haben</source>
        <translation>Access to the file %1 was denied.
Please choose a file or location you have access rights to.</translation>
    </message>
    <message>
        <source>Adressdatei konnte nicht geöffent werden</source>
        <translation>The address data file could not be opened.</translation>
    </message>
    <message>
        <source>Adressdatei konnte nicht geöffent werden (Falscher Typ)</source>
        <translation>The address data file could not be opened (wrong type).</translation>
    </message>
    <message>
        <source>Die Adressdatei &quot;%1&quot;
konnte nicht zum Schreiben geöffnet werden</source>
        <translation>The address data file &quot;%1&quot;
could not be opened for writing.</translation>
    </message>
    <message>
        <source>Adressdatei konnte nicht zum Schreiben geöffnet werden</source>
        <translation>The address data file could not be opened for writing.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Textdatei und damit keine CSV-Datei.</source>
        <translation>The file is not a text file and therefore not a CSV file.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Textdatei und damit keine vCard-Datei.</source>
        <translation>The file is not a text file and therefore not a vCard file.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Adressen.</source>
        <translation>The file contains no addresses.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine vCard-Einträge (BEGIN:VCARD).</source>
        <translation>The file contains no vCard entries (BEGIN:VCARD).</translation>
    </message>
    <message>
        <source>Zeile %1: Ein Anführungszeichen wird nicht geschlossen; die Datei ist wohl unvollständig.</source>
        <translation>Line %1: a quotation mark is never closed; the file is probably incomplete.</translation>
    </message>
    <message>
        <source>Eintrag %1: END:VCARD fehlt; die Datei ist wohl unvollständig.</source>
        <translation>Entry %1: END:VCARD is missing; the file is probably incomplete.</translation>
    </message>
    <message>
        <source>Eintrag %1: vCard-Version &quot;%2&quot; wird nicht gelesen (nur 3.0 und 4.0).</source>
        <translation>Entry %1: vCard version &quot;%2&quot; cannot be read (only 3.0 and 4.0).</translation>
    </message>
    <message>
        <source>Eintrag %1: ohne Namen und Anschrift.</source>
        <translation>Entry %1: no name and no address.</translation>
    </message>
    <message>
        <source>Ein Feld muss als [Text, Format] angegeben werden.</source>
        <translation>A box must be given as [text, format].</translation>
    </message>
    <message>
        <source>Das Format eines Feldes muss eine Zahl von 0 bis 65535 sein.</source>
        <translation>The format of a box must be a number from 0 to 65535.</translation>
    </message>
    <message>
        <source>Unbekannter Eintrag &quot;%1&quot; (erlaubt: form, fields, followFields, word, version, loadError, message, pageWord, followCount).</source>
        <translation>Unknown member &quot;%1&quot; (allowed: form, fields, followFields, word, version, loadError, message, pageWord, followCount).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; muss eine Liste von Feldern sein.</source>
        <translation>&quot;%1&quot; must be a list of boxes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; hat den falschen Typ.</source>
        <translation>&quot;%1&quot; has the wrong type.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; muss eine Zahl von 0 bis 65535 sein.</source>
        <translation>&quot;%1&quot; must be a number from 0 to 65535.</translation>
    </message>
    <message>
        <source>Das Formular %1 hat keine Ankreuzfelder; &quot;word&quot; gibt es hier nicht.</source>
        <translation>The form %1 has no tick boxes; &quot;word&quot; does not apply here.</translation>
    </message>
    <message>
        <source>Zu viele Felder.</source>
        <translation>Too many boxes.</translation>
    </message>
    <message>
        <source>Das Formular hat nur %1 Felder auf den Folgeseiten.</source>
        <translation>The form has only %1 boxes on the following pages.</translation>
    </message>
    <message>
        <source>Die Seite %1 konnte nicht geschrieben werden.</source>
        <translation>The page %1 could not be written.</translation>
    </message>
    <message>
        <source>Bitte tragen Sie jede Ablesung als Zahl in Millimetern ein, zum Beispiel %1 oder %2.</source>
        <translation>Please enter each reading as a number of millimetres, for example %1 or %2.</translation>
    </message>
    <message>
        <source>Die Ablesung am Kreuz %1 (waagerecht) von %2 mm liegt außerhalb der Skala, die nur bis %3 mm reicht. Bitte prüfen Sie die Eingabe oder stellen Sie den Ausdruck zuerst mit &quot;Ränder...&quot; grob ein.</source>
        <translation>The reading of %2 mm at crosshair %1 (horizontal) lies outside the scale, which only reaches %3 mm. Please check the entry, or first adjust the printout roughly with &quot;Margins...&quot;.</translation>
    </message>
    <message>
        <source>Die Ablesung am Kreuz %1 (senkrecht) von %2 mm liegt außerhalb der Skala, die nur bis %3 mm reicht. Bitte prüfen Sie die Eingabe oder stellen Sie den Ausdruck zuerst mit &quot;Ränder...&quot; grob ein.</source>
        <translation>The reading of %2 mm at crosshair %1 (vertical) lies outside the scale, which only reaches %3 mm. Please check the entry, or first adjust the printout roughly with &quot;Margins...&quot;.</translation>
    </message>
    <message>
        <source>Aus diesen Ablesungen ergäbe sich eine Druckbereich-Korrektur (horizontal) von %1 %; möglich sind 97 bis 103 %. Bitte prüfen Sie die Ablesungen.</source>
        <translation>These readings would give a horizontal print area correction of %1 %; 97 to 103 % is possible. Please check the readings.</translation>
    </message>
    <message>
        <source>Aus diesen Ablesungen ergäbe sich eine Druckbereich-Korrektur (vertikal) von %1 %; möglich sind 97 bis 103 %. Bitte prüfen Sie die Ablesungen.</source>
        <translation>These readings would give a vertical print area correction of %1 %; 97 to 103 % is possible. Please check the readings.</translation>
    </message>
    <message>
        <source>Aus diesen Ablesungen ergäbe sich ein linker Rand von %1 mm; die Ränder reichen nur bis %2 mm. Bitte prüfen Sie die Ablesungen.</source>
        <translation>These readings would give a left margin of %1 mm; the margins only go up to %2 mm. Please check the readings.</translation>
    </message>
    <message>
        <source>Aus diesen Ablesungen ergäbe sich ein oberer Rand von %1 mm; die Ränder reichen nur bis %2 mm. Bitte prüfen Sie die Ablesungen.</source>
        <translation>These readings would give a top margin of %1 mm; the margins only go up to %2 mm. Please check the readings.</translation>
    </message>
    <message>
        <source>Die beiden Kreuze liegen zu nahe beieinander, um den Maßstab des Druckers zu messen.</source>
        <translation>The two crosshairs are too close together to measure the printer&apos;s scale.</translation>
    </message>
    <message>
        <source>Das Formular hat keine Seite %1.</source>
        <translation>The form has no page %1.</translation>
    </message>
    <message>
        <source>Der Zoom muss zwischen %1 und %2 liegen.</source>
        <translation>The zoom must be between %1 and %2.</translation>
    </message>
    <message>
        <source>Die Anzahl der Kopien muss zwischen 1 und %1 liegen.</source>
        <translation>The number of copies must be between 1 and %1.</translation>
    </message>
    <message>
        <source>Die Anzahl der Exemplare muss zwischen 1 und %1 liegen.</source>
        <translation>The number of copies of the note must be between 1 and %1.</translation>
    </message>
    <message>
        <source>Es ist keine Seite gewählt.</source>
        <translation>No page is selected.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht ausgeführt werden.</source>
        <translation>The print job could not be carried out.</translation>
    </message>
    <message>
        <source>%1: Die Datei konnte nicht geschrieben werden.</source>
        <translation>%1: the file could not be written.</translation>
    </message>
    <message>
        <source>%1: Nur PNG- und PDF-Dateien (.png, .pdf) können geschrieben werden.</source>
        <translation>%1: only PNG and PDF files (.png, .pdf) can be written.</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>CMR-Frachtbrief (*.cmr)</source>
        <translation>CMR consignment note (*.cmr)</translation>
    </message>
    <message>
        <source>Nationaler Frachtbrief (*.fbr)</source>
        <translation>National consignment note (*.fbr)</translation>
    </message>
    <message>
        <source>Kombi-Frachtbrief (*.fb1)</source>
        <translation>Kombi consignment note (*.fb1)</translation>
    </message>
    <message>
        <source>Speditionsauftrag (*.spa)</source>
        <translation>Forwarding order (*.spa)</translation>
    </message>
    <message>
        <source>Alle Dateien (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Alle Tarvelomark Dateien (*.cmr *.fbr *.fb1 *.spa)</source>
        <translation>All Tarvelomark files (*.cmr *.fbr *.fb1 *.spa)</translation>
    </message>
</context>
<context>
    <name>FormName</name>
    <message>
        <source>CMR-Frachtbrief</source>
        <translation>CMR consignment note</translation>
    </message>
    <message>
        <source>Nationaler Frachtbrief</source>
        <translation>National consignment note</translation>
    </message>
    <message>
        <source>Kombi-Frachtbrief</source>
        <translation>Kombi consignment note</translation>
    </message>
    <message>
        <source>Speditionsauftrag</source>
        <translation>Forwarding order</translation>
    </message>
</context>
<context>
    <name>Margins</name>
    <message>
        <source>Ränder bei Ausdruck %1</source>
        <translation>Margins for printing %1</translation>
    </message>
    <message>
        <source> Vorderseite </source>
        <translation> Front </translation>
    </message>
    <message>
        <source> Rückseite </source>
        <translation> Back </translation>
    </message>
    <message>
        <source>unverändert</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>%1 mm nach rechts</source>
        <translation>%1 mm to the right</translation>
    </message>
    <message>
        <source>%1 mm nach links</source>
        <translation>%1 mm to the left</translation>
    </message>
    <message>
        <source>%1 mm nach unten</source>
        <translation>%1 mm down</translation>
    </message>
    <message>
        <source>%1 mm nach oben</source>
        <translation>%1 mm up</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;OK&quot;</source>
        <translation>Button &quot;OK&quot;</translation>
    </message>
    <message>
        <source>Dialog beenden und alle Einstellungen sichern</source>
        <translation>Close the dialog and save all settings</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Abbruch&quot;</source>
        <translation>Button &quot;Cancel&quot;</translation>
    </message>
    <message>
        <source>Abbruch des Dialogs, ohne die Änderungen zu sichern</source>
        <translation>Close the dialog without saving the changes</translation>
    </message>
    <message>
        <source>Schaltfläche &quot;Hilfe&quot;</source>
        <translation>Button &quot;Help&quot;</translation>
    </message>
    <message>
        <source>Aufruf der On-Line Hilfe</source>
        <translation>Opens the online help</translation>
    </message>
</context>
<context>
    <name>MissingAddressFile</name>
    <message>
        <source>Adressdatendatei</source>
        <translation>Address data file</translation>
    </message>
    <message>
        <source>Die Datei
%1
ist nicht vorhanden!</source>
        <translation>The file
%1
does not exist!</translation>
    </message>
    <message>
        <source>Die Datei &amp;neu erzeugen.</source>
        <translation>&amp;Create the file now.</translation>
    </message>
    <message>
        <source>&amp;Abbruch, Datei nicht erzeugen.</source>
        <translation>C&amp;ancel, do not create the file.</translation>
    </message>
    <message>
        <source>Mehr Informationen</source>
        <translation>More information</translation>
    </message>
    <message>
        <source>Weniger Informationen</source>
        <translation>Less information</translation>
    </message>
    <message>
        <source>Die Datei kann an der angegebenen Stelle jetzt erzeugt werden, oder der Vorgang wird abgebrochen um den Dateinamen in den Programmeinstellungen neu zu definieren.</source>
        <translation>The file can be created at the given location now, or you can cancel and set a different file name in the program settings.</translation>
    </message>
    <message>
        <source>Die Datei
%1
ist nicht vorhanden!
Möchten Sie die Datei jetzt neu anlegen?</source>
        <translation>The file
%1
does not exist!
Do you want to create it now?</translation>
    </message>
</context>
<context>
    <name>PaperNames</name>
    <message>
        <source>Letter 8 1/2 x 11 in</source>
        <translation>Letter 8 1/2 x 11 in</translation>
    </message>
    <message>
        <source>Letter Small 8 1/2 x 11 in</source>
        <translation>Letter Small 8 1/2 x 11 in</translation>
    </message>
    <message>
        <source>Tabloid 11 x 17 in</source>
        <translation>Tabloid 11 x 17 in</translation>
    </message>
    <message>
        <source>Ledger 17 x 11 in</source>
        <translation>Ledger 17 x 11 in</translation>
    </message>
    <message>
        <source>Legal 8 1/2 x 14 in</source>
        <translation>Legal 8 1/2 x 14 in</translation>
    </message>
    <message>
        <source>Statement 5 1/2 x 8 1/2 in</source>
        <translation>Statement 5 1/2 x 8 1/2 in</translation>
    </message>
    <message>
        <source>Executive 7 1/4 x 10 1/2 in</source>
        <translation>Executive 7 1/4 x 10 1/2 in</translation>
    </message>
    <message>
        <source>A3 297 x 420 mm</source>
        <translation>A3 297 x 420 mm</translation>
    </message>
    <message>
        <source>A4 210 x 297 mm</source>
        <translation>A4 210 x 297 mm</translation>
    </message>
    <message>
        <source>A4 klein 210 x 297 mm</source>
        <translation>A4 Small 210 x 297 mm</translation>
    </message>
    <message>
        <source>A5 148 x 210 mm</source>
        <translation>A5 148 x 210 mm</translation>
    </message>
    <message>
        <source>B4 (JIS) 250 x 354</source>
        <translation>B4 (JIS) 250 x 354</translation>
    </message>
    <message>
        <source>B5 (JIS) 182 x 257 mm</source>
        <translation>B5 (JIS) 182 x 257 mm</translation>
    </message>
    <message>
        <source>Folio 8 1/2 x 13 in</source>
        <translation>Folio 8 1/2 x 13 in</translation>
    </message>
    <message>
        <source>Quarto 215 x 275 mm</source>
        <translation>Quarto 215 x 275 mm</translation>
    </message>
    <message>
        <source>10x14 in</source>
        <translation>10x14 in</translation>
    </message>
    <message>
        <source>11x17 in</source>
        <translation>11x17 in</translation>
    </message>
    <message>
        <source>Note 8 1/2 x 11 in</source>
        <translation>Note 8 1/2 x 11 in</translation>
    </message>
    <message>
        <source>Briefumschlag #9 3 7/8 x 8 7/8</source>
        <translation>Envelope #9 3 7/8 x 8 7/8</translation>
    </message>
    <message>
        <source>Briefumschlag #10 4 1/8 x 9 1/2</source>
        <translation>Envelope #10 4 1/8 x 9 1/2</translation>
    </message>
    <message>
        <source>Briefumschlag #11 4 1/2 x 10 3/8</source>
        <translation>Envelope #11 4 1/2 x 10 3/8</translation>
    </message>
    <message>
        <source>Briefumschlag #12 4 ¾ x 11</source>
        <translation>Envelope #12 4 ¾ x 11</translation>
    </message>
    <message>
        <source>Briefumschlag #14 5 x 11 1/2</source>
        <translation>Envelope #14 5 x 11 1/2</translation>
    </message>
    <message>
        <source>C size sheet</source>
        <translation>C size sheet</translation>
    </message>
    <message>
        <source>D size sheet</source>
        <translation>D size sheet</translation>
    </message>
    <message>
        <source>E size sheet</source>
        <translation>E size sheet</translation>
    </message>
    <message>
        <source>Briefumschlag DL 110 x 220mm</source>
        <translation>Envelope DL 110 x 220mm</translation>
    </message>
    <message>
        <source>Briefumschlag C5 162 x 229 mm</source>
        <translation>Envelope C5 162 x 229 mm</translation>
    </message>
    <message>
        <source>Briefumschlag C3  324 x 458 mm</source>
        <translation>Envelope C3  324 x 458 mm</translation>
    </message>
    <message>
        <source>Briefumschlag C4  229 x 324 mm</source>
        <translation>Envelope C4  229 x 324 mm</translation>
    </message>
    <message>
        <source>Briefumschlag C6  114 x 162 mm</source>
        <translation>Envelope C6  114 x 162 mm</translation>
    </message>
    <message>
        <source>Briefumschlag C65 114 x 229 mm</source>
        <translation>Envelope C65 114 x 229 mm</translation>
    </message>
    <message>
        <source>Briefumschlag B4  250 x 353 mm</source>
        <translation>Envelope B4  250 x 353 mm</translation>
    </message>
    <message>
        <source>Briefumschlag B5  176 x 250 mm</source>
        <translation>Envelope B5  176 x 250 mm</translation>
    </message>
    <message>
        <source>Briefumschlag B6  176 x 125 mm</source>
        <translation>Envelope B6  176 x 125 mm</translation>
    </message>
    <message>
        <source>Briefumschlag 110 x 230 mm</source>
        <translation>Envelope 110 x 230 mm</translation>
    </message>
    <message>
        <source>Briefumschlag Monarch 3.875 x 7.5 in</source>
        <translation>Envelope Monarch 3.875 x 7.5 in</translation>
    </message>
    <message>
        <source>Briefumschlag 3 5/8 x 6 1/2 in</source>
        <translation>Envelope 3 5/8 x 6 1/2 in</translation>
    </message>
    <message>
        <source>Briefumschlag 14 7/8 x 11 in</source>
        <translation>Envelope 14 7/8 x 11 in</translation>
    </message>
    <message>
        <source>Endlospapier</source>
        <translation>Continuous paper</translation>
    </message>
    <message>
        <source>B4 (ISO) 250 x 353 mm</source>
        <translation>B4 (ISO) 250 x 353 mm</translation>
    </message>
    <message>
        <source>9 x 11 in</source>
        <translation>9 x 11 in</translation>
    </message>
    <message>
        <source>10 x 11 in</source>
        <translation>10 x 11 in</translation>
    </message>
    <message>
        <source>15 x 11 in</source>
        <translation>15 x 11 in</translation>
    </message>
    <message>
        <source>Benutzerdefiniert</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Unbekanntes Papierformat</source>
        <translation>Unknown paper size</translation>
    </message>
</context>
<context>
    <name>PdfCommand</name>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Druckeinrichtung</source>
        <translation>Print Setup</translation>
    </message>
</context>
<context>
    <name>Reset</name>
    <message>
        <source>Alle Einstellungen löschen</source>
        <translation>Delete all settings</translation>
    </message>
    <message>
        <source>Fenster und Symbolleiste zurücksetzen</source>
        <translation>Reset window and toolbar</translation>
    </message>
    <message>
        <source>Schriftgrößen zurücksetzen</source>
        <translation>Reset font sizes</translation>
    </message>
    <message>
        <source>Mit diesem Aufruf werden alle Einstellungen dieses Programms
aus der Einstellungsdatei gelöscht, auch die Formularvorgaben,
die Ränder und die Liste der zuletzt geöffneten Dateien.
Die Adressdatei selbst bleibt erhalten.</source>
        <translation>This command deletes all settings of this program
from the settings file, the form defaults,
the margins and the list of recently opened files included.
The address file itself is kept.</translation>
    </message>
    <message>
        <source>Mit diesem Aufruf werden Größe und Lage des Programmfensters
und die Anordnung der Symbolleiste auf die Ursprungswerte
zurückgesetzt.</source>
        <translation>This command resets the size and position of the program window
and the arrangement of the toolbar to their original values.</translation>
    </message>
    <message>
        <source>Mit diesem Aufruf werden die Schriftgrößen für Bildschirm, Eingabe
und Druck aus der Einstellungsdatei gelöscht und so auf die
Ursprungswerte zurückgesetzt. Die Werte unter
„Druckerschriftgrößen anpassen“ bleiben erhalten.</source>
        <translation>This command deletes the font sizes for screen, input
and print from the settings file and so resets them to their
original values. The values under
“Adjust printer font sizes” are kept.</translation>
    </message>
    <message>
        <source>Danach wird das Programm beendet. Vorher fragt es bei jedem
geänderten Dokument, ob es gespeichert werden soll; brechen Sie
dort ab, bleibt alles, wie es ist. Beim nächsten Start gelten
die Ursprungswerte.</source>
        <translation>Then the program quits. Before that it asks for every
changed document whether it is to be saved; if you cancel
there, everything stays as it is. At the next start the
original values apply.</translation>
    </message>
</context>
<context>
    <name>UpdatePage</name>
    <message>
        <source>%1 - Programm-Update</source>
        <translation>%1 - Program update</translation>
    </message>
    <message>
        <source>Update für %1 auf Ihren Rechner laden</source>
        <translation>Download the update for %1 to your computer</translation>
    </message>
    <message>
        <source>Laden Sie die Datei auf Ihren Rechner und f&amp;uuml;hren Sie diese aus. Beenden Sie vorher das Programm, das Sie aktualisieren möchten.&lt;BR&gt;Sie installieren damit die aktualisierte Fassung über Ihre bestehende Version (%1) und sind auf dem aktuellen Stand.</source>
        <translation>Download the file to your computer and run it. Close the program you want to update first.&lt;BR&gt;This installs the updated version over your current version (%1) and brings you up to date.</translation>
    </message>
    <message>
        <source>Dieses Update ist kostenfrei.</source>
        <translation>This update is free of charge.</translation>
    </message>
    <message>
        <source>Dieses Upgrade ist kostenpflichtig!</source>
        <translation>This upgrade is subject to a charge!</translation>
    </message>
    <message>
        <source>Informationen zu Upgradepreisen finden Sie auf der hier.</source>
        <translation>Information on upgrade prices can be found here.</translation>
    </message>
    <message>
        <source>%1 Update laden</source>
        <translation>Download %1 update</translation>
    </message>
    <message>
        <source>%1 Version %2 laden</source>
        <translation>Download %1 version %2</translation>
    </message>
    <message>
        <source>Versionsinformation</source>
        <translation>Version information</translation>
    </message>
    <message>
        <source>Versionsinformationen</source>
        <translation>Version information</translation>
    </message>
    <message>
        <source>&lt;B&gt;%1&lt;/B&gt; im Internet</source>
        <translation>&lt;B&gt;%1&lt;/B&gt; on the Internet</translation>
    </message>
</context>
<context>
    <name>UpdateStatus</name>
    <message>
        <source>Die benutzte Version von %1 ist auf dem aktuellen Stand.</source>
        <translation>The version of %1 you are using is up to date.</translation>
    </message>
    <message>
        <source>Die derzeit aktuelle Version von %1 ist die Version %2</source>
        <translation>The current version of %1 is version %2</translation>
    </message>
    <message>
        <source>Fehler bei der Übertragung</source>
        <translation>Transfer error</translation>
    </message>
    <message>
        <source>Es sind noch keine Daten geladen.</source>
        <translation>No data has been downloaded yet.</translation>
    </message>
</context>
</TS>
