#include "platform/bmp_check.h"

#include <algorithm>

namespace {

constexpr std::uint64_t kFileHeader = 14;
constexpr std::uint64_t kCoreHeader = 12;
constexpr std::uint64_t kInfoHeader = 40;
constexpr std::uint64_t kMaskBytes = 12;  // after a 40-byte header with bit fields

// SDL 1.2 keeps a row's length in 16 bits: a 32-bit row of 16384 pixels would wrap to 0.
constexpr std::int64_t kWidestSurface = 0xFFFF / 4;

enum Compression : std::uint32_t { kNone = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

std::uint64_t Field(const std::uint8_t* head, std::size_t offset, int bytes) {
    std::uint64_t value = 0;
    for (int k = bytes - 1; k >= 0; --k) {
        value = value << 8 | head[offset + k];
    }
    return value;
}

std::int64_t Signed32(std::uint64_t value) {
    return static_cast<std::int64_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

struct Header {
    std::uint64_t dataOffset = 0;
    std::uint64_t infoSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: rows top-down
    std::uint64_t bits = 0;
    std::uint64_t compression = kNone;
    std::uint64_t colours = 0;  // palette entries the file says it has
};

bool Parse(const std::uint8_t* head, std::size_t size, Header& h) {
    if (size < kFileHeader + 4 || head[0] != 'B' || head[1] != 'M') {
        return false;
    }
    h.dataOffset = Field(head, 10, 4);
    h.infoSize = Field(head, 14, 4);
    if (h.infoSize == kCoreHeader && size >= kFileHeader + kCoreHeader) {
        h.width = static_cast<std::int64_t>(Field(head, 18, 2));
        h.height = static_cast<std::int64_t>(Field(head, 20, 2));
        h.bits = Field(head, 24, 2);
        return true;
    }
    if (h.infoSize < kInfoHeader || size < kFileHeader + kInfoHeader) {
        return false;
    }
    h.width = Signed32(Field(head, 18, 4));
    h.height = Signed32(Field(head, 22, 4));
    h.bits = Field(head, 28, 2);
    h.compression = Field(head, 30, 4);
    h.colours = Field(head, 46, 4);
    return true;
}

bool DepthKnowsCompression(std::uint64_t bits, std::uint64_t compression) {
    switch (compression) {
        case kNone:
            return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
        case kRle8:
            return bits == 8;
        case kRle4:
            return bits == 4;
        case kBitFields:
            return bits == 16 || bits == 32;
        default:
            return false;
    }
}

}  // namespace

bool BmpIsSound(const std::uint8_t* head, std::size_t headSize, std::uint64_t fileSize,
                int maxSide) {
    BmpLayout ignored;
    return ReadSoundBmp(head, headSize, fileSize, maxSide, ignored);
}

bool ReadSoundBmp(const std::uint8_t* head, std::size_t headSize, std::uint64_t fileSize,
                  int maxSide, BmpLayout& layout) {
    Header h;
    if (!Parse(head, std::min<std::uint64_t>(headSize, fileSize), h) ||
        !DepthKnowsCompression(h.bits, h.compression)) {
        return false;
    }
    const std::int64_t rows = h.height < 0 ? -h.height : h.height;
    const std::int64_t side = std::min<std::int64_t>(maxSide, kWidestSurface);
    if (h.width < 1 || h.width > side || rows < 1 || rows > maxSide) {
        return false;
    }

    // Header, bit masks and palette, in this order, must all be in the file.
    const bool core = h.infoSize == kCoreHeader;
    std::uint64_t tables = kFileHeader + h.infoSize;
    if (h.compression == kBitFields && h.infoSize == kInfoHeader) {
        tables += kMaskBytes;
    }
    if (h.bits <= 8) {
        const std::uint64_t most = std::uint64_t{1} << h.bits;
        const std::uint64_t colours = h.colours == 0 ? most : h.colours;
        if (colours > most) {
            return false;
        }
        tables += colours * (core ? 3 : 4);
    }
    const std::uint64_t dataStart = h.dataOffset != 0 ? h.dataOffset : tables;
    if (tables > fileSize || dataStart > fileSize) {
        return false;
    }
    layout = {dataStart, h.width, h.height, h.bits, h.compression};
    const std::uint64_t dataBytes = fileSize - dataStart;
    const auto width = static_cast<std::uint64_t>(h.width);
    const auto height = static_cast<std::uint64_t>(rows);

    if (h.compression == kRle8 || h.compression == kRle4) {
        return width * height <= dataBytes / 2 * 255;
    }
    // Rows are padded to four bytes; the last row's padding may be missing.
    const std::uint64_t rowBytes = (width * h.bits + 31) / 32 * 4;
    const std::uint64_t lastRow = (width * h.bits + 7) / 8;
    return rowBytes * (height - 1) + lastRow <= dataBytes;
}
