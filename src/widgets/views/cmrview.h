#pragma once

#include "editor/krdeditwindows.h"
#include "views/cmrlayout.h"
#include "views/krformview.h"

class CCMRDoc;

// The CMR consignment note on the screen: the form view on the CMR note's
// description, with its editor class and the names of its permit checkboxes.
class CCMRView : public CKRFormView
{
    Q_OBJECT

public:
    static constexpr CursorKind kCursorPermit = kCursorCheckBox;

    CCMRView(CCMRDoc& document, CSettingsStore& settings, CMainFrame& frame,
             QWidget* parent = nullptr);

    CKRDEditWindow_CMR* Editor() const { return static_cast<CKRDEditWindow_CMR*>(FormEditor()); }
    // The permit checkbox k (0..3) in device pixels of the unscrolled view.
    QRect PermitCheckboxRect(int k) const { return CheckBoxRect(k); }

protected:
    CKRDFormEditWindow* CreateEditWindow() override;
};
