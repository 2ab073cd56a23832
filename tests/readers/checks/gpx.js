'use strict';

const fs = require('fs');
const xml = require('fast-xml-parser');
const { checkLongitude } = require('./garmin.js');

// --- GPX 1.1, as gpsbabel read it ------------------------------------------------

// fast-xml-parser 3 leaves entities as they are written.
function decodeEntities(text) {
  const entities = { lt: '<', gt: '>', quot: '"', apos: "'", amp: '&' };
  return text.replace(/&(lt|gt|quot|apos|amp);/g, (whole, name) => entities[name]);
}

// What gpsbabel does not report: every elevation written without a negative
// zero, and a name only for the airports the data file has.
function checkGpxText(c) {
  const gpx = xml.parse(fs.readFileSync(c.plan('GPX', '.gpx'), 'utf8'), {
    parseNodeValue: false,
    tagValueProcessor: decodeEntities,
  }).gpx;
  const points = c.asArray(gpx.rte.rtept);
  points.forEach((point, i) => {
    if (/^-0\.0*$/.test(point.ele)) c.fail('gpx', `point ${i} elevation ${point.ele} is a negative zero`);
  });
  for (const i of [0, c.route.length - 1]) {
    if (i >= points.length) continue;
    // Without the blank a name ending in "_" would leave.
    const name = c.route[i].name.trim() || undefined;
    c.same('gpx', `point ${i} description`, points[i].desc, name);
  }
}

function checkGpx(c) {
  // No,Latitude,Longitude,Name,Altitude,Notes with the altitude in metres to one decimal.
  const rows = fs.readFileSync(c.plan('GPX', '.csv'), 'utf8').split(/\r?\n/).slice(1).filter((line) => line);
  const count = c.sameCount('gpx', rows.length);
  for (let i = 0; i < count; i++) {
    const f = rows[i].split(',');
    const expected = c.route[i];
    c.same('gpx', `point ${i} name`, f[3].replace(/^"|"$/g, ''), expected.ident);
    c.near('gpx', `point ${i} latitude`, f[1], expected.lat, 1e-6);
    checkLongitude(c, 'gpx', `point ${i} longitude`, f[2], expected.lon);
    // Our two decimals of a metre, then gpsbabel's one.
    c.near('gpx', `point ${i} altitude`, Number(f[4]) / c.METRES_PER_FOOT, expected.altitude, 0.06 / c.METRES_PER_FOOT);
  }
  checkGpxText(c);
}

module.exports = checkGpx;
