'use strict';

const fs = require('fs');
const xml = require('fast-xml-parser');

// --- Garmin FlightPlan v1 ----------------------------------------------------

const USER = 'USER WAYPOINT';
const NAMED = { A: 'AIRPORT', V: 'VOR', N: 'NDB', I: 'INT' };

// The longitude as written, within -180 <= lon < 180, and its distance from
// `expected` across the date line.
function checkLongitude(c, format, what, text, expected) {
  const lon = Number(text);
  if (!(lon >= -180 && lon < 180)) c.fail(format, `${what} ${text} is outside -180 <= lon < 180`);
  c.near(format, what, lon + 360 * Math.round((expected - lon) / 360), expected, 1e-6);
}

// The layout the reader needs to take the file for a Garmin plan.
function checkLayout(c, format, text) {
  const lines = text.split('\r\n');
  if (!lines.slice(0, 2).some((line) => line.startsWith('<flight-plan'))) {
    c.fail(format, 'no flight-plan on line 1 or 2');
  }
  const table = lines.findIndex((line) => line.trim() === '<waypoint-table>');
  if (table < 0 || table >= 40 || table > lines.findIndex((line) => line.trim() === '<route>')) {
    c.fail(format, 'the waypoint table is not within the first 40 lines before the route');
  }
}

// Reads the Garmin plan in `folder` as the reader does and compares it with the
// source: a point keeps the type `namedType(row)` gives it only under its own
// identifier; one the writer named (characters dropped, "WPTn", a clash) is a
// user waypoint of a name that no point of the route has.
function checkGarminPlan(c, format, folder, namedType) {
  const text = fs.readFileSync(c.plan(folder, '.fpl'), 'utf8');
  checkLayout(c, format, text);
  const plan = xml.parse(text, { parseNodeValue: false })['flight-plan'];
  // A route point finds its entry by identifier, country code and type; the later of two equal keys wins.
  const entries = new Map();
  for (const entry of c.asArray(plan['waypoint-table'].waypoint)) {
    entries.set(`${entry.identifier}|${entry['country-code']}|${entry.type}`, entry);
  }
  const routeIdents = new Set(c.route.map((row) => row.ident.toUpperCase()));
  const points = c.asArray(plan.route['route-point']);
  const count = c.sameCount(format, points.length);
  for (let i = 0; i < count; i++) {
    const point = points[i];
    const expected = c.route[i];
    const key = `${point['waypoint-identifier']}|${point['waypoint-country-code']}|${point['waypoint-type']}`;
    const entry = entries.get(key);
    if (entry === undefined) {
      c.fail(format, `route point ${i} has no table entry`);
      continue;
    }
    const ident = expected.ident.toUpperCase();
    if (entry.identifier === ident) {
      c.same(format, `waypoint ${i} type`, entry.type, namedType(expected));
    } else {
      c.same(format, `waypoint ${i} type (named by the writer)`, entry.type, USER);
      if (routeIdents.has(entry.identifier)) {
        c.fail(format, `waypoint ${i} takes the route's identifier ${entry.identifier}`);
      }
      // Letters lose their marks ("É" is "E"), then anything but letters and digits goes.
      const cleaned = ident.normalize('NFD').replace(/[^A-Z0-9]/g, '') || 'WPT';
      if (!entry.identifier.startsWith(cleaned)) c.same(format, `waypoint ${i} identifier`, entry.identifier, cleaned);
    }
    c.near(format, `waypoint ${i} latitude`, entry.lat, expected.lat, 1e-6);
    checkLongitude(c, format, `waypoint ${i} longitude`, entry.lon, expected.lon);
    if (expected.kind === 'A') {
      c.near(format, `waypoint ${i} elevation`, entry.elevation, expected.altitude * c.METRES_PER_FOOT, 0.006);
    }
    if (/^-0\.0*$/.test(entry.elevation)) c.fail(format, `waypoint ${i} elevation is a negative zero`);
    // The airports at the ends are named only when the data file has them.
    if ((i === 0 || i === c.route.length - 1) && (entry.comment !== undefined) !== (expected.name !== '')) {
      const names = `${JSON.stringify(entry.comment)}, the data file's ${JSON.stringify(expected.name)}`;
      c.fail(format, `waypoint ${i} comment is ${names}`);
    }
  }
}

module.exports = (c) => checkGarminPlan(c, 'garmin', 'GARMIN', (row) => NAMED[row.kind] || USER);
module.exports.checkGarminPlan = checkGarminPlan;
module.exports.checkLongitude = checkLongitude;
module.exports.USER = USER;
