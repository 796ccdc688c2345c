// Batch files as Excel writes them: UTF-8 with or without the byte-order mark, or GB18030
// on Chinese Windows; anything else is refused before a row is read, naming the line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_process.hpp"
#include "wallcalc/cli/input_text.hpp"

namespace {

using wallcalc::cli::Encoding;
using wallcalc::cli::InputText;

struct Decoded {
    Encoding encoding = Encoding::Utf8;
    std::string text;
    std::string error;  // why the file was refused
};

// Writes the bytes to a file and reads it back through InputText, `piece` bytes at a time.
Decoded decode(const std::string& bytes, std::size_t piece = 64 * 1024) {
    const std::string path = wallcalc::testing::scratchFolder("input-text") + "/walls.csv";
    std::ofstream(path, std::ios::binary) << bytes;
    auto opened = InputText::open(path);
    if (auto* why = std::get_if<std::string>(&opened)) return {Encoding::Utf8, "", *why};
    InputText& input = *std::get<0>(opened);
    Decoded out{input.encoding(), "", ""};
    std::string buffer(piece, '\0');
    while (const std::size_t got = input.read(buffer.data(), buffer.size()))
        out.text.append(buffer, 0, got);
    out.error = input.error();
    EXPECT_EQ(input.bytesRead(), bytes.size());
    return out;
}

const std::string kUtf8 = "名称,h5\n墙1,350\n";
// The same text as Excel writes it on Chinese Windows (GB18030 bytes, written out by hand).
const std::string kGb =
    "\xC3\xFB\xB3\xC6,h5\n\xC7\xBD"
    "1,350\n";

struct EncodingRow {
    const char* name;
    std::string bytes;
    Encoding encoding;
    std::string text;
};

class Encodings : public testing::TestWithParam<EncodingRow> {};

TEST_P(Encodings, AreToldApartAndReadAsUtf8) {
    for (const std::size_t piece : {std::size_t{5}, std::size_t{64 * 1024}}) {
        const Decoded d = decode(GetParam().bytes, piece);
        EXPECT_EQ(d.error, "");
        EXPECT_EQ(d.encoding, GetParam().encoding);
        EXPECT_EQ(d.text, GetParam().text) << "pieces of " << piece;
    }
}

const std::string kLongLine(64 * 1024 - 1, 'a');  // puts the next character across two pieces

INSTANTIATE_TEST_SUITE_P(
    Rows, Encodings,
    testing::Values(EncodingRow{"Ascii", "h5\n350\n", Encoding::Utf8, "h5\n350\n"},
                    EncodingRow{"Utf8", kUtf8, Encoding::Utf8, kUtf8},
                    EncodingRow{"Utf8WithItsMark", "\xEF\xBB\xBF" + kUtf8, Encoding::Utf8,
                                "\xEF\xBB\xBF" + kUtf8},
                    EncodingRow{"Gb18030", kGb, Encoding::Gb18030, kUtf8},
                    EncodingRow{"Gb18030FourBytes", "\x95\x32\x82\x36,\x81\x30\x86\x38",
                                Encoding::Gb18030, "𠀀,À"},
                    EncodingRow{"Utf8AcrossTwoPieces", kLongLine + "墙", Encoding::Utf8,
                                kLongLine + "墙"},
                    EncodingRow{"Gb18030AcrossTwoPieces", kLongLine + "\xC3\xFB", Encoding::Gb18030,
                                kLongLine + "名"},
                    EncodingRow{"Gb18030ThatLooksLikeUtf8AtFirst", "\xC7\xBD\n\xC3\xFB",
                                Encoding::Gb18030, "墙\n名"},
                    EncodingRow{"Empty", "", Encoding::Utf8, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedRow {
    const char* name;
    std::string bytes;
    const char* says;
};

class Refused : public testing::TestWithParam<RefusedRow> {};

TEST_P(Refused, SaysWhyAndOnWhichLine) {
    const Decoded d = decode(GetParam().bytes);
    EXPECT_NE(d.error.find(GetParam().says), std::string::npos) << d.error;
    EXPECT_NE(d.error.find("既不是UTF-8也不是GB18030"), std::string::npos) << d.error;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Refused,
    testing::Values(RefusedRow{"Utf16",
                               std::string("\xFF\xFEh\0"
                                           "5\0",
                                           6),
                               "第1行"},
                    RefusedRow{"ByteNoEncodingHas", "h5\n350\n\x80\n", "第3行"},
                    RefusedRow{"CharacterCutAtTheEnd", "h5\n\x95\x32\x82", "第2行"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputText, AFolderOrAMissingFileIsNamedWithTheReason) {
    const auto folder = InputText::open(::testing::TempDir());
    ASSERT_TRUE(std::holds_alternative<std::string>(folder));
    EXPECT_NE(std::get<std::string>(folder).find("这是一个文件夹"), std::string::npos);
    const auto missing = InputText::open(::testing::TempDir() + "no-such-walls.csv");
    ASSERT_TRUE(std::holds_alternative<std::string>(missing));
    EXPECT_NE(std::get<std::string>(missing).find("不存在"), std::string::npos);
}

}  // namespace
