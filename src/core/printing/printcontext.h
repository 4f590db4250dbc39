#pragma once

#include "core/forms/formdescription.h"

#include <QPoint>
#include <QVector>

#include <array>

class CSettingsStore;

// The heights of the box fonts as the section "Font" keeps them: per family
// ('D' the screen, 'E' the edit widget, 'P' the printer), the size steps 0..4
// and the small sizes 8 and 9, normal, and the steps 0..4 bold. A value of
// zero or below, or an absurdly large one, reads as the default: it would
// give no text or a font the size of the screen.
class CBoxFontHeights
{
public:
    // The program's defaults.
    CBoxFontHeights();
    static CBoxFontHeights Read(const CSettingsStore& settings);

    // 0 for a family or size that does not exist.
    int Height(char family, int size, bool bold) const;

    friend bool operator==(const CBoxFontHeights& a, const CBoxFontHeights& b)
    {
        return a.m_heights == b.m_heights;
    }

private:
    static int Slot(char family, int size, bool bold); // -1 when unknown

    // Three families of seven normal and five bold heights.
    std::array<int, 3 * 12> m_heights{};
};

// The print-area correction ("PrnFactorH", "PrnFactorV" of "Settings"): how
// much every printed position is scaled about the origin, per mille across and
// down.
struct PrintAreaCorrection
{
    int horizontal = 1000;
    int vertical = 1000;

    static PrintAreaCorrection Read(const CSettingsStore& settings);
};

// Everything the drawing of a note takes from the settings, read once per job
// (or per repaint of a preview) so that the painters and the print routine read
// no settings while they draw: a change of the settings takes effect at the
// next job, never half-way through one.
struct PrintContext
{
    // The publisher's sheet ("Hersteller") and the joined cells of the form.
    int publisher = 0;
    bool mergedRows = false;
    // The shift of each page of the form, 0.1 mm right and down positive.
    QVector<QPoint> margins;
    // The printer font factor ("DruckerSchriftFaktor"), per cent.
    int printerFontFactor = 100;
    PrintAreaCorrection correction;
    // The colour of box texts on the screen and in renders ("EditTextColor",
    // 0x00bbggrr as stored).
    int textColor = 0;
    CBoxFontHeights fonts;

    // The shift of a page (1 the front; any other the form's last page).
    QPoint Margins(int page) const;

    // The form's section and the program's settings as they are now.
    static PrintContext Read(const Forms::FormDescription& form, const CSettingsStore& settings);
};
