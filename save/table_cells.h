#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "save/inline_style.h"

namespace qm {

// A cell of a table: its Markdown text ("|" escaped), how many columns and rows of the
// page's table it spans (colspan, rowspan) and how its text is aligned.
struct TableCell {
  std::string text;
  size_t columns = 1;
  size_t rows = 1;  // 0: down to its row group's last row, as a browser reads rowspan="0"
  TextAlign align = TextAlign::Unstated;
};

// The cells of a table, row after row in one list, so that a long table costs no
// allocation per row.
struct TableCells {
  std::vector<TableCell> cells;
  std::vector<size_t> rowStarts;    // the index of each row's first cell
  std::vector<size_t> groupStarts;  // the rows where a thead, tbody or tfoot began or ended

  void NewRow() { rowStarts.push_back(cells.size()); }
  void NewRowGroup() { groupStarts.push_back(rowStarts.size()); }
  void Clear() {
    cells.clear();
    rowStarts.clear();
    groupStarts.clear();
  }
  // The row after the last one of the group that `row` is in.
  size_t GroupEnd(size_t row) const {
    const auto next = std::upper_bound(groupStarts.begin(), groupStarts.end(), row);
    return next == groupStarts.end() ? rowStarts.size() : *next;
  }
  size_t RowEnd(size_t row) const {
    return row + 1 < rowStarts.size() ? rowStarts[row + 1] : cells.size();
  }
};

// A Markdown table has no spans: each column that a cell spans, or that a cell above
// spans into, becomes an empty cell. So that a page's spans cannot make a note many
// times its size, a span reaches this many columns at most, and a table gets no more
// empty cells for its spans than it has cells.
inline constexpr size_t kSpannedColumns = 64;

// The column each cell starts in, as a browser lays the table out: a cell takes the
// first column of its row that no cell above spans into, and the cells after it in the
// row follow the columns it spans.
std::vector<size_t> CellColumns(const TableCells& table);

// How each of the table's first `columns` columns is aligned, at[cell] being the column
// of each cell. A Markdown table aligns whole columns: a column takes the alignment of
// its first cell below the header that states one, else its header's. The body tells
// first, as that is where a page aligns its figures, while browsers centre a header
// cell of their own accord.
std::vector<TextAlign> ColumnAligns(const TableCells& table, const std::vector<size_t>& at,
                                    size_t columns);

// Where the cell at `column` with `spanned` columns ends, spans bounded as said above.
inline size_t SpanEnd(size_t column, size_t spanned) {
  return column < kSpannedColumns ? std::min(column + spanned, kSpannedColumns) : column + 1;
}

}  // namespace qm
