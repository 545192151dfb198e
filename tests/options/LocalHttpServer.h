#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <vector>

class QTcpSocket;

namespace cfq::test {

// A web server on 127.0.0.1 for the version check. It reads a request up to
// its blank line, then sends the scripted reply and closes the connection;
// a server without a reply keeps every connection open and silent.
class LocalHttpServer : public QObject
{
public:
    enum class Closing
    {
        AfterReply,
        Never,
    };

    explicit LocalHttpServer(QByteArray reply, Closing closing = Closing::AfterReply);

    void setReply(QByteArray reply) { m_reply = std::move(reply); }

    // "http://127.0.0.1:<port>"
    QString url() const;
    // The bytes of the last request received.
    QByteArray request() const { return m_request; }
    int connections() const { return m_connections; }
    quint16 port() const { return m_server.serverPort(); }

    // A replying server with status 200 and the body.
    static QByteArray okReply(const QByteArray& body);

    // The URL of a port on 127.0.0.1 where nothing listens.
    static QString closedPortUrl();

private:
    void accept();

    QTcpServer m_server;
    QByteArray m_reply;
    Closing m_closing;
    QByteArray m_request;
    int m_connections = 0;
};

} // namespace cfq::test
