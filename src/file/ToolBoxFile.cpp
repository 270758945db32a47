#include "file/ToolBoxFile.h"

#include "file/SafeFile.h"
#include "file/TextLines.h"
#include "model/Error.h"
#include "model/TextNumber.h"

#include <cstdint>

namespace zorozod {

ToolBoxReadResult ParseToolBoxText(std::string_view bytes) {
    ToolBoxReadResult result;
    // A first look counts the lines and finds the first, the last and the count line.
    std::int64_t lineCount = 0;
    std::string_view first, last, countLine;
    {
        LineReader reader(bytes);
        for (std::string_view line; reader.next(line); ++lineCount) {
            if (lineCount == 0) first = line;
            if (lineCount == 4) countLine = line;
            last = line;
        }
    }
    if (lineCount == 0) return result;  // an empty file cannot be read
    if (first != kToolBoxSignature || last != kToolBoxEndMarker) {
        result.outcome = ToolBoxReadOutcome::Refused;
        return result;
    }
    if (lineCount < 5) return result;  // no count line
    const std::int64_t count = ReadLeadingInteger(countLine);
    const std::int64_t rows = count > 0 ? count : 0;
    // The cells are lines 6 .. 5 + 13 x N; the count is checked against the
    // lines that exist before anything is sized by it.
    if (5 + 13 * rows > lineCount) return result;

    result.table.setRowCount(static_cast<int>(rows) + 1);
    LineReader reader(bytes);
    std::string_view line;
    for (int skip = 0; skip < 5; ++skip) reader.next(line);
    for (int r = 1; r <= rows; ++r)
        for (std::string& cell : result.table.row(r)) {
            reader.next(line);
            cell.assign(line);
        }
    result.outcome = ToolBoxReadOutcome::Loaded;
    return result;
}

ToolBoxReadResult ReadToolBoxFile(const std::string& path) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const ZoroZodError&) {
        return {};
    }
    return ParseToolBoxText(bytes);
}

std::string FormatToolBoxFile(const AbsenceTable& table, std::string_view dateLine) {
    const int n = table.absenceCount();
    std::size_t size = 64 + dateLine.size();
    for (int r = 1; r <= n; ++r)
        for (const std::string& cell : table.row(r)) size += cell.size() + 2;
    std::string out;
    out.reserve(size);
    auto line = [&out](std::string_view text) {
        out.append(text);
        out.append("\r\n");
    };
    line(kToolBoxSignature);
    line(kToolBoxVersion);
    line(dateLine);
    line(kToolBoxCountHeading);
    line(std::to_string(n));
    for (int r = 1; r <= n; ++r)
        for (const std::string& cell : table.row(r)) line(cell);
    line(kToolBoxEndMarker);
    return out;
}

void WriteToolBoxFile(const std::string& path, const AbsenceTable& table, std::string_view dateLine) {
    ReplaceFileSafely(path, FormatToolBoxFile(table, dateLine));
}

}  // namespace zorozod
