// The XML readers differ in where a file keeps its points; how a point's fields
// are read, how many a plan may hold and which points may lack a position is the
// same for all of them, and lives here, on the fields every reader shares.
#include "route/XmlPlanReading.h"

#include "route/PointFields.h"

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool HasXmlRoot(std::string_view bytes, std::string_view rootName) { return XmlRootName(bytes) == rootName; }

bool ReadXmlPlan(std::string_view bytes, std::string_view rootName, XmlElement& root, std::string& problem) {
  if (!ParseXml(bytes, root, problem)) return false;
  if (root.name == rootName) return true;
  problem = "line " + std::to_string(root.line) + ": the root element is <" + Shown(root.name) + ">, not <" +
            std::string(rootName) + ">";
  return false;
}

std::string PointPlace(const XmlElement& element, std::string_view label, std::size_t number, std::string_view ident) {
  std::string place = "line " + std::to_string(element.line) + ", " + std::string(label) + " " + std::to_string(number);
  if (!ident.empty()) place += " (" + Shown(ident) + ")";
  return place;
}

std::vector<std::string_view> CommaFields(std::string_view text, std::size_t most) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0; fields.size() <= most;) {
    std::size_t comma = text.find(',', start);
    fields.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return fields;
}

PointKind KindNamed(std::string_view text, std::initializer_list<std::pair<const char*, PointKind>> names) {
  for (const auto& [name, kind] : names) {
    if (EqualsIgnoringCase(TrimmedXmlText(text), name)) return kind;
  }
  return PointKind::Unknown;
}

PlanPointGatherer::PlanPointGatherer(PlanPoints& plan, std::string& problem) : plan_(plan), problem_(problem) {}

bool PlanPointGatherer::Fail(const std::string& place, const std::string& fault) {
  problem_ = place + ": " + fault;
  return false;
}

bool PlanPointGatherer::ReadNumber(std::string_view text, const std::string& place, const char* what, double& value) {
  std::string fault;
  text = TrimmedXmlText(text);
  if (text.empty()) return Fail(place, std::string("no ") + what);
  return ReadNumberField(text, what, value, fault) || Fail(place, fault);
}

bool PlanPointGatherer::ReadLatitude(std::string_view text, const std::string& place, double& degrees) {
  std::string fault;
  text = TrimmedXmlText(text);
  if (text.empty()) return Fail(place, "no latitude");
  return ReadLatitudeField(text, degrees, fault) || Fail(place, fault);
}

bool PlanPointGatherer::ReadLongitude(std::string_view text, const std::string& place, double& degrees) {
  std::string fault;
  text = TrimmedXmlText(text);
  if (text.empty()) return Fail(place, "no longitude");
  return ReadLongitudeField(text, degrees, fault) || Fail(place, fault);
}

bool PlanPointGatherer::Add(const PlanPoint& point, const std::string& place) {
  std::string fault;
  return AddPoint(plan_, point, fault) || Fail(place, fault);
}

bool PlanPointGatherer::AddNamedOnly(std::string_view ident, PointKind kind, const XmlElement& element,
                                     const std::string& place) {
  if (!Add(PointNamedOnly(std::string(ident), kind), place)) return false;
  std::string name = ident.empty() ? "a point" : Shown(ident);
  namedOnly_.emplace_back(plan_.points.size() - 1, name + " (line " + std::to_string(element.line) + ")");
  return true;
}

bool PlanPointGatherer::Finish(const char* emptyProblem) {
  std::vector<std::string> unplaced;
  for (const auto& [index, named] : namedOnly_) {
    bool end = index == 0 || index + 1 == plan_.points.size();
    PointKind kind = plan_.points[index].kind;
    if (!end || (kind != PointKind::Airport && kind != PointKind::Unknown)) unplaced.push_back(named);
  }
  if (!unplaced.empty()) {
    problem_ = NamedWithoutPositionProblem(unplaced);
    return false;
  }
  if (plan_.points.empty()) {
    problem_ = emptyProblem;
    return false;
  }
  return true;
}
