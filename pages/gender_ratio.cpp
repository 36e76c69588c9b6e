#include "pages/dex_main_page.h"
#include "shell/shell_state.h"
#include "port/win_constants.h"

std::string GenderRatioText(int gender) {
  switch (gender) {
    case 0: return "Gender: 100% female";
    case 4: return "Gender: 25% male - 75% female";
    case 8: return "Gender: 50% male - 50% female";
    case 12: return "Gender: 75% male - 25% female";
    case 14: return "Gender: 87.5% male - 12.5% female";
    case 16: return "Gender: 100% male";
    case 17: return "Genderless";
    default:
      tk::ShowMessageBox(MainWindow(), "Gender Percentage not yet implemented", "GenderBuf 1", MB_OK);
      return "Gender: Unknown";
  }
}
