#pragma once

#include <QLocale>
#include <QString>

#include <optional>

class CSettingsStore;

// The one language the whole program speaks: its own texts, Qt's standard
// buttons and dialogs, and the numbers inside its texts. German is the source
// language of every text; English comes from the program's catalogue.
enum class ProgramLanguage { German, English };

// The choice. "Language" of section "Settings" decides when it holds 0 (German)
// or 1 (English). Without it (or with any other value, which no dialog writes)
// the system's locale decides, given by its name as QLocale::name() spells it
// ("de_AT"; "de_DE.UTF-8" and "de-AT" are read alike): German for a German
// locale and for the C or POSIX locale (and an empty name, which means no
// locale is set), English for every other language.
ProgramLanguage ChooseProgramLanguage(std::optional<int> setting, const QString& localeName);
// The choice of the running program: the stored setting and the locale of the
// system's messages.
ProgramLanguage ChooseProgramLanguage(const CSettingsStore& settings);

// Makes the QCoreApplication speak `language`, replacing the translators of an
// earlier call: English takes the program's catalogue from the resource
// ":/i18n/tarvelomark_en.qm" (compiled into the executables that link
// tvm_translations), German takes Qt's own catalogue for its standard texts from
// Qt's translation folder. Until the first call the program is German apart from
// Qt's texts. Widgets that exist already receive QEvent::LanguageChange.
//
// False when a catalogue could not be loaded, or without a QCoreApplication;
// the texts it would have translated then show as they are written in the
// source. ProgramLocale() follows `language` in either case.
bool InstallTranslators(ProgramLanguage language);

// The language of the last InstallTranslators call; German before the first.
ProgramLanguage InstalledLanguage();

// The locale of the numbers inside the program's texts, whatever the system's:
// the installed language's own, so that German texts take the decimal comma
// ("99,5 %", "1,5 mm") and English ones the point ("99.5 %", "1.5 mm"), where a
// comma would read as a thousands separator. Numbers in files never use it.
QLocale ProgramLocale();
