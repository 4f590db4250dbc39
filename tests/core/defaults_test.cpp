#include "core/defaults/defaulttexts.h"
#include "core/documents/cmrdoc.h"
#include "core/fields/fieldstore.h"
#include "core/forms/cmrlayout.h"
#include "core/forms/nationallayout.h"
#include "testsupport.h"

#include <QMap>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QDate kToday(2024, 3, 5);
const QString kDate2 = QStringLiteral("05. März 2024");
const QString kDate16 = QStringLiteral("03/05/2024");

using Boxes = QMap<int, QString>;
using SettingsSetUp = std::function<void(CSettingsStore&, const QString& section)>;

QString Marker(int box)
{
    return QStringLiteral("alt%1").arg(box);
}

// A store of the form's box count (0: the CMR definition) whose every page-1 box
// holds a marker, so that the boxes the filling writes show, empty texts too.
void Prepare(CFieldStore& store, quint16 boxes)
{
    if (boxes == 0)
        CmrLayout::Description().DefineBoxes(store);
    else
        store.DefineFields(boxes, 1, true);
    for (quint16 i = 0; i < store.GetFieldCount(); ++i)
        store.SetFieldText(i, Marker(i), 1);
}

Boxes Written(const CFieldStore& store)
{
    Boxes written;
    for (quint16 i = 0; i < store.GetFieldCount(); ++i)
        if (store.GetFieldText(i, 1) != Marker(i))
            written.insert(i, store.GetFieldText(i, 1));
    return written;
}

struct Case
{
    const char* name;
    FormType type;
    quint16 boxes;
    SettingsSetUp setUp;
    Boxes expected;
};

// The national note's edition by its box count.
const Forms::FormDescription& FormOf(const Case& c)
{
    if (c.type == FormType::National)
        return NationalLayout::Description(c.boxes == NationalLayout::kBoxCount2007
                                               ? NationalEdition::Edition2007
                                               : NationalEdition::Edition2009);
    return Forms::NewestDescription(c.type);
}

void Check(const Case& c)
{
    SCOPED_TRACE(c.name);
    TestEnvironment env;
    if (c.setUp)
        c.setUp(env.Settings(), GetFormTypeInfo(c.type).section);
    CFieldStore store;
    Prepare(store, c.boxes);
    FillDefaultTexts(FormOf(c), store, env.Settings(), kToday);
    EXPECT_EQ(Written(store), c.expected);
}

void CityAndFormat(CSettingsStore& s, const QString& section, const QString& city)
{
    s.Set(section, Settings::City, city);
    s.Set(section, Settings::DateFormat, 16);
}

TEST(DefaultTexts, WithoutSettingsOnlyTheDateAppears)
{
    const Case cases[] = {
        {"CMR",
         FormType::Cmr,
         0,
         {},
         {{0, ""}, {5, ""}, {124, ""}, {125, ""}, {122, ""}, {123, kDate2}}},
        {"national 2009",
         FormType::National,
         127,
         {},
         {{0, ""}, {2, ""}, {3, ""}, {4, ""}, {48, kDate2}}},
        {"national 2007",
         FormType::National,
         126,
         {},
         {{0, ""}, {2, ""}, {3, ""}, {4, ""}, {47, kDate2}}},
        {"Kombi",
         FormType::Kombi,
         138,
         {},
         {{0, ""}, {2, ""}, {3, ""}, {4, ""}, {5, ""}, {45, kDate2}}},
        {"forwarding", FormType::Forwarding, 106, {}, {{2, ""}}},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(DefaultTexts, EveryKeyGoesToItsBox)
{
    const QString sender = QStringLiteral("Spedition Nord\r\nKai 3");
    const Case cases[] = {
        {"CMR",
         FormType::Cmr,
         0,
         [&](CSettingsStore& s, const QString& section) {
             s.Set(section, Settings::CmrBox1, sender);
             s.Set(section, Settings::CmrBox16, QStringLiteral("Fuhr GmbH"));
             s.Set(section, Settings::CmrBox22, QStringLiteral("i.A. Meier"));
             s.Set(section, Settings::CmrBox23, QStringLiteral("Fahrer"));
             CityAndFormat(s, section, QStringLiteral("  Hamburg "));
         },
         // The CMR place goes in as stored, spaces and all.
         {{0, sender},
          {5, "Fuhr GmbH"},
          {124, "i.A. Meier"},
          {125, "Fahrer"},
          {122, "  Hamburg "},
          {123, kDate16}}},
        {"national 2009",
         FormType::National,
         127,
         [&](CSettingsStore& s, const QString& section) {
             s.Set(section, Settings::NatBoxA, sender);
             s.Set(section, Settings::NatBoxB1, QStringLiteral("Lager 4"));
             s.Set(section, Settings::NatBoxB2, QStringLiteral("Tor 2"));
             s.Set(section, Settings::NatBoxB3, QStringLiteral("Rampe"));
             CityAndFormat(s, section, QStringLiteral("  Hamburg "));
         },
         {{0, sender}, {2, "Lager 4"}, {3, "Tor 2"}, {4, "Rampe"}, {48, "Hamburg - " + kDate16}}},
        {"national 2007",
         FormType::National,
         126,
         [&](CSettingsStore& s, const QString& section) {
             s.Set(section, Settings::NatBoxA, sender);
             CityAndFormat(s, section, QStringLiteral("Hamburg"));
         },
         {{0, sender}, {2, ""}, {3, ""}, {4, ""}, {47, "Hamburg - " + kDate16}}},
        {"Kombi",
         FormType::Kombi,
         138,
         [&](CSettingsStore& s, const QString& section) {
             s.Set(section, Settings::KombiBoxA, sender);
             s.Set(section, Settings::KombiBox2A, QStringLiteral("Kiel"));
             s.Set(section, Settings::KombiBox2B, QStringLiteral("Kai 1"));
             s.Set(section, Settings::KombiBox2C, QStringLiteral("Kiel-Nord"));
             s.Set(section, Settings::KombiBox2D, QStringLiteral("DE"));
             CityAndFormat(s, section, QStringLiteral("  Hamburg "));
         },
         {{0, sender},
          {2, "Kiel"},
          {3, "Kai 1"},
          {4, "Kiel-Nord"},
          {5, "DE"},
          {44, "Hamburg"},
          {45, kDate16}}},
        {"forwarding",
         FormType::Forwarding,
         106,
         [&](CSettingsStore& s, const QString& section) {
             s.Set(section, Settings::SpaBox1, sender);
             // Keys the other forms use do nothing here.
             CityAndFormat(s, section, QStringLiteral("Hamburg"));
             s.Set(section, Settings::AutoDate, 1);
         },
         {{2, sender}}},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(DefaultTexts, PlaceIsTrimmedAndLeftOutWhenEmpty)
{
    const auto city = [](const char* place) {
        return [place](CSettingsStore& s, const QString& section) {
            s.Set(section, Settings::City, QString::fromUtf8(place));
        };
    };
    const auto with = [](Boxes boxes, const Boxes& more) {
        boxes.insert(more);
        return boxes;
    };
    const Boxes national{{0, ""}, {2, ""}, {3, ""}, {4, ""}};
    const Boxes kombi{{0, ""}, {2, ""}, {3, ""}, {4, ""}, {5, ""}};
    const Case cases[] = {
        {"national place", FormType::National, 127, city("Hamburg"),
         with(national, {{48, "Hamburg - 05. März 2024"}})},
        {"national spaces", FormType::National, 127, city(" \t "), with(national, {{48, kDate2}})},
        // Box 44 keeps its text when there is no place.
        {"Kombi spaces", FormType::Kombi, 138, city("   "), with(kombi, {{45, kDate2}})},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(DefaultTexts, AutomaticDateOffWritesNeitherPlaceNorDate)
{
    const SettingsSetUp off = [](CSettingsStore& s, const QString& section) {
        s.Set(section, Settings::AutoDate, 0);
        s.Set(section, Settings::City, QStringLiteral("Hamburg"));
    };
    const Case cases[] = {
        {"CMR", FormType::Cmr, 0, off, {{0, ""}, {5, ""}, {124, ""}, {125, ""}}},
        {"national", FormType::National, 127, off, {{0, ""}, {2, ""}, {3, ""}, {4, ""}}},
        {"Kombi", FormType::Kombi, 138, off, {{0, ""}, {2, ""}, {3, ""}, {4, ""}, {5, ""}}},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(DefaultTexts, NewCmrDocumentCarriesTheDefaults)
{
    TestEnvironment env;
    const QString section = GetFormTypeInfo(FormType::Cmr).section;
    env.Settings().Set(section, Settings::CmrBox1, QStringLiteral("Spedition Nord"));
    env.Settings().Set(section, Settings::City, QStringLiteral("Kiel"));

    CCMRDoc doc(env.Settings());
    doc.SetClock([] { return kToday; });
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetStore().GetFieldText(0, 1), QStringLiteral("Spedition Nord"));
    EXPECT_EQ(doc.GetStore().GetFieldText(122, 1), QStringLiteral("Kiel"));
    EXPECT_EQ(doc.GetStore().GetFieldText(123, 1), kDate2);

    // Every new document reads the keys afresh.
    env.Settings().Set(section, Settings::DateFormat, 0);
    env.Settings().Set(section, Settings::CmrBox1, QStringLiteral("Spedition Süd"));
    doc.GetStore().SetFieldText(0, QStringLiteral("getippt"), 1);
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetStore().GetFieldText(0, 1), QStringLiteral("Spedition Süd"));
    EXPECT_EQ(doc.GetStore().GetFieldText(123, 1), QStringLiteral("05.03.2024"));
}

} // namespace
