#include "host/UserLocale.h"

#include <clocale>

const char* AdoptUserDateLocale() { return std::setlocale(LC_TIME, ""); }
