#include "pdf_fonts.hpp"

#include <hb-subset.h>
#include <hb.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace wallcalc::sheet::pdf {
namespace {

struct InputFree {
    void operator()(hb_subset_input_t* i) const { hb_subset_input_destroy(i); }
};
struct PlanFree {
    void operator()(hb_subset_plan_t* p) const { hb_subset_plan_destroy(p); }
};
struct FaceFree {
    void operator()(hb_face_t* f) const { hb_face_destroy(f); }
};
struct BlobFree {
    void operator()(hb_blob_t* b) const { hb_blob_destroy(b); }
};
using Plan = std::unique_ptr<hb_subset_plan_t, PlanFree>;

// Tables a CIDFontType2 font program does without: the PDF gives the glyphs by number and
// places them itself (no character map, no layout or kerning tables), and the viewer
// rasterises without hinting.
constexpr hb_tag_t kTablesLeftOut[] = {
    HB_TAG('c', 'm', 'a', 'p'), HB_TAG('G', 'S', 'U', 'B'), HB_TAG('G', 'P', 'O', 'S'),
    HB_TAG('G', 'D', 'E', 'F'), HB_TAG('k', 'e', 'r', 'n'), HB_TAG('g', 'a', 's', 'p'),
    HB_TAG('h', 'd', 'm', 'x'), HB_TAG('V', 'D', 'M', 'X'), HB_TAG('L', 'T', 'S', 'H'),
    HB_TAG('v', 'h', 'e', 'a'), HB_TAG('v', 'm', 't', 'x'), HB_TAG('B', 'A', 'S', 'E'),
    HB_TAG('J', 'S', 'T', 'F'), HB_TAG('D', 'S', 'I', 'G'), HB_TAG('P', 'C', 'L', 'T'),
};

// A face cut down to some glyphs: its font program, compressed, and the number each of
// those glyphs has in it.
struct Subset {
    std::string program;
    std::size_t length = 0;           // of the program uncompressed
    std::vector<unsigned> glyphs;     // the glyphs of the face it was cut to, in order
    std::vector<std::uint16_t> news;  // their numbers in the subset
    std::uint16_t newGlyph(unsigned glyph) const {
        const auto at = std::lower_bound(glyphs.begin(), glyphs.end(), glyph);
        return at != glyphs.end() && *at == glyph
                   ? news[static_cast<std::size_t>(at - glyphs.begin())]
                   : 0;
    }
};

// The plan of a subset by the characters drawn in the face, which HarfBuzz maps to glyphs
// quickly; by the glyphs as well when a glyph drawn is not among those (a glyph a
// substitution made, the missing glyph).
Plan planFor(const Face& face, const std::vector<std::u16string>& texts,
             const std::vector<unsigned>& glyphs, bool byGlyphs) {
    const std::unique_ptr<hb_subset_input_t, InputFree> input(hb_subset_input_create_or_fail());
    if (!input) return nullptr;
    hb_set_t* unicodes = hb_subset_input_unicode_set(input.get());
    for (const std::u16string& text : texts) {
        const QString s = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
        for (const char32_t c : s.toUcs4())
            hb_set_add(unicodes, c);
    }
    if (byGlyphs) {
        hb_set_t* glyphSet = hb_subset_input_glyph_set(input.get());
        for (const unsigned g : glyphs)
            hb_set_add(glyphSet, g);
    }
    hb_set_t* dropped = hb_subset_input_set(input.get(), HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (const hb_tag_t tag : kTablesLeftOut)
        hb_set_add(dropped, tag);
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_NO_HINTING);
    return Plan(hb_subset_plan_create_or_fail(face.face, input.get()));
}

// The subset of `face` with `glyphs` (in order, each once), which the characters `texts`
// are drawn with; nothing when HarfBuzz cannot make it.
std::shared_ptr<const Subset> madeSubset(const Face& face, const std::vector<std::u16string>& texts,
                                         const std::vector<unsigned>& glyphs) {
    for (const bool byGlyphs : {false, true}) {
        const Plan plan = planFor(face, texts, glyphs, byGlyphs);
        if (!plan) return nullptr;
        const hb_map_t* newGlyphs = hb_subset_plan_old_to_new_glyph_mapping(plan.get());
        auto subset = std::make_shared<Subset>();
        subset->glyphs = glyphs;
        bool all = true;
        for (const unsigned g : glyphs) {
            const hb_codepoint_t n = hb_map_get(newGlyphs, g);
            all = all && n != HB_MAP_VALUE_INVALID;
            subset->news.push_back(static_cast<std::uint16_t>(n));
        }
        if (!all) continue;
        const std::unique_ptr<hb_face_t, FaceFree> made(hb_subset_plan_execute_or_fail(plan.get()));
        if (!made) return nullptr;
        const std::unique_ptr<hb_blob_t, BlobFree> blob(hb_face_reference_blob(made.get()));
        unsigned length = 0;
        const char* data = hb_blob_get_data(blob.get(), &length);
        if (length == 0) return nullptr;
        subset->length = length;
        subset->program = deflated(std::string_view(data, length));
        return subset;
    }
    return nullptr;
}

// Subsets made lately, for the next sheets: the sheets of a batch draw the same glyphs
// again and again (the texts of the calculation differ in their numbers, whose digits every
// sheet draws), and cutting the face and compressing the program was a fifth of a sheet.
class SubsetsKept {
  public:
    std::shared_ptr<const Subset> find(const std::string& key) {
        std::lock_guard lock(mutex_);
        const auto at = kept_.find(key);
        return at == kept_.end() ? nullptr : at->second;
    }
    void keep(const std::string& key, std::shared_ptr<const Subset> subset) {
        std::lock_guard lock(mutex_);
        if (!kept_.emplace(key, std::move(subset)).second) return;
        order_.push_back(key);
        if (order_.size() > kMostKept) {
            kept_.erase(order_.front());
            order_.pop_front();
        }
    }

  private:
    static constexpr std::size_t kMostKept = 64;  // some 2 MB
    std::mutex mutex_;
    std::unordered_map<std::string, std::shared_ptr<const Subset>> kept_;
    std::deque<std::string> order_;
};

std::shared_ptr<const Subset> subsetOf(const Face& face, const std::vector<std::u16string>& texts,
                                       std::vector<unsigned> glyphs) {
    std::sort(glyphs.begin(), glyphs.end());
    glyphs.erase(std::unique(glyphs.begin(), glyphs.end()), glyphs.end());
    // The face, the compression and the glyphs.
    const Face* const facePointer = &face;
    const int level = deflateLevel();
    std::string key(reinterpret_cast<const char*>(&facePointer), sizeof facePointer);
    key.append(reinterpret_cast<const char*>(&level), sizeof level);
    key.append(reinterpret_cast<const char*>(glyphs.data()), glyphs.size() * sizeof(unsigned));
    static SubsetsKept kept;
    if (auto subset = kept.find(key)) return subset;
    auto subset = madeSubset(face, texts, glyphs);
    if (subset) kept.keep(key, subset);
    return subset;
}

// Six capital letters that tell this subset from any other of the same face (ISO 32000-1
// §9.6.4): taken from the glyphs it holds, so that the same subset has the same name.
std::string subsetTag(const Face& face, const std::vector<unsigned>& glyphs) {
    std::uint64_t hash = 1469598103934665603ull;
    const auto mix = [&hash](std::uint64_t value) { hash = (hash ^ value) * 1099511628211ull; };
    for (const char c : face.postscriptName)
        mix(static_cast<unsigned char>(c));
    for (const unsigned g : glyphs)
        mix(g);
    std::string tag(6, 'A');
    for (char& c : tag) {
        c = static_cast<char>('A' + hash % 26);
        hash /= 26;
    }
    return tag;
}

void appendHex4(std::string& out, unsigned value) {
    for (int shift = 12; shift >= 0; shift -= 4)
        out += "0123456789ABCDEF"[(value >> shift) & 0xF];
}

// The ToUnicode map: each CID to the characters it stands for, as UTF-16BE. CIDs that
// follow one another are written as one range with the characters of each in an array
// (a range stays within 256 codes that share their first byte, ISO 32000-1 §9.10.3).
std::string toUnicodeMap(const std::vector<std::u16string>& texts) {
    std::string map =
        "/CIDInit/ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
        "/CMapName/Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000><FFFF>\nendcodespacerange\n";
    struct Range {
        std::size_t first, last;
    };
    std::vector<Range> ranges;
    for (std::size_t cid = 1; cid < texts.size(); ++cid) {
        if (texts[cid].empty()) continue;
        if (!ranges.empty() && ranges.back().last + 1 == cid && (cid & 0xFF) != 0) {
            ranges.back().last = cid;
        } else {
            ranges.push_back({cid, cid});
        }
    }
    // At most 100 entries to a block.
    for (std::size_t from = 0; from < ranges.size(); from += 100) {
        const std::size_t to = std::min(ranges.size(), from + 100);
        appendInteger(map, static_cast<long long>(to - from));
        map += " beginbfrange\n";
        for (std::size_t i = from; i < to; ++i) {
            map += '<';
            appendHex4(map, static_cast<unsigned>(ranges[i].first));
            map += "><";
            appendHex4(map, static_cast<unsigned>(ranges[i].last));
            map += ">[";
            for (std::size_t cid = ranges[i].first; cid <= ranges[i].last; ++cid) {
                map += '<';
                for (const char16_t unit : texts[cid])
                    appendHex4(map, unit);
                map += '>';
            }
            map += "]\n";
        }
        map += "endbfrange\n";
    }
    map += "endcmap\nCMapName currentdict/CMap defineresource pop\nend\nend\n";
    return map;
}

// CIDToGIDMap: the subset's glyph of each CID, two bytes each.
std::string glyphMap(const Subset& subset, const std::vector<unsigned>& glyphOfCid) {
    std::string map;
    map.reserve(glyphOfCid.size() * 2);
    for (std::size_t cid = 0; cid < glyphOfCid.size(); ++cid) {
        const std::uint16_t g = cid == 0 ? 0 : subset.newGlyph(glyphOfCid[cid]);
        map += static_cast<char>(g >> 8);
        map += static_cast<char>(g & 0xFF);
    }
    return map;
}

void writeDescriptor(PdfObjects& objects, int id, const Face& face, const std::string& name,
                     int fontFile) {
    std::string& out = objects.begin(id);
    out += "<</Type/FontDescriptor/FontName";
    appendName(out, name);
    // Symbolic: the glyphs are named by number, not by a standard encoding.
    out += "/Flags 4/FontBBox[";
    for (int i = 0; i < 4; ++i) {
        if (i > 0) out += ' ';
        appendInteger(out, face.box[i]);
    }
    out += "]/ItalicAngle ";
    appendNumber(out, face.italicAngle);
    out += "/Ascent ";
    appendNumber(out, face.ascent, 3);
    out += "/Descent ";
    appendNumber(out, face.descent, 3);
    out += "/CapHeight ";
    appendNumber(out, face.capHeight, 3);
    out += "/StemV 80/FontFile2 ";
    appendInteger(out, fontFile);
    out += " 0 R>>";
    objects.end();
}

// The widths of the CIDs that are not the default width of 1,000 (the hanzi), each run of
// consecutive CIDs as "first[w w …]"; a reader takes the default for every CID not listed.
void appendWidths(std::string& out, const std::vector<double>& widths) {
    constexpr double kDefaultWidth = 1000;  // /DW when the font leaves it out
    bool open = false;
    for (std::size_t cid = 1; cid < widths.size(); ++cid) {
        const bool listed = widths[cid] != kDefaultWidth;
        if (listed && !open) {
            appendInteger(out, static_cast<long long>(cid));
            out += '[';
        } else if (listed) {
            out += ' ';
        } else if (open) {
            out += ']';
        }
        if (listed) appendNumber(out, widths[cid]);
        open = listed;
    }
    if (open) out += ']';
}

void writeCidFont(PdfObjects& objects, int id, const std::string& name,
                  const std::vector<double>& widths, int descriptor, int glyphMapId) {
    std::string& out = objects.begin(id);
    out += "<</Type/Font/Subtype/CIDFontType2/BaseFont";
    appendName(out, name);
    out += "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor ";
    appendInteger(out, descriptor);
    out += " 0 R/CIDToGIDMap ";
    appendInteger(out, glyphMapId);
    out += " 0 R/W[";
    appendWidths(out, widths);
    out += "]>>";
    objects.end();
}

}  // namespace

DocumentFonts::FaceUse& DocumentFonts::useOf(const Face& face) {
    for (FaceUse& u : uses_) {
        if (u.face == &face) return u;
    }
    FaceUse& u = uses_.emplace_back();
    u.face = &face;
    u.cidOfGlyph.assign(face.glyphCount, 0);
    u.glyphs.push_back(0);  // CID 0: nothing
    u.widths.push_back(0);
    u.texts.emplace_back();
    return u;
}

DocumentFonts::Use DocumentFonts::use(const Face& face, unsigned glyph, std::u16string_view text) {
    FaceUse& u = useOf(face);
    const int font = static_cast<int>(&u - uses_.data()) + 1;
    if (glyph >= u.cidOfGlyph.size()) glyph = 0;
    std::uint16_t& cid = u.cidOfGlyph[glyph];
    if (cid == 0 && u.glyphs.size() <= 0xFFFF) {
        cid = static_cast<std::uint16_t>(u.glyphs.size());
        u.glyphs.push_back(glyph);
        u.widths.push_back(face.width(glyph));
        // The missing glyph stands for no character, whatever was asked of it.
        u.texts.emplace_back(glyph == 0 ? std::u16string_view() : text);
    } else if (cid != 0 && u.texts[cid].empty() && glyph != 0) {
        u.texts[cid] = text;
    }
    return {font, cid, u.widths[cid]};
}

std::string DocumentFonts::write(PdfObjects& objects, std::string& failure) const {
    std::string resources;
    for (std::size_t i = 0; i < uses_.size(); ++i) {
        const FaceUse& u = uses_[i];
        const std::shared_ptr<const Subset> subset = subsetOf(*u.face, u.texts, u.glyphs);
        if (!subset) {
            failure = "无法从字体“" + u.face->family.toStdString() + "”中取出所用的字形";
            return {};
        }
        const std::string name = subsetTag(*u.face, subset->glyphs) + '+' + u.face->postscriptName;
        const int type0 = objects.reserve(), cidFont = objects.reserve(),
                  descriptor = objects.reserve(), program = objects.reserve(),
                  glyphMapId = objects.reserve(), toUnicode = objects.reserve();
        std::string& out = objects.begin(type0);
        out += "<</Type/Font/Subtype/Type0/BaseFont";
        appendName(out, name);
        out += "/Encoding/Identity-H/DescendantFonts[";
        appendInteger(out, cidFont);
        out += " 0 R]/ToUnicode ";
        appendInteger(out, toUnicode);
        out += " 0 R>>";
        objects.end();
        writeCidFont(objects, cidFont, name, u.widths, descriptor, glyphMapId);
        writeDescriptor(objects, descriptor, *u.face, name, program);
        std::string length1 = "/Length1 ";
        appendInteger(length1, static_cast<long long>(subset->length));
        objects.compressedStream(program, length1, subset->program);
        objects.stream(glyphMapId, {}, glyphMap(*subset, u.glyphs));
        objects.stream(toUnicode, {}, toUnicodeMap(u.texts));
        resources += "/F";
        appendInteger(resources, static_cast<long long>(i + 1));
        resources += ' ';
        appendInteger(resources, type0);
        resources += " 0 R";
    }
    return resources;
}

}  // namespace wallcalc::sheet::pdf
