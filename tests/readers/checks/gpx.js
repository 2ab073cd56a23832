'use strict';

const fs = require('fs');

// --- GPX 1.1, as gpsbabel read it ------------------------------------------------

function checkGpx(c) {
  // No,Latitude,Longitude,Name,Altitude,Notes with the altitude in metres to one decimal.
  const rows = fs.readFileSync(c.plan('GPX', '.csv'), 'utf8').split(/\r?\n/).slice(1).filter((line) => line);
  const count = c.sameCount('gpx', rows.length);
  for (let i = 0; i < count; i++) {
    const f = rows[i].split(',');
    const expected = c.route[i];
    c.same('gpx', `point ${i} name`, f[3].replace(/^"|"$/g, ''), expected.ident);
    c.near('gpx', `point ${i} latitude`, f[1], expected.lat, 1e-6);
    c.near('gpx', `point ${i} longitude`, f[2], expected.lon, 1e-6);
    // Our two decimals of a metre, then gpsbabel's one.
    c.near('gpx', `point ${i} altitude`, Number(f[4]) / c.METRES_PER_FOOT, expected.altitude, 0.06 / c.METRES_PER_FOOT);
  }
}

module.exports = checkGpx;
