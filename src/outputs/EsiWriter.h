#pragma once

#include "outputs/EsiDescription.h"

#include <string>
#include <string_view>

namespace cfq::outputs {

// The ESI file of the device: an EtherCATInfo document, one line after the
// other, each ending with CR LF, in UTF-8 without byte-order mark.
std::string esiText(const EsiDescription& esi);

// A name from a document as element text: "&", "<", ">" and '"' escaped; a
// character XML does not allow (a control character other than tab, line
// feed and carriage return, or a byte outside valid UTF-8) becomes U+FFFD, so
// the file is always well-formed.
std::string xmlText(std::string_view text);

} // namespace cfq::outputs
