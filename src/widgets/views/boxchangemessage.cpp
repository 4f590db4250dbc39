#include "widgets/views/boxchangemessage.h"

#include <QCoreApplication>

namespace {

// A status bar has one line, and a box text may have several or be long.
constexpr int kMaxQuotedLength = 40;

QString Quoted(const QString& text)
{
    QString line = text.simplified();
    if (line.size() > kMaxQuotedLength)
        line = line.left(kMaxQuotedLength - 1) + QChar(0x2026);
    return line;
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("BoxChange", text);
}

} // namespace

QString BoxChangeMessage(const Forms::BoxChange& change)
{
    using Kind = Forms::BoxChange::Kind;
    const QString place =
        change.row > 0 ? QCoreApplication::translate("BoxChange", "Feld %1 Zeile %2")
                             .arg(change.field)
                             .arg(change.row)
                       : QCoreApplication::translate("BoxChange", "Feld %1").arg(change.field);
    const char* sentence = nullptr;
    switch (change.kind) {
    case Kind::None:
        return QString();
    case Kind::NotANumber:
        sentence = QT_TRANSLATE_NOOP("BoxChange", "%1: \"%2\" ist keine Zahl und wurde entfernt.");
        break;
    case Kind::Negative:
        sentence = QT_TRANSLATE_NOOP("BoxChange", "%1: \"%2\" ist negativ und wurde entfernt.");
        break;
    case Kind::Zero:
        sentence = QT_TRANSLATE_NOOP("BoxChange", "%1: \"%2\" ergibt 0 und wurde entfernt.");
        break;
    case Kind::CutToNumber:
        sentence = QT_TRANSLATE_NOOP("BoxChange", "%1: \"%2\" wurde zu \"%3\".");
        break;
    case Kind::ReadWithThousands:
        sentence = QT_TRANSLATE_NOOP("BoxChange", "%1: \"%2\" wurde als \"%3\" gelesen.");
        break;
    case Kind::Rounded:
        sentence = QT_TRANSLATE_NOOP("BoxChange", "%1: \"%2\" wurde auf \"%3\" gerundet.");
        break;
    }
    // One pass over all three, so that a "%" typed into the box stays as it is.
    QString text = Tr(sentence);
    if (!text.contains(QLatin1String("%3")))
        return text.arg(place, Quoted(change.before));
    return text.arg(place, Quoted(change.before), Quoted(change.after));
}
