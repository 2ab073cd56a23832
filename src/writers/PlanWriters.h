// The flight-plan writers, one per export type; each runs the export frame
// around the blocks of its format. See PlanWriter in ExportType.h for the contract.
#pragma once

struct App;

int WriteMsfsPlan(App& app, char* path, char* name);
int WriteAcsGpsPlan(App& app, char* path, char* name);
int WriteRadarContactPlan(App& app, char* path, char* name);
int WriteSquawkBoxPlan(App& app, char* path, char* name);
int WriteSfpPlan(App& app, char* path, char* name);
int WriteNavPlan(App& app, char* path, char* name);
int WriteMsfsXmlPlan(App& app, char* path, char* name);
int WriteXPlanePlan(App& app, char* path, char* name);
int WriteGarminPlan(App& app, char* path, char* name);
int WriteGpxPlan(App& app, char* path, char* name);
