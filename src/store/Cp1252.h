#pragma once
// Windows-1252 at the file boundary. Inside the program every text is UTF-8;
// records, reports and ELDA files hold Windows-1252 bytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lohn {

// Bytes in Windows-1252 to UTF-8. The five bytes that Windows-1252 leaves
// undefined map to the C1 code points of the same value, so they survive a
// round trip.
std::string Cp1252ToUtf8(std::string_view bytes);
// The same into `out` (replacing its text, keeping its room).
void Cp1252ToUtf8(std::string_view bytes, std::string& out);

// UTF-8 to Windows-1252; a character that Windows-1252 cannot hold (and a
// broken UTF-8 sequence) becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);
// The same appended to `out`: runs of ASCII are copied whole, only the
// other characters are decoded.
void AppendCp1252(std::string& out, std::string_view utf8);
void AppendCp1252(std::vector<std::uint8_t>& out, std::string_view utf8);

// True when every character of the text has a Windows-1252 byte.
bool FitsCp1252(std::string_view utf8);

// Width of a text in characters, as Windows-1252 counts them.
std::size_t CharCount(std::string_view utf8);

// The first n characters of a text (never splits a UTF-8 sequence).
std::string CutChars(std::string_view utf8, std::size_t n);

// The Windows-1252 code of one character, or -1 when it has none.
int Cp1252Code(char32_t codepoint);

// Decodes the code points of a UTF-8 text; a broken sequence yields U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace lohn
