#include "options/VersionCheck.h"

#include "app/MakerSite.h"
#include "app/ModelIdentity.h"
#include "options/HttpMessage.h"
#include "options/VersionNumber.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace cfq {
namespace {

// A reply longer than this is no version reply; the request gives up.
constexpr qsizetype kMaximumReplySize = 64 * 1024;
constexpr int kHttpPort = 80;

// One request in flight; deletes itself once it reported.
class VersionRequest : public QObject
{
public:
    VersionRequest(const QUrl& server, std::chrono::milliseconds timeout, QObject* context,
                   VersionCheck::Done done, QObject* parent)
        : QObject(parent), m_socket(new QTcpSocket(this)), m_context(context), m_done(std::move(done))
    {
        const int port = server.port(kHttpPort);
        m_hostHeader = server.host().toStdString();
        if (m_hostHeader.find(':') != std::string::npos)
            m_hostHeader = "[" + m_hostHeader + "]"; // an IPv6 address
        if (port != kHttpPort)
            m_hostHeader += ":" + std::to_string(port);

        connect(m_socket, &QTcpSocket::connected, this, &VersionRequest::sendRequest);
        connect(m_socket, &QTcpSocket::readyRead, this, &VersionRequest::receive);
        connect(m_socket, &QTcpSocket::disconnected, this, &VersionRequest::finishWithReply);
        connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
            // An HTTP/1.0 server ends its reply by closing the connection.
            if (error == QAbstractSocket::RemoteHostClosedError)
                finishWithReply();
            else
                report(false);
        });
        QTimer::singleShot(timeout, this, [this] { report(false); });

        if (!server.isValid() || server.scheme() != QLatin1String("http") || server.host().isEmpty()) {
            QMetaObject::invokeMethod(this, [this] { report(false); }, Qt::QueuedConnection);
            return;
        }
        m_socket->connectToHost(server.host(), static_cast<quint16>(port));
    }

private:
    void sendRequest()
    {
        const std::string request = versionCheckRequest(m_hostHeader, model::kSoftwareCode);
        m_socket->write(request.data(), static_cast<qint64>(request.size()));
    }

    void receive()
    {
        m_reply += m_socket->readAll();
        if (m_reply.size() > kMaximumReplySize)
            report(false);
        else if (httpReplyComplete(replyText()))
            finishWithReply();
    }

    void finishWithReply()
    {
        if (m_reported)
            return;
        m_reply += m_socket->readAll();
        const auto body = httpReplyBody(replyText());
        report(body && Reply_Reports_Newer_Version(*body));
    }

    std::string_view replyText() const
    {
        return std::string_view(m_reply.constData(), static_cast<std::size_t>(m_reply.size()));
    }

    void report(bool newer)
    {
        if (m_reported)
            return;
        m_reported = true;
        m_socket->abort();
        if (m_context)
            m_done(newer);
        deleteLater();
    }

    QTcpSocket* m_socket;
    QPointer<QObject> m_context;
    VersionCheck::Done m_done;
    std::string m_hostHeader;
    QByteArray m_reply;
    bool m_reported = false;
};

} // namespace

VersionCheck::VersionCheck(std::string server, std::chrono::milliseconds timeout, QObject* parent)
    : QObject(parent), m_server(std::move(server)), m_timeout(timeout)
{
}

QString newVersionLink(const QString& text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(QString::fromStdString(maker::downloadPageUrl()).toHtmlEscaped(), text.toHtmlEscaped());
}

void VersionCheck::Check_Version(QObject* context, Done done)
{
    new VersionRequest(QUrl(QString::fromStdString(m_server)), m_timeout, context, std::move(done), this);
}

} // namespace cfq
