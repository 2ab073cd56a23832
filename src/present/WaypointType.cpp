// The waypoint types in one table: letter, picture, text.
#include "present/WaypointType.h"

namespace {

struct WaypointTypeLook {
  char type;
  int imageIndex;
  const char* text;
};

constexpr WaypointTypeLook kLooks[] = {
    {'A', 4, "Apt"},
    {'I', 5, "INT"},
    {'N', 3, "NDB"},
    {'V', 2, "VOR"},
};

constexpr WaypointTypeLook kUnknownLook = {'\0', 0, "UNK"};

const WaypointTypeLook& LookOf(char type) {
  for (const WaypointTypeLook& look : kLooks) {
    if (look.type == type) return look;
  }
  return kUnknownLook;
}

}  // namespace

int WaypointImageIndex(char type) { return LookOf(type).imageIndex; }

const char* WaypointTypeText(char type) { return LookOf(type).text; }
