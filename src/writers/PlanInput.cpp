// The conversion date through the date port.
#include "writers/PlanInput.h"

ConversionDate ReadConversionDate(DatePort* dates) {
  ConversionDate date{};
  if (dates == nullptr) return date;
  if (!dates->FormatTodayLongDate(date.longDate, sizeof date.longDate)) date.longDate[0] = '\0';
  date.dayKnown = dates->Today(date.day);
  return date;
}
