// INI files in the encodings an editor saves. The platform's profile functions read a file that starts with
// a byte-order mark as UTF-8, UTF-16LE or UTF-16BE, and a file without one as 8-bit text in the ANSI code
// page. The program's text is UTF-8: a file is decoded into it by its encoding and written back in the
// encoding it came in, except that 8-bit text that would have to hold a character the code page cannot is
// written as UTF-8 with a byte-order mark. Measured under Wine (GetPrivateProfileStringW/A,
// WritePrivateProfileStringW/A):
//  - EF BB BF is UTF-8, FF FE UTF-16LE, FE FF UTF-16BE; the UTF-8 mark is looked for first. The odd last
//    byte of a UTF-16 file reads as the character of its value ("5" as U+0035).
//  - UTF-16 without a byte-order mark and UTF-8 without one are read as 8-bit text: the zero bytes of UTF-16
//    end every name and value early (see ini_document.h), and UTF-8 reads as the code page's characters of
//    its bytes.
//  - Broken UTF-8 reads as one U+FFFD per broken sequence, as MultiByteToWideChar(CP_UTF8) decodes it; a
//    sequence cut off by the end of the file swallows what is left of it. Half a surrogate pair of UTF-16
//    reads as U+FFFD.
//  - A write keeps the file's encoding and its byte-order mark, and the bytes of the lines it does not
//    change, also where they could not be read exactly.
#pragma once

#include "platform/text_code_page.h"
#include "settings/ini_document.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

enum class TextEncoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian };

// How a file was stored, so that writing it back keeps its encoding and the characters of its lines.
struct FileEncoding {
    TextEncoding encoding = TextEncoding::Ansi;
    // The lines whose bytes their text does not give back (broken UTF-8, half a surrogate pair, bytes the
    // code page has no character for), with the bytes they were read from, in file order; found by their
    // section and their text (see encodeIni).
    std::map<std::string, std::vector<std::string>> heldLines;

    friend bool operator==(const FileEncoding&, const FileEncoding&) = default;
};

struct DecodedIni {
    IniDocument document;
    FileEncoding encoding;
};

// A file's bytes as a document in UTF-8; 8-bit text is read in the code page.
DecodedIni decodeIni(std::string_view bytes, const TextCodePage& codePage);

// A document as the bytes of a file in the given encoding. A line of the decoded document that was not
// changed is written with the bytes it was read from; so is a line of a document written afresh that reads
// the same as a held line of the same section (a section of that name; an entry with the same name and
// value, blanks around them aside; any other line with the same text). So bytes that read as no text
// survive in lines the program did not change. Every other line is converted from UTF-8. A document to be
// written as 8-bit text with a line the code page cannot hold is written as UTF-8 with a byte-order mark
// instead (its held 8-bit lines converted as they read); 8-bit text that the code page holds stays 8-bit
// text byte for byte.
std::string encodeIni(const IniDocument& document, const FileEncoding& encoding,
                      const TextCodePage& codePage);

} // namespace flickmark
