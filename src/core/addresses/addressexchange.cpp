#include "core/addresses/addressexchange.h"

#include "core/documents/codepage.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

namespace {

const QString kRecordLineEnd = QStringLiteral("\r\n");

QStringList RecordLines(const QString& record)
{
    QStringList lines = record.split(kRecordLineEnd);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

// A record line holds no control characters: a tab or a stray NUL from another
// program becomes a space, so that whatever was taken can be written again.
QString CleanLine(const QString& line)
{
    QString clean = line;
    for (qsizetype i = 0; i < clean.size(); ++i) {
        QChar& c = clean[i];
        if (c.category() == QChar::Other_Control) {
            c = QLatin1Char(' ');
        } else if (c.isHighSurrogate() && i + 1 < clean.size() && clean[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            // Half a pair (from a damaged UTF-16 file) cannot be written as UTF-8.
            c = QChar::ReplacementCharacter;
        }
    }
    return clean.trimmed();
}

// Spreadsheets and address programs write any of the three line ends.
QStringList SplitLines(const QString& text)
{
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

// The text of a file that carries no encoding of its own: UTF-8 when it is
// valid UTF-8, else Windows-1252, which older Windows programs write. A NUL byte
// (outside UTF-16) means the file is no text at all.
std::optional<QString> DecodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                            : QStringConverter::Utf16BE);
        const QString text = decoder.decode(bytes.mid(2));
        if (decoder.hasError())
            return std::nullopt;
        return text;
    }
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}

// ---------------------------------------------------------------------------
// CSV

QString CsvCell(const QString& text)
{
    static const QRegularExpression special(QStringLiteral("[;\"\\r\\n]|^\\s|\\s$"));
    if (!special.match(text).hasMatch())
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CsvHeaderCell(int column)
{
    return QStringLiteral("Zeile %1").arg(column + 1);
}

struct CsvRow
{
    QStringList cells;
    int firstLine = 1; // of the file, for the messages
    bool unterminated = false;
};

// The delimiter the first row uses outside quotes.
QChar CsvDelimiter(const QString& text)
{
    bool quoted = false;
    int commas = 0;
    int tabs = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == QLatin1Char(';'))
            return c;
        else if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            break;
        else if (c == QLatin1Char('\t'))
            ++tabs;
        else if (c == QLatin1Char(','))
            ++commas;
    }
    if (tabs > 0)
        return QLatin1Char('\t');
    return commas > 0 ? QLatin1Char(',') : QLatin1Char(';');
}

QVector<CsvRow> ParseCsv(const QString& text)
{
    const QChar delimiter = CsvDelimiter(text);
    QVector<CsvRow> rows;
    CsvRow row;
    QString cell;
    bool quoted = false;
    bool rowStarted = false;
    int line = 1;
    const auto endCell = [&] {
        row.cells.append(cell);
        cell.clear();
    };
    const auto endRow = [&] {
        endCell();
        rows.append(row);
        row = CsvRow();
        row.firstLine = line;
        rowStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                cell += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            rowStarted = true;
        } else if (c == delimiter) {
            endCell();
            rowStarted = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            endRow();
        } else {
            cell += c;
            rowStarted = true;
        }
    }
    if (quoted) {
        row.unterminated = true;
        endRow();
    } else if (rowStarted || !cell.isEmpty()) {
        endRow();
    }
    return rows;
}

bool IsCsvHeader(const QStringList& cells)
{
    for (int i = 0; i < cells.size(); ++i)
        if (cells.at(i) != CsvHeaderCell(i) && !(cells.at(i).isEmpty() && i > 0))
            return false;
    return !cells.isEmpty();
}

// ---------------------------------------------------------------------------
// vCard

QString VCardEscape(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';'))
            escaped += QLatin1Char('\\');
        if (c == QLatin1Char('\n')) {
            escaped += QLatin1String("\\n");
            continue;
        }
        escaped += c;
    }
    return escaped;
}

// Lines longer than 75 octets are folded, never inside a UTF-8 sequence.
QByteArray FoldedLine(const QString& line)
{
    const QByteArray bytes = line.toUtf8();
    QByteArray folded;
    qsizetype start = 0;
    int limit = 75;
    while (bytes.size() - start > limit) {
        qsizetype end = start + limit;
        while (end > start && (static_cast<unsigned char>(bytes.at(end)) & 0xC0) == 0x80)
            --end;
        folded += bytes.mid(start, end - start) + "\r\n ";
        start = end;
        limit = 74; // the space of the continuation counts
    }
    return folded + bytes.mid(start) + "\r\n";
}

// "24103 Kiel", "D-24103 Kiel", "CH-8001 Zürich", "1010 Wien".
const QRegularExpression& PostcodeLine()
{
    static const QRegularExpression postcode(
        QStringLiteral("^((?:[A-Z]{1,3}[- ])?\\d{4,5})\\s+(\\S.*)$"));
    return postcode;
}

struct Address
{
    QString name;
    QStringList street;
    QString postcode;
    QString town;
    QString country;
};

Address SplitRecord(const QStringList& lines)
{
    Address a;
    if (lines.isEmpty())
        return a;
    a.name = lines.first();
    qsizetype end = lines.size();
    const auto postcodeAt = [&](qsizetype i) {
        return i > 0 && PostcodeLine().match(lines.at(i).trimmed()).hasMatch();
    };
    qsizetype postcodeLine = -1;
    if (postcodeAt(end - 1)) {
        postcodeLine = end - 1;
    } else if (end >= 3 && postcodeAt(end - 2)) {
        postcodeLine = end - 2;
        a.country = lines.at(end - 1);
    }
    if (postcodeLine > 0) {
        const auto m = PostcodeLine().match(lines.at(postcodeLine).trimmed());
        a.postcode = m.captured(1);
        a.town = m.captured(2);
        end = postcodeLine;
    }
    a.street = lines.mid(1, end - 1);
    return a;
}

struct VCardProperty
{
    QString name; // upper case, without group
    QStringList parameters;
    QString value; // still escaped
};

// "item1.ADR;TYPE=work:;;Street" → ADR, [TYPE=work], ";;Street". Parameter
// values may be quoted and then hold ':' and ';'.
std::optional<VCardProperty> ParseProperty(const QString& line)
{
    VCardProperty property;
    bool quoted = false;
    QString part;
    QStringList parts;
    qsizetype i = 0;
    for (; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char(';')) {
            parts.append(part);
            part.clear();
            continue;
        } else if (!quoted && c == QLatin1Char(':'))
            break;
        part += c;
    }
    if (i >= line.size())
        return std::nullopt;
    parts.append(part);
    QString name = parts.takeFirst().trimmed().toUpper();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name = name.mid(dot + 1);
    property.name = name;
    property.parameters = parts;
    property.value = line.mid(i + 1);
    return property;
}

// Splits a structured value at unescaped ';' and removes the escapes.
QStringList Components(const QString& value)
{
    QStringList components;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            current += next == QLatin1Char('n') || next == QLatin1Char('N') ? QChar(u'\n') : next;
        } else if (c == QLatin1Char(';')) {
            components.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    components.append(current);
    return components;
}

QString Text(const QString& value)
{
    // An unescaped ';' in a text value is taken as written.
    return Components(value).join(QLatin1Char(';')).trimmed();
}

struct VCard
{
    QString version;
    QString fn;
    QStringList n;
    QString org;
    QStringList adr;
    bool hasAdr = false;
    bool ended = false;
    int number = 0;
};

QStringList CardLines(const VCard& card)
{
    QString name = card.fn;
    if (name.isEmpty() && !card.n.isEmpty()) {
        // N: family; given; additional; prefixes; suffixes.
        QStringList parts;
        for (int i : {3, 1, 2, 0, 4})
            if (i < card.n.size() && !card.n.at(i).trimmed().isEmpty())
                parts.append(card.n.at(i).trimmed());
        name = parts.join(QLatin1Char(' '));
    }
    name = CleanLine(name);
    const QString org = CleanLine(card.org);
    QStringList lines;
    if (!org.isEmpty())
        lines.append(org);
    if (!name.isEmpty() && name != org)
        lines.append(name);
    if (card.hasAdr) {
        // ADR: post office box; extended; street; locality; region; postcode; country.
        const auto at = [&](int i) {
            return i < card.adr.size() ? card.adr.at(i).trimmed() : QString();
        };
        for (int i : {0, 1, 2})
            for (const QString& line : SplitLines(at(i)))
                if (!CleanLine(line).isEmpty())
                    lines.append(CleanLine(line));
        const QString town = CleanLine(at(5) + QLatin1Char(' ') + at(3));
        if (!town.isEmpty())
            lines.append(town);
        if (!CleanLine(at(6)).isEmpty())
            lines.append(CleanLine(at(6)));
    }
    return lines;
}

AddressImport Refuse(ErrorCode error)
{
    AddressImport import;
    import.error = Error(error);
    return import;
}

} // namespace

std::optional<AddressFormat> AddressFormatForPath(const QString& path)
{
    const QString lower = path.toLower();
    if (lower.endsWith(QLatin1String(".csv")))
        return AddressFormat::Csv;
    if (lower.endsWith(QLatin1String(".vcf")) || lower.endsWith(QLatin1String(".vcard")))
        return AddressFormat::VCard;
    return std::nullopt;
}

QByteArray WriteAddressCsv(const QStringList& records)
{
    QVector<QStringList> rows;
    qsizetype columns = 1;
    for (const QString& record : records) {
        rows.append(RecordLines(record));
        columns = qMax(columns, rows.last().size());
    }
    QStringList header;
    for (int i = 0; i < columns; ++i)
        header.append(CsvHeaderCell(i));
    QByteArray csv("\xEF\xBB\xBF");
    csv += header.join(QLatin1Char(';')).toUtf8() + "\r\n";
    for (const QStringList& lines : rows) {
        QStringList cells;
        for (const QString& line : lines)
            cells.append(CsvCell(line));
        csv += cells.join(QLatin1Char(';')).toUtf8() + "\r\n";
    }
    return csv;
}

QByteArray WriteAddressVCards(const QStringList& records)
{
    QByteArray vcf;
    for (const QString& record : records) {
        const Address a = SplitRecord(RecordLines(record));
        vcf += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        vcf += FoldedLine(QStringLiteral("FN:") + VCardEscape(a.name));
        vcf += FoldedLine(QStringLiteral("N:") + VCardEscape(a.name) + QStringLiteral(";;;;"));
        if (!a.name.isEmpty())
            vcf += FoldedLine(QStringLiteral("ORG:") + VCardEscape(a.name));
        if (!a.street.isEmpty() || !a.postcode.isEmpty() || !a.country.isEmpty()) {
            vcf += FoldedLine(QStringLiteral("ADR;TYPE=WORK:;;%1;%2;;%3;%4")
                                  .arg(VCardEscape(a.street.join(QLatin1Char('\n'))),
                                       VCardEscape(a.town), VCardEscape(a.postcode),
                                       VCardEscape(a.country)));
        }
        vcf += "END:VCARD\r\n";
    }
    return vcf;
}

AddressImport ReadAddressCsv(const QByteArray& bytes)
{
    const std::optional<QString> text = DecodeText(bytes);
    if (!text)
        return Refuse(ErrorCode::NotCsvText);
    AddressImport import;
    const QVector<CsvRow> rows = ParseCsv(*text);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const CsvRow& row = rows.at(r);
        if (r == 0 && IsCsvHeader(row.cells))
            continue;
        if (row.unterminated) {
            import.refused.append(Error(ErrorCode::CsvUnclosedQuote).at(row.firstLine));
            continue;
        }
        QStringList lines;
        for (const QString& cell : row.cells)
            for (const QString& line : SplitLines(cell))
                lines.append(CleanLine(line));
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        while (!lines.isEmpty() && lines.first().isEmpty())
            lines.removeFirst();
        if (lines.isEmpty())
            continue; // an empty row separates, it is no address
        import.records.append(lines.join(kRecordLineEnd));
    }
    if (import.records.isEmpty() && import.refused.isEmpty())
        import.error = Error(ErrorCode::NoAddresses);
    return import;
}

AddressImport ReadAddressVCards(const QByteArray& bytes)
{
    const std::optional<QString> decoded = DecodeText(bytes);
    if (!decoded)
        return Refuse(ErrorCode::NotVCardText);
    // Unfolding: a line break followed by a space or tab continues the line.
    QStringList lines;
    for (const QString& line : SplitLines(*decoded)) {
        if (!lines.isEmpty() && !line.isEmpty() &&
            (line.at(0) == QLatin1Char(' ') || line.at(0) == QLatin1Char('\t')))
            lines.last() += line.mid(1);
        else
            lines.append(line);
    }

    AddressImport import;
    std::optional<VCard> card;
    int cards = 0;
    const auto finish = [&](const VCard& c) {
        if (!c.ended) {
            import.refused.append(Error(ErrorCode::VCardUnterminated).at(c.number));
            return;
        }
        if (c.version != QLatin1String("3.0") && c.version != QLatin1String("4.0")) {
            import.refused.append(
                Error(ErrorCode::VCardUnsupportedVersion, {c.version}).at(c.number));
            return;
        }
        const QStringList recordLines = CardLines(c);
        if (recordLines.isEmpty()) {
            import.refused.append(Error(ErrorCode::VCardNoNameOrAddress).at(c.number));
            return;
        }
        import.records.append(recordLines.join(kRecordLineEnd));
    };
    for (const QString& line : lines) {
        const std::optional<VCardProperty> property = ParseProperty(line);
        if (!property)
            continue;
        const QString value = property->value.trimmed();
        if (property->name == QLatin1String("BEGIN") &&
            value.compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0) {
            if (card)
                finish(*card);
            card = VCard();
            card->number = ++cards;
            continue;
        }
        if (!card)
            continue;
        if (property->name == QLatin1String("END")) {
            card->ended = true;
            finish(*card);
            card.reset();
        } else if (property->name == QLatin1String("VERSION")) {
            card->version = value;
        } else if (property->name == QLatin1String("FN") && card->fn.isEmpty()) {
            card->fn = Text(property->value);
        } else if (property->name == QLatin1String("N") && card->n.isEmpty()) {
            card->n = Components(property->value);
        } else if (property->name == QLatin1String("ORG") && card->org.isEmpty()) {
            card->org = Components(property->value).value(0).trimmed();
        } else if (property->name == QLatin1String("ADR") && !card->hasAdr) {
            card->adr = Components(property->value);
            card->hasAdr = true;
        }
    }
    if (card)
        finish(*card);
    if (cards == 0)
        import.error = Error(ErrorCode::NoVCardEntries);
    return import;
}

AddressImport ReadAddresses(const QByteArray& bytes, AddressFormat format)
{
    return format == AddressFormat::Csv ? ReadAddressCsv(bytes) : ReadAddressVCards(bytes);
}

void DropKnownAddresses(AddressImport& import, const QStringList& existing)
{
    QSet<QString> known(existing.cbegin(), existing.cend());
    QStringList fresh;
    for (const QString& record : std::as_const(import.records)) {
        if (known.contains(record)) {
            ++import.duplicates;
            continue;
        }
        known.insert(record);
        fresh.append(record);
    }
    import.records = fresh;
}
