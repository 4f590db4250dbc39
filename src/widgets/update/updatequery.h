#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

// One HTTP(S) GET of the update index, without parsing it.
//
// The request names the program as user agent ("Tarvelomark"), asks for
// "Accept: Text/*", never follows a redirection and goes through the system's
// proxy (never for the loopback address). Certificate errors are errors: they
// are never ignored. Whatever the server answers with a status line — an index,
// an error page, a redirection — counts as transferred; the decision is the
// reader's. Only a failure without an answer (refused, no route, name not found,
// TLS handshake, time-out) is a network failure, with the system's text.
//
// The answer is kept up to kMaxBodyBytes; an index never needs more, so a longer
// body is cut there and the transfer ends early.
class CUpdateIndexQuery : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kMaxBodyBytes = 64 * 1024;
    static constexpr int kDefaultTimeoutMs = 30000;

    struct Answer
    {
        bool transferred = false;
        QString error;      // a network failure's text, for the user
        int httpStatus = 0; // read, not used for any decision
        QByteArray body;
    };

    explicit CUpdateIndexQuery(QObject* parent = nullptr);
    ~CUpdateIndexQuery() override;

    // Time from the request to the complete answer.
    void SetTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    int Timeout() const { return m_timeoutMs; }

    // Starts the request; Finished follows once, also for an invalid address.
    // A request still running is aborted first, without its Finished.
    void Start(const QUrl& url);
    // Ends a running request without Finished.
    void Abort();
    bool IsRunning() const { return !m_reply.isNull(); }

    // The system's text for a network failure, never empty.
    static QString FailureText(const QString& systemText);

Q_SIGNALS:
    void Finished(const CUpdateIndexQuery::Answer& answer);

private:
    void OnReadyRead();
    void OnFinished();

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    QTimer m_timer;
    QByteArray m_body;
    QString m_host;
    int m_timeoutMs = kDefaultTimeoutMs;
    bool m_timedOut = false;
    bool m_enough = false;
};
