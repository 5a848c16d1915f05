// Windows bitmap files decoded field by field from their little-endian headers, bounds checked
// before each read.
#include "editor/bitmap_picture.h"

#include "base/byte_layout.h"
#include "model/file_read.h"

#include <bit>
#include <limits>
#include <vector>

namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::size_t FileHeaderSize = 14;
// OS/2's core header, Windows' info header, OS/2's second header, and Windows' V4 and V5.
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t Os2HeaderSize = 64;
constexpr std::uint32_t V4HeaderSize = 108;
constexpr std::uint32_t V5HeaderSize = 124;

enum class Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, Bitfields = 3 };

// A file this long holds any picture that fits the grid many times over; a longer one is read
// only this far.
constexpr std::uintmax_t LongestFileRead = 16u << 20;

struct Header {
    std::uint32_t InfoSize = 0;
    int Width = 0;
    int Height = 0;
    bool TopDown = false;
    int Bits = 0;
    Compression Kind = Compression::Rgb;
    std::uint32_t ColoursUsed = 0;
    std::uint32_t PixelsOffset = 0;
};

using ByteLayout::Get;

bool KindFitsDepth(Compression kind, int bits) {
    switch (kind) {
    case Compression::Rgb:
        return true;
    case Compression::Rle8:
        return bits == 8;
    case Compression::Rle4:
        return bits == 4;
    case Compression::Bitfields:
        return bits == 16 || bits == 32;
    }
    return false;
}

// The two headers' fields, or nothing when they are not those of a bitmap the format has.
std::optional<Header> ReadHeader(Bytes file) {
    if (file.size() < FileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    Header header;
    header.PixelsOffset = Get<std::uint32_t>(file, 10);
    header.InfoSize = Get<std::uint32_t>(file, FileHeaderSize);
    const std::uint32_t size = header.InfoSize;
    if (size != CoreHeaderSize && size != InfoHeaderSize && size != Os2HeaderSize &&
        size != V4HeaderSize && size != V5HeaderSize)
        return std::nullopt;
    if (file.size() < FileHeaderSize + size)
        return std::nullopt;
    const std::size_t at = FileHeaderSize;
    std::int64_t height = 0;
    int planes = 0;
    if (size == CoreHeaderSize) {
        header.Width = Get<std::uint16_t>(file, at + 4);
        height = Get<std::uint16_t>(file, at + 6);
        planes = Get<std::uint16_t>(file, at + 8);
        header.Bits = Get<std::uint16_t>(file, at + 10);
    } else {
        header.Width = Get<std::int32_t>(file, at + 4);
        height = Get<std::int32_t>(file, at + 8);
        planes = Get<std::uint16_t>(file, at + 12);
        header.Bits = Get<std::uint16_t>(file, at + 14);
        const std::uint32_t kind = Get<std::uint32_t>(file, at + 16);
        if (kind > static_cast<std::uint32_t>(Compression::Bitfields))
            return std::nullopt;
        header.Kind = static_cast<Compression>(kind);
        header.ColoursUsed = Get<std::uint32_t>(file, at + 32);
    }
    const int bits = header.Bits;
    if (planes != 1 ||
        !(bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32) ||
        !KindFitsDepth(header.Kind, bits))
        return std::nullopt;
    // A negative height stores the top row first.
    header.TopDown = height < 0;
    height = height < 0 ? -height : height;
    if (header.Width <= 0 || height <= 0 || height > std::numeric_limits<int>::max())
        return std::nullopt;
    header.Height = static_cast<int>(height);
    return header;
}

// One channel of a packed pixel, widened or narrowed to eight bits by its mask's extent.
std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const int width = std::bit_width(mask >> shift);
    const std::uint32_t value = (pixel & mask) >> shift;
    return width <= 8 ? value << (8 - width) : value >> (width - 8);
}

struct Masks {
    std::uint32_t Red, Green, Blue;

    std::uint32_t Colour(std::uint32_t pixel) const {
        return Channel(pixel, Red) << 16 | Channel(pixel, Green) << 8 | Channel(pixel, Blue);
    }
};

// Everything the pixels are decoded with, once the header, masks and palette are read.
struct Layout {
    Header Head;
    Masks Fields{};
    std::vector<std::uint32_t> Palette;
    std::size_t PixelsStart = 0;
};

std::optional<Layout> ReadLayout(Bytes file, const Header& header) {
    Layout layout;
    layout.Head = header;
    std::size_t tableStart = FileHeaderSize + header.InfoSize;
    if (header.Kind == Compression::Bitfields) {
        // V4 and V5 headers hold the masks; after a shorter header they follow it.
        const std::size_t masksAt =
            header.InfoSize >= V4HeaderSize ? FileHeaderSize + InfoHeaderSize : tableStart;
        if (header.InfoSize < V4HeaderSize)
            tableStart += 12;
        if (file.size() < masksAt + 12)
            return std::nullopt;
        layout.Fields = {Get<std::uint32_t>(file, masksAt), Get<std::uint32_t>(file, masksAt + 4),
                         Get<std::uint32_t>(file, masksAt + 8)};
    } else if (header.Bits == 16) {
        layout.Fields = {0x7C00, 0x03E0, 0x001F};
    } else {
        layout.Fields = {0xFF0000, 0x00FF00, 0x0000FF};
    }
    if (header.Bits <= 8) {
        const std::size_t count = header.ColoursUsed != 0 ? header.ColoursUsed : 1u << header.Bits;
        const std::size_t entry = header.InfoSize == CoreHeaderSize ? 3 : 4;
        if (count > 256 || file.size() < tableStart || (file.size() - tableStart) / entry < count)
            return std::nullopt;
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = tableStart + i * entry;
            layout.Palette.push_back(std::uint32_t{file[at + 2]} << 16 |
                                     std::uint32_t{file[at + 1]} << 8 | file[at]);
        }
        tableStart += count * entry;
    }
    // An offset that points into the headers or the palette is taken to mean right after them.
    layout.PixelsStart = std::max<std::size_t>(tableStart, header.PixelsOffset);
    if (layout.PixelsStart > file.size())
        return std::nullopt;
    return layout;
}

// A palette index past the palette's end is black.
std::uint32_t PaletteColour(const Layout& layout, unsigned index) {
    return index < layout.Palette.size() ? layout.Palette[index] : 0;
}

// Rows of whole pixels, each padded to four bytes, every row present.
std::optional<PixelPicture> DecodeRows(Bytes file, const Layout& layout) {
    const Header& head = layout.Head;
    const std::size_t stride = (static_cast<std::size_t>(head.Width) * head.Bits + 31) / 32 * 4;
    if ((file.size() - layout.PixelsStart) / stride < static_cast<std::size_t>(head.Height))
        return std::nullopt;
    PixelPicture picture{head.Width, head.Height,
                         std::vector<std::uint32_t>(static_cast<std::size_t>(head.Width) *
                                                    static_cast<std::size_t>(head.Height))};
    for (int row = 0; row < head.Height; ++row) {
        const int y = head.TopDown ? row : head.Height - 1 - row;
        const std::size_t line = layout.PixelsStart + static_cast<std::size_t>(row) * stride;
        for (int x = 0; x < head.Width; ++x) {
            const auto bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(head.Bits);
            const std::size_t at = line + bit / 8;
            std::uint32_t colour = 0;
            if (head.Bits <= 8) {
                // Indices are packed from each byte's high bits.
                const int shift = 8 - head.Bits - static_cast<int>(bit % 8);
                colour = PaletteColour(layout, (file[at] >> shift) & ((1u << head.Bits) - 1));
            } else if (head.Bits == 16) {
                colour = layout.Fields.Colour(Get<std::uint16_t>(file, at));
            } else if (head.Bits == 24) {
                colour =
                    std::uint32_t{file[at + 2]} << 16 | std::uint32_t{file[at + 1]} << 8 | file[at];
            } else {
                colour = layout.Fields.Colour(Get<std::uint32_t>(file, at));
            }
            picture.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(head.Width) +
                           static_cast<std::size_t>(x)] = colour;
        }
    }
    return picture;
}

// A run-length stream of 8- or 4-bit indices. Runs and absolute stretches are cut at the row's
// end, a jump may leave the picture, and the stream ends at its end-of-bitmap code or once it
// has passed the last row. It must set every pixel, and it must end before the file does.
std::optional<PixelPicture> DecodeRuns(Bytes file, const Layout& layout) {
    const Header& head = layout.Head;
    const bool fourBits = head.Kind == Compression::Rle4;
    constexpr int Unset = -1;
    std::vector<int> indices(
        static_cast<std::size_t>(head.Width) * static_cast<std::size_t>(head.Height), Unset);
    std::int64_t x = 0, row = 0;
    // Called only while the position lies in the picture.
    const auto put = [&](unsigned index) {
        const std::int64_t y = head.TopDown ? row : head.Height - 1 - row;
        indices[static_cast<std::size_t>(y * head.Width + x)] = static_cast<int>(index);
        ++x;
    };
    std::size_t at = layout.PixelsStart;
    const auto left = [&] { return file.size() - at; };
    while (row < head.Height) {
        if (left() < 2)
            return std::nullopt;
        const unsigned count = file[at], value = file[at + 1];
        at += 2;
        if (count > 0) {
            // Past the row's end nothing more is set until the next line.
            for (unsigned i = 0; i < count && x < head.Width; ++i)
                put(!fourBits ? value : i % 2 == 0 ? value >> 4 : value & 0xF);
        } else if (value == 0) { // end of line
            x = 0;
            ++row;
        } else if (value == 1) { // end of bitmap
            break;
        } else if (value == 2) { // a jump right and up
            if (left() < 2)
                return std::nullopt;
            x += file[at];
            row += file[at + 1];
            at += 2;
        } else { // an absolute stretch, padded to a whole number of 16-bit words
            const std::size_t bytes = fourBits ? (value + 1) / 2 : value;
            const std::size_t padded = (bytes + 1) / 2 * 2;
            if (left() < padded)
                return std::nullopt;
            for (unsigned i = 0; i < value && x < head.Width; ++i)
                put(!fourBits    ? file[at + i]
                    : i % 2 == 0 ? file[at + i / 2] >> 4
                                 : file[at + i / 2] & 0xF);
            at += padded;
        }
    }
    PixelPicture picture{head.Width, head.Height, {}};
    picture.Pixels.reserve(indices.size());
    for (const int index : indices) {
        if (index == Unset)
            return std::nullopt;
        picture.Pixels.push_back(PaletteColour(layout, static_cast<unsigned>(index)));
    }
    return picture;
}

BitmapPicture NotValid() {
    return {std::nullopt, BitmapNotValidMessage()};
}

} // namespace

std::string BitmapNotValidMessage() {
    return "Bitmap image is not valid";
}

BitmapPicture DecodeBitmapPicture(std::span<const std::uint8_t> file) {
    const std::optional<Header> header = ReadHeader(file);
    if (!header)
        return NotValid();
    if (!PictureFits(header->Width, header->Height))
        return {std::nullopt, PictureSizeMessage(header->Width, header->Height)};
    const std::optional<Layout> layout = ReadLayout(file, *header);
    if (!layout)
        return NotValid();
    const bool runs = header->Kind == Compression::Rle8 || header->Kind == Compression::Rle4;
    std::optional<PixelPicture> picture =
        runs ? DecodeRuns(file, *layout) : DecodeRows(file, *layout);
    if (!picture)
        return NotValid();
    return {std::move(picture), {}};
}

BitmapPicture ReadBitmapPicture(const std::filesystem::path& path) {
    const std::optional<std::vector<std::uint8_t>> file = ReadFilePrefix(path, LongestFileRead);
    if (!file)
        return NotValid();
    return DecodeBitmapPicture(*file);
}
