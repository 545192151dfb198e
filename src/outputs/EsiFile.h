#pragma once

#include "outputs/ProjectDocuments.h"
#include "platform/Result.h"

#include <filesystem>
#include <string>

// The ESI generator: the EtherCAT slave description file of a project.
namespace cfq::outputs {

// The text of the ESI file from the parameter and variable documents (either
// may be missing). Fails, naming the file and the parser's message, when a
// document is not well-formed. The group document is not read.
Result<std::string> esiFileText(const ProjectDocuments& documents);

// Generate: builds the text and writes it atomically to `target`, replacing
// any earlier file; nothing is written when reading fails.
Status Generate_ESI(const ProjectDocuments& documents, const std::filesystem::path& target);

} // namespace cfq::outputs
