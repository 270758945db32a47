#include "print/ReportLines.h"

#include <array>
#include <utility>

namespace zorozod {

namespace {

constexpr std::array<std::pair<int, std::size_t>, 11> kPaddedFields = {{
    {kThreeCharCode, 4},
    {kCrewType, 6},
    {kTwoCharCode, 3},
    {kOnTime, 6},
    {kOffTime, 6},
    {kCredit, 6},
    {kHardTime, 6},
    {kDuty, 2},
    {kCarsDuty, 2},
    {kInsideWindow, 2},
    {kDisplayInZoroZod, 2},
}};

}  // namespace

std::vector<std::string> BuildReportLines(const AbsenceTable& table) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(table.absenceCount()));
    for (int r = 1; r <= table.absenceCount(); ++r) {
        const AbsenceRow& row = table.row(r);
        std::string line;
        line.reserve(46 + row[kDescription].size());
        for (const auto& [column, width] : kPaddedFields) {
            const std::string& cell = row[static_cast<std::size_t>(column)];
            line += cell;
            if (cell.size() < width) line.append(width - cell.size(), ' ');
        }
        line += row[kDescription];
        line += '\n';
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace zorozod
