#include "defaults/dlghelptopic.h"

#include "app/krdwinappex.h"

namespace {

CKRDWinAppEx* Application()
{
    return qobject_cast<CKRDWinAppEx*>(QCoreApplication::instance());
}

} // namespace

CDlgHelpTopic::CDlgHelpTopic(int id) : m_app(Application())
{
    if (!m_app)
        return;
    m_saved = m_app->HelpContextId();
    m_app->SetHelpContextId(id);
}

void CDlgHelpTopic::Restore()
{
    if (!m_app || m_restored)
        return;
    m_app->SetHelpContextId(m_saved);
    m_restored = true;
}

void CDlgHelpTopic::ShowCurrentTopic()
{
    if (CKRDWinAppEx* app = Application())
        app->ShowHelpTopic(app->HelpContextId());
}
