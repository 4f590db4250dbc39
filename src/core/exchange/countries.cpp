#include "core/exchange/countries.h"

#include <QHash>

namespace Exchange {

namespace {

// A country: ISO code, vehicle registration code (empty where it is the ISO
// code or none is in use), the German name first, then the other names an
// address may give it, '|' apart (UTF-8).
struct CountryRow
{
    const char* code;
    const char* vehicle;
    const char* names;
};

// clang-format off
const CountryRow kCountries[] = {
    {"DE", "D",   "Deutschland|Germany|Allemagne|Bundesrepublik Deutschland|BRD"},
    {"AT", "A",   "Österreich|Austria|Autriche|Oesterreich"},
    {"CH", "",    "Schweiz|Switzerland|Suisse|Svizzera|Schweizerische Eidgenossenschaft"},
    {"LI", "FL",  "Liechtenstein"},
    {"FR", "F",   "Frankreich|France"},
    {"BE", "B",   "Belgien|Belgium|Belgique|België"},
    {"NL", "",    "Niederlande|Netherlands|Pays-Bas|Holland|Nederland|The Netherlands"},
    {"LU", "L",   "Luxemburg|Luxembourg"},
    {"IT", "I",   "Italien|Italy|Italie|Italia"},
    {"ES", "E",   "Spanien|Spain|Espagne|España"},
    {"PT", "P",   "Portugal"},
    {"GB", "UK",  "Vereinigtes Königreich|United Kingdom|Royaume-Uni|Großbritannien|Great Britain|England|Scotland|Schottland|Wales"},
    {"IE", "IRL", "Irland|Ireland|Irlande"},
    {"DK", "",    "Dänemark|Denmark|Danemark|Danmark"},
    {"SE", "S",   "Schweden|Sweden|Suède|Sverige"},
    {"NO", "N",   "Norwegen|Norway|Norvège|Norge"},
    {"FI", "FIN", "Finnland|Finland|Finlande|Suomi"},
    {"IS", "",    "Island|Iceland|Islande"},
    {"PL", "",    "Polen|Poland|Pologne|Polska"},
    {"CZ", "",    "Tschechien|Czech Republic|Czechia|République tchèque|Tschechische Republik|Česko"},
    {"SK", "",    "Slowakei|Slovakia|Slovaquie|Slowakische Republik"},
    {"HU", "H",   "Ungarn|Hungary|Hongrie|Magyarország"},
    {"SI", "SLO", "Slowenien|Slovenia|Slovénie"},
    {"HR", "",    "Kroatien|Croatia|Croatie|Hrvatska"},
    {"BA", "BIH", "Bosnien und Herzegowina|Bosnia and Herzegovina|Bosnie-Herzégovine"},
    {"RS", "SRB", "Serbien|Serbia|Serbie"},
    {"ME", "MNE", "Montenegro|Monténégro"},
    {"MK", "NMK", "Nordmazedonien|North Macedonia|Macédoine du Nord|Mazedonien"},
    {"AL", "",    "Albanien|Albania|Albanie"},
    {"GR", "",    "Griechenland|Greece|Grèce"},
    {"BG", "",    "Bulgarien|Bulgaria|Bulgarie"},
    {"RO", "",    "Rumänien|Romania|Roumanie"},
    {"MD", "",    "Moldau|Moldova|Moldavie|Republik Moldau"},
    {"UA", "",    "Ukraine"},
    {"BY", "",    "Belarus|Weißrussland|Biélorussie"},
    {"RU", "RUS", "Russland|Russia|Russie|Russische Föderation"},
    {"LT", "",    "Litauen|Lithuania|Lituanie"},
    {"LV", "",    "Lettland|Latvia|Lettonie"},
    {"EE", "EST", "Estland|Estonia|Estonie"},
    {"TR", "",    "Türkei|Turkey|Turquie|Türkiye"},
    {"CY", "",    "Zypern|Cyprus|Chypre"},
    {"MT", "M",   "Malta|Malte"},
    {"AD", "AND", "Andorra|Andorre"},
    {"MC", "",    "Monaco"},
    {"SM", "RSM", "San Marino|Saint-Marin"},
    {"GE", "",    "Georgien|Georgia|Géorgie"},
    {"MA", "",    "Marokko|Morocco|Maroc"},
    {"TN", "",    "Tunesien|Tunisia|Tunisie"},
    {"KZ", "",    "Kasachstan|Kazakhstan"},
    {"CN", "",    "China|Chine|Volksrepublik China"},
    {"US", "USA", "Vereinigte Staaten|United States|États-Unis|United States of America|Vereinigte Staaten von Amerika"},
};

// A currency: ISO code, then the symbols and names a box may give it.
struct CurrencyRow
{
    const char* code;
    const char* names;
};

const CurrencyRow kCurrencies[] = {
    {"EUR", "€|Euro|Euros"},
    {"CHF", "SFr.|sFr.|Fr.|Franken|Schweizer Franken"},
    {"GBP", "£|Pfund|Pound|Pounds|Pfund Sterling"},
    {"USD", "$|US-$|US$|Dollar|US-Dollar"},
    {"PLN", "zł|Zloty|Złoty"},
    {"CZK", "Kč|Krone (CZ)"},
    {"DKK", "dkr|Dänische Krone"},
    {"SEK", "skr|Schwedische Krone"},
    {"NOK", "nkr|Norwegische Krone"},
    {"HUF", "Ft|Forint"},
    {"RON", "Lei|Leu"},
    {"BGN", "Lew|Lewa"},
    {"RSD", "Dinar"},
    {"TRY", "₺|Lira|Türkische Lira"},
    {"UAH", "₴|Hrywnja"},
    {"ISK", ""},
    {"BAM", ""},
    {"MKD", ""},
    {"ALL", ""},
    {"MDL", ""},
    {"GEL", ""},
    {"RUB", "₽|Rubel"},
    {"BYN", ""},
    {"CNY", "Yuan|Renminbi"},
    {"JPY", "¥|Yen"},
    {"MAD", "Dirham"},
    {"TND", ""},
    {"KZT", ""},
    {"CAD", ""},
    {"AUD", ""},
};
// clang-format on

// A name as compared: lower case, without accents, dots and spaces at the
// ends, "ß" as "ss", runs of blanks as one.
QString Folded(QStringView text)
{
    QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    bool blank = false;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c == QLatin1Char('.'))
            continue;
        if (c.isSpace()) {
            blank = !out.isEmpty();
            continue;
        }
        if (blank)
            out += QLatin1Char(' ');
        blank = false;
        if (c == QChar(0x00DF))
            out += QLatin1String("ss");
        else
            out += c.toLower();
    }
    return out;
}

struct Tables
{
    QHash<QString, QString> countryByName; // folded name or code → ISO code
    QHash<QString, QString> countryByPrefix;
    QHash<QString, QString> currencyByName;

    Tables()
    {
        for (const CountryRow& row : kCountries) {
            const QString code = QString::fromLatin1(row.code);
            const QString vehicle = QString::fromLatin1(row.vehicle);
            for (const QString& name : QString::fromUtf8(row.names).split(QLatin1Char('|')))
                countryByName.insert(Folded(name), code);
            countryByName.insert(Folded(code), code);
            countryByPrefix.insert(code, code);
            if (!vehicle.isEmpty()) {
                countryByName.insert(Folded(vehicle), code);
                countryByPrefix.insert(vehicle, code);
            }
        }
        // The old vehicle code of the United Kingdom, still on many addresses.
        countryByPrefix.insert(QStringLiteral("GB"), QStringLiteral("GB"));
        for (const CurrencyRow& row : kCurrencies) {
            const QString code = QString::fromLatin1(row.code);
            currencyByName.insert(Folded(code), code);
            for (const QString& name : QString::fromUtf8(row.names).split(QLatin1Char('|')))
                if (!name.isEmpty())
                    currencyByName.insert(Folded(name), code);
        }
    }
};

const Tables& GetTables()
{
    static const Tables tables;
    return tables;
}

} // namespace

QString CountryCodeFromName(QStringView text)
{
    return GetTables().countryByName.value(Folded(text));
}

QString CountryCodeFromPrefix(QStringView prefix)
{
    return GetTables().countryByPrefix.value(prefix.toString().toUpper());
}

QString CountryName(const QString& code)
{
    for (const CountryRow& row : kCountries)
        if (code == QLatin1String(row.code))
            return QString::fromUtf8(row.names).section(QLatin1Char('|'), 0, 0);
    return {};
}

QStringList KnownCountryCodes()
{
    QStringList codes;
    for (const CountryRow& row : kCountries)
        codes.append(QString::fromLatin1(row.code));
    return codes;
}

QString CurrencyCodeFromText(QStringView text)
{
    return GetTables().currencyByName.value(Folded(text));
}

QStringList KnownCurrencyCodes()
{
    QStringList codes;
    for (const CurrencyRow& row : kCurrencies)
        codes.append(QString::fromLatin1(row.code));
    return codes;
}

} // namespace Exchange
