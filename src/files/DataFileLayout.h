#pragma once

// The data file: one fixed-length record of RadioData. One table describes every field (its place in
// the file, its size and type, and where it lives in RadioData); writing and reading both walk that
// table, so the two can never disagree.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "records/RadioData.h"

namespace mox {

constexpr std::size_t kDataFileSize = 8597;
// Files written before ResetProhibit existed end right before it.
constexpr std::size_t kShortDataFileSize = 8595;

enum class FileFieldType { Int16, Byte, Text };

struct FileField {
    std::size_t Offset;  // in the data file
    std::size_t Size;    // bytes in the file
    FileFieldType Type;
    std::size_t Member;  // byte offset of the field inside RadioData
};

// Every field of the record in file order, without gaps.
const std::vector<FileField>& DataFileFields();

// The whole record: 16-bit numbers little-endian, texts as their raw bytes.
std::vector<std::uint8_t> EncodeDataRecord(const RadioData& data);

// Fills `data` from a record of kDataFileSize or kShortDataFileSize bytes; fields the bytes do not
// reach keep their value.
void DecodeDataRecord(std::span<const std::uint8_t> bytes, RadioData& data);

}  // namespace mox
