#include "pages/page_view.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

void OpenPage(FaunaryFixture& app, const std::string& tab) {
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 0, 0));
  ASSERT_TRUE(app.Start());
  app.SelectTab(tab);
  ASSERT_EQ(app.MessageTexts(), std::vector<std::string>{});
}

const memtk::Control& Live(int id) {
  const memtk::Control* control = memtk::FindControl(id);
  if (!control) throw std::logic_error("no control " + std::to_string(id));
  return *control;
}

Rows RowTexts(int list_id) {
  Rows rows;
  for (const memtk::ListRow& row : Live(list_id).rows) rows.push_back(row.texts);
  return rows;
}

std::vector<int> RowImages(int list_id) {
  std::vector<int> images;
  for (const memtk::ListRow& row : Live(list_id).rows) images.push_back(row.image);
  return images;
}

std::vector<std::intptr_t> RowData(int list_id) {
  std::vector<std::intptr_t> data;
  for (const memtk::ListRow& row : Live(list_id).rows) data.push_back(row.data);
  return data;
}

std::vector<std::string> EntryTexts(int combo_id) {
  std::vector<std::string> texts;
  for (const memtk::ComboEntry& entry : Live(combo_id).entries) texts.push_back(entry.text);
  return texts;
}

std::vector<std::intptr_t> EntryData(int combo_id) {
  std::vector<std::intptr_t> data;
  for (const memtk::ComboEntry& entry : Live(combo_id).entries) data.push_back(entry.data);
  return data;
}

std::string SelectedEntry(int combo_id) {
  const memtk::Control& combo = Live(combo_id);
  if (combo.selection < 0 || static_cast<std::size_t>(combo.selection) >= combo.entries.size())
    return "";
  return combo.entries[static_cast<std::size_t>(combo.selection)].text;
}

std::ostream& operator<<(std::ostream& out, const DialogTexts& texts) {
  out << "title \"" << texts.title << "\"";
  for (const auto& [id, text] : texts.controls) out << "\n  " << id << ": \"" << text << "\"";
  return out;
}

DialogTexts ReadDialog(const memtk::Dialog& dialog, const std::vector<int>& ids) {
  DialogTexts texts{dialog.Title(), {}};
  for (const int id : ids) texts.controls.emplace_back(id, dialog.Text(id));
  return texts;
}
