#include "save/table_cells.h"

#include <algorithm>

namespace qm {

std::vector<size_t> CellColumns(const TableCells& table) {
  std::vector<size_t> columns(table.cells.size());
  // For each column of the spanned ones: the first row that no cell above spans into.
  std::vector<size_t> freeFrom;
  size_t emptyCellsLeft = table.cells.size();
  const size_t rows = table.rowStarts.size();
  for (size_t row = 0; row < rows; ++row) {
    size_t column = 0;
    size_t unspanned = 0;  // where the cell would stand without any span
    for (size_t cell = table.rowStarts[row]; cell < table.RowEnd(row); ++cell) {
      while (column < freeFrom.size() && freeFrom[column] > row) ++column;
      if (column - unspanned > emptyCellsLeft) column = unspanned;
      emptyCellsLeft -= column - unspanned;
      columns[cell] = column;
      const TableCell& spanning = table.cells[cell];
      const size_t end = SpanEnd(column, spanning.columns);
      if (spanning.rows != 1 && column < kSpannedColumns) {
        const size_t until =
            spanning.rows == 0 ? table.GroupEnd(row) : row + std::min(spanning.rows, rows);
        if (freeFrom.size() < end) freeFrom.resize(end, 0);
        std::fill(freeFrom.begin() + static_cast<std::ptrdiff_t>(column),
                  freeFrom.begin() + static_cast<std::ptrdiff_t>(end), until);
      }
      unspanned = column + 1;
      column = end;
    }
  }
  return columns;
}

std::vector<TextAlign> ColumnAligns(const TableCells& table, const std::vector<size_t>& at,
                                    size_t columns) {
  std::vector<TextAlign> aligns(columns, TextAlign::Unstated);
  std::vector<TextAlign> header(columns, TextAlign::Unstated);
  bool inHeader = true;
  for (size_t row = 0; row < table.rowStarts.size(); ++row) {
    if (table.rowStarts[row] == table.RowEnd(row)) continue;
    std::vector<TextAlign>& taken = inHeader ? header : aligns;
    for (size_t cell = table.rowStarts[row]; cell < table.RowEnd(row); ++cell) {
      if (at[cell] < columns && taken[at[cell]] == TextAlign::Unstated) {
        taken[at[cell]] = table.cells[cell].align;
      }
    }
    inHeader = false;
  }
  for (size_t column = 0; column < columns; ++column) {
    if (aligns[column] == TextAlign::Unstated) aligns[column] = header[column];
  }
  return aligns;
}

}  // namespace qm
