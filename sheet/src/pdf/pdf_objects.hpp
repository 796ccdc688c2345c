#pragma once
// The bytes of a PDF file (PDF 1.4, ISO 32000-1 §7.5): numbered objects written one after
// the other into memory, their offsets kept for the cross-reference table, streams
// compressed with Flate. The file is built whole in memory and written in one go.
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
    // Starts object `id` ("id 0 obj\n") and returns the file's bytes to write it into.
    std::string& begin(int id);
    void end();  // "\nendobj\n"
    // A whole stream object: `dictionary` holds the entries besides /Length and /Filter
    // (without "<<" and ">>"). Compressed unless `compress` is false.
    void stream(int id, std::string_view dictionary, std::string_view data, bool compress = true);
    // A stream object of data compressed already (with deflated()).
    void compressedStream(int id, std::string_view dictionary, std::string_view packed);

    // The cross-reference table and the trailer; the file is then complete.
    std::string finish(int catalog, int info);

  private:
    void write(int id, std::string_view dictionary, std::string_view body, bool compressed);
    std::string file_;
    std::vector<std::size_t> offsets_;  // by object number; 0 for object 0
};

}  // namespace wallcalc::sheet::pdf
