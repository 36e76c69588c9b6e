#include "shell/find_dialog.h"

#include <array>
#include <string>
#include <vector>

#include "port/dialog_ids.h"
#include "port/win_constants.h"
#include "records/selection.h"
#include "shell/answer_list.h"
#include "shell/find_questions.h"
#include "shell/page_framework.h"
#include "shell/pokemon_list.h"
#include "shell/shell_state.h"

namespace {
constexpr std::array<AnswerColumn, 3> kColumns{{{"No", 40}, {"Pokemon", 90}, {"Answer", 600}}};

// The open dialog's choices; the dialog is modal, so there is one at a time.
struct FindState {
  Question question = Question::kLearns;
  std::vector<Choice> answers;
  std::vector<Choice> games;
  std::vector<std::string> ids;  // the Pokemon of each result row
};
FindState& State() {
  static FindState state;
  return state;
}

void Fill(tk::Window combo, const std::vector<Choice>& choices) {
  tk::SetControlRedraw(combo, false);
  tk::ComboReset(combo);
  for (std::size_t i = 0; i < choices.size(); ++i)
    tk::ComboSetItemData(combo, tk::ComboAddString(combo, choices[i].text), static_cast<std::intptr_t>(i));
  tk::SetControlRedraw(combo, true);
}

// The choice selected in a combo filled by Fill, or null.
const Choice* Selected(tk::Window dialog, int combo_id, const std::vector<Choice>& choices) {
  const tk::Window combo = tk::DialogItem(dialog, combo_id);
  const std::intptr_t n = tk::ComboGetItemData(combo, tk::ComboGetCurSel(combo));
  if (n < 0 || static_cast<std::size_t>(n) >= choices.size()) return nullptr;
  return &choices[static_cast<std::size_t>(n)];
}

void ShowResults(tk::Window dialog) {
  FindState& state = State();
  const Choice* answer = Selected(dialog, kFindAnswerList, state.answers);
  const tk::Window results = tk::DialogItem(dialog, kFindResults);
  if (!answer) {
    state.ids.clear();
    tk::ListViewDeleteAll(results);
    tk::SetDialogItemText(dialog, kFindCount, "Choose an answer");
    return;
  }
  const Choice* game = Selected(dialog, kFindGameList, state.games);
  FoundRows found = FindAnswer(state.question, *answer, game ? game->data : -1);
  state.ids = std::move(found.ids);
  ShowAnswerRows(results, found.table, kColumns.size(), [](std::size_t row) { return static_cast<std::intptr_t>(row) + 1; });
  tk::SetDialogItemText(dialog, kFindCount, FoundCountText({{}, state.ids}));
}

void ChooseQuestion(tk::Window dialog, Question question) {
  FindState& state = State();
  state.question = question;
  state.answers = AnswerChoices(question);
  state.games = GameChoices(question);
  Fill(tk::DialogItem(dialog, kFindAnswerList), state.answers);
  const tk::Window games = tk::DialogItem(dialog, kFindGameList);
  Fill(games, state.games);
  tk::ComboSetCurSel(games, state.games.empty() ? -1 : 0);
  tk::EnableControl(games, !state.games.empty());
  tk::SetDialogItemText(dialog, kFindGameLabel, question == Question::kLivesAt ? "Version:" : "Game:");
  ShowResults(dialog);
}

void Init(tk::Window dialog) {
  State() = FindState{};
  const tk::Window questions = tk::DialogItem(dialog, kFindQuestionList);
  for (int q = 0; q < kQuestionCount; ++q)
    tk::ComboSetItemData(questions, tk::ComboAddString(questions, QuestionText(static_cast<Question>(q))), q);
  tk::ComboSetCurSel(questions, 0);
  AddAnswerColumns(tk::DialogItem(dialog, kFindResults), kColumns);
  ChooseQuestion(dialog, Question::kLearns);
}

// Shows the Pokemon of the double-clicked row in the main window, as picking
// it in the Pokemon list does, and closes the dialog.
void ShowPokemon(tk::Window dialog) {
  const tk::Window results = tk::DialogItem(dialog, kFindResults);
  const int row = tk::ListViewSelectedRow(results);
  if (row < 0) return;
  // Rows carry their position + 1: a list view gives 0 for no row.
  const std::intptr_t n = tk::ListViewItemData(results, row) - 1;
  const std::vector<std::string>& ids = State().ids;
  if (n < 0 || static_cast<std::size_t>(n) >= ids.size()) return;
  const std::string id = ids[static_cast<std::size_t>(n)];
  const tk::Window list = Shell().pokemon_list;
  for (int position = 0;; ++position) {
    const std::intptr_t data = tk::ComboGetItemData(list, position);
    if (data == CB_ERR) break;
    const std::string* entry = PokemonIdOfItemData(data);
    if (entry && *entry == id) {
      tk::ComboSetCurSel(list, position);
      break;
    }
  }
  SelectPokemon(id);
  RedrawPage();
  tk::EndModalDialog(dialog, IDOK);
}

}  // namespace

std::intptr_t FindDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  switch (message) {
    case WM_INITDIALOG:
      Init(dialog);
      return TRUE;
    case WM_CLOSE:
      tk::EndModalDialog(dialog, IDCANCEL);
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const tk::NotifyHeader*>(lparam);
      if (header && header->id_from == kFindResults && static_cast<int>(header->code) == NM_DBLCLK) ShowPokemon(dialog);
      return TRUE;
    }
    case WM_COMMAND:
      break;
    default:
      return FALSE;
  }
  const int id = tk::LowWord(wparam);
  if (id == IDOK || id == IDCANCEL) {
    tk::EndModalDialog(dialog, id);
    return TRUE;
  }
  if (tk::HighWord(wparam) != CBN_SELCHANGE) return FALSE;
  if (id == kFindQuestionList) {
    const tk::Window questions = tk::DialogItem(dialog, kFindQuestionList);
    const std::intptr_t q = tk::ComboGetItemData(questions, tk::ComboGetCurSel(questions));
    if (q >= 0 && q < kQuestionCount) ChooseQuestion(dialog, static_cast<Question>(q));
  } else if (id == kFindAnswerList || id == kFindGameList) {
    ShowResults(dialog);
  }
  return TRUE;
}
