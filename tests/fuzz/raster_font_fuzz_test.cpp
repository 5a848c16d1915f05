// Random, mutated and truncated bytes through the raster font reader: it refuses or returns a
// font that writes back to the same font, and never reads past its buffer.
#include "fonts/raster_font.h"
#include "fonts/sample_raster_font.h"

#include <gtest/gtest.h>
#include <random>

namespace {

constexpr std::uint32_t Seed = 20261208;

// A font the reader takes must be one the writer can write and the reader take back unchanged.
void ExpectRefusedOrConsistent(const std::vector<std::uint8_t>& bytes) {
    const std::optional<RasterFont> font = ParseRasterFont(bytes);
    if (font) {
        EXPECT_EQ(ParseRasterFont(RasterFontBytes(*font)), font);
    }
}

} // namespace

TEST(RasterFontFuzz, EveryTruncationIsRefused) {
    const std::vector<std::uint8_t> bytes = RasterFontBytes(SampleRasterFont());
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(ParseRasterFont(std::span(bytes).first(size))) << size;
}

TEST(RasterFontFuzz, MutatedFilesAreRefusedOrConsistent) {
    std::mt19937 random(Seed);
    const std::vector<std::uint8_t> valid = RasterFontBytes(SampleRasterFont());
    // The header's counts and offsets and the glyph table are what a mutation can make lie.
    const std::size_t checkedEnd = 148 + 4 * 6;
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> bytes = valid;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < changes; ++i) {
            const std::size_t at =
                random() % 4 != 0 ? random() % checkedEnd : random() % bytes.size();
            bytes[at] = static_cast<std::uint8_t>(random());
        }
        ExpectRefusedOrConsistent(bytes);
    }
}

TEST(RasterFontFuzz, RandomBytesAreRefusedOrConsistent) {
    std::mt19937 random(Seed);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> bytes(random() % 700);
        for (std::uint8_t& byte : bytes)
            byte = static_cast<std::uint8_t>(random());
        // Most rounds carry a true version and size, so the checks past them are reached.
        if (bytes.size() >= 6 && round % 4 != 0) {
            bytes[0] = 0x00;
            bytes[1] = 0x03;
            for (int i = 0; i < 4; ++i)
                bytes[2 + static_cast<std::size_t>(i)] =
                    static_cast<std::uint8_t>(bytes.size() >> (8 * i));
        }
        ExpectRefusedOrConsistent(bytes);
    }
}
