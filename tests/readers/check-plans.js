// Reads the plans PlanTransit wrote for one FliteStar export back with readers
// someone else wrote (plnprsr for MSFS 2020, flight-plan-converter for X-Plane,
// fast-xml-parser for the Garmin plan, gpsbabel's CSV of the GPX route) and
// compares what they got - identifiers, kinds, positions, altitudes - with the
// export itself and the airport data file, read here on their own. Also checks
// the line-level facts those formats' readers rely on.
//
//   node check-plans.js SOURCE AIRPORTS MSFS.pln XPLANE.fms GARMIN.fpl GPX.csv
//
// Prints one line per difference and exits 1 when there was any.
'use strict';

const fs = require('fs');
const { parsePln } = require('plnprsr');
const parseFms = require('flight-plan-converter/lib/parse/xplane_fms.js');
const xml = require('fast-xml-parser');

const [sourcePath, airportsPath, msfsPath, xplanePath, garminPath, gpxCsvPath] = process.argv.slice(2);
const failures = [];
const METRES_PER_FOOT = 0.3048;

function fail(format, text) {
  failures.push(`${format}: ${text}`);
}

function near(format, what, actual, expected, tolerance) {
  if (!(Math.abs(Number(actual) - expected) <= tolerance)) fail(format, `${what} is ${actual}, expected ${expected}`);
}

function same(format, what, actual, expected) {
  if (actual !== expected) fail(format, `${what} is ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
}

// --- the source, read the way FliteStar writes it ----------------------------

function textLines(path) {
  return fs.readFileSync(path, 'latin1').split(/\r?\n/);
}

function signed(hemisphere, degrees, minutes, negative) {
  const value = Number(degrees) + Number(minutes) / 60;
  return hemisphere === negative ? -value : value;
}

function readRoute() {
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
      };
    });
  const elevations = new Map();
  for (const line of textLines(airportsPath)) {
    const f = line.trim().split(/\s+/);
    if (f.length >= 3 && !elevations.has(f[0])) elevations.set(f[0], Number(f[2]));
  }
  for (const row of [rows[0], rows[rows.length - 1]]) {
    if (elevations.has(row.ident)) row.altitude = elevations.get(row.ident);
  }
  return rows;
}

const route = readRoute();

function sameCount(format, count) {
  if (count !== route.length) fail(format, `${count} waypoints read, expected ${route.length}`);
  return Math.min(count, route.length);
}

// --- MSFS 2020/2024, FSX, Prepar3D ------------------------------------------

function checkMsfsLines(text) {
  const lines = text.split('\r\n').map((line) => line.trim()).filter((line) => line !== '');
  if (!lines[0].startsWith('<?xml version')) fail('msfs2020', 'the first line is no XML declaration');
  const descr = lines.indexOf('<Descr>AceXML Document</Descr>');
  const plan = lines.indexOf('<FlightPlan.FlightPlan>');
  if (descr < 0 || plan < 0 || descr > plan) fail('msfs2020', 'no AceXML Descr before FlightPlan.FlightPlan');
  if (!lines.includes('<AppVersionMajor>11</AppVersionMajor>')) fail('msfs2020', 'no AppVersionMajor 11 line');
  if (/[^\x00-\x7F]/.test(text.replace(/\u00B0/g, ''))) fail('msfs2020', 'a character outside ASCII besides the degree sign');
}

function checkMsfs() {
  const text = fs.readFileSync(msfsPath, 'utf8');
  checkMsfsLines(text);
  const plan = parsePln(text);
  const kinds = { A: 'Airport', V: 'VOR', N: 'NDB', I: 'Intersection' };
  same('msfs2020', 'departure', plan.departure.id, route[0].ident);
  same('msfs2020', 'destination', plan.destination.id, route[route.length - 1].ident);
  const count = sameCount('msfs2020', plan.route.length);
  for (let i = 0; i < count; i++) {
    const got = plan.route[i];
    const expected = route[i];
    same('msfs2020', `waypoint ${i} ident`, got.ident || got.id, expected.ident);
    same('msfs2020', `waypoint ${i} type`, got.type, kinds[expected.kind] || 'User');
    near('msfs2020', `waypoint ${i} latitude`, got.coords[1], expected.lat, 5e-6);
    near('msfs2020', `waypoint ${i} longitude`, got.coords[0], expected.lon, 5e-6);
    near('msfs2020', `waypoint ${i} altitude`, got.altitude, expected.altitude, 0.005);
  }
}

// --- X-Plane 11/12 -----------------------------------------------------------

function checkXPlaneLines(text) {
  const lines = text.split('\r\n');
  same('xplane', 'line 1', lines[0], 'I');
  same('xplane', 'line 2', lines[1], '1100 Version');
  if (!/^CYCLE \d{4}$/.test(lines[2])) fail('xplane', `line 3 is ${JSON.stringify(lines[2])}`);
  const waypointLines = lines.slice(lines.findIndex((line) => line.startsWith('NUMENR ')) + 1).filter((l) => l);
  for (const line of waypointLines) {
    const f = line.split(' ');
    if (f.length !== 6 || !['1', '2', '3', '11', '13', '28'].includes(f[0]) || !/\./.test(f[4]) || !/\./.test(f[5])) {
      fail('xplane', `waypoint line ${JSON.stringify(line)}`);
    }
  }
}

function checkXPlane() {
  const text = fs.readFileSync(xplanePath, 'utf8');
  checkXPlaneLines(text);
  const waypoints = parseFms(text).waypoints;
  const kinds = { A: 'airport', V: 'vor', N: 'ndb', I: 'fix' };
  const count = sameCount('xplane', waypoints.length);
  for (let i = 0; i < count; i++) {
    const got = waypoints[i];
    const expected = route[i];
    const kind = kinds[expected.kind] || 'gps';
    same('xplane', `waypoint ${i} type`, got.type, kind);
    const ident = { airport: got.airport && got.airport.icao, vor: got.vor && got.vor.identifier,
                    ndb: got.ndb && got.ndb.identifier, fix: got.fix && got.fix.name }[kind];
    if (kind !== 'gps') same('xplane', `waypoint ${i} ident`, ident, expected.ident);
    near('xplane', `waypoint ${i} latitude`, got.lat, expected.lat, 1e-6);
    near('xplane', `waypoint ${i} longitude`, got.lon, expected.lon, 1e-6);
    near('xplane', `waypoint ${i} altitude`, got.elevation, expected.altitude, 0.005);
  }
}

// --- Garmin FlightPlan v1 ----------------------------------------------------

function asArray(value) {
  return Array.isArray(value) ? value : value === undefined ? [] : [value];
}

function checkGarmin() {
  const text = fs.readFileSync(garminPath, 'utf8');
  const lines = text.split('\r\n');
  if (!lines.slice(0, 2).some((line) => line.startsWith('<flight-plan'))) fail('garmin', 'no flight-plan on line 1 or 2');
  const table = lines.findIndex((line) => line.trim() === '<waypoint-table>');
  if (table < 0 || table >= 40 || table > lines.findIndex((line) => line.trim() === '<route>')) {
    fail('garmin', 'the waypoint table is not within the first 40 lines before the route');
  }
  const plan = xml.parse(text, { parseNodeValue: false })['flight-plan'];
  // A route point finds its entry by identifier, country code and type; the later of two equal keys wins.
  const entries = new Map();
  for (const entry of asArray(plan['waypoint-table'].waypoint)) {
    entries.set(`${entry.identifier}|${entry['country-code']}|${entry.type}`, entry);
  }
  const kinds = { A: 'AIRPORT', V: 'VOR', N: 'NDB', I: 'INT' };
  const points = asArray(plan.route['route-point']);
  const count = sameCount('garmin', points.length);
  for (let i = 0; i < count; i++) {
    const point = points[i];
    const expected = route[i];
    const entry = entries.get(`${point['waypoint-identifier']}|${point['waypoint-country-code']}|${point['waypoint-type']}`);
    if (entry === undefined) {
      fail('garmin', `route point ${i} has no table entry`);
      continue;
    }
    // An identifier already taken elsewhere is numbered and made a user waypoint.
    const ident = expected.ident.toUpperCase().replace(/[^A-Z0-9]/g, '');
    const renamed = entry.type === 'USER WAYPOINT' && entry.identifier !== ident;
    if (!entry.identifier.startsWith(ident)) same('garmin', `waypoint ${i} identifier`, entry.identifier, ident);
    same('garmin', `waypoint ${i} type`, entry.type, renamed ? 'USER WAYPOINT' : kinds[expected.kind] || 'USER WAYPOINT');
    near('garmin', `waypoint ${i} latitude`, entry.lat, expected.lat, 1e-6);
    near('garmin', `waypoint ${i} longitude`, entry.lon, expected.lon, 1e-6);
    if (expected.kind === 'A') near('garmin', `waypoint ${i} elevation`, entry.elevation, expected.altitude * METRES_PER_FOOT, 0.006);
  }
}

// --- GPX 1.1, as gpsbabel read it ------------------------------------------------

function checkGpx() {
  // No,Latitude,Longitude,Name,Altitude,Notes with the altitude in metres to one decimal.
  const rows = fs.readFileSync(gpxCsvPath, 'utf8').split(/\r?\n/).slice(1).filter((line) => line);
  const count = sameCount('gpx', rows.length);
  for (let i = 0; i < count; i++) {
    const f = rows[i].split(',');
    const expected = route[i];
    same('gpx', `point ${i} name`, f[3].replace(/^"|"$/g, ''), expected.ident);
    near('gpx', `point ${i} latitude`, f[1], expected.lat, 1e-6);
    near('gpx', `point ${i} longitude`, f[2], expected.lon, 1e-6);
    // Our two decimals of a metre, then gpsbabel's one.
    near('gpx', `point ${i} altitude`, Number(f[4]) / METRES_PER_FOOT, expected.altitude, 0.06 / METRES_PER_FOOT);
  }
}

for (const check of [checkMsfs, checkXPlane, checkGarmin, checkGpx]) {
  try {
    check();
  } catch (error) {
    fail(check.name, `the reader refused the plan: ${error.message}`);
  }
}
for (const failure of failures) console.log(`${sourcePath}: ${failure}`);
process.exit(failures.length === 0 ? 0 : 1);
