#include "LocalHttpServer.h"

#include <QTcpSocket>

namespace cfq::test {

LocalHttpServer::LocalHttpServer(QByteArray reply, Closing closing)
    : m_reply(std::move(reply)), m_closing(closing)
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
}

QString LocalHttpServer::url() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

QByteArray LocalHttpServer::okReply(const QByteArray& body)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n" + body;
}

QString LocalHttpServer::closedPortUrl()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

void LocalHttpServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++m_connections;
        m_request.clear();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            m_request += socket->readAll();
            if (!m_request.contains("\r\n\r\n") || m_reply.isEmpty())
                return;
            socket->write(m_reply);
            if (m_closing == Closing::AfterReply)
                socket->disconnectFromHost();
        });
    }
}

} // namespace cfq::test
