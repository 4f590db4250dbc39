#include "core/app/newfiletemplate.h"

#include "core/app/doctemplates.h"
#include "core/documents/documentfactory.h"
#include "core/documents/krdocument.h"
#include "core/files/safewrite.h"
#include "core/settings/settingsstore.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

QByteArray NewCmrTemplateBytes()
{
    // A store of its own, so that the user's default texts and automatic date
    // stay out of the template.
    QTemporaryDir dir;
    if (!dir.isValid())
        return {};
    CSettingsStore settings(std::make_unique<QSettings>(
        dir.filePath(QStringLiteral("template.ini")), QSettings::IniFormat));
    settings.Set(QString(GetFormTypeInfo(FormType::Cmr).section), Settings::AutoDate, 0);
    auto document = CreateDocument(FormType::Cmr, settings);
    document->OnNewDocument();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    try {
        document->SaveToDevice(buffer);
    } catch (const Error&) {
        return {};
    }
    return buffer.data();
}

QString WriteNewFileTemplate(const QString& folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    const DocTemplateInfo& cmr = DocTemplateFor(FormType::Cmr);
    const QString path = QDir(folder).filePath(QString(cmr.baseName) + QString(cmr.extension));
    if (QFileInfo::exists(path))
        return path;
    const QByteArray bytes = NewCmrTemplateBytes();
    if (bytes.isEmpty() || WriteFileSafely(path, bytes))
        return {};
    return path;
}
