#pragma once
// The bytes of a PDF file (PDF 1.5, ISO 32000-1 §7.5): numbered objects written into memory,
// streams compressed with Flate one after the other in the file, the dictionaries (fonts,
// pages, catalog) gathered into one compressed object stream (§7.5.7) and the
// cross-reference table written as a compressed stream too (§7.5.8). The file is built
// whole in memory and written in one go.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wallcalc::sheet::pdf {

// Appends `value` with at most `decimals` digits after the point, trailing zeros and a
// lone point left out ("12", "0.5", "-3.25"), as PDF's content streams take numbers.
void appendNumber(std::string& out, double value, int decimals = 2);
void appendInteger(std::string& out, long long value);
// Appends "<FEFF…>": a text string of the document's information in UTF-16BE.
void appendTextString(std::string& out, std::u16string_view text);
// Appends a name ("/Name"), the characters PDF does not allow in one left out.
void appendName(std::string& out, std::string_view name);

// Compresses `data` as a zlib stream (FlateDecode) at the level the sheets are written
// with. One compressor per thread.
std::string deflated(std::string_view data);
// libdeflate's level (1 to 12) for the streams from now on, for measuring another than
// the one the sheets are written with.
void setDeflateLevel(int level);
int deflateLevel();

class PdfObjects {
  public:
    PdfObjects();

    // A number for an object written later; objects may be written in any order.
    int reserve();
    // Starts object `id`, a dictionary or any object but a stream, in the object stream,
    // and returns the bytes to write it into; end() ends it.
    std::string& begin(int id);
    void end();
    // The same for an object that stands in the file itself, readable without inflating
    // anything (the document's information, with the moment it was made).
    std::string& beginInFile(int id);
    void endInFile();  // "\nendobj\n"
    // A whole stream object: `dictionary` holds the entries besides /Length and /Filter
    // (without "<<" and ">>"). Compressed unless `compress` is false.
    void stream(int id, std::string_view dictionary, std::string_view data, bool compress = true);
    // A stream object of data compressed already (with deflated()).
    void compressedStream(int id, std::string_view dictionary, std::string_view packed);

    // The object stream, the cross-reference stream and the end of the file; the file is
    // then complete.
    std::string finish(int catalog, int info);

  private:
    // Where an object stands: at an offset of the file, or the index-th in object stream
    // `stream`.
    struct Place {
        std::size_t offset = 0;
        int stream = 0;  // 0: in the file
        int index = 0;
    };
    void write(int id, std::string_view dictionary, std::string_view body, bool compressed);
    void writeObjectStream();
    void writeCrossReferences(int catalog, int info);
    std::string file_;
    std::vector<Place> places_;  // by object number; nothing for object 0
    std::string packed_;         // the objects of the object stream, one after the other
    std::vector<std::pair<int, std::size_t>> packedAt_;  // each one's number and offset
};

}  // namespace wallcalc::sheet::pdf
