#pragma once

#include <QSettings>

// The INI file format of QSettings, with the one check it lacks: that the file
// really reached the disk before it replaces the old one.
//
// QSettings writes through QSaveFile, whose commit renames the new file over the
// old one even when the buffered data could not all be written; on a nearly full
// disk every setting would be cut off. This format produces exactly the bytes of
// QSettings::IniFormat (Qt's own reader and writer run on scratch files, in
// /dev/shm where there is one, else in the temporary folder; what the writer made
// is read back and compared, since it has the same fault) and flushes them
// itself, so that a failed write is never committed: the old file stays and
// QSettings reports an access error.
//
// When the scratch file cannot be made while reading, the file counts as
// unreadable and, for the rest of the process, is never written again: merging
// into an empty map would otherwise replace every stored value.
//
// The extension is "conf", so that a user store in this format lies where the
// native one lay on Linux (XDG_CONFIG_HOME/Norvak/Tarvelomark.conf).
QSettings::Format CheckedIniFormat();
