#include "mainwindow/keypad.h"

#include "app/App.h"
#include "mainwindow/Fpr.h"
#include "numeraux/chinoisarabe.h"

namespace {

using F = KeyFamily;
using CA = ChinoisArabe;

// clang-format off
const std::array<KeySpec, 22> keys = {{
    {"BBn", &Fpr::BBn_Action, 10, 84, 38, "HEI", 20, true, true, true, &App::cn, CA::kMoins, F::Digit, "STn", 10, 106, 36, 20, "(-)", 10},
    {"BB1000", &Fpr::BB1000_Action, 51, 166, 38, "Hei", 20, false, false, false, &App::c1000, CA::kMille, F::Unit, "ST1000", 51, 188, 36, 20, "1000", 10},
    {"BBe", &Fpr::BBe_Action, 192, 207, 79, "Hei", 20, false, false, false, nullptr, 0, F::Equals, "ste", 234, 229, 35, 19, "=", 0},
    {"BB4", &Fpr::BB4_Action, 133, 248, 38, "hei", 20, false, false, false, &App::c4, 4, F::Digit, "ST4", 133, 270, 36, 20, "4", 10},
    {"BB9", &Fpr::BB9_Action, 92, 248, 38, "hei", 20, false, false, false, &App::c9, 9, F::Digit, "ST9", 92, 270, 36, 20, "9", 10},
    {"BB108", &Fpr::BB108_Action, 51, 248, 38, "hei", 20, false, false, false, &App::c108, CA::kYi, F::Unit, "ST108", 51, 270, 36, 20, "10\u2078", 10},
    {"BB3", &Fpr::BB3_Action, 133, 207, 38, "Hei", 20, false, false, false, &App::c3, 3, F::Digit, "ST3", 133, 229, 36, 20, "3", 10},
    {"BB8", &Fpr::BB8_Action, 92, 207, 38, "Hei", 18, false, false, false, &App::c8, 8, F::Digit, "ST8", 92, 229, 36, 20, "8", 10},
    {"BB104", &Fpr::BB104_Action, 51, 207, 38, "Hei", 20, false, false, false, &App::c104, CA::kWan, F::Unit, "ST10000", 51, 229, 36, 20, "10\u2074", 10},
    {"BB2", &Fpr::BB2_Action, 133, 166, 38, "Hei", 20, false, false, false, &App::c2, 2, F::Digit, "ST2", 133, 188, 36, 20, "2", 10},
    {"BB7", &Fpr::BB7_Action, 92, 166, 38, "Hei", 20, false, false, false, &App::c7, 7, F::Digit, "ST7", 92, 188, 36, 20, "7", 10},
    {"BBsous", &Fpr::BBsous_Action, 233, 125, 38, "Hei", 20, false, false, false, &App::cmoins, 2, F::Operator, "STsous", 233, 147, 35, 19, "-", 0},
    {"BBdiv", &Fpr::BBdiv_Action, 192, 125, 38, "Hei", 20, false, false, false, &App::cpar, 4, F::Operator, "STdiv", 191, 147, 36, 19, "\u00F7", 0},
    {"BB1", &Fpr::BB1_Action, 133, 125, 38, "Hei", 20, false, false, false, &App::c1, 1, F::Digit, "ST1", 133, 147, 36, 20, "1", 10},
    {"BB6", &Fpr::BB6_Action, 92, 125, 38, "Hei", 20, false, false, false, &App::c6, 6, F::Digit, "ST6", 92, 147, 36, 20, "6", 10},
    {"BB100", &Fpr::BB100_Action, 51, 125, 38, "Hei", 20, false, false, false, &App::c100, CA::kCent, F::Unit, "ST100", 51, 147, 36, 20, "100", 10},
    {"BBp", &Fpr::BBp_Action, 10, 125, 38, "hei", 20, false, false, false, &App::cp, CA::kPoint, F::Digit, "STP", 10, 147, 36, 15, ".", 0},
    {"BBad", &Fpr::BBad_Action, 233, 84, 38, "Hei", 20, false, true, false, &App::cplus, 1, F::Operator, "STAd", 233, 106, 36, 19, "+", 0},
    {"BBmu", &Fpr::BBmu_Action, 192, 84, 38, "Hei", 20, false, false, false, &App::cfois, 3, F::Operator, "STmu", 192, 106, 35, 19, "x", 10},
    {"BBz", &Fpr::BBz_Action, 133, 84, 38, "HEI", 20, false, false, false, &App::cz, 0, F::Digit, "ST0", 133, 106, 36, 20, "0", 10},
    {"BB5", &Fpr::BB5_Action, 92, 84, 38, "HEI", 20, false, false, false, &App::c5, 5, F::Digit, "ST5", 92, 106, 36, 20, "5", 10},
    {"BB10", &Fpr::BB10_Action, 51, 84, 38, "HEI", 20, false, false, false, &App::c10, CA::kDix, F::Digit, "ST10", 51, 106, 36, 20, "10", 10},
}};
// clang-format on

}  // namespace

const std::array<KeySpec, 22>& keypad() { return keys; }

const KeySpec* findKey(const QString& name) {
  for (const KeySpec& key : keys) {
    if (name == QLatin1String(key.name)) return &key;
  }
  return nullptr;
}
