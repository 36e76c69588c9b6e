#pragma once
#include <cstdint>
#include <functional>
#include <span>

#include "ask/answer_text.h"
#include "port/toolkit.h"

struct AnswerColumn {
  const char* title;
  int width;  // pixels
};

// Gives a report list view its columns, once: the port cannot take them away,
// so a list keeps the same columns for every answer it shows.
void AddAnswerColumns(tk::Window list, std::span<const AnswerColumn> columns);

// Shows an answer's rows in a list of `column_count` columns; the cells past
// the last column join it, separated by two blanks. `data` gives each row's
// item data.
void ShowAnswerRows(tk::Window list, const ask::Table& table, std::size_t column_count,
                    const std::function<std::intptr_t(std::size_t)>& data);
