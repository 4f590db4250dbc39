#include "widgets/app/helptopicscope.h"

#include "widgets/app/krdwinappex.h"

namespace {

CKRDWinAppEx* Application()
{
    return qobject_cast<CKRDWinAppEx*>(QCoreApplication::instance());
}

} // namespace

CHelpTopicScope::CHelpTopicScope(int id) : m_app(Application())
{
    if (!m_app)
        return;
    m_saved = m_app->HelpContextId();
    m_app->SetHelpContextId(id);
}

void CHelpTopicScope::Restore()
{
    if (!m_app || m_restored)
        return;
    m_app->SetHelpContextId(m_saved);
    m_restored = true;
}

void CHelpTopicScope::ShowCurrentTopic()
{
    if (CKRDWinAppEx* app = Application())
        app->ShowHelpTopic(app->HelpContextId());
}

void CHelpTopicScope::ShowTopic(int id)
{
    if (CKRDWinAppEx* app = Application())
        app->ShowHelpTopic(id);
}
