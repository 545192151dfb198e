#pragma once

#include "app/AppState.h"
#include "platform/Result.h"

#include <string>

namespace cfq::cli {

// The configurator's state with the project folder named on the command line
// open and its document paths set (the texts stay with the tool's CliIo).
// Fails with text 18 and the reason when the folder does not exist or is no
// folder.
Result<AppState> openProjectArgument(const std::string& folder, const TextTable& texts);

} // namespace cfq::cli
