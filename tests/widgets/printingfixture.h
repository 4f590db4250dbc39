#pragma once

// What the print command tests share: a main window whose printer writes a PDF
// into a folder of the case's own, and a new CMR note on the same settings.

#include "core/documents/cmrdoc.h"
#include "core/settings/settingsstore.h"
#include "widgets/app/mainframe.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// The test calls Open from its init slot and Close from its cleanup slot.
class PrintingFixture
{
protected:
    using MakeSettings = std::function<std::unique_ptr<CSettingsStore>(const QTemporaryDir&)>;

    // `makeSettings` makes the store in the new folder; the printer's job goes
    // to Pdf().
    void Open(const MakeSettings& makeSettings)
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = makeSettings(*m_dir);
        m_frame = std::make_unique<CMainFrame>(*m_settings);
        QPrinter& printer = m_frame->CurrentPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Pdf());
        m_document = std::make_unique<CCMRDoc>(*m_settings);
        m_document->OnNewDocument();
    }

    // In the reverse order of Open: the note and the window use the settings,
    // which live in the folder.
    void Close()
    {
        m_document.reset();
        m_frame.reset();
        m_settings.reset();
        m_dir.reset();
    }

    QString Path(const char* name) const { return m_dir->filePath(QLatin1String(name)); }
    QString Pdf() const { return Path("job.pdf"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CSettingsStore> m_settings;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CCMRDoc> m_document;
};
