#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <string>

namespace cfq {

// The online version check: asks the maker's web server for the newest
// version of this software with an HTTP/1.0 request and compares it with the
// own version. The request runs in the background, so the windows keep
// responding; every failure (no connection, an unknown host, an error status,
// no complete reply within the time-out) counts as no newer version.
class VersionCheck : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(bool newer)>;

    static constexpr std::chrono::milliseconds kDefaultTimeout{15000};

    // server: "http://host[:port]" of the maker's web server.
    VersionCheck(std::string server, std::chrono::milliseconds timeout, QObject* parent);

    // Starts one check. done runs once, later, on the GUI thread with true
    // when the server names a newer version; it does not run when context
    // is gone by then.
    void Check_Version(QObject* context, Done done);

private:
    std::string m_server;
    std::chrono::milliseconds m_timeout;
};

// The new-version link: an anchor to the maker's download page with the
// given text.
QString newVersionLink(const QString& text);

} // namespace cfq
