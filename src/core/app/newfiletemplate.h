#pragma once

#include <QByteArray>
#include <QString>

// The "new document" template the desktop offers in its templates folder (the
// XDG templates directory): an empty CMR note named after the first template,
// "CMR-Frachtbrief.cmr". Desktops that offer templates copy it as it is; the
// program opens the copy like any note.

// The template's bytes: a CMR note of the current version whose boxes are all
// empty (no default texts and no date, which would be out of date in a copy).
QByteArray NewCmrTemplateBytes();

// Writes the template into `folder` unless it is there already. Nothing is
// written when the folder does not exist (the desktop offers no templates
// then) or when the file cannot be written completely. Returns the template's
// path when it exists afterwards, else empty text.
QString WriteNewFileTemplate(const QString& folder);
