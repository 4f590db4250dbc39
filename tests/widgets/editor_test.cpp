// The box editor on a bare parent widget, offscreen: typing limits, overwrite
// mode, clipboard, undo and redo, the modified flag and the way text moves
// between the widget and the field store.
#include "core/documents/cmrdoc.h"
#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"
#include "widgets/app/commandids.h"
#include "widgets/editor/krdeditwindows.h"
#include "widgets/editor/kredithost.h"
#include "widgets/editor/kreditwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QWheelEvent>
#include <QtMath>

#include <memory>

namespace {

// A view that scrolls a form of kFormHeight × kFormWidth pixels (one logical unit
// is one pixel here) and moves the editor with it, as QWidget::scroll does.
class FakeHost : public CKrEditHost
{
public:
    static constexpr int kFormWidth = 1600;
    static constexpr int kFormHeight = 3000;

    QWidget* view = nullptr;
    QWidget* editor = nullptr;
    QPoint position;
    QList<int> keys;
    int wheels = 0;
    QList<int> commands;
    int statusUpdates = 0;

    QPoint ScrollPosition() const override { return position; }
    QRect VisibleScreenRect() const override
    {
        return QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
    }
    void ScrollByUnits(int dx, int dy) override { ScrollTo(position + QPoint(dx, dy)); }
    void ScrollToTop() override { ScrollTo(QPoint(position.x(), 0)); }
    void EditorKeyPressed(QKeyEvent* event) override { keys << event->key(); }
    void EditorWheel(QWheelEvent*) override { ++wheels; }
    void EditorCommand(int id) override { commands << id; }
    void UpdateStatusText() override { ++statusUpdates; }

    void ScrollTo(QPoint target)
    {
        target.setX(qBound(0, target.x(), qMax(0, kFormWidth - view->width())));
        target.setY(qBound(0, target.y(), qMax(0, kFormHeight - view->height())));
        if (editor)
            editor->move(editor->pos() - (target - position));
        position = target;
    }
};

} // namespace

class EditorTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CSettingsStore> m_settings;
    std::unique_ptr<CCMRDoc> m_doc;
    std::unique_ptr<QWidget> m_view;
    FakeHost m_host;
    CKrEditWindow* m_editor = nullptr; // child of m_view
    int m_lineHeight = 0;

    CFieldStore& Store() { return m_doc->GetStore(); }

    // Where the view would place the boxes (device pixels of the unscrolled
    // view); key -1 is the follow-on box.
    QMap<int, QRect> m_rects;
    void SetRect(int index, int left, int top, int right, int bottom)
    {
        m_rects[index] = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }
    // What the view does when a box is left for another: the typed text goes
    // into the store, the other box comes into the editor. False for a box the
    // store does not have (nothing changes then).
    bool Go(int index, int page = 1)
    {
        if (!Store().Exists(quint16(index), quint16(page)))
            return false;
        m_editor->Commit();
        m_editor->ShowBox(quint16(index), quint16(page), m_rects.value(page == 1 ? index : -1));
        return true;
    }
    // A text put into the current box from outside (an address taken over).
    void Replace(const QString& text)
    {
        Store().SetFieldText(m_editor->CurrentIndex(), text, m_editor->CurrentPage());
        m_editor->Reload();
    }
    QString CommittedText()
    {
        m_editor->Commit();
        return Store().GetFieldText(m_editor->CurrentIndex(), m_editor->CurrentPage());
    }

    // Field 0: left-aligned, two lines high. Field 1: one line high. Field 73
    // (centred in the CMR form) and field 12 (right-aligned) are one line high.
    void Layout()
    {
        const auto font = m_editor->Painter().Font(CFieldPainter::Family::Edit, 2, false);
        QVERIFY(font);
        QTextLayout probe(QStringLiteral("X"), *font);
        probe.beginLayout();
        QTextLine line = probe.createLine();
        line.setLeadingIncluded(true);
        probe.endLayout();
        m_lineHeight = qCeil(line.height());
        const int twoLines = m_lineHeight * 5 / 2;
        SetRect(0, 20, 20, 320, quint16(20 + twoLines));
        SetRect(1, 20, 100, 320, quint16(100 + m_lineHeight + 2));
        SetRect(73, 20, 150, 320, quint16(150 + m_lineHeight + 2));
        SetRect(12, 20, 200, 320, quint16(200 + m_lineHeight + 2));
        Go(0, 1);
    }

    QString Typed() const { return m_editor->EditedText(); }

    void SetText(const QString& text, int anchor, int position)
    {
        Replace(text);
        QTextCursor cursor = m_editor->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        m_editor->setTextCursor(cursor);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<CSettingsStore>(std::make_unique<QSettings>(
            m_dir->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
        m_doc = std::make_unique<CCMRDoc>(*m_settings);
        m_view = std::make_unique<QWidget>();
        m_view->resize(600, 400);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        m_host = FakeHost();
        m_host.view = m_view.get();
        m_editor = new CKrEditWindow(*m_settings, &m_host);
        m_host.editor = m_editor;
        QPainter unused;
        QVERIFY(!m_editor->DrawField(unused, QRect(), 0, 1, false)); // not created yet
        QVERIFY(m_editor->Init(m_view.get(), Store(), m_doc.get(), nullptr, *m_view, 10, Qt::black,
                               Qt::white));
        Layout();
        m_doc->SetModifiedFlag(false);
    }

    void cleanup()
    {
        m_view.reset(); // deletes the editor
        m_doc.reset();
    }

    void activateFieldMovesTextBetweenWidgetAndStore();
    void boxHeightLimitsTyping();
    void overwriteMode_data();
    void overwriteMode();
    void pasteCleansTheWholeText_data();
    void pasteCleansTheWholeText();
    void pasteIsCutToWhatFits();
    void refusedInputIsCounted_data();
    void refusedInputIsCounted();
    void undoAndRedoStepThroughTheBox();
    void modifiedFlagOnlyForUserChanges();
    void formatCommandsReactivateTheBox();
    void contextMenuEntries();
    void scrollIntoView();
    void formEditorsPassKeysAndWheelToTheirView();
};

void EditorTest::activateFieldMovesTextBetweenWidgetAndStore()
{
    Store().SetFieldText(1, QStringLiteral("Hamburg"), 1);
    QTest::keyClicks(m_editor, QStringLiteral("abc"));
    QTest::keyClick(m_editor, Qt::Key_Return);
    QTest::keyClicks(m_editor, QStringLiteral("de"));
    QCOMPARE(Store().GetFieldText(0, 1), QString()); // still in the widget

    m_host.position = QPoint(5, 40); // the view is scrolled
    QVERIFY(Go(1, 1));
    QCOMPARE(Store().GetFieldText(0, 1), QStringLiteral("abc\r\nde"));
    QCOMPARE(Typed(), QStringLiteral("Hamburg"));
    QCOMPARE(m_editor->geometry(), QRect(15, 60, 300, m_lineHeight + 2));
    QCOMPARE(m_editor->textCursor().position(), 0);

    // Back again: the CR LF comes back as a line break, not as characters.
    QVERIFY(Go(0, 1));
    QCOMPARE(m_editor->document()->blockCount(), 2);
    QCOMPARE(Typed(), QStringLiteral("abc\r\nde"));
    QCOMPARE(CommittedText(), QStringLiteral("abc\r\nde"));

    // Page 2 uses the follow-on rectangle; an index beyond it changes nothing.
    SetRect(-1, 30, 30, 530, 330);
    QVERIFY(!Go(1, 2));
    QCOMPARE(m_editor->CurrentIndex(), 0);
    QVERIFY(Go(0, 2));
    QCOMPARE(m_editor->geometry(), QRect(25, -10, 500, 300));
}

void EditorTest::boxHeightLimitsTyping()
{
    QSignalSpy refused(m_editor, &CKrEditWindow::inputRefused);
    QCOMPARE(m_editor->MaxLines(), 2);
    QTest::keyClicks(m_editor, QStringLiteral("Ort"));
    QTest::keyClick(m_editor, Qt::Key_Return);
    QTest::keyClicks(m_editor, QStringLiteral("Land"));
    QCOMPARE(refused.count(), 0);
    QTest::keyClick(m_editor, Qt::Key_Return);
    QCOMPARE(refused.count(), 1);
    QCOMPARE(Typed(), QStringLiteral("Ort\r\nLand"));

    // Words that would wrap into a third line are refused as well.
    QTest::keyClicks(m_editor, QString(QStringLiteral(" Wort")).repeated(40));
    QVERIFY(refused.count() > 1);
    QCOMPARE(m_editor->LinesNeeded(Typed()), 2);
    // The widget's own layout agrees: nothing it shows lies below the box.
    int shown = 0;
    for (QTextBlock block = m_editor->document()->begin(); block.isValid(); block = block.next()) {
        m_editor->document()->documentLayout()->blockBoundingRect(block);
        shown += block.layout()->lineCount();
    }
    QCOMPARE(shown, 2);
    QVERIFY(Typed().startsWith(QStringLiteral("Ort\r\nLand Wort")));

    // A text that already overflows (longer than the box was loaded) can still
    // be shortened and edited within its length.
    Replace(QStringLiteral("1\r\n2\r\n3"));
    m_editor->moveCursor(QTextCursor::End);
    QTest::keyClick(m_editor, Qt::Key_Backspace);
    QTest::keyClicks(m_editor, QStringLiteral("x"));
    QCOMPARE(Typed(), QStringLiteral("1\r\n2\r\nx"));
    const int before = refused.count();
    QTest::keyClick(m_editor, Qt::Key_Return);
    QCOMPARE(refused.count(), before + 1);
}

void EditorTest::overwriteMode_data()
{
    QTest::addColumn<bool>("insert");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("key"); // 0: type the character X; -1: AltGr+Q, the @
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");

    QTest::newRow("X replaces the next character") << false << 3 << 3 << 0 << "abcXef" << 4;
    QTest::newRow("X at the end appends") << false << 6 << 6 << 0 << "abcdefX" << 7;
    QTest::newRow("Backspace removes both sides")
        << false << 3 << 3 << int(Qt::Key_Backspace) << "abef" << 2;
    QTest::newRow("a selection is only replaced") << false << 1 << 4 << 0 << "aXef" << 2;
    QTest::newRow("Delete ignores the mode")
        << false << 3 << 3 << int(Qt::Key_Delete) << "abcef" << 3;
    QTest::newRow("Enter replaces too")
        << false << 3 << 3 << int(Qt::Key_Return) << "abc\r\nef" << 4;
    QTest::newRow("Backspace at the start deletes nothing")
        << false << 0 << 0 << int(Qt::Key_Backspace) << "abcdef" << 0;
    QTest::newRow("insert mode inserts") << true << 3 << 3 << 0 << "abcXdef" << 4;
    QTest::newRow("AltGr characters are typing") << false << 3 << 3 << -1 << "abc@ef" << 4;
}

void EditorTest::overwriteMode()
{
    QFETCH(bool, insert);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(int, key);
    QFETCH(QString, expected);
    QFETCH(int, caret);

    SetText(QStringLiteral("abcdef"), anchor, position);
    if (!insert)
        QTest::keyClick(m_editor, Qt::Key_Insert);
    QCOMPARE(m_editor->GetInsertMode(), insert);
    QCOMPARE(Typed(), QStringLiteral("abcdef")); // the Insert key itself changes nothing
    if (key > 0)
        QTest::keyClick(m_editor, Qt::Key(key));
    else if (key < 0) // Windows reports AltGr as Ctrl+Alt
        QTest::sendKeyEvent(QTest::Click, m_editor, Qt::Key_At, QStringLiteral("@"),
                            Qt::ControlModifier | Qt::AltModifier);
    else
        QTest::keyClick(m_editor, 'X', Qt::ShiftModifier);
    QCOMPARE(Typed(), expected);
    QCOMPARE(m_editor->textCursor().position(), caret);
}

void EditorTest::pasteCleansTheWholeText_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("stored");

    QTest::newRow("lone LF becomes CR LF") << "Zeile1\nZeile2"
                                           << "" << 0 << "Zeile1\r\nZeile2";
    QTest::newRow("quotes around the text") << "\"Ort\""
                                            << "" << 0 << "Ort";
    QTest::newRow("quotes of the whole box text") << "c"
                                                  << "\"ab\"" << 3 << "abc";
    QTest::newRow("a lone quote") << "\""
                                  << "" << 0 << "";
    QTest::newRow("trailing white space") << "Ort \t\n"
                                          << "" << 0 << "Ort";
    QTest::newRow("inserted at the caret") << "X"
                                           << "ab" << 1 << "aXb";
}

void EditorTest::pasteCleansTheWholeText()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QString, stored);

    SetText(before, caret, caret);
    QApplication::clipboard()->setText(clipboard);
    QVERIFY(m_editor->OnCommand(Cmd::Paste));
    QCOMPARE(Typed(), stored);
    QCOMPARE(m_editor->textCursor().position(), 0);
    QVERIFY(m_doc->IsModified());

    // Paste and cleaning are one step, undone and redone as a whole; one that
    // leaves the text as it was is none.
    CommandState state;
    QVERIFY(m_editor->OnUpdateCommand(Cmd::Undo, state));
    QCOMPARE(state.enabled, stored != before);
    if (!state.enabled)
        return;
    QVERIFY(m_editor->OnCommand(Cmd::Undo));
    QCOMPARE(Typed(), before);
    QCOMPARE(m_editor->textCursor().position(), caret);
    QVERIFY(!m_editor->CanUndo());
    QVERIFY(m_editor->OnCommand(Cmd::Redo));
    QCOMPARE(Typed(), stored);
}

void EditorTest::pasteIsCutToWhatFits()
{
    QSignalSpy refused(m_editor, &CKrEditWindow::inputRefused);
    Go(1, 1); // one line
    const QString words = QString(QStringLiteral("Frachtbrief ")).repeated(30);
    QApplication::clipboard()->setText(words);
    m_editor->Paste();
    const QString stored = CommittedText();
    QVERIFY(!stored.isEmpty());
    // Whole words only: the cut comes at a space, which the cleaning removes.
    QVERIFY2(words.startsWith(stored + QLatin1Char(' ')), qPrintable(stored));
    QVERIFY(stored.size() < words.size() - 12);
    QCOMPARE(m_editor->LinesNeeded(stored), 1);
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.last().at(0).value<qsizetype>(), words.size() - stored.size() - 1);

    // Keyboard paste does the same: whole words up to the end of the line.
    m_editor->moveCursor(QTextCursor::End);
    QTest::keyClick(m_editor, Qt::Key_V, Qt::ControlModifier);
    const QString added = Store().GetFieldText(1, 1).mid(stored.size());
    QVERIFY2(added.isEmpty() || words.startsWith(added + QLatin1Char(' ')), qPrintable(added));
    QCOMPARE(m_editor->LinesNeeded(Store().GetFieldText(1, 1)), 1);
    QCOMPARE(refused.count(), 2);
}

void EditorTest::refusedInputIsCounted_data()
{
    QTest::addColumn<QString>("typed");  // into the full box
    QTest::addColumn<QString>("pasted"); // afterwards, unless empty
    QTest::addColumn<QString>("message");

    QTest::newRow("one character")
        << "x" << QString()
        << QStringLiteral("Der Text passt nicht in das Feld: 1 Zeichen wurde nicht eingefügt.");
    QTest::newRow("typing on adds up")
        << "xyz" << QString()
        << QStringLiteral("Der Text passt nicht in das Feld: 3 Zeichen wurden nicht eingefügt.");
    QTest::newRow("thousands are grouped")
        << QString(1234, u'x') << QString()
        << QStringLiteral(
               "Der Text passt nicht in das Feld: 1.234 Zeichen wurden nicht eingefügt.");
    QTest::newRow("a paste counts its own")
        << "xy" << QStringLiteral("Frachtbrief ").repeated(100000)
        << QStringLiteral(
               "Der Text passt nicht in das Feld: 1.200.000 Zeichen wurden nicht eingefügt.");
}

void EditorTest::refusedInputIsCounted()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, message);

    Go(1, 1); // one line
    int fill = 1;
    while (m_editor->LinesNeeded(QString(fill + 1, u'W')) == 1)
        ++fill;
    Replace(QString(fill, u'W'));
    m_editor->moveCursor(QTextCursor::End);

    QSignalSpy refused(m_editor, &CKrEditWindow::inputRefused);
    QTest::keyClicks(m_editor, typed);
    if (!pasted.isEmpty()) {
        QApplication::clipboard()->setText(pasted);
        m_editor->Paste();
    }
    QCOMPARE(Typed(), QString(fill, u'W'));
    QVERIFY(!refused.isEmpty());
    QCOMPARE(CKrEditWindow::RefusedInputMessage(refused.last().at(0).value<qsizetype>()), message);

    // Moving the caret starts the count afresh.
    QTest::keyClick(m_editor, Qt::Key_Left);
    QTest::keyClicks(m_editor, QStringLiteral("q"));
    QCOMPARE(refused.last().at(0).value<qsizetype>(), 1);
}

void EditorTest::undoAndRedoStepThroughTheBox()
{
    const auto texts = [this] {
        QStringList list;
        for (int id : {Cmd::Undo, Cmd::Redo}) {
            CommandState state;
            m_editor->OnUpdateCommand(id, state);
            list << (state.enabled ? QString() : QStringLiteral("-")) + state.text;
        }
        return list;
    };
    // Without a translator, the German texts.
    QCOMPARE(texts(), (QStringList{QStringLiteral("-&Rückgängig (nicht möglich)"),
                                   QStringLiteral("-&Wiederherstellen (nicht möglich)")}));

    // A run of typing, a run of deleting, a run of typing, a cut: four steps.
    QTest::keyClicks(m_editor, QStringLiteral("Hafen"));
    QTest::keyClick(m_editor, Qt::Key_Backspace);
    QTest::keyClick(m_editor, Qt::Key_Backspace);
    QTest::keyClicks(m_editor, QStringLiteral("enstr. 1"));
    m_editor->SelectAll();
    m_editor->Cut();
    QCOMPARE(texts(), (QStringList{QStringLiteral("&Rückgängig"),
                                   QStringLiteral("-&Wiederherstellen (nicht möglich)")}));
    const QStringList states = {QStringLiteral("Hafenstr. 1"), QStringLiteral("Haf"),
                                QStringLiteral("Hafen"), QString()};
    for (const QString& state : states) {
        QVERIFY(m_editor->OnCommand(Cmd::Undo));
        QCOMPARE(Typed(), state);
    }
    QVERIFY(!m_editor->CanUndo());
    m_editor->Undo();
    QCOMPARE(Typed(), QString());
    QCOMPARE(texts(), (QStringList{QStringLiteral("-&Rückgängig (nicht möglich)"),
                                   QStringLiteral("&Wiederherstellen")}));
    QVERIFY(m_editor->OnCommand(Cmd::Redo));
    QCOMPARE(Typed(), QStringLiteral("Hafen"));
    m_editor->Redo();
    QCOMPARE(Typed(), QStringLiteral("Haf"));
    // Ctrl+Z is the window's centring, never an undo.
    QTest::keyClick(m_editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Typed(), QStringLiteral("Haf"));

    // A format command places the box again and keeps its history; a new
    // change drops what was undone.
    QVERIFY(m_editor->OnCommand(Cmd::Bold));
    QVERIFY(m_editor->CanRedo());
    m_editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_editor, QStringLiteral("x"));
    QVERIFY(!m_editor->CanRedo());
    m_editor->Undo();
    QCOMPARE(Typed(), QStringLiteral("Haf"));

    // The history ends with the box, and with a text replaced from outside.
    Go(1, 1);
    QVERIFY(!m_editor->CanUndo() && !m_editor->CanRedo());
    Go(0, 1);
    QVERIFY(!m_editor->CanUndo() && !m_editor->CanRedo());
    QTest::keyClicks(m_editor, QStringLiteral("y"));
    Replace(QStringLiteral("Nordtrans KG"));
    QVERIFY(!m_editor->CanUndo());

    // It keeps the last kUndoLimit steps.
    for (int i = 0; i <= CKrEditWindow::kUndoLimit; ++i) {
        QTest::keyClick(m_editor, Qt::Key_Backspace);
        QTest::keyClicks(m_editor, QStringLiteral("G"));
    }
    int undone = 0;
    while (m_editor->CanUndo() && undone <= 2 * CKrEditWindow::kUndoLimit) {
        m_editor->Undo();
        ++undone;
    }
    QCOMPARE(undone, CKrEditWindow::kUndoLimit);
}

void EditorTest::modifiedFlagOnlyForUserChanges()
{
    QSignalSpy modified(m_editor, &CKrEditWindow::documentModified);
    Store().SetFieldText(1, QStringLiteral("Bremen"), 1);
    Go(1, 1);
    Replace(QStringLiteral("Köln"));
    QTest::keyClick(m_editor, Qt::Key_Right); // moving the caret is no change
    // Nor is a box with another font and alignment taking the widget over.
    Store().SetFieldFormat(73, 1, CFieldStore::kAlignCenter | CFieldStore::kBold | 4);
    Go(73, 1);
    QVERIFY(m_editor->font().bold());
    QVERIFY(!m_doc->IsModified());
    QCOMPARE(modified.count(), 0);

    // Refused input is no change either.
    Go(1, 1);
    m_editor->moveCursor(QTextCursor::End);
    QTest::keyClick(m_editor, Qt::Key_Return);
    QVERIFY(!m_doc->IsModified());

    QTest::keyClick(m_editor, Qt::Key_Backspace);
    QVERIFY(m_doc->IsModified());
    QCOMPARE(modified.count(), 1);
}

void EditorTest::formatCommandsReactivateTheBox()
{
    QTest::keyClicks(m_editor, QStringLiteral("fett"));
    const int normalSize = m_editor->font().pixelSize();
    CommandState state;
    QVERIFY(m_editor->OnUpdateCommand(Cmd::Bold, state));
    QVERIFY(!state.checked);

    QVERIFY(m_editor->OnCommand(Cmd::Bold));
    QVERIFY(Store().IsBold(m_editor->CurrentIndex(), m_editor->CurrentPage()));
    QVERIFY(m_editor->font().bold());
    QCOMPARE(Store().GetFieldText(0, 1), QStringLiteral("fett")); // stored by the re-activation
    QCOMPARE(Typed(), QStringLiteral("fett"));
    QVERIFY(m_doc->IsModified());

    QVERIFY(m_editor->OnCommand(Cmd::FontBigger));
    QVERIFY(m_editor->font().pixelSize() > normalSize);
    QVERIFY(m_editor->OnCommand(Cmd::FontBigger)); // size step 4
    state = CommandState();
    m_editor->OnUpdateCommand(Cmd::FontBigger, state);
    QVERIFY(!state.enabled);
    m_editor->OnUpdateCommand(Cmd::FontSmaller, state);
    QVERIFY(state.enabled);

    // Alignment of the widget follows the box: the CMR form centres box 73.
    QCOMPARE(m_editor->EditAlignment(), Qt::Alignment(Qt::AlignLeft));
    Go(73, 1);
    QCOMPARE(m_editor->EditAlignment(), Qt::Alignment(Qt::AlignHCenter));
    Go(12, 1);
    QCOMPARE(m_editor->EditAlignment(), Qt::Alignment(Qt::AlignRight));
    QVERIFY(m_editor->OnCommand(Cmd::AlignLeft));
    QCOMPARE(m_editor->EditAlignment(), Qt::Alignment(Qt::AlignLeft));
    state = CommandState();
    m_editor->OnUpdateCommand(Cmd::AlignLeft, state);
    QVERIFY(state.checked);

    // Insert mode: the menu text shows what the command will do.
    m_editor->OnUpdateCommand(Cmd::InsertMode, state);
    QCOMPARE(state.text, QStringLiteral("Einfügemodus ausschalten"));
    QCOMPARE(m_editor->InsertModeStatusText(), QStringLiteral("Einfügen"));
    QVERIFY(m_editor->OnCommand(Cmd::InsertMode));
    m_editor->OnUpdateCommand(Cmd::InsertMode, state);
    QCOMPARE(state.text, QStringLiteral("Einfügemodus einschalten"));
    QCOMPARE(m_editor->InsertModeStatusText(), QStringLiteral("Überschreiben"));
    QCOMPARE(m_host.statusUpdates, 1);
    // The Insert key switches at once but leaves the status bar to the next event.
    QTest::keyClick(m_editor, Qt::Key_Insert);
    QCOMPARE(m_editor->InsertModeStatusText(), QStringLiteral("Einfügen"));
    QCOMPARE(m_host.statusUpdates, 1);

    // The view's own commands are not the editor's.
    QVERIFY(!m_editor->OnCommand(Cmd::NextField));
    QVERIFY(!m_editor->OnUpdateCommand(Cmd::InsertAddress, state));
}

void EditorTest::contextMenuEntries()
{
    const auto texts = [](QMenu* menu) {
        QStringList list;
        for (QAction* action : menu->actions())
            list << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return list;
    };
    std::unique_ptr<QMenu> standard(m_editor->BuildContextMenu(nullptr));
    QCOMPARE(texts(standard.get()), (QStringList{QStringLiteral("&Ausschneiden\tStrg+X"),
                                                 QStringLiteral("&Kopieren\tStrg+C"),
                                                 QStringLiteral("E&infügen\tStrg+V")}));

    QCOMPARE(m_editor->AddContextMenuItem(0, 32799, QStringLiteral("&Nächstes Eingabefeld")), 1);
    QCOMPARE(m_editor->AddContextMenuItem(CKrEditWindow::kMenuSeparator, 0, QStringLiteral("x")),
             1);
    for (int i = 2; i < CKrEditWindow::kMaxContextMenuItems; ++i)
        QCOMPARE(m_editor->AddContextMenuItem(0, 40000 + i, QStringLiteral("E%1").arg(i)), 1);
    QCOMPARE(m_editor->AddContextMenuItem(0, 1, QStringLiteral("zu viel")), 0);

    std::unique_ptr<QMenu> own(m_editor->BuildContextMenu(nullptr));
    const QStringList ownTexts = texts(own.get());
    QCOMPARE(ownTexts.size(), CKrEditWindow::kMaxContextMenuItems);
    QCOMPARE(ownTexts.mid(0, 2), (QStringList{QStringLiteral("&Nächstes Eingabefeld"), "-"}));
    own->actions().first()->trigger();
    QCOMPARE(m_host.commands, QList<int>{32799});
}

void EditorTest::scrollIntoView()
{
    // Below the visible part: scrolls down in steps until the box is inside.
    SetRect(1, 20, 1000, 320, 1030);
    Go(1, 1);
    m_editor->ScrollIntoView();
    QVERIFY(m_host.position.y() > 0);
    QVERIFY(m_editor->geometry().bottom() < m_view->height());
    QVERIFY(m_editor->geometry().top() >= 0);

    // A box taller than the view stops once its top is near the top of the view.
    SetRect(1, 20, 1800, 320, 2600);
    Go(1, 1);
    m_editor->ScrollIntoView();
    QVERIFY(m_editor->geometry().top() <= 50 && m_editor->geometry().top() > -150);

    // Just above the visible part (less than 200 pixels above the screen's top
    // row): the view jumps to the top of the form, then scrolls down again in
    // steps until the box is inside.
    m_host.ScrollTo(QPoint(0, 2000));
    SetRect(1, 20, 1950, 320, 1980);
    Go(1, 1);
    QVERIFY(m_editor->mapToGlobal(QPoint(0, 0)).y() > -200);
    m_editor->ScrollIntoView();
    QCOMPARE(m_host.position.y(), 1650);
    QVERIFY(m_editor->geometry().top() >= 0);
    QVERIFY(m_editor->geometry().bottom() < m_view->height());

    // Far above: steps up, then the jump, and the box near the top of the form
    // is visible.
    m_host.ScrollTo(QPoint(0, 2000));
    SetRect(1, 20, 300, 320, 330);
    Go(1, 1);
    QVERIFY(m_editor->mapToGlobal(QPoint(0, 0)).y() <= -200);
    m_editor->ScrollIntoView();
    QCOMPARE(m_host.position.y(), 0);

    // A box wider than the view: scrolling right ends at the end of the form
    // (not in an endless loop), then scrolling left brings its left edge back.
    SetRect(1, 100, 20, 1590, 50);
    Go(1, 1);
    m_editor->ScrollIntoView();
    QCOMPARE(m_editor->geometry().left(), 0);
    QCOMPARE(m_host.position, QPoint(100, 0));
}

void EditorTest::formEditorsPassKeysAndWheelToTheirView()
{
    m_view.reset();
    m_view = std::make_unique<QWidget>();
    m_view->resize(600, 400);
    m_view->show();
    m_host.view = m_view.get();
    auto* editor = new CKRDFormEditWindow(*m_settings, &m_host);
    QVERIFY(editor->Init(m_view.get(), Store(), m_doc.get(), nullptr, *m_view, 10, Qt::black,
                         Qt::white));
    m_editor = editor;
    m_host.editor = editor;
    Layout();

    QTest::keyClick(editor, Qt::Key_A);
    QTest::keyClick(editor, Qt::Key_Insert);
    QTest::keyClick(editor, Qt::Key_PageDown);
    QCOMPARE(m_host.keys, (QList<int>{Qt::Key_A, Qt::Key_Insert, Qt::Key_PageDown}));
    QCOMPARE(Typed(), QStringLiteral("a"));
    QVERIFY(!editor->GetInsertMode());

    QWheelEvent wheel(QPointF(5, 5), editor->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(editor->viewport(), &wheel);
    QCOMPARE(m_host.wheels, 1);
}

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
