#pragma once

// What the form view tests share: settings of their own, a form view opened in a
// document window of the real main window as the application opens one, and the
// ways of reaching its boxes and its command states.

#include "core/app/doctemplates.h"
#include "core/forms/cmrlayout.h"
#include "core/forms/forwardinglayout.h"
#include "core/forms/kombilayout.h"
#include "core/forms/nationallayout.h"
#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"
#include "widgets/app/childframe.h"
#include "widgets/app/commandtarget.h"
#include "widgets/app/mainframe.h"
#include "widgets/editor/krdeditwindows.h"
#include "widgets/views/krformview.h"
#include "widgets/views/viewfactory.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// A settings store on an INI file in `dir`: German texts and, for the form's
// section, the same zoom on every screen.
inline std::unique_ptr<CSettingsStore> FormViewSettings(const QTemporaryDir& dir,
                                                        const QString& section, int zoom)
{
    auto settings = std::make_unique<CSettingsStore>(std::make_unique<QSettings>(
        dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
    settings->Set(QLatin1String(Settings::kSectionSettings), Settings::Language, 0);
    settings->WriteProfileInt(section, QLatin1String(Settings::kZoomFactor), zoom);
    settings->WriteProfileInt(QLatin1String(Settings::kSectionSettings),
                              QLatin1String(Settings::kWinFormScaledFactorOv), 100);
    return settings;
}

// Opens the document in a new window of `frame`, sized 1100 x 850, with the view
// the program makes for it, and waits until the view has placed its editor and
// given it the keyboard. The view, or null when it did not come up (the window
// owns the view and the document).
inline CKRFormView* OpenFormView(std::unique_ptr<CKrDocument> document, CSettingsStore& settings,
                                 CMainFrame& frame)
{
    const FormType type = document->GetFormType();
    frame.resize(1100, 850);
    CFormView* view = CreateFormView(*document, settings, frame);
    auto* formView = dynamic_cast<CKRFormView*>(view);
    if (!formView) {
        delete view;
        return nullptr;
    }
    // The frame is up before the window is added, as when the user opens a
    // file: a window added to a hidden frame is not the active one once the
    // frame shows, and the frame routes no command to it.
    frame.show();
    if (!QTest::qWaitForWindowActive(&frame))
        return nullptr;
    frame.AddChild(
        new CChildFrame(std::move(document), view, DocTemplateFor(type).resourceId, frame));
    view->OnInitialUpdate();
    if (!QTest::qWaitFor([formView] {
            return formView->FormEditor() && formView->IsLayoutValid() &&
                   formView->FormEditor()->hasFocus();
        }))
        return nullptr;
    frame.UpdateCommandUI(); // what the frame's idle update does
    return formView;
}

// A box (or check box) in device pixels of the unscrolled view.
inline QRect DeviceRect(const CKRFormView& view, int index, int page = 1)
{
    const Forms::BoxRect r = view.GetBoxRect(index, page);
    return QRect(view.LogicalToDevice(QPoint(r.left, r.top)),
                 view.LogicalToDevice(QPoint(r.right, r.bottom)) - QPoint(1, 1));
}

// Scrolls the box into sight and clicks its middle.
inline void ClickBox(CKRFormView& view, int index)
{
    view.ScrollToPosition(QPoint(0, qMax(0, view.GetBoxRect(index, 1).top - 300)));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                      DeviceRect(view, index).center() - view.ScrollPosition());
}

// Whether the view shows the cross in the edit text colour inside a check box
// (an index of the box table), with the form scrolled to it.
inline bool ShowsCross(CKRFormView& view, int index)
{
    view.ScrollToPosition(QPoint(0, qMax(0, view.GetBoxRect(index, 1).top - 300)));
    const QImage image = view.viewport()->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QRect inner = DeviceRect(view, index).adjusted(3, 3, -3, -3);
    const QColor cross = view.EditTextColor();
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            if (image.pixelColor((QPoint(x, y) - view.ScrollPosition()) * ratio) == cross)
                return true;
    return false;
}

// Whether a command is enabled and checked in the view now; a command the view
// does not know is disabled.
inline CommandState ViewCommandState(CFormView& view, int id)
{
    CommandState state;
    const bool known = view.OnUpdateCommand(id, state);
    state.enabled = state.enabled && known;
    return state;
}

// What a form view test keeps for each case: settings of its own, the main
// window and the form view on a new `Doc`. The test calls UseSettings from
// its init slot and Close from its cleanup slot.
template <typename Doc> class FormViewFixture
{
protected:
    void UseSettings(const QString& section, int zoom)
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = FormViewSettings(*m_dir, section, zoom);
    }

    // A new document in a window of a new main frame, as the application opens
    // one; `prepare` fills the document before the view exists. The case fails
    // when the view does not come up.
    void Open(const std::function<void(Doc&)>& prepare = {})
    {
        OpenDocument(std::make_unique<Doc>(*m_settings), prepare);
    }

    // The same for a document made elsewhere (a fixture of any form).
    void OpenDocument(std::unique_ptr<Doc> doc, const std::function<void(Doc&)>& prepare = {})
    {
        m_frame = std::make_unique<CMainFrame>(*m_settings);
        doc->OnNewDocument();
        if (prepare)
            prepare(*doc);
        m_doc = doc.get();
        m_view = OpenFormView(std::move(doc), *m_settings, *m_frame);
        if (!m_view)
            m_doc = nullptr; // it may be gone with its window
        QVERIFY(m_view);
    }

    // Closes the main window, and with it the document window with its view,
    // editor and document, without the question to save.
    void Close()
    {
        if (m_doc)
            m_doc->SetModifiedFlag(false);
        m_frame.reset();
        m_view = nullptr;
        m_doc = nullptr;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CSettingsStore> m_settings;
    std::unique_ptr<CMainFrame> m_frame;
    CKRFormView* m_view = nullptr;
    Doc* m_doc = nullptr; // owned by the document window
};
