#include "platform/Xml.h"

#include "platform/AtomicFile.h"

#include <sstream>

namespace cfq::xml {
namespace {

// Comments are nodes (a comment before the root is the first top-level node);
// an element holding only blanks keeps them, so a name of blanks reads back.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_comments | pugi::parse_ws_pcdata_single;

std::string describeFailure(const std::string& name, const pugi::xml_parse_result& result)
{
    return "\"" + name + "\": " + result.description() + " at offset " + std::to_string(result.offset);
}

} // namespace

Result<Document> load(const std::filesystem::path& file)
{
    auto document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result result = document->load_file(file.c_str(), kParseOptions);
    if (!result)
        return Result<Document>::failure(describeFailure(file.string(), result));
    return Document(std::move(document));
}

Result<Document> parse(const std::string& text, const std::string& nameForErrors)
{
    auto document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result result = document->load_buffer(text.data(), text.size(), kParseOptions);
    if (!result)
        return Result<Document>::failure(describeFailure(nameForErrors, result));
    return Document(std::move(document));
}

pugi::xml_node firstTopLevelNode(const pugi::xml_document& document)
{
    return document.first_child();
}

pugi::xml_node childElement(pugi::xml_node parent, const char* name)
{
    for (pugi::xml_node child = parent.child(name); child; child = child.next_sibling(name)) {
        if (child.type() == pugi::node_element)
            return child;
    }
    return {};
}

std::optional<std::string> elementText(pugi::xml_node element)
{
    if (!element || element.type() != pugi::node_element)
        return std::nullopt;
    std::string text;
    for (pugi::xml_node child : element.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += child.value();
        else if (child.type() != pugi::node_comment)
            return std::nullopt;
    }
    return text;
}

std::optional<std::string> childText(pugi::xml_node parent, const char* name)
{
    return elementText(childElement(parent, name));
}

std::string attributeText(pugi::xml_node element, const char* name)
{
    return element.attribute(name).value();
}

pugi::xml_node appendTextElement(pugi::xml_node parent, const char* name, const std::string& text)
{
    pugi::xml_node element = parent.append_child(name);
    if (!text.empty())
        element.append_child(pugi::node_pcdata).set_value(text.c_str());
    return element;
}

std::string toText(const pugi::xml_document& document)
{
    std::ostringstream out;
    document.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.str();
}

Status save(const pugi::xml_document& document, const std::filesystem::path& file)
{
    return writeFileAtomically(file, toText(document));
}

} // namespace cfq::xml
