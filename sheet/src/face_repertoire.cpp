#include "face_repertoire.hpp"

#include <iconv.h>

namespace wallcalc::sheet {
namespace {

struct Block {
    char32_t first, last;
};

// Blocks kept whole: the letters with their accents and marks (and so every kerning pair
// of the face), the punctuation, letterlike symbols and number forms (℃, Ⅲ), arrows,
// mathematical operators (≤, ×), enclosed numbers (①), box drawing and shapes, the CJK
// punctuation and kana, enclosed CJK and the CJK units (㎡), and the full-width forms.
constexpr Block kWholeBlocks[] = {
    {0x0020, 0x007E},  // Basic Latin
    {0x00A0, 0x036F},  // Latin-1 Supplement … Combining Diacritical Marks
    {0x0370, 0x04FF},  // Greek and Coptic, Cyrillic
    {0x2000, 0x2BFF},  // General Punctuation … Miscellaneous Symbols and Arrows
    {0x3000, 0x33FF},  // CJK Symbols and Punctuation … CJK Compatibility
    {0xFE30, 0xFE4F},  // CJK Compatibility Forms
    {0xFF00, 0xFFEF},  // Halfwidth and Fullwidth Forms
};

// The characters of GB 2312 (rows 1 to 87 of its 94 × 94 table), as the C library's
// converter reads them; those of the blocks above come twice, which does no harm.
void addGb2312(std::vector<char32_t>& out) {
    const iconv_t gb = iconv_open("UTF-32LE", "GB2312");
    if (gb == reinterpret_cast<iconv_t>(-1)) return;
    for (unsigned row = 0xA1; row <= 0xF7; ++row) {
        for (unsigned cell = 0xA1; cell <= 0xFE; ++cell) {
            char in[2] = {static_cast<char>(row), static_cast<char>(cell)};
            unsigned char utf32[4] = {};
            char* from = in;
            char* to = reinterpret_cast<char*>(utf32);
            std::size_t fromLeft = sizeof in;
            std::size_t toLeft = sizeof utf32;
            if (iconv(gb, &from, &fromLeft, &to, &toLeft) != static_cast<std::size_t>(-1) &&
                toLeft == 0) {
                out.push_back(utf32[0] | utf32[1] << 8 | utf32[2] << 16 |
                              static_cast<char32_t>(utf32[3]) << 24);
            }
            iconv(gb, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(gb);
}

}  // namespace

std::vector<char32_t> sheetRepertoire() {
    std::vector<char32_t> out;
    for (const Block& b : kWholeBlocks) {
        for (char32_t c = b.first; c <= b.last; ++c)
            out.push_back(c);
    }
    addGb2312(out);
    return out;
}

}  // namespace wallcalc::sheet
