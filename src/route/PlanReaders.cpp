// The table of readers; a file's kind is the first whose signature it has, so
// the kinds whose signatures are weakest (a PMDG route, an ACS-GPS plan) come last.
#include "route/PlanReaders.h"

#include "route/AceXmlReader.h"
#include "route/AcsGpsReader.h"
#include "route/FgfpReader.h"
#include "route/FlpReader.h"
#include "route/GarminReader.h"
#include "route/GfpReader.h"
#include "route/GpxReader.h"
#include "route/KmlReader.h"
#include "route/LnmplnReader.h"
#include "route/MsfsIniReader.h"
#include "route/NavReader.h"
#include "route/PmdgReader.h"
#include "route/RadarContactReader.h"
#include "route/SfpReader.h"
#include "route/SimBriefReader.h"
#include "route/SquawkBoxReader.h"
#include "route/XPlaneReader.h"

namespace {

constexpr const PlanReader* kReaders[] = {
    &kAceXmlReader,
    &kLnmplnReader,
    &kSimBriefReader,
    &kGarminReader,
    &kGpxReader,
    &kKmlReader,
    &kFgfpReader,
    &kXPlaneReader,
    &kGfpReader,
    &kFlpReader,
    &kMsfsIniReader,
    &kSfpReader,
    &kNavReader,
    &kRadarContactReader,
    &kSquawkBoxReader,
    &kPmdgReader,
    &kAcsGpsReader,
};

}  // namespace

std::span<const PlanReader* const> PlanReaders() { return kReaders; }

const PlanReader* RecognizePlan(std::string_view bytes) {
  for (const PlanReader* reader : kReaders) {
    if (reader->recognizes(bytes)) return reader;
  }
  return nullptr;
}

const PlanReader* FindPlanReader(std::string_view key) {
  for (const PlanReader* reader : kReaders) {
    if (key == reader->key) return reader;
  }
  return nullptr;
}

std::string SourceKinds() {
  std::string kinds = "a FliteStar export";
  for (const PlanReader* reader : kReaders) {
    if (reader->isSource) kinds += std::string(", ") + reader->kind;
  }
  return kinds;
}
