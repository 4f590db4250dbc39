#include "widgets/printing/pdfcommand.h"

#include "core/documents/krdocument.h"
#include "core/errors/errortext.h"
#include "core/settings/settingsstore.h"
#include "render/printing/wholenote.h"
#include "render/views/formrender.h"
#include "widgets/printing/dlgpdfspeichern.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

QString ProposedPath(const CKrDocument& document)
{
    const QString path = document.GetPathName();
    if (!path.isEmpty()) {
        const QFileInfo info(path);
        return info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath(QFileInfo(document.GetTitle()).completeBaseName() +
                                 QStringLiteral(".pdf"));
}

} // namespace

bool RunSaveAsPdf(const CKrDocument& document, CSettingsStore& settings, QWidget* parent)
{
    WholeNoteJob job;
    {
        CDlgPdfSpeichern options(document.Form(), settings, parent);
        if (options.exec() != QDialog::Accepted)
            return false;
        job = options.Job();
    }
    QString path;
    {
        QFileDialog dialog(parent, QCoreApplication::translate("PdfCommand", "Als PDF speichern"));
        dialog.setObjectName(QStringLiteral("pdfFileDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QCoreApplication::translate("PdfCommand", "PDF-Dateien (*.pdf)"));
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.selectFile(ProposedPath(document));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        path = dialog.selectedFiles().constFirst();
    }
    const Error error =
        SaveWholeNotePdf(document, PrintContext::Read(document.Form(), settings), job, path);
    if (!error)
        return true;
    QMessageBox::warning(parent, QStringLiteral("Tarvelomark"), ErrorMessage(error));
    return false;
}
