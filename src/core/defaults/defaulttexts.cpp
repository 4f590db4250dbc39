#include "core/defaults/defaulttexts.h"

#include "core/fields/fieldstore.h"
#include "core/format/stringformat.h"
#include "core/settings/settingsstore.h"

namespace {

using Forms::BoxFill;

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
        for (int box = 0; box < m_form.boxCount; ++box)
            if (const TextSetting* setting = m_form.boxes[box].defaultText)
                Put(box, m_settings.Get(m_section, *setting));
    }

    bool AutoDate() const { return m_settings.Get(m_section, Settings::AutoDate) != 0; }

    // The date, with the place where the form writes them together; with
    // `place` also the place in a box of its own.
    void Date(bool place)
    {
        const QString date =
            CStringFormat::FormatDate(m_settings.Get(m_section, Settings::DateFormat), m_today);
        const QString city = m_settings.Get(m_section, Settings::City);
        const QString trimmed = city.trimmed();
        for (int box = 0; box < m_form.boxCount; ++box) {
            switch (m_form.boxes[box].fill) {
            case BoxFill::None:
                break;
            case BoxFill::Date:
                Put(box, date);
                break;
            case BoxFill::PlaceAndDate:
                Put(box, trimmed.isEmpty() ? date : QStringLiteral("%1 - %2").arg(trimmed, date));
                break;
            case BoxFill::Place:
                if (place)
                    Put(box, city);
                break;
            case BoxFill::PlaceIfGiven:
                if (place && !trimmed.isEmpty())
                    Put(box, trimmed);
                break;
            }
        }
    }

private:
    // A box the store lacks is skipped.
    void Put(int box, const QString& text)
    {
        if (box < m_store.GetFieldCount())
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
    if (filler.AutoDate())
        filler.Date(true);
}

void ApplyAutomaticDate(const Forms::FormDescription& form, CFieldStore& store,
                        const CSettingsStore& settings, const QDate& today)
{
    Filler filler(form, store, settings, today);
    if (filler.AutoDate())
        filler.Date(false);
}
