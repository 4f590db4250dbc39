#include "core/forms/formdescription.h"

#include "core/fields/fieldstore.h"
#include "core/forms/cmrlayout.h"
#include "core/forms/forwardinglayout.h"
#include "core/forms/kombilayout.h"
#include "core/forms/nationallayout.h"
#include "core/settings/settingsstore.h"

namespace Forms {

QVector<BoxRect> Rects(const BoxRecord* boxes, int count)
{
    QVector<BoxRect> rects;
    for (int i = 0; i < count; ++i)
        rects.append(boxes[i].rect);
    return rects;
}

const BoxRecord& FormDescription::Box(int index) const
{
    return boxes[index >= 0 && index <= boxCount + checkBoxCount ? index : 0];
}

BoxRect FormDescription::BoxEntry(int index, int page) const
{
    return page == 1 ? Box(index).rect : FollowBox();
}

BoxRect FormDescription::ScreenRect(int index, int page, int zoom, bool merged) const
{
    BoxRect r = BoxEntry(index, page);
    if (page == 1 && merged && mergedRows && mergedRows->IsRowStart(index)) {
        const BoxRect& last = boxes[index + mergedRows->span - 1].rect;
        r.right = last.right;
        r.bottom = last.bottom;
    }
    return FormTables::Scale(r, zoom);
}

const PublisherGroup& FormDescription::GroupOf(int publisher) const
{
    const PublisherGroup* others = &publisherGroups.first();
    for (const PublisherGroup& group : publisherGroups) {
        if (group.publishers.contains(publisher))
            return group;
        if (group.publishers.isEmpty())
            others = &group;
    }
    return *others;
}

BoxRect FormDescription::PrintEntry(int index, int page, int publisher, bool merged) const
{
    if (page != 1)
        return FollowBox();
    const QVector<BoxRect>& table = GroupOf(publisher).printRects;
    BoxRect r = table[index >= 0 && index < boxCount + checkBoxCount ? index : 0];
    if (merged && mergedRows && mergedRows->IsRowStart(index)) {
        const BoxRect& last = table[index + mergedRows->span - 1];
        r.right = last.right;
        r.bottom = last.bottom;
    }
    return r;
}

quint16 FormDescription::InitialFormat(int index, int page) const
{
    if (page != 1 || index < 0 || index >= boxCount)
        return quint16(fontSizeStep);
    return quint16(fontSizeStep | (boxes[index].align << 8));
}

void FormDescription::DefineBoxes(CFieldStore& store) const
{
    store.DefineFields(quint16(boxCount), 1, true);
    for (int i = 0; i < boxCount; ++i) {
        store.SetFieldText(quint16(i), QString(), 1);
        store.SetFieldFormat(quint16(i), 1, InitialFormat(i, 1));
    }
    store.SetFieldText(0, QString(), 2);
    store.SetFieldFormat(0, 2, InitialFormat(0, 2));
}

bool FormDescription::MergedRowsOn(const CSettingsStore& settings) const
{
    return mergedRows && settings.Get(Section(), mergedRowsSetting) == 1;
}

bool FormDescription::CheckBoxesActive(const QString& guardText) const
{
    return checkGuardBox < 0 || !guardText.trimmed().isEmpty();
}

bool FormDescription::CheckBoxesActive(const CFieldStore& store) const
{
    return checkGuardBox < 0 || CheckBoxesActive(store.GetFieldText(quint16(checkGuardBox), 1));
}

int FormDescription::CrossedCheckBox(quint16 word, const QString& guardText) const
{
    if (word == 0 || word > checkBoxCount || !CheckBoxesActive(guardText))
        return -1;
    return word - 1;
}

int FormDescription::CrossedCheckBox(quint16 word, const CFieldStore& store) const
{
    if (checkGuardBox < 0)
        return CrossedCheckBox(word, QString());
    return CrossedCheckBox(word, store.GetFieldText(quint16(checkGuardBox), 1));
}

int FormDescription::ArrowTarget(bool down, int index) const
{
    for (const ArrowMove& move : arrowMoves)
        if (move.down == down && index >= move.from && index <= move.to)
            return index + move.delta;
    return -1;
}

namespace {

// Every form and edition, a form's newest edition first: a new note gets it
// unless its settings choose another.
struct Registered
{
    const FormDescription& (*description)();
    FormType type;
    // Which edition a new note gets; null for a form with one edition.
    bool (*chosen)(const CSettingsStore& settings);
};

const FormDescription& National2009()
{
    return NationalLayout::Description(NationalEdition::Edition2009);
}
const FormDescription& National2007()
{
    return NationalLayout::Description(NationalEdition::Edition2007);
}
bool National2007Chosen(const CSettingsStore& settings)
{
    return GetNationalEdition(settings) == NationalEdition::Edition2007;
}

const Registered kForms[] = {
    {&CmrLayout::Description, FormType::Cmr, nullptr},
    {&National2009, FormType::National, nullptr},
    {&National2007, FormType::National, &National2007Chosen},
    {&KombiLayout::Description, FormType::Kombi, nullptr},
    {&ForwardingLayout::Description, FormType::Forwarding, nullptr},
};

} // namespace

const FormDescription& DescriptionForNew(FormType type, const CSettingsStore& settings)
{
    const FormDescription* found = nullptr;
    for (const Registered& form : kForms) {
        if (form.type != type)
            continue;
        if (!found || (form.chosen && form.chosen(settings)))
            found = &form.description();
    }
    return found ? *found : CmrLayout::Description();
}

const FormDescription& NewestDescription(FormType type)
{
    for (const Registered& form : kForms)
        if (form.type == type)
            return form.description();
    return CmrLayout::Description();
}

QVector<const FormDescription*> AllFormDescriptions()
{
    QVector<const FormDescription*> all;
    for (const Registered& form : kForms)
        all.append(&form.description());
    return all;
}

} // namespace Forms
