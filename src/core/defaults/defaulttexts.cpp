#include "defaults/defaulttexts.h"

#include "editor/fieldstore.h"
#include "format/stringformat.h"
#include "settings/settingsstore.h"

namespace {

constexpr quint16 kPage = 1;

// The 2007 national edition lacks the tunnel restriction code (box 44 of 2009),
// so its boxes from there on sit one index lower.
constexpr quint16 kNationalBoxes2007 = 126;
constexpr quint16 kNationalBoxL2009 = 48;
constexpr quint16 kNationalBoxL2007 = 47;

class Filler
{
public:
    Filler(FormType type, CFieldStore& store, const CSettingsStore& settings, const QDate& today)
        : m_store(store), m_settings(settings), m_section(GetFormTypeInfo(type).section),
          m_today(today)
    {
    }

    void Text(quint16 box, const TextSetting& setting)
    {
        Put(box, m_settings.Get(m_section, setting));
    }
    void Put(quint16 box, const QString& text) { m_store.SetFieldText(box, text, kPage); }

    bool AutoDate() const { return m_settings.Get(m_section, Settings::AutoDate) != 0; }
    QString Date() const
    {
        return CStringFormat::FormatDate(m_settings.Get(m_section, Settings::DateFormat), m_today);
    }
    QString City() const { return m_settings.Get(m_section, Settings::City); }
    quint16 FieldCount() const { return m_store.GetFieldCount(); }

private:
    CFieldStore& m_store;
    const CSettingsStore& m_settings;
    const QString m_section;
    const QDate m_today;
};

// The box of the automatic date itself; the caller has checked that it is on.
void PutDate(FormType type, Filler& f)
{
    switch (type) {
    case FormType::Cmr:
        f.Put(123, f.Date());
        break;
    case FormType::National: {
        const QString place = f.City().trimmed();
        const QString date = f.Date();
        const quint16 boxL =
            f.FieldCount() == kNationalBoxes2007 ? kNationalBoxL2007 : kNationalBoxL2009;
        f.Put(boxL, place.isEmpty() ? date : QStringLiteral("%1 - %2").arg(place, date));
        break;
    }
    case FormType::Kombi:
        f.Put(45, f.Date());
        break;
    case FormType::Forwarding:
        break;
    }
}

void FillCmr(Filler& f)
{
    f.Text(0, Settings::CmrBox1);
    f.Text(5, Settings::CmrBox16);
    f.Text(124, Settings::CmrBox22);
    f.Text(125, Settings::CmrBox23);
    if (f.AutoDate()) {
        PutDate(FormType::Cmr, f);
        f.Put(122, f.City());
    }
}

void FillNational(Filler& f)
{
    f.Text(0, Settings::NatBoxA);
    f.Text(2, Settings::NatBoxB1);
    f.Text(3, Settings::NatBoxB2);
    f.Text(4, Settings::NatBoxB3);
    if (f.AutoDate())
        PutDate(FormType::National, f);
}

void FillKombi(Filler& f)
{
    f.Text(0, Settings::KombiBoxA);
    f.Text(2, Settings::KombiBox2A);
    f.Text(3, Settings::KombiBox2B);
    f.Text(4, Settings::KombiBox2C);
    f.Text(5, Settings::KombiBox2D);
    if (f.AutoDate()) {
        const QString place = f.City().trimmed();
        if (!place.isEmpty())
            f.Put(44, place);
        PutDate(FormType::Kombi, f);
    }
}

void FillForwarding(Filler& f)
{
    f.Text(2, Settings::SpaBox1);
}

} // namespace

void FillDefaultTexts(FormType type, CFieldStore& store, const CSettingsStore& settings,
                      const QDate& today)
{
    Filler filler(type, store, settings, today);
    switch (type) {
    case FormType::Cmr:
        FillCmr(filler);
        break;
    case FormType::National:
        FillNational(filler);
        break;
    case FormType::Kombi:
        FillKombi(filler);
        break;
    case FormType::Forwarding:
        FillForwarding(filler);
        break;
    }
}

void ApplyAutomaticDate(FormType type, CFieldStore& store, const CSettingsStore& settings,
                        const QDate& today)
{
    Filler filler(type, store, settings, today);
    if (filler.AutoDate())
        PutDate(type, filler);
}
