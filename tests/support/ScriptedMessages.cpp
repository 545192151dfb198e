#include "ScriptedMessages.h"

#include <gtest/gtest.h>

namespace cfq::test {

ScriptedMessages::~ScriptedMessages()
{
    for (const Shown& message : shown())
        ADD_FAILURE() << "unexpected message: " << message.text;
    if (questionsUnanswered())
        ADD_FAILURE() << "a question was asked without a scripted answer";
}

} // namespace cfq::test
