#pragma once

#include "platform/Result.h"

#include <pugixml.hpp>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

// Small helpers over pugixml with the reading conventions of every document
// the configurator reads: the root is the first top-level node whatever its
// name (comments count), children are looked up by exact name, and a missing
// attribute reads as empty text.
namespace cfq::xml {

using Document = std::unique_ptr<pugi::xml_document>;

// Loads a file, keeping comments as nodes. The error names the file and the
// parser's message with its offset.
Result<Document> load(const std::filesystem::path& file);

// Parses a document held in memory (same rules as load).
Result<Document> parse(const std::string& text, const std::string& nameForErrors);

// The first top-level node of the document, whatever its kind or name.
pugi::xml_node firstTopLevelNode(const pugi::xml_document& document);

// The first child element with exactly this name (empty node when none).
pugi::xml_node childElement(pugi::xml_node parent, const char* name);

// The text of a simple element: empty for an element without content, the
// text for one holding only text, nothing when it holds other nodes.
std::optional<std::string> elementText(pugi::xml_node element);

// The text of the named child element of parent, when present and plain text.
std::optional<std::string> childText(pugi::xml_node parent, const char* name);

// The attribute's value; empty text when missing.
std::string attributeText(pugi::xml_node element, const char* name);

// Appends <name>text</name> to parent.
pugi::xml_node appendTextElement(pugi::xml_node parent, const char* name, const std::string& text);

// Serialises without declaration and without indentation, in UTF-8.
std::string toText(const pugi::xml_document& document);

// Writes the document atomically (temporary file, then rename).
Status save(const pugi::xml_document& document, const std::filesystem::path& file);

} // namespace cfq::xml
