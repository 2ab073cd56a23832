'use strict';

const fs = require('fs');

// --- Garmin GFP (GTN/GNS add-ons), by the published rules ------------------------
// One line "FPN/RI" followed by ":F:" and a point per row. A point is an
// identifier or a position in degrees, minutes and tenths of a minute
// ("N47414E008262"). Airports whose identifier is a database name (1-5 upper-case
// letters and digits) are written by identifier, every other row as a position.

const DATABASE_NAME = /^[A-Z0-9]{1,5}$/;
const COORDINATES = /^([NS])(\d{2})(\d{2})(\d)([EW])(\d{3})(\d{2})(\d)$/;
// Half a tenth of a minute, the rounding of the form, in degrees.
const TENTH_ROUNDING = 0.05 / 60 + 1e-9;

function signed(hemisphere, degrees, minutes, tenths, negative) {
  const value = Number(degrees) + (Number(minutes) + Number(tenths) / 10) / 60;
  return hemisphere === negative ? -value : value;
}

// The difference of two longitudes on the circle, so 180 W and 180 E are equal.
function longitudeDifference(a, b) {
  const d = Math.abs(a - b) % 360;
  return Math.min(d, 360 - d);
}

function checkGfp(c) {
  const text = fs.readFileSync(c.plan('GFP', '.gfp'), 'latin1');
  if (!/^[\x20-\x7e]*\r\n$/.test(text)) c.fail('gfp', 'the plan is not one line of ASCII ended by CR LF');
  const line = text.replace(/\r\n$/, '');
  if (!line.startsWith('FPN/RI:F:')) c.fail('gfp', `the line starts ${JSON.stringify(line.slice(0, 9))}`);
  const points = line.slice('FPN/RI:F:'.length).split(':F:');
  const count = c.sameCount('gfp', points.length);
  for (let i = 0; i < count; i++) {
    const point = points[i];
    const expected = c.route[i];
    const byName = expected.kind === 'A' && DATABASE_NAME.test(expected.ident);
    if (byName) {
      c.same('gfp', `point ${i}`, point, expected.ident);
      continue;
    }
    const m = COORDINATES.exec(point);
    if (m === null || Number(m[3]) >= 60 || Number(m[7]) >= 60) {
      c.fail('gfp', `point ${i} is ${JSON.stringify(point)}, expected the position of ${expected.ident}`);
      continue;
    }
    c.near('gfp', `point ${i} latitude`, signed(m[1], m[2], m[3], m[4], 'S'), expected.lat, TENTH_ROUNDING);
    const lon = signed(m[5], m[6], m[7], m[8], 'W');
    c.near('gfp', `point ${i} longitude`, longitudeDifference(lon, expected.lon), 0, TENTH_ROUNDING);
  }
}

module.exports = checkGfp;
