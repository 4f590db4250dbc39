#pragma once

#include <QString>

#include <optional>

class CSettingsStore;
class QWidget;

// The address book commands, for the application and the form views. Each sets
// the help topic of the address dialog for as long as it runs, including the
// loading of the file and its questions.

// "Vorgaben einfügen..." (F2): the address dialog in select mode on the file at
// addressFile. The full text of the record the user took over (lines separated
// by CR LF), or nothing when the file could not be loaded or the user took none.
std::optional<QString> ChooseAddress(const QString& addressFile, CSettingsStore& settings,
                                     QWidget* parent);

// "Adressdaten editieren...": the address dialog in edit mode.
void EditAddresses(const QString& addressFile, QWidget* parent);

// "Allgemeine Programm&einstellungen": the program options dialog. True on OK.
// The caller re-reads the address file setting afterwards in either case.
bool EditProgramOptions(CSettingsStore& settings, const QString& dataFolder, QWidget* parent);
