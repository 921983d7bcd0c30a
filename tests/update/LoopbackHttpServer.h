#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

#include <memory>
#include <utility>
#include <vector>

class QTcpSocket;

namespace corvanel::test {

/** What the loopback server does with a request for one path. */
struct LoopbackResponse
{
    enum class Kind
    {
        Answer, ///< status line, headers, body, then close
        Silent, ///< accepts and reads the request, never answers
        Trickle, ///< sends the headers, then one body byte per interval, forever
    };

    Kind kind = Kind::Answer;
    int status = 200;
    QByteArray reason = "OK";
    QList<std::pair<QByteArray, QByteArray>> headers;
    QByteArray body;
    /** The body goes out this many times in a row, each copy once the previous one has left. */
    int bodyRepeats = 1;
    /** Without it the body ends where the server closes the connection. */
    bool sendContentLength = true;
    int delayMs = 0;
    int trickleIntervalMs = 500;
    /** A silent or trickling server hangs up after this long, so a client that never gives up fails, not hangs. */
    int hangUpAfterMs = 10000;

    static LoopbackResponse text(const QByteArray& body, int status = 200);
    static LoopbackResponse redirect(const QByteArray& location);
    static LoopbackResponse silent();
    static LoopbackResponse trickle();
};

/**
 * A tiny HTTP/1.1 server on 127.0.0.1 with a port chosen by the system, run on
 * the thread that creates it: one scripted response per path, 404 for the rest.
 * It records what reaches it, so tests can tell whether a request was made and
 * whether a client hung up before a long body was all sent.
 */
class LoopbackHttpServer : public QObject
{
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer() override;

    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }
    /** http://127.0.0.1:port followed by @p path. */
    QUrl url(const QString& path) const;

    void setResponse(const QString& path, const LoopbackResponse& response);

    /** Connections accepted so far, whether or not a request followed. */
    int connectionCount() const { return m_connectionCount; }
    /** The paths of the complete requests received, in order. */
    QStringList requestedPaths() const { return m_requestedPaths; }
    /** The request methods, in the same order. */
    QList<QByteArray> requestedMethods() const { return m_requestedMethods; }
    /** Body bytes handed to the system for sending, over all responses. */
    qint64 bodyBytesSent() const { return m_bodyBytesSent; }
    /** Whether some client closed its connection before the whole body had been handed over. */
    bool clientLeftEarly() const { return m_clientLeftEarly; }
    /** Whether some response's body was handed over completely. */
    bool bodyCompleted() const { return m_bodyCompleted; }
    /** Connections still open. */
    int openConnections() const;

    /** A port on 127.0.0.1 where nothing listens (just released by a server). */
    static quint16 closedPort();

private:
    struct Connection;

    void accept();
    void readRequest(Connection* connection);
    void answer(Connection* connection);
    void sendMore(Connection* connection);
    void closed(Connection* connection);

    QTcpServer m_server;
    QHash<QString, LoopbackResponse> m_responses;
    std::vector<std::unique_ptr<Connection>> m_connections;
    int m_connectionCount = 0;
    QStringList m_requestedPaths;
    QList<QByteArray> m_requestedMethods;
    qint64 m_bodyBytesSent = 0;
    bool m_clientLeftEarly = false;
    bool m_bodyCompleted = false;
};

} // namespace corvanel::test
