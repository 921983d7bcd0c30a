#include "LoopbackHttpServer.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

namespace corvanel::test {

namespace {

// Small enough that a client which stops reading soon stops the sender too.
constexpr int kSendBufferBytes = 16 * 1024;

} // namespace

// Kept until the server goes, so a late timer or signal never meets a freed record.
struct LoopbackHttpServer::Connection
{
    QPointer<QTcpSocket> socket;
    QByteArray request;
    LoopbackResponse response;
    bool open = true;
    bool requestComplete = false;
    bool answered = false;
    int copiesLeft = 0;
    bool bodyDone = false;
};

LoopbackResponse LoopbackResponse::text(const QByteArray& body, int status)
{
    LoopbackResponse response;
    response.status = status;
    response.reason = status == 200 ? QByteArray("OK") : QByteArray("Status");
    response.body = body;
    return response;
}

LoopbackResponse LoopbackResponse::redirect(const QByteArray& location)
{
    LoopbackResponse response = text("Moved", 302);
    response.reason = "Found";
    response.headers.append({"Location", location});
    return response;
}

LoopbackResponse LoopbackResponse::silent()
{
    LoopbackResponse response;
    response.kind = Kind::Silent;
    return response;
}

LoopbackResponse LoopbackResponse::trickle()
{
    LoopbackResponse response;
    response.kind = Kind::Trickle;
    response.sendContentLength = false;
    return response;
}

LoopbackHttpServer::LoopbackHttpServer()
{
    QObject::connect(&m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::accept);
    m_server.listen(QHostAddress::LocalHost, 0);
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    // Sockets first: closing one must not call back into half-destroyed bookkeeping.
    for (const std::unique_ptr<Connection>& connection : m_connections) {
        if (connection->socket) {
            QObject::disconnect(connection->socket, nullptr, this, nullptr);
            delete connection->socket;
        }
    }
}

int LoopbackHttpServer::openConnections() const
{
    return static_cast<int>(
        std::count_if(m_connections.begin(), m_connections.end(),
                      [](const std::unique_ptr<Connection>& connection) { return connection->open; }));
}

QUrl LoopbackHttpServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

void LoopbackHttpServer::setResponse(const QString& path, const LoopbackResponse& response)
{
    m_responses.insert(path, response);
}

quint16 LoopbackHttpServer::closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void LoopbackHttpServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++m_connectionCount;
        socket->setParent(this);
        m_connections.push_back(std::make_unique<Connection>());
        Connection* connection = m_connections.back().get();
        connection->socket = socket;
        QObject::connect(socket, &QTcpSocket::readyRead, this, [this, connection] { readRequest(connection); });
        QObject::connect(socket, &QTcpSocket::bytesWritten, this, [this, connection] { sendMore(connection); });
        QObject::connect(socket, &QTcpSocket::disconnected, this, [this, connection] { closed(connection); });
        QObject::connect(socket, &QTcpSocket::errorOccurred, this, [this, connection] { closed(connection); });
        readRequest(connection);
    }
}

void LoopbackHttpServer::readRequest(Connection* connection)
{
    if (!connection->open) {
        return;
    }
    if (connection->requestComplete) {
        connection->socket->readAll();
        return;
    }
    connection->request += connection->socket->readAll();
    if (!connection->request.contains("\r\n\r\n")) {
        return;
    }
    connection->requestComplete = true;
    const QList<QByteArray> requestLine = connection->request.left(connection->request.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : QString();
    m_requestedMethods.append(requestLine.value(0));
    m_requestedPaths.append(path);
    connection->response = m_responses.value(path, LoopbackResponse::text("Not Found", 404));

    if (connection->response.kind != LoopbackResponse::Kind::Answer) {
        QTimer::singleShot(connection->response.hangUpAfterMs, connection->socket,
                           [connection] { connection->socket->disconnectFromHost(); });
    }
    switch (connection->response.kind) {
    case LoopbackResponse::Kind::Silent:
        break;
    case LoopbackResponse::Kind::Answer:
        if (connection->response.delayMs > 0) {
            QTimer::singleShot(connection->response.delayMs, connection->socket,
                               [this, connection] { answer(connection); });
        } else {
            answer(connection);
        }
        break;
    case LoopbackResponse::Kind::Trickle: {
        connection->socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n");
        auto* timer = new QTimer(connection->socket);
        QObject::connect(timer, &QTimer::timeout, connection->socket, [this, connection] {
            connection->socket->write("1");
            ++m_bodyBytesSent;
        });
        timer->start(connection->response.trickleIntervalMs);
        break;
    }
    }
}

void LoopbackHttpServer::answer(Connection* connection)
{
    if (!connection->open) {
        return;
    }
    connection->answered = true;
    const LoopbackResponse& response = connection->response;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + response.reason + "\r\n";
    head += "Content-Type: text/plain\r\nConnection: close\r\n";
    if (response.sendContentLength) {
        head += "Content-Length: " + QByteArray::number(response.body.size() * qint64(response.bodyRepeats)) + "\r\n";
    }
    for (const auto& [name, value] : response.headers) {
        head += name + ": " + value + "\r\n";
    }
    head += "\r\n";
    if (response.bodyRepeats > 1) {
        connection->socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, kSendBufferBytes);
    }
    connection->socket->write(head);
    connection->copiesLeft = response.bodyRepeats;
    sendMore(connection);
}

void LoopbackHttpServer::sendMore(Connection* connection)
{
    QTcpSocket* socket = connection->socket;
    if (!connection->open || !connection->answered || connection->bodyDone || socket->bytesToWrite() > 0) {
        return;
    }
    if (connection->copiesLeft > 0) {
        --connection->copiesLeft;
        socket->write(connection->response.body);
        m_bodyBytesSent += connection->response.body.size();
        return;
    }
    if (socket->state() != QAbstractSocket::ConnectedState) {
        return;
    }
    connection->bodyDone = true;
    m_bodyCompleted = true;
    socket->disconnectFromHost();
}

void LoopbackHttpServer::closed(Connection* connection)
{
    if (!connection->open) {
        return;
    }
    connection->open = false;
    if (connection->answered && !connection->bodyDone) {
        m_clientLeftEarly = true;
    }
    QObject::disconnect(connection->socket, nullptr, this, nullptr);
    connection->socket->deleteLater();
}

} // namespace corvanel::test
