#include "localhttpserver.h"

#include <QHostAddress>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

constexpr qsizetype kMaxRequestBytes = 16 * 1024;

} // namespace

LocalHttpServer::LocalHttpServer(QObject* parent) : QObject(parent) {}

LocalHttpServer::~LocalHttpServer() = default;

bool LocalHttpServer::Listen(quint16 port, const QSslConfiguration& tls)
{
    m_tls = !tls.isNull();
    if (m_tls) {
        auto server = std::make_unique<QSslServer>();
        server->setSslConfiguration(tls);
        m_server = std::move(server);
    } else {
        m_server = std::make_unique<QTcpServer>();
    }
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this,
            &LocalHttpServer::OnConnection);
    return m_server->listen(QHostAddress::LocalHost, port);
}

quint16 LocalHttpServer::Port() const
{
    return m_server ? m_server->serverPort() : 0;
}

QString LocalHttpServer::BaseUrl() const
{
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(m_tls ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(Port());
}

void LocalHttpServer::Serve(const QByteArray& path, const Response& response)
{
    m_responses.insert(path, response);
}

QByteArray LocalHttpServer::ReasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

void LocalHttpServer::OnConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            OnReadable(socket);
    }
}

void LocalHttpServer::OnReadable(QTcpSocket* socket)
{
    // The request so far lives on the socket until its head is complete.
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    const qsizetype end = head.indexOf("\r\n\r\n");
    if (end < 0) {
        if (head.size() > kMaxRequestBytes)
            socket->abort();
        return;
    }
    if (socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);

    Request request;
    const QList<QByteArray> lines = head.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
    }
    m_requests << request;

    Response response;
    if (m_responses.contains(request.path)) {
        response = m_responses.value(request.path);
    } else {
        response.status = 404;
        response.contentType = "text/html";
        response.body = "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 2.0//EN\">\n<html><head>"
                        "<title>404 Not Found</title></head><body><h1>Not Found</h1><p>The "
                        "requested URL was not found on this server.</p></body></html>\n";
    }
    if (response.hang)
        return;

    QByteArray answer = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                        ReasonPhrase(response.status) +
                        "\r\nContent-Type: " + response.contentType +
                        "\r\nContent-Length: " + QByteArray::number(response.body.size()) +
                        "\r\nConnection: close\r\n";
    for (const auto& [name, value] : response.headers)
        answer += name + ": " + value + "\r\n";
    answer +=
        "\r\n" + (response.cutBodyAt < 0 ? response.body : response.body.left(response.cutBodyAt));
    socket->write(answer);
    socket->disconnectFromHost();
}
