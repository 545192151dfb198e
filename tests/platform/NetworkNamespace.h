#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace cfq::test {

// Outcome of a body run in its own network namespace.
struct NamespaceRun
{
    // False when this system does not let the test make a namespace; the
    // test then skips with the reason.
    bool permitted = true;
    // The body's failure, or why the namespace could not be made; empty when
    // all went well.
    std::string message;
};

// Runs body in a child process inside a fresh network namespace where only
// loopback is up, after writing each (file below /proc/sys, value). Nothing
// the body sends can leave that namespace.
NamespaceRun runInNetworkNamespace(const std::vector<std::pair<std::string, std::string>>& sysctls,
                                   const std::function<std::string()>& body);

} // namespace cfq::test
