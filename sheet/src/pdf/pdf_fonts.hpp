#pragma once
// The fonts of one PDF: for each face its text used, the glyphs it drew, numbered as they
// are first drawn (their CIDs), and at the end a subset of the face with those glyphs
// only, embedded as a CIDFontType2 font under a Type0 font with Identity-H encoding
// (ISO 32000-1 §9.7), its widths and a ToUnicode map so that the text can be searched and
// copied as the characters it was written with.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pdf_faces.hpp"
#include "pdf_objects.hpp"

namespace wallcalc::sheet::pdf {

class DocumentFonts {
  public:
    struct Use {
        int font;      // the font's number in the page resources: /F1, /F2 …
        unsigned cid;  // the code drawn in the content stream
        double width;  // the advance the PDF's widths give it, thousandths of the em
    };
    // Glyph `glyph` of `face`, standing for `text` (empty when the glyph stands for no
    // character of its own: the second glyph of a character, the missing glyph).
    Use use(const Face& face, unsigned glyph, std::u16string_view text);

    // Writes every face used (subset, font program, widths, ToUnicode map) and returns the
    // entries of the pages' /Font resources ("/F1 12 0 R…"), or why a face could not be
    // subset.
    std::string write(PdfObjects& objects, std::string& failure) const;

  private:
    struct FaceUse {
        const Face* face;
        std::vector<std::uint16_t> cidOfGlyph;  // 0 for a glyph not used yet
        std::vector<unsigned> glyphs;           // by CID (CID 0 stands for nothing)
        std::vector<double> widths;
        std::vector<std::u16string> texts;
    };
    FaceUse& useOf(const Face& face);
    std::vector<FaceUse> uses_;
};

}  // namespace wallcalc::sheet::pdf
