#include "widgets/update/updatequery.h"

#include <QHostAddress>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// The system's proxy settings, except for this computer itself, which no proxy
// can reach on our behalf.
class SystemProxyFactory : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override
    {
        const QString host = query.peerHostName();
        if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
            QHostAddress(host).isLoopback())
            return {QNetworkProxy::NoProxy};
        return systemProxyForQuery(query);
    }
};

} // namespace

CUpdateIndexQuery::CUpdateIndexQuery(QObject* parent) : QObject(parent)
{
    m_manager.setProxyFactory(new SystemProxyFactory); // the manager owns it
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (!m_reply)
            return;
        m_timedOut = true;
        m_reply->abort();
    });
}

CUpdateIndexQuery::~CUpdateIndexQuery()
{
    Abort();
}

QString CUpdateIndexQuery::FailureText(const QString& systemText)
{
    return systemText.isEmpty() ? tr("Interner Anwendungsfehler.") : systemText;
}

void CUpdateIndexQuery::Start(const QUrl& url)
{
    Abort();
    m_body.clear();
    m_timedOut = false;
    m_enough = false;
    m_host = url.host();

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Tarvelomark"));
    request.setRawHeader("Accept", "Text/*");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    m_reply = m_manager.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &CUpdateIndexQuery::OnReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &CUpdateIndexQuery::OnFinished);
    m_timer.start(m_timeoutMs);
}

void CUpdateIndexQuery::Abort()
{
    m_timer.stop();
    if (QNetworkReply* reply = m_reply.data()) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void CUpdateIndexQuery::OnReadyRead()
{
    if (!m_reply || m_enough)
        return;
    m_body += m_reply->read(kMaxBodyBytes - m_body.size());
    if (m_body.size() >= kMaxBodyBytes) {
        m_enough = true;
        m_reply->abort(); // finishes the reply; what we have is the answer
    }
}

void CUpdateIndexQuery::OnFinished()
{
    m_timer.stop();
    QNetworkReply* reply = m_reply.data();
    if (!reply)
        return;
    m_reply = nullptr;
    reply->deleteLater();
    if (!m_enough && reply->isOpen())
        m_body += reply->read(kMaxBodyBytes - m_body.size());

    Answer answer;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    answer.httpStatus = status.toInt();
    if (m_timedOut) {
        answer.error = tr("Zeitüberschreitung: %1 hat nicht rechtzeitig geantwortet.").arg(m_host);
    } else if (m_enough || reply->error() == QNetworkReply::NoError || status.isValid()) {
        answer.transferred = true;
        answer.body = m_body;
    } else {
        answer.error = FailureText(reply->errorString());
    }
    Q_EMIT Finished(answer);
}
