// The naming rules and the assembly of the output path. A path that does not fit
// is refused rather than shortened: a shortened path could name another folder.
#include "writers/OutputPath.h"

#include <cstdio>
#include <cstring>

#include "host/Paths.h"
#include "writers/FileExtension.h"

namespace {

bool IsForbiddenInFileName(char c) {
  return static_cast<unsigned char>(c) < 0x20 || std::strchr("\\/:*?\"<>|", c) != nullptr;
}

// A failed lookup's text ("...Airport/Runway...") must not turn into folders.
void ReplaceForbiddenCharacters(char* name) {
  for (char* c = name; *c != '\0'; ++c) {
    if (IsForbiddenInFileName(*c)) *c = '_';
  }
}

// The file name by the naming rule, ending in "." for rules 1 and 2 so that the
// extension takes the dot's place; `name` is the caller's current name.
void NameByRule(const NamingInput& naming, const char* name, char (&generated)[kPathSize]) {
  const int rule = naming.rule;
  bool hasRoute = naming.route != nullptr && naming.route->waypointCount > 0;
  if (rule == kNameFromSourceFile) {
    std::snprintf(generated, sizeof generated, "%s", naming.sourceFileName);
  } else if (rule == kNameFromIdents && hasRoute) {
    const RouteTable& route = *naming.route;
    std::snprintf(generated, sizeof generated, "%s-%s", DepartureRow(route).ident,
                  DestinationRow(route).ident);
    ReplaceForbiddenCharacters(generated);
    std::strcat(generated, ".");
  } else if (rule == kNameFromAirportNames && hasRoute) {
    const RouteTable& route = *naming.route;
    std::snprintf(generated, sizeof generated, "%s to %s", DepartureRow(route).name,
                  DestinationRow(route).name);
    ReplaceForbiddenCharacters(generated);
    std::strcat(generated, ".");
  } else {
    std::snprintf(generated, sizeof generated, "%s", name);
  }
}

// `folder`, a separator unless it ends in one, and `name`; false when the result
// would not fit.
bool JoinPath(const char* folder, const char* name, char (&joined)[kPathSize]) {
  std::size_t folderLength = std::strlen(folder);
  std::size_t nameLength = std::strlen(name);
  bool addSeparator = folderLength == 0 || !IsPathSeparator(folder[folderLength - 1]);
  if (folderLength + (addSeparator ? 1 : 0) + nameLength >= kPathSize) return false;
  char* out = joined;
  std::memcpy(out, folder, folderLength);
  out += folderLength;
  if (addSeparator) *out++ = kPathSeparator;
  std::memcpy(out, name, nameLength + 1);
  return true;
}

}  // namespace

bool MakeOutputPath(const NamingInput& naming, const char* folder, const char* extension, char* path, char* name) {
  char generated[kPathSize];
  NameByRule(naming, name, generated);
  bool extensionFits = ReplaceExtension(generated, extension);
  std::snprintf(name, kPathSize, "%s", generated);
  char joined[kPathSize];
  if (!extensionFits || !JoinPath(folder, generated, joined)) {
    path[0] = '\0';
    return false;
  }
  std::snprintf(path, kPathSize, "%s", joined);
  return true;
}
