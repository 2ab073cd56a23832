'use strict';

const fs = require('fs');
const xml = require('fast-xml-parser');

// --- Garmin FlightPlan v1 ----------------------------------------------------

function checkGarmin(c) {
  const text = fs.readFileSync(c.plan('GARMIN', '.fpl'), 'utf8');
  const lines = text.split('\r\n');
  if (!lines.slice(0, 2).some((line) => line.startsWith('<flight-plan'))) c.fail('garmin', 'no flight-plan on line 1 or 2');
  const table = lines.findIndex((line) => line.trim() === '<waypoint-table>');
  if (table < 0 || table >= 40 || table > lines.findIndex((line) => line.trim() === '<route>')) {
    c.fail('garmin', 'the waypoint table is not within the first 40 lines before the route');
  }
  const plan = xml.parse(text, { parseNodeValue: false })['flight-plan'];
  // A route point finds its entry by identifier, country code and type; the later of two equal keys wins.
  const entries = new Map();
  for (const entry of c.asArray(plan['waypoint-table'].waypoint)) {
    entries.set(`${entry.identifier}|${entry['country-code']}|${entry.type}`, entry);
  }
  const kinds = { A: 'AIRPORT', V: 'VOR', N: 'NDB', I: 'INT' };
  const points = c.asArray(plan.route['route-point']);
  const count = c.sameCount('garmin', points.length);
  for (let i = 0; i < count; i++) {
    const point = points[i];
    const expected = c.route[i];
    const entry = entries.get(`${point['waypoint-identifier']}|${point['waypoint-country-code']}|${point['waypoint-type']}`);
    if (entry === undefined) {
      c.fail('garmin', `route point ${i} has no table entry`);
      continue;
    }
    // An identifier already taken elsewhere is numbered and made a user waypoint.
    const ident = expected.ident.toUpperCase().replace(/[^A-Z0-9]/g, '');
    const renamed = entry.type === 'USER WAYPOINT' && entry.identifier !== ident;
    if (!entry.identifier.startsWith(ident)) c.same('garmin', `waypoint ${i} identifier`, entry.identifier, ident);
    c.same('garmin', `waypoint ${i} type`, entry.type, renamed ? 'USER WAYPOINT' : kinds[expected.kind] || 'USER WAYPOINT');
    c.near('garmin', `waypoint ${i} latitude`, entry.lat, expected.lat, 1e-6);
    c.near('garmin', `waypoint ${i} longitude`, entry.lon, expected.lon, 1e-6);
    if (expected.kind === 'A') c.near('garmin', `waypoint ${i} elevation`, entry.elevation, expected.altitude * c.METRES_PER_FOOT, 0.006);
  }
}

module.exports = checkGarmin;
