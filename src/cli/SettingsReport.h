// "plantransit-convert --settings": the configuration file in use and every
// program setting as loaded from it.
#pragma once

#include <cstdio>

#include "config/ConfigurationLocation.h"
#include "host/RegistryPort.h"

// Prints "configuration=<path>" (empty when there is none) and then one
// "name=value" line per program setting: the window's numbers, each format's
// Save all switch, the files and folders, each format's Save all folder.
// Writes nothing.
void PrintSettingsReport(const ConfigurationPorts& configuration, RegistryPort& registry, std::FILE* out);
