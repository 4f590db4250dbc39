#include "views/formdescription.h"

#include "editor/fieldstore.h"
#include "settings/settingsstore.h"
#include "views/cmrlayout.h"
#include "views/formdefinition.h"
#include "views/forwardinglayout.h"
#include "views/kombilayout.h"
#include "views/nationallayout.h"

namespace Forms {

BoxRect FormDescription::BoxEntry(int index, int page) const
{
    if (page != 1)
        return FollowBox();
    return boxes[index >= 0 && index <= boxCount + checkBoxCount ? index : 0];
}

BoxRect FormDescription::ScreenRect(int index, int page, int zoom, bool merged) const
{
    BoxRect r = BoxEntry(index, page);
    if (page == 1 && merged && mergedRows && mergedRows->IsRowStart(index)) {
        const BoxRect& last = boxes[index + mergedRows->span - 1];
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
    const BoxRect* table = GroupOf(publisher).printRects;
    BoxRect r = table[index >= 0 && index < boxCount + checkBoxCount ? index : 0];
    if (merged && mergedRows && mergedRows->IsRowStart(index)) {
        const BoxRect& last = table[index + mergedRows->span - 1];
        r.right = last.right;
        r.bottom = last.bottom;
    }
    return r;
}

bool FormDescription::MergedRowsOn(const CSettingsStore& settings) const
{
    return mergedRows && settings.Get(Section(), mergedRowsSetting) == 1;
}

bool FormDescription::CheckBoxesActive(const CFieldStore& store) const
{
    // The text being typed counts: the clerk sees the number in the box.
    return checkGuardBox < 0 || !store.GetShownText(quint16(checkGuardBox), 1).trimmed().isEmpty();
}

int FormDescription::CrossedCheckBox(quint16 word, const CFieldStore& store) const
{
    if (word == 0 || word > checkBoxCount || !CheckBoxesActive(store))
        return -1;
    return word - 1;
}

int FormDescription::ArrowTarget(bool down, int index) const
{
    for (const ArrowMove& move : arrowMoves)
        if (move.down == down && index >= move.from && index <= move.to)
            return index + move.delta;
    return -1;
}

const FormDescription* FindFormDescription(FormType type, const CSettingsStore& settings)
{
    switch (type) {
    case FormType::Cmr:
        return &CmrLayout::Description();
    case FormType::National:
        return &NationalLayout::Description(GetNationalEdition(settings));
    case FormType::Kombi:
        return &KombiLayout::Description();
    case FormType::Forwarding:
        return &ForwardingLayout::Description();
    }
    return nullptr;
}

QVector<const FormDescription*> AllFormDescriptions()
{
    return {&CmrLayout::Description(),
            &NationalLayout::Description(NationalEdition::Edition2009),
            &NationalLayout::Description(NationalEdition::Edition2007),
            &KombiLayout::Description(),
            &ForwardingLayout::Description()};
}

} // namespace Forms
