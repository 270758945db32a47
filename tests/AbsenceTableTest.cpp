#include "model/AbsenceTable.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace zorozod {
namespace {

std::vector<std::string> Codes(const AbsenceTable& table) {
    std::vector<std::string> codes;
    for (int r = 1; r <= table.absenceCount(); ++r) codes.push_back(table.cell(r, kThreeCharCode));
    return codes;
}

AbsenceTable FiveRows() {
    return test::Table({test::Row({"A"}), test::Row({"B"}), test::Row({"C"}), test::Row({"D"}), test::Row({"E"})});
}

TEST(AbsenceTable, StartsWithTheHeadingsOnly) {
    const AbsenceTable table;
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.absenceCount(), 0);
    EXPECT_EQ(table.cell(0, kThreeCharCode), "3 Char Code");
    EXPECT_EQ(table.cell(0, kDisplayInZoroZod), "Display In ZoroZod");
    EXPECT_EQ(table.cell(0, kErrors), "Errors");
}

TEST(AbsenceTable, RowsAreAddedRemovedAndMoved) {
    AbsenceTable table = FiveRows();
    table.removeRow(3);
    EXPECT_EQ(Codes(table), (std::vector<std::string>{"A", "B", "D", "E"}));
    table.moveRow(1, 4);
    EXPECT_EQ(Codes(table), (std::vector<std::string>{"B", "D", "E", "A"}));
    table.moveRow(4, 2);
    EXPECT_EQ(Codes(table), (std::vector<std::string>{"B", "A", "D", "E"}));
    EXPECT_EQ(table.appendRow(), 5);
    EXPECT_EQ(table.row(5), AbsenceRow{});
    table.setRowCount(2);
    EXPECT_EQ(Codes(table), std::vector<std::string>{"B"});
    table.setRowCount(0);  // the headings always stay
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.cell(0, kCrewType), "P/C");
}

}  // namespace
}  // namespace zorozod
