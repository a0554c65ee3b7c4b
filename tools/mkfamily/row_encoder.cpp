// RowEncoder lays out one table row: column count, fixed area, variable data, variable offset
// table (in Jet 3 with a jump table) and the null bitmap.
#include "row_encoder.h"

#include <bit>
#include <cmath>
#include <stdexcept>
#include <string_view>

#include "little_endian.h"

namespace kinmora::mkfamily {

namespace {

void putFixed(std::string& row, std::size_t at, ColumnType type, const CellValue& value) {
    std::string bytes;
    switch (type) {
        case ColumnType::Byte:
            bytes.push_back(static_cast<char>(std::get<std::int32_t>(value)));
            break;
        case ColumnType::Integer:
            little_endian::append16(bytes,
                                    static_cast<std::uint16_t>(std::get<std::int32_t>(value)));
            break;
        case ColumnType::LongInteger:
            little_endian::append32(bytes,
                                    static_cast<std::uint32_t>(std::get<std::int32_t>(value)));
            break;
        case ColumnType::Single:
            little_endian::append32(
                bytes, std::bit_cast<std::uint32_t>(static_cast<float>(std::get<double>(value))));
            break;
        case ColumnType::Double:
        case ColumnType::DateTime:
            little_endian::appendDouble(bytes, std::get<double>(value));
            break;
        case ColumnType::Currency: {
            const auto units = std::llround(std::get<double>(value) * 10000.0);
            little_endian::append32(bytes, static_cast<std::uint32_t>(units));
            little_endian::append32(bytes, static_cast<std::uint32_t>(units >> 32));
            break;
        }
        default:
            throw std::logic_error("no fixed-area bytes for a " +
                                   std::string(columnTypeName(type)) + " value");
    }
    row.replace(at, bytes.size(), bytes);
}

// Jet 3 keeps variable offsets in single bytes. Each jump entry names the first slot whose
// offset passes the next multiple of 256; the row's length decides how many there are,
// the last one being a 0xFF filler when the data itself stops short of that multiple.
std::string jumpTable(const std::vector<std::size_t>& offsets, std::size_t jumps) {
    const std::size_t endOfData = offsets.back();
    const std::size_t used = endOfData / 256;
    if (jumps > used + 1) {
        throw std::invalid_argument("the row has too many variable-length columns for its size");
    }
    std::string table(jumps, '\xFF');
    std::size_t slot = 0;
    for (std::size_t k = 0; k < used; ++k) {
        while (offsets[slot] < 256 * (k + 1)) ++slot;
        table[jumps - 1 - k] = static_cast<char>(slot);  // stored last entry first
    }
    return table;
}

}  // namespace

RowEncoder::RowEncoder(const ColumnLayout& layout, const JetFormat& format)
    : m_layout(layout), m_format(format) {}

std::string RowEncoder::encode(const std::vector<CellValue>& row,
                               const std::vector<std::string>& longValueFields) const {
    const auto& places = m_layout.places();
    std::string nullMask((places.size() + 7) / 8, '\0');
    // Jet 4 counts columns, offsets and variable columns in two bytes, Jet 3 in one.
    const std::size_t countSize = m_format.unicode ? 2 : 1;
    std::string out(countSize + m_layout.fixedAreaSize(), '\0');
    out[0] = static_cast<char>(places.size());

    std::vector<std::string_view> variable(m_layout.variableCount());
    std::size_t longValue = 0;
    for (const ColumnPlace& place : places) {
        const CellValue& value = row[place.number];
        bool present = !std::holds_alternative<std::monostate>(value);
        if (place.type == ColumnType::Boolean) {
            present = present && std::get<bool>(value);  // the bit is the value itself
        } else if (isLongValue(place.type)) {
            variable[place.varIndex] = longValueFields[longValue++];
            present = !variable[place.varIndex].empty();
        } else if (present && place.fixed) {
            putFixed(out, countSize + place.fixedOffset, place.type, value);
        } else if (present) {
            variable[place.varIndex] = std::get<std::string>(value);
        }
        if (present) nullMask[place.number / 8] |= static_cast<char>(1 << (place.number % 8));
    }

    if (!variable.empty()) {
        std::vector<std::size_t> offsets;  // one per slot, then the end of the data
        for (const std::string_view data : variable) {
            offsets.push_back(out.size());
            out.append(data);
        }
        offsets.push_back(out.size());
        if (m_format.unicode) {
            // Stored last offset (the end of the data) first, as in Jet 3.
            for (std::size_t i = offsets.size(); i-- > 0;) {
                little_endian::append16(out, static_cast<std::uint16_t>(offsets[i]));
            }
            little_endian::append16(out, static_cast<std::uint16_t>(variable.size()));
            out.append(nullMask);
            return out;
        }

        // The jump count depends on the row length, which includes the jump table.
        const std::size_t tail = offsets.size() + 1 + nullMask.size();
        std::size_t jumps = 0;
        while ((out.size() + tail + jumps - 1) / 256 > jumps) ++jumps;

        for (std::size_t i = offsets.size(); i-- > 0;) {
            out.push_back(static_cast<char>(offsets[i] & 0xFF));
        }
        out.append(jumpTable(offsets, jumps));
        out.push_back(static_cast<char>(variable.size()));
    }
    out.append(nullMask);
    return out;
}

}  // namespace kinmora::mkfamily
