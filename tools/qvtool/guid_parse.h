// Reading a GUID back from the text GuidText writes.
#pragma once

#include "model/guid.h"

#include <optional>
#include <string_view>

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in either case, the braces optional; nothing for any
// other text.
std::optional<Guid> ParseGuidText(std::string_view text);
