#pragma once

#include <QString>

// The data folder: the user's documents folder, the program file's base name and
// a separator ("~/Documents/tarvelomark/"). The address data file lives there
// unless the settings name another one.
QString DataFolder(const QString& documentsFolder, const QString& programBaseName);

// The address data file the program uses: "@" (or nothing) stands for
// "TMAdress.dat" in the data folder; any other value is used as it is.
QString ResolveAddressFile(const QString& setting, const QString& dataFolder);

inline constexpr char kDefaultAddressFileName[] = "TMAdress.dat";
