#pragma once

#include "outputs/Bytes.h"

#include <optional>
#include <string>

// The image inspector: turns a device image back into a readable listing and
// checks what the bytes allow to check, for support and commissioning.
namespace cfq::outputs {

struct ImageReport
{
    // Every field with its value, one per line.
    std::string listing;
    // The first inconsistency found; nothing when the image is sound.
    std::optional<std::string> fault;
};

// The parameter image bank1.bin: every field, and its checksum checked.
ImageReport inspectParameterImage(const Bytes& image);

// The process-data image bank2.bin: the header, every table entry in use
// with its name and initial value, the group table. Every address must point
// inside the image at a terminated string or a value of the entry's length,
// and the counts must match the entries in use.
ImageReport inspectProcessDataImage(const Bytes& image);

// Recognises the image by its length and layout and inspects it; an image
// that is neither is a fault.
ImageReport inspectImage(const Bytes& image);

} // namespace cfq::outputs
