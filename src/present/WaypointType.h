// How a waypoint's type letter is shown: its picture in bitmap 119 and its text.
#pragma once

// The picture of a type letter: 4 airport 'A', 5 intersection 'I', 3 NDB 'N',
// 2 VOR 'V', 0 (blank) for any other letter.
int WaypointImageIndex(char type);

// The type column's text: "Apt", "INT", "NDB", "VOR", or "UNK" for any other letter.
const char* WaypointTypeText(char type);
