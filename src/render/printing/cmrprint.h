#pragma once

#include "printing/formprint.h"
#include "views/cmrlayout.h"

// The print routine on the CMR note.
class CCmrPrint : public CFormPrint
{
public:
    CCmrPrint(const CKrDocument& document, CSettingsStore& settings)
        : CFormPrint(CmrLayout::Description(), document, settings)
    {
    }

    static QRect PrintRect(int index, int page, int publisher, bool mergedGoodsRows,
                           const QPoint& offset)
    {
        return CFormPrint::PrintRect(CmrLayout::Description(), index, page, publisher,
                                     mergedGoodsRows, offset);
    }
};
