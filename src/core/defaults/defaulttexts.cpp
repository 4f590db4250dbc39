#include "defaults/defaulttexts.h"

#include "editor/fieldstore.h"
#include "format/stringformat.h"
#include "settings/settingsstore.h"

namespace {

using Forms::PlaceOfIssue;

class Filler
{
public:
    Filler(const Forms::FormDescription& form, CFieldStore& store, const CSettingsStore& settings,
           const QDate& today)
        : m_form(form), m_store(store), m_settings(settings), m_section(form.Section()),
          m_today(today)
    {
    }

    void Texts()
    {
        for (const Forms::DefaultText& text : m_form.defaultTexts)
            Put(text.box, m_settings.Get(m_section, text.setting));
    }

    bool AutoDate() const
    {
        return m_form.dateBox >= 0 && m_settings.Get(m_section, Settings::AutoDate) != 0;
    }

    // The date, with the place where the form writes them together.
    void Date()
    {
        const QString date =
            CStringFormat::FormatDate(m_settings.Get(m_section, Settings::DateFormat), m_today);
        if (m_form.placeOfIssue != PlaceOfIssue::BeforeDate) {
            Put(m_form.dateBox, date);
            return;
        }
        const QString place = City().trimmed();
        Put(m_form.dateBox, place.isEmpty() ? date : QStringLiteral("%1 - %2").arg(place, date));
    }

    // The place in a box of its own.
    void Place()
    {
        if (m_form.placeOfIssue == PlaceOfIssue::OwnBox) {
            Put(m_form.placeBox, City());
        } else if (m_form.placeOfIssue == PlaceOfIssue::OwnBoxIfGiven) {
            const QString place = City().trimmed();
            if (!place.isEmpty())
                Put(m_form.placeBox, place);
        }
    }

private:
    QString City() const { return m_settings.Get(m_section, Settings::City); }
    // A box the store lacks is skipped.
    void Put(int box, const QString& text)
    {
        if (box >= 0 && box < m_store.GetFieldCount())
            m_store.SetFieldText(quint16(box), text, 1);
    }

    const Forms::FormDescription& m_form;
    CFieldStore& m_store;
    const CSettingsStore& m_settings;
    const QString m_section;
    const QDate m_today;
};

} // namespace

void FillDefaultTexts(const Forms::FormDescription& form, CFieldStore& store,
                      const CSettingsStore& settings, const QDate& today)
{
    Filler filler(form, store, settings, today);
    filler.Texts();
    if (filler.AutoDate()) {
        filler.Date();
        filler.Place();
    }
}

void ApplyAutomaticDate(const Forms::FormDescription& form, CFieldStore& store,
                        const CSettingsStore& settings, const QDate& today)
{
    Filler filler(form, store, settings, today);
    if (filler.AutoDate())
        filler.Date();
}
