#!/usr/bin/env python3
"""The literal check's judgement on small pieces of code: which literals it names
as texts for a person outside a translation call, and which it passes over."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import i18n_check  # noqa: E402

# (code, the literals named in it)
CASES = [
    # Sentences, umlauts, accelerators, a word ending a sentence.
    ('QMessageBox::information(this, title, QStringLiteral("Die Datei fehlt."));',
     ["Die Datei fehlt."]),
    ('const char* name = "Größe";', ["Größe"]),
    ('{Cmd::Save, "&Speichern", {}, "document-save"},', ["&Speichern"]),
    ('status = QStringLiteral("Bereit.");', ["Bereit."]),
    ('err << QStringLiteral("Erwartet: %1 (%2 angegeben).").arg(a, b);',
     ["Erwartet: %1 (%2 angegeben)."]),
    # Single words count where a widget takes its text.
    ('button->setText(QStringLiteral("Abbrechen"));', ["Abbrechen"]),
    ('auto* label = new QLabel(QLatin1String("Anzahl"), this);', ["Anzahl"]),
    ('QCheckBox box("Fett");', ["Fett"]),
    ('menu->addAction(icon, "Drucken");', ["Drucken"]),
    # Translated, logged, asserted, commented, preprocessed: none.
    ('label->setText(tr("Die Datei fehlt."));', []),
    ('QCoreApplication::translate("Cli", "Datei %1 fehlt.");', []),
    ('{Cmd::Redo, QT_TRANSLATE_NOOP("Commands", "&Wiederherstellen")},', []),
    ('qWarning() << "Die Datei fehlt" << path;', []),
    ('Q_ASSERT_X(ok, "Store::Get", "key is missing here");', []),
    ('// Die Datei fehlt.\n/* Größe und Farbe */', []),
    ('#define TVM_TEXT "Die Datei fehlt"', []),
    # Words that are no text: keys, names, formats, style sheets, suffixes.
    ('settings.value(QStringLiteral("Settings/Language"));', []),
    ('widget->setObjectName(QStringLiteral("Datei fehlt"));', []),
    ('date.toString(QStringLiteral("dd.MM.yyyy hh:mm"));', []),
    ('label->setStyleSheet(QStringLiteral("color: gray; font-weight: bold"));', []),
    ('return QStringLiteral("%1 (%2)").arg(name, suffix);', []),
    ('if (path.endsWith(QLatin1String(".cmr"))) return "Speditionsauftrag";', []),
    ('out << R"({"form": "cmr", "fields": []})";', []),
    ('int n = 1\'000; char c = \'"\'; s = "fieldName";', []),
]


class LiteralJudgement(unittest.TestCase):
    def test_cases(self):
        for code, expected in CASES:
            with self.subTest(code=code):
                scanner = i18n_check.Scanner()
                scanner.scan("src/x.cpp", code)
                self.assertEqual([text for _, _, text in scanner.findings], expected)

    def test_adjacent_literals_are_one_and_keep_their_first_line(self):
        scanner = i18n_check.Scanner()
        scanner.scan("src/x.cpp", 'int a;\nconst char* t = "Die Datei "\n    "fehlt.";')
        self.assertEqual(scanner.findings, [("src/x.cpp", 2, "Die Datei fehlt.")])

    def test_exemptions_by_literal_pattern_and_line(self):
        with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as file:
            file.write('src/*  "Tarvelomark"  -- the name\n'
                       'src/forms/*.cpp  line:/kCaptions/  -- on the paper\n'
                       'src/x.cpp  /^Seite/  -- reason\n'
                       'src/x.cpp  "no reason"\n')
        try:
            exemptions = i18n_check.Exemptions(file.name)
        finally:
            os.unlink(file.name)
        self.assertEqual(len(exemptions.errors), 1)  # the line without a reason
        self.assertTrue(exemptions.exempt("src/app/a.cpp", "Tarvelomark", ""))
        self.assertTrue(exemptions.exempt("src/forms/cmr.cpp", "Ort", '{1, 2, kCaptions, "Ort"},'))
        self.assertFalse(exemptions.exempt("src/forms/cmr.cpp", "Ort", '{{1, 2}, kLeft, "Ort"},'))
        self.assertFalse(exemptions.exempt("src/y.cpp", "Seite 1", ""))
        self.assertEqual(exemptions.unused(), [3])  # named, so that it can go


if __name__ == "__main__":
    unittest.main()
