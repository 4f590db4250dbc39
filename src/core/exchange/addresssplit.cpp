#include "core/exchange/addresssplit.h"

#include "core/exchange/countries.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace Exchange {

namespace {

QStringList NormalisedLines(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\\r\\n|\\r|\\n"));
    QStringList lines;
    for (const QString& line : text.split(breaks)) {
        const QString simplified = line.simplified();
        if (!simplified.isEmpty())
            lines.append(simplified);
    }
    return lines;
}

// A line with a postcode and a town.
struct TownLine
{
    QString prefixCountry; // the country the postcode's prefix names
    QString postcode;
    QString town;
};

const QString kPostcode = QStringLiteral(
    "(\\d{2}-\\d{3}|\\d{4}-\\d{3}|\\d{3} \\d{2}(?= )|\\d{4} ?[A-Z]{2}(?= )|\\d{3,6})");
const QString kUkPostcode = QStringLiteral("([A-Z]{1,2}\\d[A-Z\\d]? ?\\d[A-Z]{2})");

// Commas after a town are no part of it: "London, SW1A 1AA", "Bremen,".
QString Town(const QString& text)
{
    static const QRegularExpression trailing(QStringLiteral("[, ]+$"));
    return QString(text).remove(trailing);
}

std::optional<TownLine> ReadTownLine(const QString& line)
{
    static const QRegularExpression continental(QStringLiteral("^(?:([A-Za-z]{1,3}) ?- ?)?") +
                                                kPostcode + QStringLiteral(" (.*\\p{L}.*)$"));
    static const QRegularExpression ukAfter(QStringLiteral("^(.*\\p{L}.*?),? ") + kUkPostcode +
                                            QStringLiteral("$"));
    static const QRegularExpression ukBefore(QStringLiteral("^") + kUkPostcode +
                                             QStringLiteral(" (.*\\p{L}.*)$"));
    QRegularExpressionMatch m = continental.match(line);
    if (m.hasMatch()) {
        TownLine town{QString(), m.captured(2), Town(m.captured(3))};
        if (m.capturedLength(1) > 0) {
            town.prefixCountry = CountryCodeFromPrefix(m.capturedView(1));
            if (town.prefixCountry.isEmpty())
                return std::nullopt;
        }
        return town;
    }
    m = ukBefore.match(line);
    if (m.hasMatch())
        return TownLine{QString(), m.captured(1), Town(m.captured(2))};
    m = ukAfter.match(line);
    if (m.hasMatch())
        return TownLine{QString(), m.captured(2), Town(m.captured(1))};
    return std::nullopt;
}

// A British postcode, which follows the town.
bool IsUkPostcode(const QString& postcode)
{
    static const QRegularExpression whole(QStringLiteral("^") + kUkPostcode + QStringLiteral("$"));
    return whole.match(postcode).hasMatch();
}

bool IsTownLine(const QString& line)
{
    return ReadTownLine(line).has_value();
}

// The number of a post office box line, or none.
std::optional<QString> PostOfficeBox(const QString& line)
{
    static const QRegularExpression box(
        QStringLiteral("^(?:postfach|pf|p\\.? ?o\\.? ?box|bo[iî]te postale|bp|casella postale|"
                       "apartado)\\.?:? ?(\\d[\\d ]*)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = box.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).trimmed();
}

bool LooksLikeStreet(const QString& line)
{
    static const QRegularExpression word(
        QStringLiteral("(^(am|an der|auf der|im|in der|zum|zur) "
                       "|str\\.|stra(ss|ß)e|weg\\b|platz\\b|allee\\b|ring\\b|damm\\b|gasse\\b|"
                       "chaussee\\b|ufer\\b|\\brue\\b|\\bavenue\\b|\\bboulevard\\b|\\bchemin\\b|"
                       "\\bstreet\\b|\\broad\\b|\\blane\\b|\\bvia\\b|\\bviale\\b|\\bpiazza\\b|"
                       "\\bcalle\\b|\\bavenida\\b|\\brua\\b|\\bul\\.)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    for (const QChar c : line)
        if (c.isDigit())
            return true;
    return word.match(line).hasMatch();
}

// Takes a contact line into the contact; false for any other line.
bool TakeContact(const QString& line, Contact& contact)
{
    // Longer labels first, and none followed by a letter: "Telefon" is not
    // "Tel" with "efon", "Telegrafenstr. 5" no telephone line.
    static const QRegularExpression labelled(
        QStringLiteral("^(telefon|telefax|t[ée]l[ée]phone|phone|mobile|mobil|handy|fon|tel|fax|"
                       "e-?mail|mail|z\\. ?h(?:änden|aenden|d)|attn|attention|"
                       "ansprechpartner(?:in)?)(?!\\p{L})[.:]* ?(.+)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression bareEmail(QStringLiteral("^[^ @]+@[^ @]+\\.[^ @]+$"));
    auto append = [](QString& field, const QString& value) {
        field = field.isEmpty() ? value : field + QStringLiteral(", ") + value;
    };
    if (bareEmail.match(line).hasMatch()) {
        append(contact.email, line);
        return true;
    }
    const QRegularExpressionMatch m = labelled.match(line);
    if (!m.hasMatch())
        return false;
    const QString label = m.captured(1).toLower();
    const QString value = m.captured(2).trimmed();
    const bool hasDigit =
        std::any_of(value.cbegin(), value.cend(), [](QChar c) { return c.isDigit(); });
    if (label.contains(QLatin1String("mail"))) {
        if (!value.contains(QLatin1Char('@')))
            return false;
        append(contact.email, value);
    } else if (label.contains(QLatin1String("fax"))) {
        if (!hasDigit)
            return false;
        append(contact.fax, value);
    } else if (label.startsWith(QLatin1Char('z')) || label.startsWith(QLatin1String("att")) ||
               label.startsWith(QLatin1String("ansprech"))) {
        append(contact.person, value);
    } else {
        if (!hasDigit)
            return false;
        append(contact.phone, value);
    }
    return true;
}

// A single line with commas read as lines where its parts show a town or a
// country ("Müller GmbH, Hafenstr. 5, 28197 Bremen"; "Lyon, Frankreich").
QStringList CommaParts(const QStringList& lines, AddressRole role)
{
    if (lines.size() != 1 || !lines.first().contains(QLatin1Char(',')))
        return lines;
    QStringList parts;
    for (const QString& part : lines.first().split(QLatin1Char(',')))
        if (!part.trimmed().isEmpty())
            parts.append(part.trimmed());
    const int first = role == AddressRole::Party ? 1 : 0;
    for (int i = first; i < parts.size(); ++i)
        if (IsTownLine(parts[i]) || (i > 0 && !CountryCodeFromName(parts[i]).isEmpty()))
            return parts;
    return lines;
}

// The town line of an address: a British postcode after the town, any other
// before it; the other way round where only that reads back as the same
// postcode and town (a town that begins with digits).
QString PostcodeAndTown(const Address& address)
{
    const QString before = address.postcode + QLatin1Char(' ') + address.town;
    const QString after = address.town + QLatin1Char(' ') + address.postcode;
    const QStringList tries =
        IsUkPostcode(address.postcode) ? QStringList{after, before} : QStringList{before, after};
    for (const QString& line : tries) {
        const std::optional<TownLine> read = ReadTownLine(line);
        if (read && read->postcode == address.postcode && read->town == address.town)
            return line;
    }
    return tries.first();
}

void AddIssue(QVector<AddressIssue>& issues, AddressIssue issue)
{
    if (!issues.contains(issue))
        issues.append(issue);
}

} // namespace

AddressSplit SplitAddress(const QString& text, AddressRole role)
{
    AddressSplit split;
    QStringList lines = CommaParts(NormalisedLines(text), role);
    if (lines.isEmpty())
        return split;
    Address& address = split.address;

    // Contact lines of a party, never its first line (the name).
    if (role == AddressRole::Party)
        for (int i = lines.size() - 1; i >= 1; --i)
            if (TakeContact(lines[i], split.contact))
                lines.removeAt(i);

    // The country line: the last, unless it is a party's only line.
    const int firstCandidate = role == AddressRole::Party ? 1 : 0;
    QString countryLine;
    if (lines.size() > firstCandidate) {
        countryLine = CountryCodeFromName(lines.last());
        if (!countryLine.isEmpty())
            lines.removeLast();
    }

    // The town line: the last line, when it has a postcode, maybe with a
    // country after a comma. A line after it could be anything; then the
    // lines stay whole.
    int townIndex = -1;
    TownLine town;
    if (lines.size() > firstCandidate) {
        QString line = Town(lines.last());
        QString trailingCountry;
        const int comma = line.lastIndexOf(QLatin1Char(','));
        if (comma > 0 && countryLine.isEmpty()) {
            trailingCountry = CountryCodeFromName(QStringView(line).mid(comma + 1).trimmed());
            if (!trailingCountry.isEmpty())
                line = line.left(comma).trimmed();
        }
        if (const std::optional<TownLine> read = ReadTownLine(line)) {
            townIndex = int(lines.size()) - 1;
            town = *read;
            if (!trailingCountry.isEmpty())
                countryLine = trailingCountry;
        }
    }

    QStringList rest;
    if (townIndex >= 0) {
        address.postcode = town.postcode;
        address.town = town.town;
        int streetIndex = townIndex - 1;
        if (streetIndex >= firstCandidate) {
            if (const std::optional<QString> box = PostOfficeBox(lines[streetIndex]))
                address.postOfficeBox = *box;
            else if (LooksLikeStreet(lines[streetIndex]))
                address.street = lines[streetIndex];
            else
                streetIndex = -1;
        } else {
            streetIndex = -1;
        }
        for (int i = 0; i < townIndex; ++i)
            if (i != streetIndex)
                rest.append(lines[i]);
    } else {
        rest = lines;
        if (role == AddressRole::Place && !rest.isEmpty())
            address.town = rest.takeFirst();
        else
            AddIssue(split.issues, AddressIssue::NoTown);
    }
    address.nameLines = rest;

    if (!countryLine.isEmpty()) {
        address.countryCode = countryLine;
        if (!town.prefixCountry.isEmpty() && town.prefixCountry != countryLine)
            AddIssue(split.issues, AddressIssue::CountryConflict);
    } else {
        address.countryCode = town.prefixCountry;
    }
    if (address.countryCode.isEmpty())
        AddIssue(split.issues, AddressIssue::NoCountry);
    return split;
}

QString ComposeAddress(const Address& address, const Contact& contact, AddressRole role)
{
    QStringList lines;
    const bool townFirst = role == AddressRole::Place && address.postcode.isEmpty();
    if (townFirst && !address.town.isEmpty())
        lines.append(address.town);
    lines += address.nameLines;
    if (!contact.person.isEmpty())
        lines.append(QStringLiteral("z. Hd. ") + contact.person);
    if (!address.street.isEmpty())
        lines.append(address.street);
    if (!address.postOfficeBox.isEmpty())
        lines.append(QStringLiteral("Postfach ") + address.postOfficeBox);
    if (!townFirst) {
        const QString townLine =
            address.postcode.isEmpty() ? address.town : PostcodeAndTown(address);
        if (!townLine.trimmed().isEmpty())
            lines.append(townLine.trimmed());
    }
    if (!address.countryCode.isEmpty()) {
        const QString name = CountryName(address.countryCode);
        lines.append(name.isEmpty() ? address.countryCode : name);
    }
    if (!contact.phone.isEmpty())
        lines.append(QStringLiteral("Tel. ") + contact.phone);
    if (!contact.fax.isEmpty())
        lines.append(QStringLiteral("Fax ") + contact.fax);
    if (!contact.email.isEmpty())
        lines.append(QStringLiteral("E-Mail ") + contact.email);
    return lines.join(QLatin1Char('\n'));
}

Party ReadParty(const QString& text)
{
    AddressSplit split = SplitAddress(text, AddressRole::Party);
    return Party{split.address, split.contact, split.issues};
}

Place ReadPlace(const QString& text)
{
    AddressSplit split = SplitAddress(text, AddressRole::Place);
    return Place{split.address, split.issues};
}

QString PartyText(const Party& party)
{
    return ComposeAddress(party.address, party.contact, AddressRole::Party);
}

QString PlaceText(const Place& place)
{
    return ComposeAddress(place.address, Contact(), AddressRole::Place);
}

} // namespace Exchange
