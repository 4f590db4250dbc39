#!/usr/bin/env python3
"""Checks that the program speaks English as completely as German.

Two parts, both of which must come out clean:

1. The catalogue. lupdate reads the sources into a copy of the English catalogue,
   as the `lupdate` build target would. Every text of the sources must be in the
   repository's catalogue already, and every entry of the updated copy must be
   finished and not vanished (a text the sources no longer hold).

2. The literals. A string literal of src/ that reads like words for a person but
   reaches no translation call is named: one with natural-language words (two
   words among blank-separated tokens, an umlaut, a word ending a sentence, a
   menu accelerator as in "&Datei"), and any
   literal with a word that goes to a call setting a text a person reads
   (setText, new QLabel, QMessageBox::..., ...). Literals inside tr(),
   QT_TR_NOOP, QT_TRANSLATE_NOOP and QCoreApplication::translate, in comments,
   in preprocessor lines and in log and assert calls are passed over, and so are
   those exemptions.txt lists (its head says how).

Every finding is one line, `file:line: "literal"` for literals, so that what
remains can be worked through.

    i18n_check.py --lupdate LUPDATE --sources SRC --catalogue TS
                  [--exemptions FILE] [--part catalogue|literals] -- LUPDATE_OPTIONS
"""

import argparse
import ast
import fnmatch
import os
import re
import shutil
import subprocess
import sys
import tempfile
import warnings
import xml.etree.ElementTree as ET

# --- Part 1: the catalogue -------------------------------------------------

VANISHED = ("vanished", "obsolete")


def read_catalogue(path):
    """Maps (context, source, comment) to (type, translations) for each message."""
    messages = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            key = (name, message.findtext("source", ""), message.findtext("comment", ""))
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "unfinished"
            forms = translation.findall("numerusform") if translation is not None else []
            texts = [f.text or "" for f in forms] if forms else [
                (translation.text or "") if translation is not None else ""]
            messages[key] = (kind, texts)
    return messages


def describe(key):
    context, source, comment = key
    text = '[%s] "%s"' % (context, escape(source))
    return text + (" (%s)" % comment if comment else "")


def check_catalogue(lupdate, sources, catalogue, options, root):
    findings = []
    with tempfile.TemporaryDirectory() as folder:
        current = os.path.join(folder, os.path.basename(catalogue))
        shutil.copyfile(catalogue, current)
        run = subprocess.run([lupdate, *options, sources, "-ts", current],
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if run.returncode != 0:
            return ["lupdate failed:\n" + run.stdout]
        # lupdate's warnings (a tr() it cannot read, a text with no context) name
        # texts that will never reach the catalogue.
        for line in run.stdout.splitlines():
            if "warning" in line.lower() or "error" in line.lower():
                findings.append("lupdate: " + line.strip())
        updated = read_catalogue(current)
    stored = read_catalogue(catalogue)
    name = os.path.relpath(catalogue, root)
    for key, (kind, texts) in updated.items():
        if kind in VANISHED:
            findings.append("%s: vanished from the sources: %s" % (name, describe(key)))
        elif key not in stored:
            findings.append("%s: missing (build the lupdate target): %s" % (name, describe(key)))
        elif kind == "unfinished":
            findings.append("%s: unfinished: %s" % (name, describe(key)))
        elif not all(texts):
            findings.append("%s: finished but empty: %s" % (name, describe(key)))
    # lupdate drops an untranslated text the sources no longer hold.
    for key in sorted(stored.keys() - updated.keys()):
        findings.append("%s: gone from the sources (build the lupdate target): %s"
                        % (name, describe(key)))
    return findings


# --- Part 2: the literals --------------------------------------------------

TRANSLATING = {
    "tr", "translate", "qtTrId", "QT_TR_NOOP", "QT_TR_NOOP_UTF8", "QT_TR_N_NOOP",
    "QT_TRANSLATE_NOOP", "QT_TRANSLATE_NOOP3", "QT_TRANSLATE_NOOP_UTF8",
    "QT_TRANSLATE_N_NOOP", "QT_TRANSLATE_N_NOOP3", "QT_TRID_NOOP", "Q_DECLARE_TR_FUNCTIONS",
}
# Log streams, whose statement is for developers: qWarning() << "...".
LOG_STREAMS = {
    "qDebug", "qInfo", "qWarning", "qCritical", "qCDebug", "qCInfo", "qCWarning", "qCCritical",
}
# Calls whose literals are for developers or for the machine.
FOR_NO_PERSON = LOG_STREAMS | {
    "qFatal", "Q_ASSERT", "Q_ASSERT_X", "static_assert", "Q_LOGGING_CATEGORY",
    "setObjectName", "findChild", "findChildren", "inherits", "setProperty", "property",
    "QRegularExpression", "qputenv", "qgetenv", "qEnvironmentVariable",
    "qEnvironmentVariableIsSet", "qEnvironmentVariableIntValue", "fromTheme", "setStyleSheet",
}
# Calls that only make a string of their argument; the call around them counts.
WRAPPERS = {
    "QStringLiteral", "QLatin1String", "QLatin1StringView", "QString", "QStringView",
    "fromUtf8", "fromLatin1", "fromLocal8Bit", "QByteArrayLiteral", "QByteArray", "QLatin1Char",
    "QChar",
}
# Calls that give a widget the text a person reads.
TEXT_SETTERS = {
    "setText", "setWindowTitle", "setToolTip", "setStatusTip", "setWhatsThis",
    "setPlaceholderText", "setTitle", "setLabelText", "setPrefix", "setSuffix",
    "setSpecialValueText", "setAccessibleName", "setAccessibleDescription", "setInformativeText",
    "setDetailedText", "setHeaderLabels", "setHorizontalHeaderLabels", "setVerticalHeaderLabels",
    "setTabText", "setItemText", "setTabToolTip", "addItem", "addItems", "insertItem",
    "addAction", "addMenu", "addTab", "insertTab", "addButton", "showMessage", "setOkButtonText",
    "setCancelButtonText", "setButtonText", "setNameFilter", "setNameFilters", "setStatusText",
    "drawText",
}
TEXT_WIDGETS = {
    "QLabel", "QPushButton", "QCheckBox", "QRadioButton", "QGroupBox", "QAction", "QMenu",
    "QToolButton", "QCommandLinkButton", "QMessageBox", "QListWidgetItem", "QTreeWidgetItem",
    "QTableWidgetItem", "QStandardItem", "QDockWidget", "QWizardPage",
}
# Static functions of these classes take titles, questions and file filters.
TEXT_CLASSES = ("QMessageBox::", "QInputDialog::", "QFileDialog::", "QErrorMessage::")

LETTERS = "A-Za-zÄÖÜäöüß"
# A word as a sentence holds it, between blanks: lower case, or one capital
# before lower case, with a vowel, or compounds ending in one ("JSON-Objekt");
# so "dd", "MM", "yyyy", "fieldName", "RGB" and "file.cmr" are none. A colon may
# end a capitalised word ("Hersteller:") but not a lower-case one, which is more
# likely a style sheet's property ("color:").
WORD = re.compile(r"^[\(\"'„‚\[]*((?:[%s]+-)*([%s][a-zäöüß]+))([,.;:!?\)\]\"'“‘]*)$"
                  % (LETTERS, LETTERS))
VOWEL = re.compile(r"[aeiouäöüAEIOUÄÖÜ]")
UMLAUT = re.compile(r"[ÄÖÜäöüß€]")
ANY_WORD = re.compile(r"[%s]{2,}" % LETTERS)
# A menu or button text's accelerator: "&Datei", "Dru&ckeinrichtung"; not "&amp;".
ACCELERATOR = re.compile(r"(?<![&\w])[%s]*&(?!\w+;)[%s0-9]" % (LETTERS, LETTERS))


def natural_word(token):
    """The word a blank-separated token holds, or None."""
    match = WORD.match(token)
    if not match or not VOWEL.search(match.group(2)):
        return None
    word, punctuation = match.group(1), match.group(3)
    if ":" in punctuation and not word[0].isupper():
        return None
    return word, punctuation


def reads_as_words(text):
    if UMLAUT.search(text) or ACCELERATOR.search(text):
        return True
    tokens = text.split()
    words = [w for w in map(natural_word, tokens) if w]
    if len(tokens) >= 2 and len(words) >= 2:
        return True  # "Datei öffnen", "Erwartet: %1 (%2 angegeben)."
    # "Fehler:", "Bereit.", "Importieren..."
    return len(tokens) == 1 and bool(words) and len(words[0][0]) >= 3 and \
        words[0][1][-1:] in list(".!?:")


TOKEN = re.compile(r"""
    (?P<space>\s+)
  | (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<raw>(?:u8|u|U|L)?R"(?P<delim>[^(\s]*)\((?P<rawtext>.*?)\)(?P=delim)")
  | (?P<string>(?:u8|u|U|L)?"(?P<text>(?:[^"\\\n]|\\.)*)"(?:_\w+)?)
  | (?P<char>(?:u8|u|U|L)?'(?:[^'\\\n]|\\.)*')
  | (?P<number>\.?[0-9](?:[0-9A-Za-z_.]|'[0-9A-Za-z]|[eEpP][+-])*)
  | (?P<name>[A-Za-z_]\w*)
  | (?P<punct>::|->|.)
""", re.VERBOSE | re.DOTALL)
PREPROCESSOR = re.compile(r"^[ \t]*#(?:[^\n\\]|\\.)*", re.MULTILINE | re.DOTALL)


def decode(text):
    """The characters of a C string literal's body (Python's escapes are C's,
    near enough to judge words)."""
    try:
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")  # "\?" and the like
            return ast.literal_eval('"' + text.replace("\n", "\\n") + '"')
    except (SyntaxError, ValueError):
        return text


def tokens(source):
    # Preprocessor lines become blanks (keeping line numbers): includes, version
    # strings and macros are nothing a person reads.
    source = PREPROCESSOR.sub(lambda m: re.sub(r"[^\n]", " ", m.group(0)), source)
    line = 1
    pending = None  # adjacent literals are one
    for match in TOKEN.finditer(source):
        for group in ("space", "comment", "raw", "string", "char", "number", "name", "punct"):
            if match.group(group) is not None:
                kind = group
                break
        if kind in ("raw", "string"):
            text = match.group("rawtext") if kind == "raw" else decode(match.group("text"))
            if pending:
                pending = (pending[0], pending[1] + text)
            else:
                pending = (line, text)
        elif kind not in ("space", "comment"):
            if pending:
                yield ("string", pending[1], pending[0])
                pending = None
            yield (kind, match.group(0), line)
        line += match.group(0).count("\n")
    if pending:
        yield ("string", pending[1], pending[0])


def call_name(previous):
    """The qualified name of the call whose "(" follows `previous` tokens, with
    the class constructed, as in "new QLabel(" or "QLabel label(", or None."""
    i = len(previous) - 1
    if i < 0 or previous[i][0] != "name":
        return None
    parts = [previous[i][1]]
    while i >= 2 and previous[i - 1][1] == "::" and previous[i - 2][0] == "name":
        parts.insert(0, previous[i - 2][1])
        i -= 2
    name = "::".join(parts)
    before = previous[i - 1] if i >= 1 else None
    if before and before[0] == "name" and before[1] in TEXT_WIDGETS:
        return before[1]  # QLabel label("...")
    return name


class Scanner:
    def __init__(self):
        self.findings = []

    def scan(self, path, source):
        stack = []  # per open bracket: the call it belongs to, or None
        logging_depth = None  # qDebug() << "..." up to the end of its statement
        previous = []
        for kind, value, line in tokens(source):
            if kind == "punct" and value in "([{":
                stack.append(call_name(previous) if value == "(" else None)
            elif kind == "punct" and value in ")]}":
                if stack:
                    stack.pop()
                if logging_depth is not None and len(stack) < logging_depth:
                    logging_depth = None
            elif kind == "punct" and value == ";" and logging_depth == len(stack):
                logging_depth = None
            elif kind == "name" and value in LOG_STREAMS and logging_depth is None:
                logging_depth = len(stack)
            elif kind == "string" and logging_depth is None:
                if self.reaches_a_person(value, stack):
                    self.findings.append((path, line, value))
            previous = (previous + [(kind, value)])[-8:]

    @staticmethod
    def reaches_a_person(text, stack):
        calls = [c for c in stack if c]
        last = [c.split("::")[-1] for c in calls]
        if any(name in TRANSLATING for name in last):
            return False
        if any(name in FOR_NO_PERSON for name in last):
            return False
        if reads_as_words(text):
            return True
        if not ANY_WORD.search(text):
            return False
        # The nearest call that is more than a string's constructor.
        for call in reversed(stack):
            if call is None:
                return False  # inside an initialiser list or a block
            name = call.split("::")[-1]
            if name in WRAPPERS:
                continue
            return (name in TEXT_SETTERS or name in TEXT_WIDGETS or
                    call.startswith(TEXT_CLASSES))
        return False


def escape(text):
    return (text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")
            .replace("\t", "\\t"))


class Exemptions:
    """Lines of PATH MATCH -- REASON; see exemptions.txt."""

    def __init__(self, path):
        self.rules = []
        self.errors = []
        if not path:
            return
        with open(path, encoding="utf-8") as file:
            for number, line in enumerate(file, 1):
                line = line.strip()
                if not line or line.startswith("#"):
                    continue
                rule = self.parse(line)
                if rule:
                    self.rules.append(rule + [number, 0])
                else:
                    self.errors.append("%s:%d: not PATH MATCH -- REASON" % (path, number))

    @staticmethod
    def parse(line):
        head, separator, reason = line.partition(" -- ")
        parts = head.split(None, 1)
        if not separator or not reason.strip() or len(parts) != 2:
            return None
        glob, match = parts[0], parts[1].strip()
        if match == "*":
            return [glob, lambda text, line: True]
        if len(match) >= 2 and match[0] == match[-1] == '"':
            literal = decode(match[1:-1])
            return [glob, lambda text, line: text == literal]
        if len(match) >= 2 and match[0] == match[-1] == "/":
            pattern = re.compile(match[1:-1])
            return [glob, lambda text, line: pattern.search(text) is not None]
        if len(match) >= 7 and match.startswith("line:/") and match[-1] == "/":
            pattern = re.compile(match[6:-1])
            return [glob, lambda text, line: pattern.search(line) is not None]
        return None

    def exempt(self, path, text, line):
        for rule in self.rules:
            if fnmatch.fnmatch(path, rule[0]) and rule[1](text, line):
                rule[3] += 1
                return True
        return False

    def unused(self):
        return [rule[2] for rule in self.rules if rule[3] == 0]


def check_literals(sources, exemptions, root):
    scanner = Scanner()
    lines = {}
    for folder, subfolders, files in os.walk(sources):
        subfolders.sort()
        for name in sorted(files):
            if name.endswith((".cpp", ".h")):
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8") as file:
                    source = file.read()
                lines[os.path.relpath(path, root)] = source.splitlines()
                scanner.scan(os.path.relpath(path, root), source)
    return ['%s:%d: "%s"' % (path, line, escape(text))
            for path, line, text in scanner.findings
            if not exemptions.exempt(path, text, lines[path][line - 1])]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--lupdate", help="the lupdate program")
    parser.add_argument("--sources", required=True, help="the src folder")
    parser.add_argument("--catalogue", help="translations/tarvelomark_en.ts")
    parser.add_argument("--exemptions", help="the literals' exemptions file")
    parser.add_argument("--part", choices=("catalogue", "literals"), help="check one part only")
    parser.add_argument("options", nargs="*", help="lupdate's options, after --")
    args = parser.parse_args()

    # Files are named from the repository's root, as exemptions.txt names them.
    root = os.path.dirname(os.path.abspath(args.sources))
    findings = []
    if args.part != "literals":
        if not args.lupdate or not args.catalogue:
            parser.error("the catalogue part needs --lupdate and --catalogue")
        part = check_catalogue(args.lupdate, args.sources, args.catalogue, args.options,
                                root)
        print("Catalogue: %d finding(s)" % len(part))
        findings += part
    if args.part != "catalogue":
        exemptions = Exemptions(args.exemptions)
        part = exemptions.errors + check_literals(args.sources, exemptions, root)
        print("Literals outside a translation call: %d finding(s)" % len(part))
        findings += part
        for number in exemptions.unused():
            print("note: %s:%d: exemption matches no literal" % (args.exemptions, number))
    for finding in findings:
        print(finding)
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
