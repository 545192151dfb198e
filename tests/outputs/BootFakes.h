#pragma once

#include "platform/IcmpEcho.h"
#include "platform/ProcessRunner.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace cfq::test {

// The script of a fake echo client and what the dialog did with it.
struct IcmpScript
{
    bool hostUsable = true;
    // Bytes of every reply; 0 is no answer within the time-out.
    int replyBytes = 0;
    // When the reply event comes after the request.
    std::chrono::milliseconds replyAfter = IcmpEchoClient::kReceiveTimeout;
    // Runs once, inside the wait of the first request.
    std::function<void()> duringFirstWait;

    std::vector<std::string> hosts;
    std::vector<std::string> data;
    std::vector<std::uint16_t> sequences;
};

// An echo client that answers from its script, waiting as the real one does:
// in 10 ms pauses, calling the wait hook after each.
class ScriptedIcmp : public IcmpEchoClient
{
public:
    ScriptedIcmp(std::shared_ptr<IcmpScript> script, ReplyHandler onReply, WaitHook whileWaiting)
        : m_script(std::move(script)), m_onReply(std::move(onReply)), m_whileWaiting(std::move(whileWaiting))
    {
    }

    Status setHost(const std::string& address) override
    {
        m_script->hosts.push_back(address);
        return m_script->hostUsable ? Status() : Status::failure("unusable host");
    }

    Status ping(const std::string& data, std::uint16_t sequence) override
    {
        m_script->data.push_back(data);
        m_script->sequences.push_back(sequence);
        const auto until = std::chrono::steady_clock::now() + m_script->replyAfter;
        while (std::chrono::steady_clock::now() < until) {
            std::this_thread::sleep_for(kWaitSlice);
            m_whileWaiting();
            if (auto once = std::exchange(m_script->duringFirstWait, nullptr))
                once();
        }
        m_onReply(m_script->replyBytes);
        return {};
    }

private:
    std::shared_ptr<IcmpScript> m_script;
    ReplyHandler m_onReply;
    WaitHook m_whileWaiting;
};

inline IcmpEchoClientFactory scriptedIcmp(std::shared_ptr<IcmpScript> script)
{
    return [script](IcmpEchoClient::ReplyHandler onReply, IcmpEchoClient::WaitHook whileWaiting) {
        return std::make_unique<ScriptedIcmp>(script, std::move(onReply), std::move(whileWaiting));
    };
}

// Every program the dialog started.
struct RunnerLog
{
    struct Start
    {
        std::filesystem::path program;
        std::string parameter;
        bool hidden;
        std::chrono::milliseconds limit;
    };
    std::vector<Start> starts;
};

// A process runner that starts nothing and reports the program ended.
class RecordingRunner : public ProcessRunner
{
public:
    explicit RecordingRunner(std::shared_ptr<RunnerLog> log) : m_log(std::move(log)) {}

    Outcome startAndWait(const std::filesystem::path& program, const std::string& parameter, bool hidden,
                         std::chrono::milliseconds limit, const std::function<void()>&) override
    {
        m_log->starts.push_back({program, parameter, hidden, limit});
        return Outcome::Ended;
    }

private:
    std::shared_ptr<RunnerLog> m_log;
};

} // namespace cfq::test
