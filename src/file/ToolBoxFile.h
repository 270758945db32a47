// The toolbox file (*.box): reading, with its acceptance test, and writing.
#pragma once

#include "model/AbsenceTable.h"

#include <string>
#include <string_view>

namespace zorozod {

inline constexpr std::string_view kToolBoxSignature = "CVToolBox";
inline constexpr std::string_view kToolBoxVersion = "v001";
inline constexpr std::string_view kToolBoxCountHeading = "NumItems";
inline constexpr std::string_view kToolBoxEndMarker = "EndOfFile";

inline constexpr std::string_view kNotAToolBoxMessage =
    "This is not a Valid Corvane ZoroZod File. Suggest that you Open a Backup Copy in the ZoroZod Editor "
    "Backup Folder";
inline constexpr std::string_view kErrorOpeningFileMessage =
    "Error Opening File. Suggest that you Open a Backup Copy in the ZoroZod Editor Backup Folder";

enum class ToolBoxReadOutcome {
    Loaded,   // `table` holds the file's absences
    Refused,  // wrong signature or end marker
    Error,    // unreadable, empty, no count line, or fewer cell lines than the count needs
};

struct ToolBoxReadResult {
    ToolBoxReadOutcome outcome = ToolBoxReadOutcome::Error;
    AbsenceTable table;  // headings plus the absences; only meaningful when Loaded
};

// Reads the text of a toolbox file. Any byte sequence gives one of the three
// outcomes; the count line never sizes an allocation beyond what the text holds.
ToolBoxReadResult ParseToolBoxText(std::string_view bytes);

// Reads the file at `path`; a file that cannot be read is the Error outcome.
ToolBoxReadResult ReadToolBoxFile(const std::string& path);

// The bytes of a toolbox file holding rows 1..N of `table`: 5 + 13 x N + 1
// lines, each ending in CR LF.
std::string FormatToolBoxFile(const AbsenceTable& table, std::string_view dateLine);

// Writes `table` to `path`, whole or not at all (see ReplaceFileSafely).
void WriteToolBoxFile(const std::string& path, const AbsenceTable& table, std::string_view dateLine);

}  // namespace zorozod
