#pragma once

#include "table/core/KeywordTable.h"

#include <string>
#include <vector>

namespace tw::test {

// One column's texts, top to bottom, for comparing with a list of cells.
inline std::vector<std::string> ColumnOf(const KeywordTable& table, int column) {
    std::vector<std::string> cells;
    for (int r = 0; r < table.RowCount(); ++r)
        cells.emplace_back(table.GetCell(r, column));
    return cells;
}

} // namespace tw::test
