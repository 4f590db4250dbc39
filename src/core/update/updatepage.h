#pragma once

#include "core/errors/error.h"
#include "core/update/updateindex.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// The maker's web addresses and the download page the program writes for an
// update it found.
//
// The update server's and the home page's addresses come from the settings;
// both must be http or https addresses with a host and without query or
// fragment. A text from the index never decides where a link leads: the
// download link is the update server's address with the entry's path appended,
// and it must stay an http(s) address on that server.

inline constexpr char kUpdatePageFileName[] = "Update.html";

// The configured address as a URL, or nothing when it is not a usable web address.
std::optional<QUrl> WebAddress(const QString& configured);

// "UpdateIndex.krdidx" at the root of the update server's address.
QUrl UpdateIndexUrl(const QUrl& server);

// The server's address followed by the download path (one slash between them).
// Nothing when the result would not be an http(s) address on the same host,
// port and scheme, or would carry user information.
std::optional<QUrl> DownloadUrl(const QUrl& server, const QString& downloadPath);

// A free update when the entry's version has the installed major number; a paid
// upgrade otherwise (also when the entry's version has no number at all).
bool IsFreeUpdate(const ProgramVersion& installed, const QString& entryVersion);

struct UpdatePageInput
{
    UpdateIndexEntry entry;
    ProgramVersion installed;
    QUrl downloadUrl; // from DownloadUrl
    QUrl homePage;    // from WebAddress
};

// The page in UTF-8 with its charset declared. Every text of the entry is
// HTML-escaped, and where it stands inside a JavaScript string it is escaped
// for that string first, so that no index text can add markup or script.
QByteArray BuildUpdatePage(const UpdatePageInput& input);

// Writes the page as a whole or not at all (CSafeFileWriter); makes the folder
// when it is missing. On failure UpdatePageNotWritten with the cause; an old
// page stays as it was.
Error WriteUpdatePage(const QString& path, const QByteArray& page);
