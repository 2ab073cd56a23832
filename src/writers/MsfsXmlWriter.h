// The plan of Microsoft Flight Simulator 2020: the XML "SimBase.Document" with one "FlightPlan.FlightPlan" of ATC
// waypoints, naming the simulator's version 11.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

// Writes the whole document (at least two rows) as WriteAceXmlPlan does, AppVersion 11, build 282174.
void WriteMsfsXmlPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteMsfsXmlPlan holds (ExpectedAceXmlPoints).
PlanPoints ExpectedMsfsXmlPoints(const PlanInput& plan);

// How a plan written by WriteMsfsXmlPlan is read back and checked.
extern const PlanReadBack kMsfsXmlReadBack;
