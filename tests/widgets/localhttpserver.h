#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSslConfiguration>

#include <memory>

class QTcpServer;
class QTcpSocket;

// A small HTTP/1.1 responder on 127.0.0.1, for the update tests and for trying
// the update dialog by hand. Every path has a canned answer; other paths get a
// 404 page. Each answer closes its connection. With a TLS configuration it
// speaks https.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Response
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/octet-stream";
        QList<QPair<QByteArray, QByteArray>> headers; // extra header lines
        bool hang = false;                            // read the request and never answer
        qsizetype cutBodyAt = -1; // close after that many body bytes, length as if whole
    };

    struct Request
    {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // names in lower case
    };

    explicit LocalHttpServer(QObject* parent = nullptr);
    ~LocalHttpServer() override;

    // Port 0: any free port. False when the port cannot be had.
    bool Listen(quint16 port = 0, const QSslConfiguration& tls = QSslConfiguration());
    quint16 Port() const;
    // "http://127.0.0.1:PORT" (or https).
    QString BaseUrl() const;

    void Serve(const QByteArray& path, const Response& response);
    const QList<Request>& Requests() const { return m_requests; }

    static QByteArray ReasonPhrase(int status);

private:
    void OnConnection();
    void OnReadable(QTcpSocket* socket);

    std::unique_ptr<QTcpServer> m_server;
    bool m_tls = false;
    QMap<QByteArray, Response> m_responses;
    QList<Request> m_requests;
};
