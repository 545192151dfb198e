#pragma once

#include "RecordingMessages.h"

namespace cfq::test {

// The message service of core tests: a test that did not take every message
// it caused (takeShown) fails, and so does one whose question had no
// scripted answer.
class ScriptedMessages : public RecordingMessages
{
public:
    ~ScriptedMessages() override;
};

} // namespace cfq::test
