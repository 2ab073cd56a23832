#include "support/Environment.h"

#include <cstdlib>
#include <ctime>

namespace {

// Sets or removes a variable in the C library's environment, then lets the time
// functions see a changed TZ.
void SetVariable(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value != nullptr ? value : "");  // an empty value removes it
#else
  if (value != nullptr) {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
#endif
  tzset();
}

}  // namespace

ScopedEnvironmentVariable::ScopedEnvironmentVariable(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) previous_ = old;
  SetVariable(name, value);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
  SetVariable(name_.c_str(), previous_ ? previous_->c_str() : nullptr);
}
