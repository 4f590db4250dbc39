#pragma once

#include <QLocale>
#include <QString>

class CSettingsStore;

// The general-purpose dialogs and a few other texts exist in German and English;
// "Language" in section "Settings" chooses (0 German, 1 English, default 1).
enum class UiLanguage { German, English };

UiLanguage CurrentLanguage(const CSettingsStore& settings);

// The locale of the program's own German texts, whatever the system's: numbers
// in them take the decimal comma ("99,5 %", "1,5 mm").
QLocale ProgramLocale();

// One text in both languages, kept side by side where it is used.
struct BilingualText
{
    const char* german;
    const char* english;

    QString In(UiLanguage language) const
    {
        return QString::fromUtf8(language == UiLanguage::English ? english : german);
    }
};
