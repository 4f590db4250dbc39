// Filled notes of every form, as clerks fill them in: the page-1 texts by box
// index and the check-box word.
#pragma once

#include "core/forms/cmrlayout.h"
#include "core/forms/forwardinglayout.h"
#include "core/forms/kombilayout.h"
#include "core/forms/nationallayout.h"

#include <QStringList>

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

// QStrings in failure messages as text (found by argument-dependent lookup).
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << '[' << texts.join(QStringLiteral("|")).toStdString() << ']';
}
QT_END_NAMESPACE

namespace ExchangeFixture {

struct FilledNote
{
    const char* name;
    const Forms::FormDescription* form;
    QStringList texts;
    quint16 checkWord = 0;
};

inline QStringList Texts(const Forms::FormDescription& form,
                         std::initializer_list<std::pair<int, const char*>> boxes)
{
    QStringList texts(form.boxCount, QString());
    for (const auto& [box, text] : boxes)
        texts[box] = QString::fromUtf8(text);
    return texts;
}

inline FilledNote Cmr()
{
    const Forms::FormDescription& form = CmrLayout::Description();
    return {
        "cmr", &form,
        Texts(form,
              {{0, "Müller Logistik GmbH\r\nHafenstraße 12\r\nD-28197 Bremen\r\nTel. 0421 123456"},
               {1, "Transports Dupont SA\r\n12 rue de la République\r\n69002 Lyon\r\nFrankreich"},
               {2, "Lyon\r\nFrankreich"},
               {3, "Bremen\r\nDeutschland\r\n05.03.2024"},
               {4, "Lieferschein 4711\r\nHandelsrechnung 2024-117"},
               {5, "Spedition Nordweg GmbH & Co. KG\r\nAm Speicher 5\r\n28217 Bremen"},
               {6, "Transalpin Logistics AG\r\nIndustriestrasse 8\r\nCH-4133 Pratteln"},
               {7, "Plomben unversehrt"},
               {8, "ML 1-12"},
               {9, "12"},
               {10, "Paletten"},
               {11, "Maschinenteile"},
               {12, "8483 40"},
               {13, "4.850"},
               {14, "18,5"},
               {15, "ML 13"},
               {16, "1"},
               {17, "Kiste"},
               {18, "Ersatzteile"},
               {20, "120,5"},
               {21, "0,8"},
               {71, "UN 1263"},
               {72, "Farbe"},
               {73, "3"},
               {74, "III"},
               {75, "(D/E)"},
               {76, "1.250"},
               {77, "00"},
               {78, "EUR"},
               {112, "1.250"},
               {113, "00"},
               {114, "EUR"},
               {118, "Zollabfertigung in Weil am Rhein"},
               {119, "frei"},
               {121, "Anlieferung nur werktags 7-15 Uhr"},
               {122, "Bremen"},
               {123, "05.03.2024"},
               {141, "Müller Logistik GmbH, 28197 Bremen"},
               {142, "HB-NW 123"},
               {143, "HB-NW 456"},
               {174, "CEMT 12345"},
               {175, "CMR-2024-0815"}}),
        4};
}

// The 2009 national note's texts in an edition's numbering: the 2007 edition
// has no tunnel restriction code, and every later box one index lower.
inline FilledNote National(NationalEdition edition)
{
    const Forms::FormDescription& form = NationalLayout::Description(edition);
    const bool is2009 = edition == NationalEdition::Edition2009;
    auto at = [is2009](int box2009) { return is2009 || box2009 < 44 ? box2009 : box2009 - 1; };
    QStringList texts = Texts(form, {});
    const std::pair<int, const char*> boxes[] = {
        {0, "Müller Logistik GmbH\r\nHafenstraße 12\r\n28197 Bremen"},
        {1, "F-2024-117"},
        {2, "Werk 2, Tor 3"},
        {3, "28197 Bremen"},
        {5, "Baustoffhandel Schmidt KG\r\nIndustrieweg 4\r\n80939 München"},
        {7, "Lager Nord"},
        {8, "80939 München"},
        {10, "Entladung durch Empfänger"},
        {11, "Palettentausch Zug um Zug"},
        {14, "Hannover"},
        {16, "Nürnberg"},
        {18, "Kassel"},
        {20, "12 Paletten"},
        {21, "ML 1-12"},
        {22, "Baustoffe"},
        {23, "9.600"},
        {24, "3 Kisten"},
        {25, "ML 13-15"},
        {26, "Fliesen"},
        {27, "2,5 m³"},
        {40, "1263"},
        {41, "Farbe"},
        {42, "3"},
        {43, "III"},
        {44, "D/E"},
        {45, "frei Haus"},
        {46, "1.500,00 EUR"},
        {48, "Bremen - 05.03.2024"},
        {50, "05.03.2024"},
        {51, "14:30"},
        {53, "HB-NW 123"},
        {55, "HB-NW 456"},
        {75, "850,00"},
        {88, "850,00"},
        {95, "850,00"},
        {96, "19"},
        {97, "161,50"},
        {98, "1.011,50"},
    };
    for (const auto& [box, text] : boxes)
        if (is2009 || box != 44)
            texts[at(box)] = QString::fromUtf8(text);
    return {is2009 ? "national2009" : "national2007", &form, texts, 2};
}

inline FilledNote Kombi()
{
    const Forms::FormDescription& form = KombiLayout::Description();
    return {
        "kombi", &form,
        Texts(form, {{0, "Müller Logistik GmbH\r\nHafenstraße 12\r\n28197 Bremen\r\nDeutschland"},
                     {1, "Holzbau Gruber GmbH\r\nGewerbestraße 7\r\nA-4020 Linz"},
                     {2, "Bremen"},
                     {3, "Werk 2"},
                     {4, "Hemelingen"},
                     {5, "Deutschland"},
                     {6, "Linz"},
                     {7, "Lager 3"},
                     {9, "Österreich"},
                     {10, "Hannover"},
                     {17, "Zollabfertigung in Passau"},
                     {18, "ML 1-12  12 Paletten Maschinenteile"},
                     {19, "4.850"},
                     {20, "18,5"},
                     {33, "8483 40"},
                     {38, "1263"},
                     {39, "3"},
                     {40, "III"},
                     {41, "Farbe"},
                     {42, "unfrei"},
                     {44, "Bremen"},
                     {45, "05.03.2024"},
                     {50, "05.03.2024"},
                     {51, "8 Uhr"},
                     {53, "K-2024-33"},
                     {54, "HB-NW 123"},
                     {56, "HB-NW 456"},
                     {76, "850"},
                     {77, "00"},
                     {94, "850"},
                     {95, "00"},
                     {105, "850"},
                     {106, "00"},
                     {107, "19"},
                     {108, "161"},
                     {109, "50"},
                     {110, "1.011"},
                     {111, "50"}}),
        4};
}

inline FilledNote Forwarding()
{
    const Forms::FormDescription& form = ForwardingLayout::Description();
    return {"forwarding", &form,
            Texts(form, {{0, "SA-2024-0042"},
                         {2, "Müller Logistik GmbH\r\nHafenstraße 12\r\n28197 Bremen"},
                         {4, "Werk 2, Tor 3\r\n28197 Bremen"},
                         {6, "05.03.2024"},
                         {10, "Spedition Nordweg GmbH\r\nAm Speicher 5\r\n28217 Bremen"},
                         {12, "0421 987654"},
                         {13, "0421 987655"},
                         {15, "Baustoffhandel Schmidt KG\r\nIndustrieweg 4\r\n80939 München"},
                         {17, "Lager Nord\r\nIndustrieweg 4\r\n80939 München"},
                         {18, "Avis 24 Stunden vorher"},
                         {21, "ML 1-12"},
                         {22, "12"},
                         {23, "Paletten"},
                         {25, "Maschinenteile"},
                         {26, "4.800"},
                         {27, "4.850"},
                         {28, "ML 13"},
                         {29, "1"},
                         {30, "Kiste"},
                         {32, "Ersatzteile"},
                         {34, "120"},
                         {77, "13"},
                         {80, "4.970"},
                         {81, "1263"},
                         {82, "Farbe"},
                         {83, "3"},
                         {84, "III"},
                         {87, "frei Haus"},
                         {89, "1.500,00 EUR"},
                         {90, "Lieferschein 4711"},
                         {93, "HB-NW 123"},
                         {105, "Es gelten die ADSp"}})};
}

inline QVector<FilledNote> AllNotes()
{
    return {Cmr(), National(NationalEdition::Edition2009), National(NationalEdition::Edition2007),
            Kombi(), Forwarding()};
}

inline void PrintTo(const FilledNote& note, std::ostream* os)
{
    *os << note.name;
}

} // namespace ExchangeFixture
