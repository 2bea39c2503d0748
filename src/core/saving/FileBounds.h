// The bounds of FileText.h on what the settings read from a file hold, and on what the program
// is about to write: it never writes a file it would refuse to open.
#pragma once

#include "core/text/FileKind.h"
#include "core/text/FileText.h"

#include <optional>
#include <string_view>

namespace vornask {

// Why opening `bytes` as a file of `kind` (Mission or CampaignGuide) would be refused for what
// they hold: too large, too many lines, a line or a text too long; none when it would open.
// A missing section header is no such reason: the user may edit the source as they like.
std::optional<Refusal> BoundsRefusalOfSaving(std::string_view bytes, FileKind kind);

} // namespace vornask
