'use strict';

const fs = require('fs');
const { parsePln } = require('plnprsr');

// --- MSFS 2020/2024, FSX, Prepar3D ------------------------------------------

function checkMsfsLines(c, text) {
  const lines = text.split('\r\n').map((line) => line.trim()).filter((line) => line !== '');
  if (!lines[0].startsWith('<?xml version')) c.fail('msfs2020', 'the first line is no XML declaration');
  const descr = lines.indexOf('<Descr>AceXML Document</Descr>');
  const plan = lines.indexOf('<FlightPlan.FlightPlan>');
  if (descr < 0 || plan < 0 || descr > plan) c.fail('msfs2020', 'no AceXML Descr before FlightPlan.FlightPlan');
  if (!lines.includes('<AppVersionMajor>11</AppVersionMajor>')) c.fail('msfs2020', 'no AppVersionMajor 11 line');
  if (/[^\x00-\x7F]/.test(text.replace(/\u00B0/g, ''))) c.fail('msfs2020', 'a character outside ASCII besides the degree sign');
}

function checkMsfs(c) {
  const text = fs.readFileSync(c.plan('MSFS2020', '.pln'), 'utf8');
  checkMsfsLines(c, text);
  const plan = parsePln(text);
  const kinds = { A: 'Airport', V: 'VOR', N: 'NDB', I: 'Intersection' };
  c.same('msfs2020', 'departure', plan.departure.id, c.route[0].ident);
  c.same('msfs2020', 'destination', plan.destination.id, c.route[c.route.length - 1].ident);
  const count = c.sameCount('msfs2020', plan.route.length);
  for (let i = 0; i < count; i++) {
    const got = plan.route[i];
    const expected = c.route[i];
    c.same('msfs2020', `waypoint ${i} ident`, got.ident || got.id, expected.ident);
    c.same('msfs2020', `waypoint ${i} type`, got.type, kinds[expected.kind] || 'User');
    c.near('msfs2020', `waypoint ${i} latitude`, got.coords[1], expected.lat, 5e-6);
    c.near('msfs2020', `waypoint ${i} longitude`, got.coords[0], expected.lon, 5e-6);
    c.near('msfs2020', `waypoint ${i} altitude`, got.altitude, expected.altitude, 0.005);
  }
}

module.exports = checkMsfs;
