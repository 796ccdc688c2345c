#include "sfnt_tables.hpp"

#include <QtEndian>

namespace wallcalc::sheet {
namespace {

// Big-endian 16-bit fields appended to a table.
class Fields {
  public:
    Fields& operator<<(std::uint16_t field) {
        char bytes[2];
        qToBigEndian(field, bytes);
        data_.append(bytes, 2);
        return *this;
    }
    QByteArray& data() { return data_; }

  private:
    QByteArray data_;
};

std::uint16_t u16(std::size_t value) {
    return static_cast<std::uint16_t>(value);
}

}  // namespace

QByteArray nameTable(const std::vector<std::pair<std::uint16_t, QString>>& names) {
    Fields head;
    QByteArray strings;
    head << 0 << u16(names.size()) << u16(6 + 12 * names.size());
    for (const auto& [id, text] : names) {
        QByteArray utf16be(text.size() * 2, '\0');
        qToBigEndian<std::uint16_t>(text.utf16(), text.size(), utf16be.data());
        head << 3 << 1 << 0x409 << id << u16(utf16be.size()) << u16(strings.size());
        strings += utf16be;
    }
    return head.data() + strings;
}

QByteArray cmapTable(const std::vector<std::pair<char32_t, std::uint16_t>>& glyphs) {
    if (glyphs.empty() || glyphs.back().first > 0xFFFF) return {};
    const char32_t first = glyphs.front().first;
    const std::size_t count = glyphs.back().first - first + 1;
    const std::size_t length = 20 + 2 * count;
    Fields t;
    t << 0 << 1 << 3 << 10 << 0 << 12;  // one table, Windows UCS-4, right after the header
    t << 10 << 0 << u16(length >> 16) << u16(length) << 0 << 0 << u16(first >> 16) << u16(first)
      << u16(count >> 16) << u16(count);
    auto next = glyphs.begin();
    for (char32_t c = first; c < first + count; ++c) {
        const bool mapped = next->first == c;
        t << (mapped ? (next++)->second : 0);
    }
    return t.data();
}

QByteArray withRoomForInstructions(QByteArray maxp) {
    constexpr qsizetype kMaxSizeOfInstructions = 26;  // in a 'maxp' of version 1.0
    if (maxp.size() < 32 || qFromBigEndian<quint32>(maxp.constData()) != 0x00010000) return maxp;
    if (qFromBigEndian<quint16>(maxp.constData() + kMaxSizeOfInstructions) == 0)
        qToBigEndian<quint16>(1, maxp.data() + kMaxSizeOfInstructions);
    return maxp;
}

}  // namespace wallcalc::sheet
