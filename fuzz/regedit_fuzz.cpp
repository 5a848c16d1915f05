// The REGEDIT4 reader never refuses: what it kept writes out as text that reads back to the same
// hive with nothing skipped, and that text writes out again byte for byte.
#include "fuzz_check.h"
#include "settings/regedit_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ParsedRegedit parsed = ParseRegedit(text);
    const std::string written = RegeditText(parsed.Hive);
    const ParsedRegedit again = ParseRegedit(written);
    Require(again.SkippedLines == 0, "written text reads without a skipped line");
    Require(again.Hive == parsed.Hive, "written text reads back to the same hive");
    Require(RegeditText(again.Hive) == written, "the hive writes out the same text again");
    return 0;
}
