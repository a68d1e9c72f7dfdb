// ini_compare: reads INI files with the platform's profile functions and with our IniDocument and reports
// every answer of both, marking the differences.
//
//   ini_compare.exe --out REPORT FILE...
//
// For each FILE the sections come from GetPrivateProfileSectionNamesW, the keys of a section from
// GetPrivateProfileStringW(section, NULL), each value from GetPrivateProfileStringW(section, key), all
// shown in UTF-8; our side answers the same questions with sectionNames(), keyNames() and find(). Values
// are asked for the keys either side lists, plus the extra "section<TAB>key" lines of FILE.probe (keys
// neither side lists: lines without '=', comments, other spellings; 8-bit text in the ANSI code page). A
// difference listed verbatim in FILE.known (one report line per line) is a deliberate deviation and is not
// counted. Our side reads FILE as the program does: decoded into UTF-8 from the ANSI code page, or from
// UTF-8 or UTF-16 by its byte-order mark. Finally, values written with IniDocument::setValue are read back
// with the platform, in a file written as 8-bit text, one that needs UTF-8, and files written back as UTF-8
// and UTF-16, next to the report. Exit code: 0 when nothing unexpected differs, 1 when something does, 2 on
// a usage or I/O error.
#include "platform/win32/text_code_page.h"
#include "platform/win32/text_convert.h"
#include "settings/ini_document.h"
#include "settings/ini_encoding.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using flickmark::FileEncoding;
using flickmark::IniDocument;
using flickmark::iniNamesEqual;
using flickmark::TextEncoding;
using flickmark::win32::narrow;
using flickmark::win32::widen;
using Strings = std::vector<std::string>;

constexpr DWORD kMaxBufferSize = 64 * 1024 * 1024;
constexpr char kMissingMarker[] = "<<missing>>";

std::string readBytes(const std::string& path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    ok = static_cast<bool>(in);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Strings splitDoubleNul(const std::string& list) {
    Strings items;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = std::min(list.find('\0', start), list.size());
        items.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

// Calls `read(buffer, size)` with a buffer that grows until the answer fits: the profile functions cut an
// answer that does not fit to size - 1 (a single value) or size - 2 (a list) characters. The answer in
// UTF-8, zero characters included.
template <typename Read> std::string readGrowing(Read read) {
    for (DWORD size = 64 * 1024;; size *= 4) {
        std::vector<wchar_t> buffer(size);
        const DWORD length = read(buffer.data(), size);
        if (length + 2 < size || size >= kMaxBufferSize)
            return narrow(std::wstring_view(buffer.data(), length));
    }
}

Strings platformSections(const std::string& file) {
    return splitDoubleNul(readGrowing([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileSectionNamesW(buffer, size, widen(file).c_str());
    }));
}

Strings platformKeys(const std::string& file, const std::string& section) {
    return splitDoubleNul(readGrowing([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileStringW(widen(section).c_str(), nullptr, L"", buffer, size,
                                        widen(file).c_str());
    }));
}

std::string platformValue(const std::string& file, const std::string& section, const std::string& key) {
    return readGrowing([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileStringW(widen(section).c_str(), widen(key).c_str(),
                                        widen(kMissingMarker).c_str(), buffer, size, widen(file).c_str());
    });
}

// Printable form: bytes outside 0x20..0x7E as \xNN, long texts shortened around the middle.
std::string shown(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
            out += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            out += escape;
        }
    }
    out += "\"";
    if (out.size() > 160)
        out = out.substr(0, 70) + "...(" + std::to_string(text.size()) + " bytes)..." +
              out.substr(out.size() - 70);
    return out;
}

std::string shownList(const Strings& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items.size() > 12 && i == 6) {
            out += " ...(" + std::to_string(items.size() - 12) + " more)...";
            i = items.size() - 6;
        }
        out += (i ? " " : "") + shown(items[i]);
    }
    return out + "]";
}

void addUnique(Strings& items, const std::string& item) {
    for (const std::string& existing : items)
        if (iniNamesEqual(existing, item))
            return;
    items.push_back(item);
}

std::set<std::string> readKnown(const std::string& path) {
    std::set<std::string> known;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            known.insert(line);
    }
    return known;
}

std::vector<std::pair<std::string, std::string>> readProbes(const std::string& path) {
    const flickmark::Win32TextCodePage codePage;
    std::vector<std::pair<std::string, std::string>> probes;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos)
            probes.emplace_back(flickmark::utf8FromCodePage(line.substr(0, tab), codePage),
                                flickmark::utf8FromCodePage(line.substr(tab + 1), codePage));
    }
    return probes;
}

// Unix paths (as the test script passes them) are reached through Wine's Z: drive.
std::string windowsPath(const std::string& path) {
    return !path.empty() && path[0] == '/' ? "Z:" + path : path;
}

class Report {
public:
    explicit Report(std::ostream& out) : out_(out) {}

    void compare(const std::string& what, const std::string& platform, const std::string& ours,
                 const std::set<std::string>& known) {
        if (platform == ours) {
            out_ << "same " << what << " = " << platform << "\n";
            return;
        }
        const std::string line = "DIFF " + what + ": platform " + platform + " ours " + ours;
        if (known.count(line)) {
            out_ << "KNOWN " << line.substr(5) << "\n";
            return;
        }
        out_ << line << "\n";
        ++unexpected_;
    }
    int unexpected() const { return unexpected_; }

private:
    std::ostream& out_;
    int unexpected_ = 0;
};

// Compares the key listings of a section; returns the keys either side listed.
Strings compareKeyLists(const std::string& platformFile, const IniDocument& document,
                        const std::string& section, Report& report, const std::set<std::string>& known) {
    const Strings platformKeyList = platformKeys(platformFile, section);
    const Strings ourKeyList = document.keyNames(section);
    report.compare(shown(section) + " keys", shownList(platformKeyList), shownList(ourKeyList), known);
    Strings keys;
    for (const std::string& key : platformKeyList)
        addUnique(keys, key);
    for (const std::string& key : ourKeyList)
        addUnique(keys, key);
    return keys;
}

void compareValues(const std::string& platformFile, const IniDocument& document, const std::string& section,
                   const std::string& key, Report& report, const std::set<std::string>& known) {
    report.compare(shown(section) + " " + shown(key), shown(platformValue(platformFile, section, key)),
                   shown(document.value(section, key, kMissingMarker)), known);
}

int compareFile(const std::string& file, Report& report, std::ostream& out) {
    const std::string platformFile = windowsPath(file);
    bool ok = false;
    const std::string text = readBytes(platformFile, ok);
    if (!ok) {
        out << "ERROR cannot read " << file << "\n";
        return 1;
    }
    const IniDocument document = flickmark::decodeIni(text, flickmark::Win32TextCodePage()).document;
    const std::set<std::string> known = readKnown(platformFile + ".known");
    out << "== " << file << "\n";

    const Strings platformNames = platformSections(platformFile);
    const Strings ourNames = document.sectionNames();
    report.compare("sections", shownList(platformNames), shownList(ourNames), known);

    Strings sections;
    for (const std::string& name : platformNames)
        addUnique(sections, name);
    for (const std::string& name : ourNames)
        addUnique(sections, name);
    for (const std::string& section : sections) {
        Strings keys = compareKeyLists(platformFile, document, section, report, known);
        for (const std::string& key : keys)
            compareValues(platformFile, document, section, key, report, known);
    }

    // Probes ask with their own spelling of the section, which need not be one the listing gave.
    const auto probes = readProbes(platformFile + ".probe");
    Strings probedSections;
    for (const auto& probe : probes)
        if (std::find(probedSections.begin(), probedSections.end(), probe.first) == probedSections.end())
            probedSections.push_back(probe.first);
    for (const std::string& section : probedSections) {
        compareKeyLists(platformFile, document, section, report, known);
        for (const auto& probe : probes)
            if (probe.first == section)
                compareValues(platformFile, document, section, probe.second, report, known);
    }
    return 0;
}

// Values our writer stores must read back unchanged through the platform: blanks at the ends and pairs of
// quotes are protected by the writer's own quotes. Values the code page holds keep the file 8-bit text; a
// value it cannot hold makes it UTF-8.
void checkWrittenValues(const std::string& folder, Report& report, std::ostream& out) {
    const Strings values = {"plain",
                            "",
                            " leading",
                            "trailing ",
                            "\"quoted\"",
                            "'single'",
                            "\"",
                            "\"\"",
                            "'a\"",
                            "\"a\"b\"",
                            "a=b;c",
                            "\xC3\xA9\xC2\x81\xE2\x82\xAC",
                            "\tboth ",
                            "x\x1A",
                            "100046ALT+F|000053S",
                            "\"C:\\a b\\x.exe\"|\"p q\"",
                            std::string(5000, 'v')};
    const struct {
        const char* name;
        std::string extra; // a value of its own, and whether it needs UTF-8
        bool utf8;
    } files[] = {{"written_by_us", "caf\xC3\xA9", false},
                 {"written_by_us_utf8",
                  "D:\\\xE5\xB7\xA5\xE5\x85\xB7\\\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7", true}};
    const flickmark::Win32TextCodePage codePage;
    for (const auto& [name, extra, utf8] : files) {
        Strings written = values;
        written.push_back(extra);
        IniDocument document;
        for (std::size_t i = 0; i < written.size(); ++i)
            document.setValue("written", "v" + std::to_string(i), written[i]);
        const std::string file = windowsPath(folder + name + ".ini");
        const std::string bytes = flickmark::encodeIni(document, FileEncoding{}, codePage);
        std::ofstream(file, std::ios::binary) << bytes;
        out << "== values written by IniDocument to " << name << ".ini, read by the platform\n";
        report.compare(std::string(name) + " encoding", bytes.starts_with("\xEF\xBB\xBF") ? "UTF-8" : "8-bit",
                       utf8 ? "UTF-8" : "8-bit", {});
        for (std::size_t i = 0; i < written.size(); ++i)
            report.compare("\"written\" v" + std::to_string(i),
                           shown(platformValue(file, "written", "v" + std::to_string(i))), shown(written[i]),
                           {});
    }
}

// The bytes of UTF-16 text in a file of the given encoding, without a byte-order mark.
std::string encodedBytes(std::wstring_view text, TextEncoding encoding) {
    std::string bytes;
    if (encoding == TextEncoding::Utf8) {
        const int length = static_cast<int>(text.size());
        const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
        bytes.assign(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
        return bytes;
    }
    const bool little = encoding == TextEncoding::Utf16LittleEndian;
    for (const wchar_t c : text) {
        bytes += static_cast<char>(little ? c & 0xFF : c >> 8);
        bytes += static_cast<char>(little ? c >> 8 : c & 0xFF);
    }
    return bytes;
}

// Files saved as UTF-8 and UTF-16 and changed by our writer: the platform reads the values we wrote and
// the lines we did not change as before, and those lines keep their bytes (characters outside the code page
// included).
void checkWrittenBack(const std::string& folder, Report& report, std::ostream& out) {
    const flickmark::Win32TextCodePage codePage;
    const std::wstring kept = L"path=C:\\\x0416\\x.exe|";
    const std::wstring original = L"; \x0416\x043E\x0440\x0430\r\n[init]\r\ntbXPixel=55\r\n" + kept +
                                  L"\r\n[other]\r\nk=\xD83D\xDE00\r\n";
    const struct {
        TextEncoding encoding;
        const char* name;
        const char* mark;
    } encodings[] = {{TextEncoding::Utf8, "utf8", "\xEF\xBB\xBF"},
                     {TextEncoding::Utf16LittleEndian, "utf16le", "\xFF\xFE"},
                     {TextEncoding::Utf16BigEndian, "utf16be", "\xFE\xFF"}};
    for (const auto& [encoding, name, mark] : encodings) {
        // Two files: the platform keeps a file it read in a cache.
        const std::string before = windowsPath(folder + "before_" + name + ".ini");
        const std::string after = windowsPath(folder + "written_back_" + name + ".ini");
        const std::string bytes = mark + encodedBytes(original, encoding);
        std::ofstream(before, std::ios::binary) << bytes;

        flickmark::DecodedIni decoded = flickmark::decodeIni(bytes, codePage);
        decoded.document.setValue("init", "tbXPixel", "31");
        decoded.document.setValue("init", "name", " caf\xC3\xA9 \xE2\x82\xAC ");
        decoded.document.setValue("new", "k", "v");
        const std::string written = flickmark::encodeIni(decoded.document, decoded.encoding, codePage);
        std::ofstream(after, std::ios::binary) << written;

        out << "== " << name << " file written back by IniDocument, read by the platform\n";
        const std::string prefix = std::string("\"") + name + "\" ";
        report.compare(prefix + "tbXPixel", shown(platformValue(after, "init", "tbXPixel")), shown("31"), {});
        report.compare(prefix + "name", shown(platformValue(after, "init", "name")),
                       shown(" caf\xC3\xA9 \xE2\x82\xAC "), {});
        report.compare(prefix + "new k", shown(platformValue(after, "new", "k")), shown("v"), {});
        report.compare(prefix + "path", shown(platformValue(after, "init", "path")),
                       shown(platformValue(before, "init", "path")), {});
        report.compare(prefix + "other k", shown(platformValue(after, "other", "k")),
                       shown(platformValue(before, "other", "k")), {});
        report.compare(prefix + "bytes of the unchanged path line",
                       written.find(encodedBytes(kept, encoding)) != std::string::npos ? "kept" : "lost",
                       "kept", {});
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string outPath;
    Strings files;
    for (int i = 1; i < __argc; ++i) {
        const std::string argument = __argv[i];
        if (argument == "--out" && i + 1 < __argc)
            outPath = __argv[++i];
        else
            files.push_back(argument);
    }
    if (outPath.empty() || files.empty())
        return 2;
    std::ostringstream out;
    Report report(out);
    int errors = 0;
    for (const std::string& file : files)
        errors += compareFile(file, report, out);
    const std::size_t slash = outPath.find_last_of("\\/");
    const std::string outFolder = slash == std::string::npos ? std::string() : outPath.substr(0, slash + 1);
    checkWrittenValues(outFolder, report, out);
    checkWrittenBack(outFolder, report, out);
    out << "RESULT " << report.unexpected() << " unexpected difference(s) in " << files.size()
        << " file(s)\n";
    std::ofstream(windowsPath(outPath), std::ios::binary) << out.str();
    if (errors)
        return 2;
    return report.unexpected() == 0 ? 0 : 1;
}
