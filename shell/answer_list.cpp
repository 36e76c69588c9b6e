#include "shell/answer_list.h"

void AddAnswerColumns(tk::Window list, std::span<const AnswerColumn> columns) {
  for (std::size_t c = 0; c < columns.size(); ++c)
    tk::ListViewInsertColumn(list, static_cast<int>(c), columns[c].width, columns[c].title);
}

void ShowAnswerRows(tk::Window list, const ask::Table& table, std::size_t column_count,
                    const std::function<std::intptr_t(std::size_t)>& data) {
  // Hundreds of rows: painted once at the end.
  tk::SetControlRedraw(list, false);
  tk::ListViewDeleteAll(list);
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    std::vector<std::string> cells = table.rows[r];
    if (column_count > 0 && cells.size() > column_count) {
      std::string& last = cells[column_count - 1];
      for (std::size_t c = column_count; c < cells.size(); ++c) {
        if (cells[c].empty()) continue;
        last += (last.empty() ? "" : "  ") + cells[c];
      }
      cells.resize(column_count);
    }
    const int row =
        tk::ListViewInsertItem(list, static_cast<int>(r), cells.empty() ? "" : cells[0], tk::kNoImage, data(r));
    for (std::size_t c = 1; c < cells.size(); ++c) tk::ListViewSetItemText(list, row, static_cast<int>(c), cells[c]);
  }
  tk::SetControlRedraw(list, true);
}
