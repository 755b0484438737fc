#pragma once

#include <string>
#include <string_view>

namespace billpay {

// Text decoding at the file boundary. Everything after it works on text of
// single-byte characters, where one character is one byte, so line lengths
// and column positions can be counted in bytes.
//
// The raw bytes of a file are read as follows:
// - a leading UTF-8 byte-order mark (EF BB BF) is dropped;
// - a file that starts with a UTF-16 byte-order mark (FF FE little-endian,
//   FE FF big-endian) is read as UTF-16: surrogate pairs are combined, an
//   unpaired surrogate and an odd trailing byte each become "?";
// - otherwise the bytes are read as UTF-8 when all of them are well-formed
//   UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF), and as
//   Windows-1252 when they are not (the whole file, not just the bad bytes);
//   the five bytes Windows-1252 leaves undefined become "?".
//
// Every character read then becomes exactly one character of the result:
// - U+0000..U+007F stay as they are (control characters and NUL included);
// - a Latin letter with a diacritic becomes its base letter (Tāmaki gives
//   Tamaki); ß gives "s", æ "a", œ "o", ø "o", đ and ð "d", þ "t", ł "l",
//   ı "i", each with its capital alike;
// - the no-break space and the other Unicode spaces give a blank;
// - typographic single quotes and ‹ › give "'", double quotes and « » give
//   '"', hyphens, dashes and the minus sign give "-";
// - any other character gives "?".
// The result therefore holds only characters below 0x80, and a pure-ASCII
// file comes back byte for byte.

// The decoded text of the raw bytes of a file.
std::string DecodeAbaText(std::string_view bytes);

// Decodes the raw bytes of a file in their own buffer. A pure-ASCII buffer
// without a byte-order mark is left untouched (no copy, no write); UTF-8 and
// Windows-1252 are rewritten in place (the text never grows); a UTF-16 file
// is replaced by a newly built text.
void DecodeAbaTextInPlace(std::string& bytes);

// True when every byte is below 0x80: such a text decodes to itself (it can
// hold no byte-order mark), so it can be used as it stands, without a copy.
bool IsPlainAsciiText(std::string_view bytes);

// The same folding for a text typed by the user (an option value): valid
// UTF-8 is folded character by character, anything else is read as
// Windows-1252. No byte-order mark is looked for.
std::string FoldToSingleByte(std::string_view utf8);

}  // namespace billpay
