#pragma once

#include "params/ParGen.h"
#include "platform/Result.h"

#include <filesystem>

// The parameter document ParGen.xml: the root Par_Gen holding one simple
// element per value, followed at the top level by the version comment.
namespace cfq {

// Reads the document as the Set Communication dialog shows it. A missing
// file gives every default. Each element is read on its own: a missing one,
// or one holding more than text, keeps its default; flags are set only by
// exactly "1"; a list index that is no number or lies outside its list gives
// the default index; the Wi-Fi DHCP flag is always clear. The root is the
// first top-level node whatever it is, so a comment placed before Par_Gen
// gives every default. A file that is not well-formed is an error naming the
// file and the parser's message.
Result<ParGenValues> readParGen(const std::filesystem::path& file);

// Replaces the file with a document of all 33 elements in their fixed order
// (flags "1"/"0", texts as typed, list indexes in decimal), without
// declaration and without indentation, in UTF-8. Anything else the earlier
// file held is gone.
Status writeParGen(const ParGenValues& values, const std::filesystem::path& file);

} // namespace cfq
