#include "core/printing/printcontext.h"

#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"

namespace {

constexpr int kMaxHeight = 1000;
constexpr std::array<char, 3> kFamilies = {'D', 'E', 'P'};
constexpr std::array<int, 7> kSizes = {0, 1, 2, 3, 4, 8, 9};

template <typename Visit> void ForEachFont(Visit visit)
{
    for (char family : kFamilies)
        for (int size : kSizes)
            for (bool bold : {false, true})
                if (!bold || size <= 4)
                    visit(family, size, bold);
}

} // namespace

CBoxFontHeights::CBoxFontHeights()
{
    ForEachFont([this](char family, int size, bool bold) {
        m_heights[Slot(family, size, bold)] = Settings::FontKeyDefault(family, size, bold);
    });
}

CBoxFontHeights CBoxFontHeights::Read(const CSettingsStore& settings)
{
    CBoxFontHeights heights;
    const QString section = QString::fromLatin1(Settings::kSectionFont);
    ForEachFont([&](char family, int size, bool bold) {
        int& height = heights.m_heights[Slot(family, size, bold)];
        const int value = settings.GetProfileInt(
            section, QLatin1String(Settings::FontKeyName(family, size, bold)), height);
        if (value >= 1)
            height = qMin(value, kMaxHeight);
    });
    return heights;
}

int CBoxFontHeights::Slot(char family, int size, bool bold)
{
    int f = 0;
    while (f < int(kFamilies.size()) && kFamilies[f] != family)
        ++f;
    int s = 0;
    while (s < int(kSizes.size()) && kSizes[s] != size)
        ++s;
    if (f == int(kFamilies.size()) || s == int(kSizes.size()) || (bold && size > 4))
        return -1;
    return f * 12 + (bold ? 7 + s : s);
}

int CBoxFontHeights::Height(char family, int size, bool bold) const
{
    const int slot = Slot(family, size, bold);
    return slot < 0 ? 0 : m_heights[slot];
}

PrintAreaCorrection PrintAreaCorrection::Read(const CSettingsStore& settings)
{
    const QString section = QString::fromLatin1(Settings::kSectionSettings);
    return {settings.Get(section, Settings::PrnFactorH),
            settings.Get(section, Settings::PrnFactorV)};
}

QPoint PrintContext::Margins(int page) const
{
    if (margins.isEmpty())
        return QPoint();
    return margins.at(qBound(1, page, int(margins.size())) - 1);
}

PrintContext PrintContext::Read(const Forms::FormDescription& form, const CSettingsStore& settings)
{
    const QString section = form.Section();
    PrintContext context;
    context.publisher = settings.Get(section, Settings::Publisher);
    context.mergedRows = form.MergedRowsOn(settings);
    for (const Forms::PageMargins& keys : form.margins)
        context.margins.append(
            QPoint(settings.Get(section, keys.left), settings.Get(section, keys.top)));
    context.printerFontFactor = settings.Get(section, Settings::PrinterFontFactor);
    context.correction = PrintAreaCorrection::Read(settings);
    context.textColor = settings.Get(section, Settings::EditTextColor);
    context.fonts = CBoxFontHeights::Read(settings);
    return context;
}
