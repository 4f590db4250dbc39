#pragma once

#include "core/errors/error.h"

#include <QJsonObject>
#include <QString>

class CKrDocument;

// The document as the command-line tool shows it:
//   {"form", "version", "loadError", "word" (not for the forwarding order),
//    "pageWord", "followCount", "fields": [[text, format], ...] for page 1,
//    "followFields": [[text, format], ...]}
// Texts are exactly as stored (CR LF kept). The tool adds "message", the words
// of the load message, in the language it speaks.
QJsonObject DocumentToJson(const CKrDocument& document);

// Applies the members present in the JSON to a document of the right form type;
// what is left out keeps its current contents. One of the Json... errors, and
// the document unchanged, when the JSON does not fit the document: an unknown
// member, a member of the wrong type, "word" for a form without check boxes,
// more follow-on fields than the form keeps.
Error ApplyDocumentJson(CKrDocument& document, const QJsonObject& json);
