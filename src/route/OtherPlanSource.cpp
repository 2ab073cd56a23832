// One reading of the whole file serves every reader: the kinds are told apart by
// their content, and a reader gets the bytes it needs in memory.
#include "route/OtherPlanSource.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "route/PlanReaders.h"
#include "route/TextEncoding.h"

namespace {

constexpr std::size_t kReadBlock = 64 * 1024;

enum class FileRead { Read, TooLarge, Failed };

// The whole file, at most `limit` bytes of it.
FileRead ReadAtMost(InputFile& file, std::size_t limit, std::string& bytes) {
  bytes.clear();
  char block[kReadBlock];
  for (;;) {
    std::size_t count = file.Read(block, sizeof block);
    if (count == 0) return file.HasFailed() ? FileRead::Failed : FileRead::Read;
    if (bytes.size() + count > limit) return FileRead::TooLarge;
    bytes.append(block, count);
  }
}

void Report(const SourcePlan& source, const std::string& text) {
  ShowFormattedMessage(source.messages, MessageKind::Error, MessageButtons::Ok, "%s", text.c_str());
}

char KindLetter(PointKind kind) {
  switch (kind) {
    case PointKind::Airport: return 'A';
    case PointKind::Vor: return 'V';
    case PointKind::Ndb: return 'N';
    case PointKind::Intersection: return 'I';
    case PointKind::User:
    case PointKind::Unknown: break;
  }
  return 'U';
}

// Hemisphere, whole degrees and minutes of a signed decimal angle.
void SplitAngle(double value, char positive, char negative, char& hemisphere, int32_t& degrees, double& minutes) {
  hemisphere = value < 0 ? negative : positive;
  double magnitude = std::fabs(value);
  degrees = static_cast<int32_t>(magnitude);
  minutes = (magnitude - degrees) * 60.0;
}

WaypointRow RowOf(const PlanPoint& point) {
  WaypointRow row{};
  row.firstCode = 'W';
  row.type = KindLetter(point.kind);
  std::snprintf(row.ident, sizeof row.ident, "%s", AnsiFromUtf8(point.ident).c_str());
  PlaceRow(row, point.hasPosition ? point.latitude : 0.0, point.hasPosition ? point.longitude : 0.0);
  row.altitude = point.hasAltitude ? point.altitudeFeet : 0.0;
  if (row.type != 'A') std::memcpy(row.name, row.ident, sizeof row.ident);
  return row;
}

}  // namespace

bool ReadOtherPlan(const SourcePlan& source, PlanPoints& plan) {
  std::unique_ptr<InputFile> file = OpenSourceFile(source);
  if (file == nullptr) return false;
  std::string bytes;
  FileRead read = ReadAtMost(*file, kMaxPlanFileSize, bytes);
  file.reset();
  if (read == FileRead::Failed) {
    ReportSourceReadError(source);
    return false;
  }
  std::string name = source.name;
  if (read == FileRead::TooLarge) {
    Report(source, name + " is larger than any flight plan PlanTransit reads (8 MiB).");
    return false;
  }
  const PlanReader* reader = RecognizePlan(bytes);
  if (reader == nullptr) {
    Report(source, name + " is not a valid FliteStar Flightplan file!\nNor is it another flight plan PlanTransit "
                          "reads: " + SourceKinds() + ".");
    return false;
  }
  if (!reader->isSource) {
    Report(source, name + " is " + reader->kind + ", which does not hold the route PlanTransit needs.");
    return false;
  }
  std::string problem;
  if (!reader->read(bytes, plan, problem)) {
    Report(source, name + " could not be read as " + reader->kind + ": " + problem);
    return false;
  }
  return true;
}

void FillRowsFromPoints(const SourcePlan& source, const PlanPoints& plan, RouteTable& route) {
  route.waypointCount = 0;
  route.legCount = 1;
  route.planNumber = 1;
  for (const PlanPoint& point : plan.points) {
    if (route.waypointCount == kMaxWaypoints) {
      ShowFormattedMessage(source.messages, MessageKind::Error, MessageButtons::Ok,
                           "Maximum Nbr. of MS FS Waypoint's reached in %s: a route holds %d points, the plan %lu",
                           source.name, kMaxWaypoints, static_cast<unsigned long>(plan.points.size()));
      return;
    }
    route.rows[route.waypointCount++] = RowOf(point);
  }
}

void PlaceRow(WaypointRow& row, double latitude, double longitude) {
  row.latitude = latitude;
  row.longitude = longitude;
  SplitAngle(latitude, 'N', 'S', row.latHemisphere, row.latDegrees, row.latMinutes);
  SplitAngle(longitude, 'E', 'W', row.lonHemisphere, row.lonDegrees, row.lonMinutes);
}

bool IsUnknownKind(const PlanPoints& plan, std::size_t index) {
  return index < plan.points.size() && plan.points[index].kind == PointKind::Unknown;
}
