// Most contexts are 0x80660000 plus the control's own identifier; the radio
// groups share the context of their first button, and the toolbar has its own.
#include "commands/ContextHelpIds.h"

#include "host/ControlIds.h"

namespace {

constexpr uint32_t ContextFor(int controlId) { return 0x80660000u + static_cast<uint32_t>(controlId); }
constexpr uint32_t kToolbarContext = 0xEAD6u;

// Details (1033) stands twice, as the help system was always given it.
const uint32_t kHelpIds[2 * kContextHelpPairCount + 2] = {
    kSaveButton, ContextFor(kSaveButton),
    kCancelButton, ContextFor(kCancelButton),
    kBuildButton, ContextFor(kBuildButton),
    kHelpButton, ContextFor(kHelpButton),
    kSourceEdit, ContextFor(kSourceEdit),
    kOpenButton, ContextFor(kOpenButton),
    kDestinationEdit, ContextFor(kDestinationEdit),
    kSaveAsButton, ContextFor(kSaveAsButton),
    kDepartureIdentStatic, ContextFor(kDepartureIdentStatic),
    kDepartureNameStatic, ContextFor(kDepartureNameStatic),
    kDepartureRunwayList, ContextFor(kDepartureRunwayList),
    kDestinationIdentStatic, ContextFor(kDestinationIdentStatic),
    kDestinationNameStatic, ContextFor(kDestinationNameStatic),
    kLandingRunwayList, ContextFor(kLandingRunwayList),
    kRouteEdit, ContextFor(kRouteEdit),
    kDetailsButton, ContextFor(kDetailsButton),
    kVfrRadio, ContextFor(kVfrRadio),
    kIfrRadio, ContextFor(kVfrRadio),
    kVorToVorRadio, ContextFor(kVorToVorRadio),
    kLowAirwaysRadio, ContextFor(kVorToVorRadio),
    kHighAirwaysRadio, ContextFor(kVorToVorRadio),
    kDirectGpsRadio, ContextFor(kVorToVorRadio),
    kDetailsButton, ContextFor(kDetailsButton),
    kCruiseAltitudeStatic, ContextFor(kCruiseAltitudeStatic),
    kToolbar, kToolbarContext,
    0, 0,
};

}  // namespace

const uint32_t* ContextHelpIds() { return kHelpIds; }

uint32_t HelpContextOf(int controlId) {
  for (int pair = 0; pair < kContextHelpPairCount; ++pair)
    if (kHelpIds[2 * pair] == static_cast<uint32_t>(controlId)) return kHelpIds[2 * pair + 1];
  return 0;
}
