#include "widgets/editor/kreditwindow.h"

#include "core/documents/krdocument.h"
#include "core/format/linebreaks.h"
#include "widgets/app/commandids.h"
#include "widgets/app/commands.h"
#include "widgets/editor/kredithost.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QTextLayout>

#include <climits>
#include <cmath>
#include <memory>

namespace {

constexpr QChar kParagraph = QChar::ParagraphSeparator;
constexpr QChar kLineSeparator = QChar::LineSeparator;
constexpr int kSelectAllLimit = 65024;
constexpr int kScrollStep = 150;
constexpr int kMaxScrollSteps = 10000;

bool IsCommandKey(const QKeyEvent* event, int id)
{
    const CommandInfo* command = FindCommand(id);
    const QKeySequence pressed(
        QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    return command && command->shortcuts.contains(pressed);
}

// Stored texts break lines with CR LF; a lone CR or LF from an old file or the
// clipboard breaks the line as well.
QString ToParagraphs(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue;
        out.append(c == u'\r' || c == u'\n' ? kParagraph : c);
    }
    return out;
}

QString ToStored(const QString& raw)
{
    QString out;
    out.reserve(raw.size() + 8);
    for (QChar c : raw) {
        if (c == kParagraph || c == kLineSeparator)
            out.append(QLatin1String("\r\n"));
        else
            out.append(c);
    }
    return out;
}

QString ToPlain(const QString& raw)
{
    QString out = raw;
    out.replace(kParagraph, QLatin1Char('\n'));
    return out;
}

// What Paste leaves of a box text: line feeds paired with carriage returns,
// no trailing white space, no surrounding double quotes.
QString CleanPastedText(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            out.append(u'\r');
        out.append(text[i]);
    }
    out = TrimTrailingSpace(out);
    if (!out.isEmpty() && out.front() == u'"' && out.back() == u'"')
        out = out.size() == 1 ? QString() : out.mid(1, out.size() - 2);
    return out;
}

} // namespace

CKrEditWindow::CKrEditWindow(CSettingsStore& settings, CKrEditHost* host)
    : m_settings(settings), m_host(host), m_painter(CBoxFontHeights::Read(settings))
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Undo is the editor's own, per box; the document's stack would let the
    // user step back through loaded texts of other boxes.
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    setTabChangesFocus(false);
    document()->setDocumentMargin(0);
    viewport()->setCursor(Qt::IBeamCursor);

    // Catch-all for changes that bypass the key and clipboard handling (a text
    // dragged out of the box, for instance): they still count as user changes.
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (m_loading || m_editing)
            return;
        ClearHistory();
        NotifyModified();
    });
}

CKrEditWindow::~CKrEditWindow() = default;

bool CKrEditWindow::CreateEditWindow(QWidget* parentView, CFieldStore& store, CKrDocument* document,
                                     QMenu* contextMenu)
{
    m_contextMenu = contextMenu;
    m_document = document;
    m_store = &store;
    if (store.GetFieldCount() < 1)
        store.DefineFields(1, 0, true);
    m_index = 0;
    m_page = 1;
    m_insertMode = true;

    setParent(parentView);
    setGeometry(QRect(QPoint(10, 10), QPoint(19, 19)));
    ApplyColors();
    ApplyAlignment(CFieldStore::kAlignLeft);
    show();
    return true;
}

bool CKrEditWindow::Init(QWidget* parentView, CFieldStore& store, CKrDocument* document,
                         QMenu* contextMenu, const QPaintDevice& screen, int zoom,
                         const QColor& textColor, const QColor& backColor)
{
    SetColors(textColor, backColor);
    m_created = false;
    if (!CreateEditWindow(parentView, store, document, contextMenu))
        return false;
    CreateScreenFonts(screen, zoom);
    m_created = true;
    return true;
}

void CKrEditWindow::CreateScreenFonts(const QPaintDevice& screen, int zoom)
{
    // The font settings as they are now: a rebuild takes any change of them.
    m_painter.SetFontHeights(CBoxFontHeights::Read(m_settings));
    m_painter.CreateScreenFonts(screen.logicalDpiY(), zoom);
    ApplyFieldFont();
}

void CKrEditWindow::CreatePrinterFonts(int factorPercent)
{
    m_painter.SetFontHeights(CBoxFontHeights::Read(m_settings));
    m_painter.SetPrintAreaCorrection(PrintAreaCorrection::Read(m_settings));
    m_painter.CreatePrinterFonts(factorPercent);
}

void CKrEditWindow::DefineFont(int type, const LogicalFont& font)
{
    m_painter.DefineFont(type, font);
}

void CKrEditWindow::SetFont(int type, const LogicalFont& font)
{
    QMessageBox::warning(this, QApplication::applicationName(),
                         tr("Alte Funktion: CKrEditWindow::SetFont\n"
                            "CKrEditWindow::DefineFont benutzen!"));
    DefineFont(type, font);
    DefineFont(type + 16, font);
}

bool CKrEditWindow::DrawBoxText(QPainter& painter, const QRect& rect, int fontType,
                                quint16 alignment, const QString& text, bool bold) const
{
    if (!m_created)
        return false;
    m_painter.DrawBoxText(painter, rect, fontType, alignment, text, bold);
    return true;
}

bool CKrEditWindow::DrawField(QPainter& painter, const QRect& rect, quint16 index, quint16 page,
                              bool singleLine) const
{
    if (!m_created || !m_store)
        return false;
    m_painter.DrawField(painter, rect, *m_store, index, page, singleLine);
    return true;
}

bool CKrEditWindow::PrintBoxText(QPainter& painter, const QRect& rect, int fontType,
                                 quint16 alignment, const QString& text, bool bold) const
{
    if (!m_created)
        return false;
    m_painter.PrintBoxText(painter, rect, fontType, alignment, text, bold);
    return true;
}

bool CKrEditWindow::PrintField(QPainter& painter, const QRect& rect, quint16 index, quint16 page,
                               bool singleLine) const
{
    if (!m_created || !m_store)
        return false;
    m_painter.PrintField(painter, rect, *m_store, index, page, singleLine);
    return true;
}

void CKrEditWindow::SetTextColor(const QColor& color)
{
    m_textColor = color;
    ApplyColors();
}

void CKrEditWindow::SetBackColor(const QColor& color)
{
    m_backColor = color;
    ApplyColors();
}

void CKrEditWindow::SetColors(const QColor& textColor, const QColor& backColor)
{
    m_textColor = textColor;
    m_backColor = backColor;
    ApplyColors();
}

void CKrEditWindow::ApplyColors()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, m_textColor);
    pal.setColor(QPalette::Base, m_backColor);
    pal.setColor(QPalette::Window, m_backColor);
    setPalette(pal);
}

void CKrEditWindow::SetInsertMode(bool on)
{
    m_insertMode = on;
}

bool CKrEditWindow::GetInsertMode() const
{
    return m_insertMode;
}

QString CKrEditWindow::InsertModeStatusText() const
{
    return GetInsertMode() ? tr("Einfügen") : tr("Überschreiben");
}

Qt::Alignment CKrEditWindow::EditAlignment() const
{
    return document()->defaultTextOption().alignment();
}

void CKrEditWindow::ApplyAlignment(quint16 alignment)
{
    Qt::Alignment wanted = Qt::AlignLeft;
    if (alignment == CFieldStore::kAlignCenter)
        wanted = Qt::AlignHCenter;
    else if (alignment == CFieldStore::kAlignRight)
        wanted = Qt::AlignRight;
    QTextOption option = document()->defaultTextOption();
    if (option.alignment() == wanted)
        return;
    option.setAlignment(wanted);
    document()->setDefaultTextOption(option);
}

void CKrEditWindow::ApplyFieldFont()
{
    if (!m_store)
        return;
    const quint16 size = m_store->GetFontSize(m_index, m_page);
    // A size the table does not know (or a field that does not exist) keeps the
    // font the widget has.
    if (size > CFieldStore::kMaxFontSize)
        return;
    if (const auto font = m_painter.FontForType(CFieldPainter::Family::Edit, size,
                                                m_store->IsBold(m_index, m_page)))
        setFont(*font);
}

void CKrEditWindow::PlaceOnBox()
{
    QRect rect = m_boxRect;
    if (m_host)
        rect.translate(-m_host->ScrollPosition());
    setGeometry(rect);
}

void CKrEditWindow::MoveTo(const QRect& boxRect)
{
    m_boxRect = boxRect;
    PlaceOnBox();
}

bool CKrEditWindow::Commit()
{
    if (!m_store || !m_store->Exists(m_index, m_page))
        return false;
    const QString text = EditedText();
    if (m_store->GetFieldText(m_index, m_page) == text)
        return false;
    m_store->SetFieldText(m_index, text, m_page);
    return true;
}

void CKrEditWindow::Reload()
{
    if (m_store)
        ShowBox(m_index, m_page, m_boxRect);
}

QString CKrEditWindow::RawText() const
{
    return document()->toRawText();
}

QString CKrEditWindow::EditedText() const
{
    return ToStored(RawText());
}

void CKrEditWindow::LoadText(const QString& storedText)
{
    ++m_loading;
    setPlainText(ToPlain(ToParagraphs(storedText)));
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    --m_loading;
}

void CKrEditWindow::ShowBox(quint16 index, quint16 page, const QRect& boxRect)
{
    if (!m_store)
        return;
    const QString text =
        m_store->Exists(index, page) ? m_store->GetFieldText(index, page) : QString();
    // The history belongs to the box and its text: another box, or a text
    // replaced from outside, ends it. A paste's cleaning comes back through
    // here while the paste is still under way; it is part of the paste's step.
    const bool sameBox = index == m_index && page == m_page && m_shown;
    if (!m_editing && (!sameBox || text != EditedText()))
        ClearHistory();
    m_index = index;
    m_page = page;
    m_shown = true;
    m_boxRect = boxRect;
    ApplyAlignment(m_store->GetAlignment(index, page));
    PlaceOnBox();
    LoadText(text);
    ApplyFieldFont();
    EndTypingRun(); // the caret is back at the start
    setFocus();
    show();
}

int CKrEditWindow::MaxLines() const
{
    QTextLayout probe(QStringLiteral("X"), font());
    probe.setTextOption(document()->defaultTextOption());
    probe.beginLayout();
    QTextLine line = probe.createLine();
    line.setLeadingIncluded(true);
    line.setLineWidth(INT_MAX / 2);
    probe.endLayout();
    const qreal lineHeight = line.height();
    const qreal available = contentsRect().height() - 2 * document()->documentMargin();
    if (lineHeight <= 0)
        return 1;
    return qMax(1, int(std::floor(available / lineHeight + 1e-6)));
}

int CKrEditWindow::LinesNeeded(const QString& text) const
{
    const qreal margin = document()->documentMargin();
    qreal width = contentsRect().width() - 2 * margin;
    // As in the widget's own layout: no width means no wrapping.
    if (width <= 0)
        width = INT_MAX / 2;
    const QTextOption option = document()->defaultTextOption();
    int lines = 0;
    for (const QString& paragraph : ToParagraphs(text).split(kParagraph)) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        int count = 0;
        for (;;) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLeadingIncluded(true);
            line.setLineWidth(width);
            ++count;
        }
        layout.endLayout();
        lines += qMax(1, count);
    }
    return lines;
}

CKrEditWindow::Snapshot CKrEditWindow::Capture() const
{
    const QTextCursor cursor = textCursor();
    return Snapshot{RawText(), cursor.anchor(), cursor.position()};
}

void CKrEditWindow::Restore(const Snapshot& snapshot)
{
    ++m_loading;
    setPlainText(ToPlain(snapshot.text));
    QTextCursor cursor(document());
    const int end = document()->characterCount() - 1;
    cursor.setPosition(qBound(0, snapshot.anchor, end));
    cursor.setPosition(qBound(0, snapshot.position, end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    --m_loading;
}

void CKrEditWindow::Refuse(qsizetype count)
{
    // Most desktops keep the beep silent; the count goes to the status bar.
    QApplication::beep();
    Q_EMIT inputRefused(count);
}

QString CKrEditWindow::RefusedInputMessage(qsizetype count)
{
    if (count == 1)
        return tr("Der Text passt nicht in das Feld: 1 Zeichen wurde nicht eingefügt.");
    // The texts are German, and so is the grouping of the digits.
    return tr("Der Text passt nicht in das Feld: %1 Zeichen wurden nicht eingefügt.")
        .arg(QLocale(QLocale::German, QLocale::Germany).toString(count));
}

void CKrEditWindow::EndTypingRun()
{
    m_groupOpen = false;
    m_refusedRun = 0;
}

void CKrEditWindow::PushUndo(const Snapshot& snapshot)
{
    m_undo.append(snapshot);
    if (m_undo.size() > kUndoLimit)
        m_undo.removeFirst();
    m_redo.clear();
}

void CKrEditWindow::ClearHistory()
{
    m_undo.clear();
    m_redo.clear();
    EndTypingRun();
}

void CKrEditWindow::NotifyModified()
{
    if (m_document)
        m_document->SetModifiedFlag(true);
    Q_EMIT documentModified();
}

bool CKrEditWindow::ApplyEdit(EditKind kind, int typed, const std::function<void()>& edit)
{
    const Snapshot before = Capture();
    ++m_editing;
    edit();
    // Overwrite mode: the character typed takes the place of the one after the
    // caret. Only when the key did change the text, so that a key that does
    // nothing never deletes anything.
    if (typed > 0 && before.anchor == before.position && !GetInsertMode() &&
        RawText() != before.text) {
        QTextCursor cursor = textCursor();
        cursor.clearSelection();
        for (int i = 0; i < typed; ++i)
            cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        setTextCursor(cursor);
    }
    --m_editing;

    const QString after = RawText();
    if (after == before.text) {
        if (textCursor().position() != before.position)
            EndTypingRun();
        return true;
    }
    // The box is the limit; a text that already overflows it (loaded from a
    // file, or after a font change) may still be edited as long as it grows no
    // longer.
    const int needed = LinesNeeded(after);
    if (needed > MaxLines() && needed > LinesNeeded(before.text)) {
        Restore(before);
        m_refusedRun += qMax(1, typed);
        Refuse(m_refusedRun);
        return false;
    }

    const bool continues = m_groupOpen && kind != EditKind::Other && kind == m_groupKind &&
                           before.anchor == before.position && before.position == m_groupEnd;
    if (continues)
        m_redo.clear();
    else
        PushUndo(before);
    m_refusedRun = 0;
    m_groupOpen = kind != EditKind::Other;
    m_groupKind = kind;
    m_groupEnd = textCursor().position();
    NotifyModified();
    return true;
}

bool CKrEditWindow::InsertFitting(const QString& text)
{
    const QString insert = ToParagraphs(text);
    QTextCursor cursor = textCursor();
    const QString raw = RawText();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    const QString head = raw.left(start);
    const QString tail = raw.mid(end);
    const int limit = qMax(MaxLines(), LinesNeeded(raw));
    auto fits = [&](qsizetype n) { return LinesNeeded(head + insert.left(n) + tail) <= limit; };

    qsizetype take = insert.size();
    if (!fits(take)) {
        // The longest part from the front that still fits.
        qsizetype low = 0, high = insert.size() - 1;
        take = 0;
        while (low <= high) {
            const qsizetype mid = (low + high) / 2;
            if (fits(mid)) {
                take = mid;
                low = mid + 1;
            } else {
                high = mid - 1;
            }
        }
        if (take > 0 && insert[take - 1].isHighSurrogate())
            --take;
        // A word cut off in the middle reads as another word ("Hamb" for
        // "Hamburg", "123" for "12345"): only whole words go in.
        if (!insert[take].isSpace()) {
            while (take > 0 && !insert[take - 1].isSpace())
                --take;
        }
    }
    cursor.insertText(ToPlain(insert.left(take)));
    setTextCursor(cursor);
    if (take < insert.size()) {
        m_refusedRun = 0; // a paste tells its own count
        Refuse(insert.size() - take);
        return false;
    }
    return true;
}

void CKrEditWindow::keyPressEvent(QKeyEvent* event)
{
    // The keys of the menu's undo and redo, also where no window's shortcut
    // takes them first. Ctrl+Z is not among them: it centres the text.
    if (IsCommandKey(event, Cmd::Undo)) {
        Undo();
        return;
    }
    if (IsCommandKey(event, Cmd::Redo)) {
        Redo();
        return;
    }
    if (event == QKeySequence::Paste) {
        Paste();
        return;
    }
    if (event == QKeySequence::Cut) {
        Cut();
        return;
    }
    if (event == QKeySequence::Copy) {
        Copy();
        return;
    }
    if (event == QKeySequence::SelectAll) {
        SelectAll();
        return;
    }

    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_Insert && modifiers == Qt::NoModifier) {
        SetInsertMode(!GetInsertMode());
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Every Enter is a plain line break (CR LF in the store), whatever the
        // modifiers.
        ApplyEdit(EditKind::Typing, 1, [this] {
            QTextCursor cursor = textCursor();
            cursor.insertText(QStringLiteral("\n"));
            setTextCursor(cursor);
        });
        return;
    }
    if (key == Qt::Key_Backspace && !(modifiers & Qt::ControlModifier)) {
        ApplyEdit(EditKind::Deleting, 1, [&] { QPlainTextEdit::keyPressEvent(event); });
        return;
    }
    const QString text = event->text();
    // Ctrl together with Alt is AltGr on Windows keyboards (@, €, \, {, ...):
    // typing, not a command.
    const bool command = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
    if (!text.isEmpty() && !command && (text.front().isPrint() || text.front() == u'\t')) {
        ApplyEdit(EditKind::Typing, int(text.size()),
                  [&] { QPlainTextEdit::keyPressEvent(event); });
        return;
    }
    // Delete, the cursor keys and whatever else the widget does with a key.
    ApplyEdit(key == Qt::Key_Delete ? EditKind::Deleting : EditKind::Other, 0,
              [&] { QPlainTextEdit::keyPressEvent(event); });
}

void CKrEditWindow::inputMethodEvent(QInputMethodEvent* event)
{
    const int committed = int(event->commitString().size());
    if (committed == 0 && event->replacementLength() == 0) {
        ++m_loading; // composing text is not part of the box text yet
        QPlainTextEdit::inputMethodEvent(event);
        --m_loading;
        return;
    }
    ApplyEdit(EditKind::Typing, committed, [&] { QPlainTextEdit::inputMethodEvent(event); });
}

void CKrEditWindow::mousePressEvent(QMouseEvent* event)
{
    EndTypingRun();
    QPlainTextEdit::mousePressEvent(event);
}

bool CKrEditWindow::canInsertFromMimeData(const QMimeData* source) const
{
    return source && source->hasText();
}

void CKrEditWindow::insertFromMimeData(const QMimeData* source)
{
    if (!canInsertFromMimeData(source))
        return;
    const QString text = source->text();
    if (m_editing) {
        InsertFitting(text);
        return;
    }
    // The selection paste of the middle mouse button.
    ApplyEdit(EditKind::Other, 0, [&] { InsertFitting(text); });
}

void CKrEditWindow::Paste()
{
    EndTypingRun();
    const QString clip = QApplication::clipboard()->text();
    ApplyEdit(EditKind::Other, 0, [&] {
        InsertFitting(clip);
        // The cleaning covers the whole box text, not only what was pasted; the
        // box is shown anew from its start, as after a move into it.
        LoadText(CleanPastedText(EditedText()));
    });
    NotifyModified();
}

void CKrEditWindow::Cut()
{
    EndTypingRun();
    ApplyEdit(EditKind::Other, 0, [this] { QPlainTextEdit::cut(); });
    NotifyModified();
}

void CKrEditWindow::Copy()
{
    QPlainTextEdit::copy();
}

void CKrEditWindow::Undo()
{
    StepHistory(m_undo, m_redo);
}

void CKrEditWindow::Redo()
{
    StepHistory(m_redo, m_undo);
}

void CKrEditWindow::StepHistory(QVector<Snapshot>& from, QVector<Snapshot>& to)
{
    if (from.isEmpty())
        return;
    const Snapshot current = Capture();
    to.append(current);
    Restore(from.takeLast());
    EndTypingRun();
    if (RawText() != current.text)
        NotifyModified();
}

void CKrEditWindow::SelectAll()
{
    EndTypingRun();
    QTextCursor cursor(document());
    cursor.setPosition(qMin(kSelectAllLimit, document()->characterCount() - 1));
    cursor.setPosition(0, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void CKrEditWindow::UpdateUndoCommand(CommandState& state) const
{
    state.enabled = CanUndo();
    state.text = CanUndo() ? tr("&Rückgängig") : tr("&Rückgängig (nicht möglich)");
}

void CKrEditWindow::UpdateRedoCommand(CommandState& state) const
{
    state.enabled = CanRedo();
    state.text = CanRedo() ? tr("&Wiederherstellen") : tr("&Wiederherstellen (nicht möglich)");
}

int CKrEditWindow::AddContextMenuItem(unsigned flags, int commandId, const QString& text)
{
    if (m_menuItems.size() >= kMaxContextMenuItems)
        return 0;
    m_menuItems.append(MenuItem{flags, commandId, flags & kMenuSeparator ? QString() : text});
    return 1;
}

QMenu* CKrEditWindow::BuildContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    if (m_menuItems.isEmpty()) {
        QAction* cut = menu->addAction(tr("&Ausschneiden\tStrg+X"), this, [this] { Cut(); });
        cut->setData(int(Cmd::Cut));
        QAction* copy = menu->addAction(tr("&Kopieren\tStrg+C"), this, [this] { Copy(); });
        copy->setData(int(Cmd::Copy));
        QAction* paste = menu->addAction(tr("E&infügen\tStrg+V"), this, [this] { Paste(); });
        paste->setData(int(Cmd::Paste));
        return menu;
    }
    constexpr unsigned kGrayed = 0x1, kDisabled = 0x2, kChecked = 0x8;
    for (const MenuItem& item : std::as_const(m_menuItems)) {
        if (item.flags & kMenuSeparator) {
            menu->addSeparator();
            continue;
        }
        const int id = item.id;
        QAction* action = menu->addAction(item.text, this, [this, id] {
            if (m_host)
                m_host->EditorCommand(id);
        });
        action->setData(id);
        action->setEnabled(!(item.flags & (kGrayed | kDisabled)));
        if (item.flags & kChecked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }
    return menu;
}

void CKrEditWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_contextMenu) {
        m_contextMenu->exec(event->globalPos());
        return;
    }
    std::unique_ptr<QMenu> menu(BuildContextMenu(this));
    menu->exec(event->globalPos());
}

void CKrEditWindow::PassKeyToHost(QKeyEvent* event)
{
    if (m_host)
        m_host->EditorKeyPressed(event);
}

void CKrEditWindow::PassWheelToHost(QWheelEvent* event)
{
    if (m_host)
        m_host->EditorWheel(event);
    else
        event->ignore(); // goes on to the parent view
}

void CKrEditWindow::ScrollIntoView()
{
    if (!m_host)
        return;
    CKrEditHost& host = *m_host;
    const auto edit = [this] { return QRect(mapToGlobal(QPoint(0, 0)), size()); };
    const auto bottom = [](const QRect& r) { return r.y() + r.height(); };
    const auto right = [](const QRect& r) { return r.x() + r.width(); };
    // A scroll that leaves the position where it was ends the step: the view
    // cannot go further (a box wider than the view, or the end of the form).
    const auto scrolled = [&host](const std::function<void()>& scroll) {
        const QPoint before = host.ScrollPosition();
        scroll();
        return host.ScrollPosition() != before;
    };

    const auto scrollDown = [&] {
        for (int i = 0; i < kMaxScrollSteps; ++i) {
            const QRect e = edit(), v = host.VisibleScreenRect();
            if (bottom(e) <= bottom(v) || e.top() - v.top() <= 50)
                break;
            if (!scrolled([&] { host.ScrollByUnits(0, kScrollStep); }))
                break;
        }
    };
    scrollDown();

    bool jumpedToTop = false;
    for (int i = 0; i < kMaxScrollSteps; ++i) {
        const QRect e = edit(), v = host.VisibleScreenRect();
        if (e.top() >= v.top())
            break;
        if (e.top() <= -200) {
            if (!scrolled([&] { host.ScrollByUnits(0, -kScrollStep); }))
                break;
        } else {
            jumpedToTop = true;
            if (!scrolled([&] { host.ScrollToTop(); }))
                break;
        }
    }
    // The jump to the top of the form can carry a box that lay just above the
    // visible part below it; bring it back.
    if (jumpedToTop)
        scrollDown();

    for (int i = 0; i < kMaxScrollSteps; ++i) {
        const QRect e = edit(), v = host.VisibleScreenRect();
        if (right(e) <= right(v) - 20)
            break;
        if (!scrolled([&] { host.ScrollByUnits(kScrollStep, 0); }))
            break;
    }
    for (int i = 0; i < kMaxScrollSteps; ++i) {
        const QRect e = edit(), v = host.VisibleScreenRect();
        if (e.left() >= v.left())
            break;
        if (!scrolled([&] { host.ScrollByUnits(-kScrollStep, 0); }))
            break;
    }
}

void CKrEditWindow::Format(int id)
{
    // The text typed so far goes with the box; the widget then shows the box in
    // its new format.
    Commit();
    switch (id) {
    case Cmd::FontBigger:
        m_store->FontBigger(m_index, m_page);
        break;
    case Cmd::FontSmaller:
        m_store->FontSmaller(m_index, m_page);
        break;
    case Cmd::Bold:
        m_store->SetBold(m_index, m_page, !m_store->IsBold(m_index, m_page));
        break;
    case Cmd::AlignLeft:
        m_store->SetAlignment(m_index, m_page, CFieldStore::kAlignLeft);
        break;
    case Cmd::AlignCenter:
        m_store->SetAlignment(m_index, m_page, CFieldStore::kAlignCenter);
        break;
    case Cmd::AlignRight:
        m_store->SetAlignment(m_index, m_page, CFieldStore::kAlignRight);
        break;
    default:
        return;
    }
    Reload();
}

bool CKrEditWindow::OnCommand(int id)
{
    if (!m_store)
        return false;
    try {
        switch (id) {
        case Cmd::Undo:
            Undo();
            return true;
        case Cmd::Redo:
            Redo();
            return true;
        case Cmd::Cut:
            Cut();
            return true;
        case Cmd::Copy:
            Copy();
            return true;
        case Cmd::Paste:
            Paste();
            return true;
        case Cmd::SelectAll:
            SelectAll();
            return true;
        case Cmd::InsertMode:
            SetInsertMode(!GetInsertMode());
            if (m_host)
                m_host->UpdateStatusText();
            return true;
        case Cmd::FontBigger:
        case Cmd::FontSmaller:
        case Cmd::Bold:
        case Cmd::AlignLeft:
        case Cmd::AlignCenter:
        case Cmd::AlignRight:
            Format(id);
            break;
        default:
            return false;
        }
    } catch (const CInvalidArgException&) {
        return true; // the current box no longer exists: nothing to format
    }
    NotifyModified();
    return true;
}

bool CKrEditWindow::OnUpdateCommand(int id, CommandState& state)
{
    if (!m_store)
        return false;
    try {
        switch (id) {
        case Cmd::Undo:
            UpdateUndoCommand(state);
            return true;
        case Cmd::Redo:
            UpdateRedoCommand(state);
            return true;
        case Cmd::Cut:
        case Cmd::Copy:
        case Cmd::Paste:
        case Cmd::SelectAll:
            state.enabled = true;
            return true;
        case Cmd::InsertMode:
            state.text =
                GetInsertMode() ? tr("Einfügemodus ausschalten") : tr("Einfügemodus einschalten");
            return true;
        case Cmd::FontBigger:
            state.enabled = m_store->CanFontBigger(m_index, m_page);
            return true;
        case Cmd::FontSmaller:
            state.enabled = m_store->CanFontSmaller(m_index, m_page);
            return true;
        case Cmd::Bold:
            state.checked = m_store->IsBold(m_index, m_page);
            return true;
        case Cmd::AlignLeft:
            state.checked = m_store->GetAlignment(m_index, m_page) == CFieldStore::kAlignLeft;
            return true;
        case Cmd::AlignCenter:
            state.checked = m_store->GetAlignment(m_index, m_page) == CFieldStore::kAlignCenter;
            return true;
        case Cmd::AlignRight:
            state.checked = m_store->GetAlignment(m_index, m_page) == CFieldStore::kAlignRight;
            return true;
        default:
            return false;
        }
    } catch (const CInvalidArgException&) {
        state.enabled = false;
        state.checked = false;
        return true;
    }
}
