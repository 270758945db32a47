// The toolbox reader on any bytes: one of its three outcomes, and a table it
// loads writes out and reads back as the same table.
#include "FuzzTargets.h"
#include "file/ToolBoxFile.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorozod;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ToolBoxReadResult read = ParseToolBoxText(bytes);
    if (read.outcome != ToolBoxReadOutcome::Loaded) return 0;
    if (static_cast<std::size_t>(read.table.absenceCount()) * kColumnCount > size) __builtin_trap();
    const ToolBoxReadResult again = ParseToolBoxText(FormatToolBoxFile(read.table, "d"));
    if (again.outcome != ToolBoxReadOutcome::Loaded || !(again.table == read.table)) __builtin_trap();
    return 0;
}
