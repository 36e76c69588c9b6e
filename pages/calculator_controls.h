#pragma once
#include "port/dialog_ids.h"

// The Calculations page's buttons, shared by the page and the text front end
// that works them; the dialogs' own controls are in port/dialog_ids.h.

enum CalcPageButton {
  kStatsGen12Button = 201,
  kCatchButton = 202,
  kExpGainedButton = 203,
  kExpNeededButton = 204,
  kStatsGen34Button = 205,
};
