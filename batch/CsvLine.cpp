#include "batch/CsvLine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

// Sixteen bytes at a time; the compiler maps this onto the processor's vector registers.
using Block = unsigned char __attribute__((vector_size(16)));

template <typename Bytes>
Bytes Load(const char* text)
{
    Bytes bytes;
    std::memcpy(&bytes, text, sizeof bytes);
    return bytes;
}

template <typename Bytes>
void Store(char* out, Bytes bytes)
{
    std::memcpy(out, &bytes, sizeof bytes);
}

Block Specials(Block block)
{
    return (block == ',') | (block == '"') | (block == '\r') | (block == '\n');
}

bool Any(Block found)
{
    std::array<std::uint64_t, 2> halves;
    std::memcpy(halves.data(), &found, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

// A field shorter than a block is read and written in two overlapping parts, so no byte beside
// it is touched; the zeros that fill the rest of the block need no quotes.
bool CopyShort(char* out, const char* text, std::size_t size)
{
    std::array<std::uint64_t, 2> halves{};
    if (size >= 8) {
        halves[0] = Load<std::uint64_t>(text);
        halves[1] = Load<std::uint64_t>(text + size - 8);
        Store(out, halves[0]);
        Store(out + size - 8, halves[1]);
    } else if (size >= 4) {
        const auto head = Load<std::uint32_t>(text);
        const auto tail = Load<std::uint32_t>(text + size - 4);
        Store(out, head);
        Store(out + size - 4, tail);
        halves[0] = head | std::uint64_t{tail} << 32;
    } else if (size > 0) {
        const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
        out[0] = text[0];
        out[size / 2] = text[size / 2];
        out[size - 1] = text[size - 1];
        halves[0] = byte(0) | std::uint64_t{byte(size / 2)} << 8 | std::uint64_t{byte(size - 1)} << 16;
    }
    return Any(Specials(Load<Block>(reinterpret_cast<const char*>(halves.data()))));
}

// Whole blocks, the last one overlapping the one before it where the size is no multiple.
bool CopyLong(char* out, const char* text, std::size_t size)
{
    constexpr std::size_t kBlock = sizeof(Block);
    Block found{};
    for (std::size_t offset = 0; offset + kBlock < size; offset += kBlock) {
        const Block block = Load<Block>(text + offset);
        Store(out + offset, block);
        found |= Specials(block);
    }
    const Block last = Load<Block>(text + size - kBlock);
    Store(out + size - kBlock, last);
    return Any(found | Specials(last));
}

char* WriteQuoted(char* out, std::string_view field)
{
    *out++ = '"';
    for (const char c : field) {
        if (c == '"')
            *out++ = '"';
        *out++ = c;
    }
    *out++ = '"';
    return out;
}

} // namespace

// The field is copied while it is checked: almost no field needs quotes, and those few are
// written again over the copy.
char* WriteCsvField(char* out, std::string_view field)
{
    const bool quoted = field.size() < sizeof(Block) ? CopyShort(out, field.data(), field.size())
                                                     : CopyLong(out, field.data(), field.size());
    return quoted ? WriteQuoted(out, field) : out + field.size();
}

namespace {

constexpr std::string_view kLineEnd = "\r\n";

constexpr std::array<RenameItem::Column, 5> kColumns = {RenameItem::OriginalName, RenameItem::NewName,
                                                        RenameItem::Path, RenameItem::Type,
                                                        RenameItem::ModifiedDate};

// The most bytes WriteLine writes for `row`.
std::size_t LineBound(const RenameItem& row)
{
    std::size_t bound = kColumns.size() - 1 + kLineEnd.size();
    for (const RenameItem::Column column : kColumns)
        bound += CsvFieldBound(row[column].size());
    return bound;
}

// A long list is far larger than the caches, and waiting for each row in turn costs more than
// writing its line: the cells are asked of memory some rows ahead, their texts once the cells
// have come.
void PrefetchCells(const RenameItem& row)
{
    for (const RenameItem::Column column : kColumns)
        __builtin_prefetch(&row[column]);
}

void PrefetchTexts(const RenameItem& row)
{
    for (const RenameItem::Column column : kColumns)
        __builtin_prefetch(row[column].data());
}

char* WriteLine(char* out, const RenameItem& row)
{
    out = WriteCsvField(out, row[kColumns[0]]);
    for (std::size_t i = 1; i < kColumns.size(); ++i) {
        *out++ = ',';
        out = WriteCsvField(out, row[kColumns[i]]);
    }
    return std::copy(kLineEnd.begin(), kLineEnd.end(), out);
}

} // namespace

// `text` keeps the size it had: it grows only where these lines need more, so its bytes are
// written once, not cleared first.
void WriteCsvLines(const std::vector<RenameItem>& rows, std::size_t first, std::size_t last, std::string& text)
{
    constexpr std::size_t kGrowth = 16 * 1024;
    constexpr std::size_t kCellsAhead = 8;
    constexpr std::size_t kTextsAhead = 4;
    std::size_t used = 0;
    for (std::size_t i = first; i < last; ++i) {
        if (i + kCellsAhead < last)
            PrefetchCells(rows[i + kCellsAhead]);
        if (i + kTextsAhead < last)
            PrefetchTexts(rows[i + kTextsAhead]);
        const std::size_t bound = LineBound(rows[i]);
        if (used + bound > text.size())
            text.resize(used + bound + kGrowth);
        used = static_cast<std::size_t>(WriteLine(text.data() + used, rows[i]) - text.data());
    }
    text.resize(used);
}
