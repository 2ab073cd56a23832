'use strict';

const fs = require('fs');
const parseFms = require('flight-plan-converter/lib/parse/xplane_fms.js');

// --- X-Plane 11/12 -----------------------------------------------------------

function checkXPlaneLines(c, text) {
  const lines = text.split('\r\n');
  c.same('xplane', 'line 1', lines[0], 'I');
  c.same('xplane', 'line 2', lines[1], '1100 Version');
  if (!/^CYCLE \d{4}$/.test(lines[2])) c.fail('xplane', `line 3 is ${JSON.stringify(lines[2])}`);
  const waypointLines = lines.slice(lines.findIndex((line) => line.startsWith('NUMENR ')) + 1).filter((l) => l);
  for (const line of waypointLines) {
    const f = line.split(' ');
    if (f.length !== 6 || !['1', '2', '3', '11', '13', '28'].includes(f[0]) || !/\./.test(f[4]) || !/\./.test(f[5])) {
      c.fail('xplane', `waypoint line ${JSON.stringify(line)}`);
    }
    if (f.slice(3).some((number) => /^-0\.0*$/.test(number))) {
      c.fail('xplane', `negative zero in ${JSON.stringify(line)}`);
    }
  }
}

function checkXPlane(c) {
  const text = fs.readFileSync(c.plan('XPLANE', '.fms'), 'utf8');
  checkXPlaneLines(c, text);
  const waypoints = parseFms(text).waypoints;
  const kinds = { A: 'airport', V: 'vor', N: 'ndb', I: 'fix' };
  const count = c.sameCount('xplane', waypoints.length);
  for (let i = 0; i < count; i++) {
    const got = waypoints[i];
    const expected = c.route[i];
    // An en-route identifier the writer had to change (not printable ASCII) names a user waypoint.
    const enRoute = i > 0 && i < c.route.length - 1;
    const kind = enRoute && !/^[\x21-\x7e]+$/.test(expected.ident) ? 'gps' : kinds[expected.kind] || 'gps';
    c.same('xplane', `waypoint ${i} type`, got.type, kind);
    const ident = { airport: got.airport && got.airport.icao, vor: got.vor && got.vor.identifier,
                    ndb: got.ndb && got.ndb.identifier, fix: got.fix && got.fix.name }[kind];
    if (kind !== 'gps') c.same('xplane', `waypoint ${i} ident`, ident, expected.ident);
    c.near('xplane', `waypoint ${i} latitude`, got.lat, expected.lat, 1e-6);
    c.near('xplane', `waypoint ${i} longitude`, got.lon, expected.lon, 1e-6);
    c.near('xplane', `waypoint ${i} altitude`, got.elevation, expected.altitude, 0.005);
  }
}

module.exports = checkXPlane;
