// The program-wide record: the route table, the program settings, the ports and
// the state of the conversion commands.
// One instance lives for the whole run and is passed by reference, so every test
// starts from a clean one. A value-initialised App starts all zero.
#pragma once

#include "commands/CommandState.h"
#include "config/ProgramSettings.h"
#include "host/Host.h"
#include "route/RouteTable.h"

struct App {
  RouteTable route;
  ProgramSettings settings;
  Host host;
  CommandState commands;
};
