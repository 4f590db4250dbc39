#include "core/settings/settingkeys.h"

#include <array>

namespace Settings {

namespace {

struct FontRow
{
    int size;
    bool bold;
    int screen, edit, printer;
    const char* names[3]; // D, E, P
};

constexpr std::array<FontRow, 12> kFonts = {{
    {0, false, 30, 30, 22, {"DFont0", "EFont0", "PFont0"}},
    {1, false, 38, 38, 32, {"DFont1", "EFont1", "PFont1"}},
    {2, false, 42, 42, 36, {"DFont2", "EFont2", "PFont2"}},
    {3, false, 46, 46, 42, {"DFont3", "EFont3", "PFont3"}},
    {4, false, 52, 52, 46, {"DFont4", "EFont4", "PFont4"}},
    {8, false, 26, 26, 24, {"DFont8", "EFont8", "PFont8"}},
    {9, false, 22, 22, 19, {"DFont9", "EFont9", "PFont9"}},
    {0, true, 28, 28, 22, {"DFont0B", "EFont0B", "PFont0B"}},
    {1, true, 38, 38, 32, {"DFont1B", "EFont1B", "PFont1B"}},
    {2, true, 42, 42, 38, {"DFont2B", "EFont2B", "PFont2B"}},
    {3, true, 46, 46, 42, {"DFont3B", "EFont3B", "PFont3B"}},
    {4, true, 52, 52, 46, {"DFont4B", "EFont4B", "PFont4B"}},
}};

int Column(char prefix)
{
    switch (prefix) {
    case 'D':
        return 0;
    case 'E':
        return 1;
    case 'P':
        return 2;
    default:
        return -1;
    }
}

const FontRow* Find(int size, bool bold)
{
    for (const FontRow& row : kFonts)
        if (row.size == size && row.bold == bold)
            return &row;
    return nullptr;
}

} // namespace

const char* FontKeyName(char prefix, int size, bool bold)
{
    const FontRow* row = Find(size, bold);
    const int column = Column(prefix);
    return row && column >= 0 ? row->names[column] : nullptr;
}

int FontKeyDefault(char prefix, int size, bool bold)
{
    const FontRow* row = Find(size, bold);
    switch (row ? Column(prefix) : -1) {
    case 0:
        return row->screen;
    case 1:
        return row->edit;
    case 2:
        return row->printer;
    default:
        return 0;
    }
}

} // namespace Settings
