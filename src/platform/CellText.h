// The one place where the core's bytes meet the windows' text.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zorozod {

// A cell's bytes as text, read as Windows-1252; the five bytes that code page
// leaves undefined keep their own code points, so every byte comes back.
QString CellToText(std::string_view cell);
// Text back to a cell's bytes; a character the code page lacks becomes "?".
std::string TextToCell(const QString& text);

// A file name as the file system holds it, and back.
QString PathToText(const std::string& path);
std::string TextToPath(const QString& text);

}  // namespace zorozod
