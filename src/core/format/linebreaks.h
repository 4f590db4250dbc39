#pragma once

#include <QString>

// Box texts, default texts and address records keep their line breaks as CR LF;
// edit controls work with LF. A lone CR counts as a line break too.
QString ToEditLines(const QString& stored);
QString ToStoredLines(const QString& edited);

// Removes trailing white space (space, tab, line breaks and the other characters
// Unicode counts as space), as box texts are stored.
QString TrimTrailingSpace(const QString& text);
