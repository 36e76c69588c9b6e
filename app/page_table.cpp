// The page of every tab. A page class not yet built into the program makes
// no page for its tab (the page area stays empty); adding one is one line.
#include "app/page_table.h"

#include "pages/dex_calc_page.h"
#include "pages/dex_compar_page.h"
#include "pages/dex_tm_page.h"
#include "pages/dex_breed_page.h"
#include "pages/dex_entry_page.h"
#include "pages/dex_locs_page.h"
#include "pages/dex_main_page.h"
#include "pages/dex_move_page.h"

std::unique_ptr<DexPage> MakePage(int index) {
  switch (index) {
    case 0: return std::make_unique<DexMainPage>();
    case 1: return std::make_unique<DexMovePage>();
    case 2: return std::make_unique<DexEntryPage>();
    case 3: return std::make_unique<DexBreedPage>();
    case 4: return std::make_unique<DexComparPage>();
    case 5: return std::make_unique<DexCalcPage>();
    case 6: return std::make_unique<DexTMPage>(1);
    case 7: return std::make_unique<DexTMPage>(2);
    case 8: return std::make_unique<DexTMPage>(3);
    case 9: return std::make_unique<DexTMPage>(4);
    case 10: return std::make_unique<DexTMPage>(kDpTms2Generation);
    case 11: return std::make_unique<DexLocsPage>();
    case 12: return std::make_unique<DexTMPage>(kPtHgssTutorsGeneration);
    default: return nullptr;
  }
}
