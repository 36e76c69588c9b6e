#include "shell/page_routing.h"

#include <array>

#include "port/control_ids.h"
#include "port/win_constants.h"

namespace {
struct Route {
  int first_id;
  int last_id;
  int code;        // the notification code required
  int forward_id;  // 0: the sender's own id
};

// WM_NOTIFY rows: forwarded with the sender's code and the header.
constexpr std::array kNotifyRoutes{
    Route{kTmCellFirstId, kTmCellLastId, NM_DBLCLK, 0},
    Route{kBreedMoveListId, kBreedMoveListId, NM_DBLCLK, 0},
    Route{kMoveListId, kMoveListId, NM_DBLCLK, 0},
};

// WM_COMMAND rows: forwarded with the code and data 0. The five comparison
// boxes all arrive as the first one.
constexpr std::array kCommandRoutes{
    Route{kBreedModeComboId, kBreedModeComboId, CBN_SELCHANGE, 0},
    Route{kMatchupsButtonId, kEvolutionButtonId, BN_CLICKED, 0},
    Route{kCompareComboFirstId, kCompareComboLastId, CBN_SELCHANGE, kCompareComboFirstId},
    Route{kCalcButtonFirstId, kCalcButtonLastId, BN_CLICKED, 0},
    Route{kVersionComboId, kVersionComboId, CBN_SELCHANGE, 0},
};

template <std::size_t N>
const Route* Find(const std::array<Route, N>& routes, int id, int code) {
  for (const Route& r : routes)
    if (id >= r.first_id && id <= r.last_id && code == r.code) return &r;
  return nullptr;
}
}  // namespace

std::optional<ForwardedNotification> RouteCommand(int id, int code) {
  const Route* r = Find(kCommandRoutes, id, code);
  if (!r) return std::nullopt;
  return ForwardedNotification{r->forward_id ? r->forward_id : id, code, 0};
}

std::optional<ForwardedNotification> RouteNotify(int id, int code, std::intptr_t header) {
  const Route* r = Find(kNotifyRoutes, id, code);
  if (!r) return std::nullopt;
  return ForwardedNotification{r->forward_id ? r->forward_id : id, code, header};
}
