#include "core/documents/newdocumentfrom.h"

#include "core/defaults/defaulttexts.h"
#include "core/documents/documentfactory.h"

std::unique_ptr<CKrDocument> NewDocumentFrom(const CKrDocument& original, CSettingsStore& settings,
                                             const QDate& today)
{
    std::unique_ptr<CKrDocument> copy = CreateDocument(original.Form(), settings);
    copy->SetClock([today] { return today; });
    copy->OnNewDocument();
    copy->GetStore().CopyContents(original.GetStore());
    if (copy->HasCheckWord())
        copy->SetCheckWord(original.GetCheckWord());
    ApplyAutomaticDate(copy->Form(), copy->GetStore(), settings, today);
    copy->SetModifiedFlag();
    return copy;
}
