#pragma once

#include <QByteArray>
#include <QString>

// 8-bit strings of old document files and of the address data file were written
// with the Windows "ANSI" code page, which for the German texts they hold is
// Windows-1252. Qt Core has no 1252 codec without ICU, so we carry the table.
QString DecodeWindows1252(const QByteArray& bytes);
