#include "outputs/EsiFile.h"

#include "outputs/EsiDescription.h"
#include "outputs/EsiWriter.h"
#include "platform/AtomicFile.h"

namespace cfq::outputs {

Result<std::string> esiFileText(const ProjectDocuments& documents)
{
    const auto parameters = loadIfPresent(documents.parameters);
    if (!parameters)
        return Result<std::string>::failure(parameters.error());
    const auto variables = loadIfPresent(documents.variables);
    if (!variables)
        return Result<std::string>::failure(variables.error());
    return esiText(readEsiDescription(documentRoot(parameters.value()), documentRoot(variables.value())));
}

Status Generate_ESI(const ProjectDocuments& documents, const std::filesystem::path& target)
{
    const auto text = esiFileText(documents);
    if (!text)
        return Status::failure(text.error());
    return writeFileAtomically(target, text.value());
}

} // namespace cfq::outputs
