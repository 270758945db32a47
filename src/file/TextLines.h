// Reading whole files and cutting text into lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorozod {

// Takes the lines of a text one after another. Lines end at CR LF, at a lone
// CR and at a lone LF; the breaks are not part of the lines. A break at the
// very end adds no empty line, and a NUL byte ends the text. The views point
// into the text.
class LineReader {
public:
    explicit LineReader(std::string_view text);
    // The next line, or false when the text is used up.
    bool next(std::string_view& line);

private:
    std::string_view text_;
    std::size_t start_ = 0;
};

// All lines of a text, by the rules of LineReader.
std::vector<std::string_view> SplitLines(std::string_view text);

// Reads a whole file, opened for reading only. Throws ZoroZodError when the
// file cannot be opened or read (a folder cannot be read either).
std::string ReadWholeFile(const std::string& path);

// Whether the file can be opened for reading (it is closed again at once).
bool CanOpenForReading(const std::string& path);

}  // namespace zorozod
