// Printing the route table: the printer dialog, the document with its copies and
// pages, and the cancel check, over the printer port.
#pragma once

#include "host/PrinterPort.h"
#include "route/RouteTable.h"

// Prints `rowCount` rows of `rows` as one document on an already chosen printer:
// every page carries the heading on line 2 and its rows from line 4. Collated,
// the whole document is printed `job.copies` times; otherwise each page is
// printed that many times in a row. Stops after the page during which the user
// cancelled. Ends the document unless the printing system refused a document or
// page call. When the printer's font is too wide for the table, a smaller one is
// selected first. Answers true only when every page was printed; sets
// `cancelledByUser` when the user stopped the job.
bool PrintRouteDocument(PrinterPort& printer, const PrintJob& job, const WaypointRow* rows, int rowCount,
                        bool& cancelledByUser);

// The whole Print job: shows the printer dialog, then prints the route with the
// cancel dialog naming `documentLabel`. Answers true when the route was printed
// or there was nothing to do (dialog cancelled, empty route); false when the job
// failed, no row fits the page, or the user cancelled it. Shows no message.
bool PrintRouteTable(const RouteTable& route, PrinterPort& printer, const char* documentLabel);
