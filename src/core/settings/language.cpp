#include "core/settings/language.h"

#include "core/settings/settingsstore.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The translators of InstallTranslators carry this name, so that a later call
// replaces exactly them and leaves any other translator alone.
constexpr char kTranslatorName[] = "tvm-program-language";

ProgramLanguage g_installedLanguage = ProgramLanguage::German;

bool IsGermanOrUnsetLocale(const QString& localeName)
{
    // The language code ends where territory, script, encoding or modifier
    // begin: "de_AT", "de-AT", "de_DE.UTF-8", "de_DE@euro".
    qsizetype end = 0;
    while (end < localeName.size() && !QStringView(u"_-.@").contains(localeName.at(end)))
        ++end;
    const QString language = localeName.left(end);
    // The C locale is what a system without a language setting runs in (a
    // server, a container, a fresh account); its user gets the source language.
    return language.isEmpty() || language == QLatin1String("C") ||
           language == QLatin1String("POSIX") ||
           language.compare(QLatin1String("de"), Qt::CaseInsensitive) == 0;
}

bool LoadCatalogue(QTranslator& translator, ProgramLanguage language)
{
    if (language == ProgramLanguage::English)
        return translator.load(QStringLiteral("tarvelomark_en"), QStringLiteral(":/i18n"));
    // German needs no catalogue of ours, as it is the source language; Qt's own
    // standard buttons and dialogs speak English unless given theirs.
    return translator.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                           QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace

ProgramLanguage ChooseProgramLanguage(std::optional<int> setting, const QString& localeName)
{
    if (setting == 0)
        return ProgramLanguage::German;
    if (setting == 1)
        return ProgramLanguage::English;
    return IsGermanOrUnsetLocale(localeName) ? ProgramLanguage::German : ProgramLanguage::English;
}

ProgramLanguage ChooseProgramLanguage(const CSettingsStore& settings)
{
    // Read past the key table, whose default would stand in for a missing value:
    // a missing value, and one that is no number, reads as neither choice.
    constexpr int kNoChoice = -1;
    const int stored = settings.GetProfileInt(QLatin1String(Settings::kSectionSettings),
                                              QLatin1String(Settings::Language.key), kNoChoice);
    // QLocale::system() takes the name from the locale of the messages
    // (LC_ALL, LC_MESSAGES, LANG) rather than from that of the numbers.
    return ChooseProgramLanguage(stored, QLocale::system().name());
}

bool InstallTranslators(ProgramLanguage language)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    const QList<QTranslator*> earlier =
        app->findChildren<QTranslator*>(QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly);
    for (QTranslator* translator : earlier) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    g_installedLanguage = language;

    auto* translator = new QTranslator(app);
    translator->setObjectName(QLatin1String(kTranslatorName));
    if (!LoadCatalogue(*translator, language)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

ProgramLanguage InstalledLanguage()
{
    return g_installedLanguage;
}

QLocale ProgramLocale()
{
    return g_installedLanguage == ProgramLanguage::English
               ? QLocale(QLocale::English, QLocale::UnitedKingdom)
               : QLocale(QLocale::German, QLocale::Germany);
}
