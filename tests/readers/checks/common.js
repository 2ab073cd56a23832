// What every reader check shares: the source route read the way FliteStar writes
// it (with the airports' elevations from the data file), the plans' paths, and
// the failure list with its comparisons.
'use strict';

const fs = require('fs');
const path = require('path');

const METRES_PER_FOOT = 0.3048;

function textLines(file) {
  return fs.readFileSync(file, 'latin1').split(/\r?\n/);
}

function signed(hemisphere, degrees, minutes, negative) {
  const value = Number(degrees) + Number(minutes) / 60;
  return hemisphere === negative ? -value : value;
}

// The rows of the export (at most 32): kind letter, ident, position, altitude;
// the airports at the ends take the data file's elevation, and its name (with
// blanks for "_") when the data file has the airport.
function readRoute(sourcePath, airportsPath) {
  const rows = textLines(sourcePath)
    .filter((line) => line.startsWith('FWP '))
    .slice(0, 32)
    .map((line) => {
      const f = line.trim().split(/\s+/);
      const letter = f[2].toUpperCase();
      return {
        kind: letter === 'S' || letter === '?' ? 'I' : letter,
        ident: f[3],
        lat: signed(f[4], f[5], f[6], 'S'),
        lon: signed(f[7], f[8], f[9], 'W'),
        altitude: f.length > 10 ? Number(f[10]) : 0,
        name: '',
      };
    });
  const airports = new Map();
  for (const line of textLines(airportsPath)) {
    const f = line.trim().split(/\s+/);
    if (f.length >= 3 && !airports.has(f[0])) airports.set(f[0], { elevation: Number(f[2]), name: f[1] });
  }
  for (const row of [rows[0], rows[rows.length - 1]]) {
    const airport = airports.get(row.ident);
    if (airport === undefined) continue;
    row.altitude = airport.elevation;
    row.name = airport.name.replace(/_/g, ' ');
  }
  return rows;
}

// The context one check gets: the route, the plan of a format by its folder name
// (as `plantransit-convert -f all -o OUT` writes it), and the failure list.
function makeContext(sourcePath, airportsPath, outDir, failures) {
  const route = readRoute(sourcePath, airportsPath);
  const base = path.basename(sourcePath, path.extname(sourcePath));
  const context = {
    sourcePath,
    airportsPath,
    route,
    METRES_PER_FOOT,
    plan: (folder, extension) => path.join(outDir, folder, base + extension),
    fail: (format, text) => failures.push(`${format}: ${text}`),
    near(format, what, actual, expected, tolerance) {
      if (!(Math.abs(Number(actual) - expected) <= tolerance)) this.fail(format, `${what} is ${actual}, expected ${expected}`);
    },
    same(format, what, actual, expected) {
      if (actual !== expected) this.fail(format, `${what} is ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
    },
    // The number of points to compare; a count other than the route's is a failure.
    sameCount(format, count) {
      if (count !== route.length) this.fail(format, `${count} waypoints read, expected ${route.length}`);
      return Math.min(count, route.length);
    },
    asArray: (value) => (Array.isArray(value) ? value : value === undefined ? [] : [value]),
  };
  return context;
}

module.exports = { makeContext };
