#include "core/documents/documentjson.h"

#include "core/documents/krdocument.h"

#include <QJsonArray>

#include <algorithm>
#include <iterator>

namespace {

QJsonArray FieldsToJson(const QStringList& texts, const QVector<quint16>& formats)
{
    QJsonArray fields;
    for (qsizetype i = 0; i < texts.size(); ++i)
        fields.append(QJsonArray{texts[i], i < formats.size() ? int(formats[i]) : 0});
    return fields;
}

struct FieldValue
{
    QString text;
    std::optional<quint16> format;
};

Error ParseField(const QJsonValue& value, FieldValue& out)
{
    const QJsonArray pair = value.toArray();
    if (!value.isArray() || pair.isEmpty() || pair.size() > 2 || !pair[0].isString())
        return Error(ErrorCode::JsonFieldNotPair);
    out.text = pair[0].toString();
    out.format.reset();
    if (pair.size() == 2) {
        const int format = pair[1].toInt(-1);
        if (!pair[1].isDouble() || format < 0 || format > 0xFFFF)
            return Error(ErrorCode::JsonFormatOutOfRange);
        out.format = quint16(format);
    }
    return Error();
}

// Members a dump carries besides the boxes; they describe the file and are
// accepted when fed back in, but not applied.
constexpr const char* kDescriptiveNumbers[] = {"version", "loadError", "pageWord", "followCount"};

// Every member must be one the document takes, of the right type: what the tool
// would otherwise drop is refused, so that a typing error never builds a form
// that silently lacks what was meant.
Error CheckMembers(const QJsonObject& json)
{
    for (auto it = json.constBegin(); it != json.constEnd(); ++it) {
        const QString key = it.key();
        bool ok;
        if (key == QLatin1String("form") || key == QLatin1String("message"))
            ok = it.value().isString();
        else if (key == QLatin1String("fields") || key == QLatin1String("followFields"))
            ok = it.value().isArray();
        else if (key == QLatin1String("word"))
            ok = true; // checked with its range below
        else if (std::find_if(std::begin(kDescriptiveNumbers), std::end(kDescriptiveNumbers),
                              [&](const char* name) { return key == QLatin1String(name); }) !=
                 std::end(kDescriptiveNumbers))
            ok = it.value().isDouble();
        else
            return Error(ErrorCode::JsonUnknownMember, {key});
        if (!ok)
            return Error(key == QLatin1String("fields") || key == QLatin1String("followFields")
                             ? ErrorCode::JsonNotFieldList
                             : ErrorCode::JsonWrongType,
                         {key});
    }
    return Error();
}

Error ReadWord(const QJsonObject& json, const char* key, std::optional<quint16>& out)
{
    const QJsonValue value = json.value(QLatin1String(key));
    if (value.isUndefined())
        return Error();
    const int number = value.toInt(-1);
    if (!value.isDouble() || number < 0 || number > 0xFFFF)
        return Error(ErrorCode::JsonNumberOutOfRange, {QLatin1String(key)});
    out = quint16(number);
    return Error();
}

} // namespace

QJsonObject DocumentToJson(const CKrDocument& document)
{
    const CFieldStore& store = document.GetStore();
    QJsonObject json;
    json[QStringLiteral("form")] = QString(GetFormTypeInfo(document.GetFormType()).name);
    json[QStringLiteral("version")] = document.GetFileVersion();
    json[QStringLiteral("loadError")] = document.GetLoadError();
    if (document.HasCheckWord())
        json[QStringLiteral("word")] = int(document.GetCheckWord());
    json[QStringLiteral("pageWord")] = int(store.GetPageWord());
    json[QStringLiteral("followCount")] = int(store.GetFollowFieldCount());
    json[QStringLiteral("fields")] = FieldsToJson(store.PageTexts(), store.PageFormats());
    json[QStringLiteral("followFields")] = FieldsToJson(store.FollowTexts(), store.FollowFormats());
    return json;
}

Error ApplyDocumentJson(CKrDocument& document, const QJsonObject& json)
{
    CFieldStore& store = document.GetStore();

    // "pageWord" and "followCount" are read back from the form's definition; a
    // dump fed back in carries them, so they are accepted and not applied.
    if (Error error = CheckMembers(json))
        return error;
    std::optional<quint16> word;
    if (Error error = ReadWord(json, "word", word))
        return error;
    if (word && !document.HasCheckWord())
        return Error(ErrorCode::JsonNoCheckBoxes,
                     {QLatin1String(GetFormTypeInfo(document.GetFormType()).name)});

    const QJsonArray fields = json.value(QStringLiteral("fields")).toArray();
    const QJsonArray followFields = json.value(QStringLiteral("followFields")).toArray();
    if (fields.size() > 0xFFFF)
        return Error(ErrorCode::JsonTooManyFields);
    if (followFields.size() > store.FollowTexts().size() ||
        (!followFields.isEmpty() && store.GetFollowFieldCount() == 0))
        return Error(ErrorCode::JsonTooManyFollowBoxes,
                     {QString::number(store.FollowTexts().size())});
    // Parse everything before changing anything, so that a bad entry leaves the
    // document as it was.
    QVector<FieldValue> page(fields.size()), follow(followFields.size());
    for (qsizetype i = 0; i < fields.size(); ++i)
        if (Error error = ParseField(fields[i], page[i]))
            return error;
    for (qsizetype i = 0; i < followFields.size(); ++i)
        if (Error error = ParseField(followFields[i], follow[i]))
            return error;

    // Files converted from older layouts may carry more boxes than the form
    // defines; a dump of such a file must build again.
    while (store.GetFieldCount() < page.size())
        store.InsertField(store.GetFieldCount(), 1);
    for (qsizetype i = 0; i < page.size(); ++i) {
        store.SetFieldText(quint16(i), page[i].text, 1);
        if (page[i].format)
            store.SetFieldFormat(quint16(i), 1, *page[i].format);
    }
    const quint16 perPage = store.GetFollowFieldCount();
    for (qsizetype i = 0; i < follow.size(); ++i) {
        const auto index = quint16(i % perPage);
        const auto pageNo = quint16(2 + i / perPage);
        store.SetFieldText(index, follow[i].text, pageNo);
        if (follow[i].format)
            store.SetFieldFormat(index, pageNo, *follow[i].format);
    }
    if (word && document.HasCheckWord())
        document.SetCheckWord(*word);
    document.SetModifiedFlag();
    return Error();
}
