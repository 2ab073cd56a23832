'use strict';

const fs = require('fs');
const ini = require('ini');

// --- FLP (Aerosoft Airbus and CRJ, X-Plane FMS add-ons), read by the npm ini reader
// and checked by the published layout of its [CoRte] section: ArptDep and ArptArr
// name the airports, then numbered direct legs DctWptN with DctWptNCoordinates
// "lat,lon". A point whose identifier is no database name (1-5 upper-case letters
// and digits) is named by its position in ICAO form ("4741N00826E").

const DATABASE_NAME = /^[A-Z0-9]{1,5}$/;
const ICAO_NAME = /^(\d{2})(\d{2})([NS])(\d{3})(\d{2})([EW])$/;
const MINUTE_ROUNDING = 0.5 / 60 + 1e-9;

function longitudeDifference(a, b) {
  const d = Math.abs(a - b) % 360;
  return Math.min(d, 360 - d);
}

function isNamedAirport(row) {
  return row.kind === 'A' && DATABASE_NAME.test(row.ident);
}

function checkLeg(c, number, name, coordinates, expected) {
  const what = `leg ${number}`;
  const named = expected.kind !== 'U' && DATABASE_NAME.test(expected.ident);
  if (named) {
    c.same('flp', `${what} name`, name, expected.ident);
  } else {
    const n = ICAO_NAME.exec(name || '');
    if (n === null) {
      c.fail('flp', `${what} name ${JSON.stringify(name)} is no position`);
    } else {
      const lat = (n[3] === 'S' ? -1 : 1) * (Number(n[1]) + Number(n[2]) / 60);
      const lon = (n[6] === 'W' ? -1 : 1) * (Number(n[4]) + Number(n[5]) / 60);
      c.near('flp', `${what} name latitude`, lat, expected.lat, MINUTE_ROUNDING);
      c.near('flp', `${what} name longitude`, longitudeDifference(lon, expected.lon), 0, MINUTE_ROUNDING);
    }
  }
  const m = /^(-?\d+\.\d{6}),(-?\d+\.\d{6})$/.exec(coordinates || '');
  if (m === null) {
    c.fail('flp', `${what} coordinates ${JSON.stringify(coordinates)}`);
    return;
  }
  c.near('flp', `${what} latitude`, m[1], expected.lat, 1e-6);
  c.near('flp', `${what} longitude`, longitudeDifference(Number(m[2]), expected.lon), 0, 1e-6);
}

function checkFlp(c) {
  const text = fs.readFileSync(c.plan('FLP', '.flp'), 'latin1');
  if (!/^[\x20-\x7e\r\n]*$/.test(text) || /(^|[^\r])\n/.test(text)) {
    c.fail('flp', 'the plan is not ASCII with CR LF line ends');
  }
  const route = ini.parse(text).CoRte;
  if (route === undefined) {
    c.fail('flp', 'no [CoRte] section');
    return;
  }
  const first = c.route[0];
  const last = c.route[c.route.length - 1];
  c.same('flp', 'ArptDep', route.ArptDep, isNamedAirport(first) ? first.ident : '');
  c.same('flp', 'ArptArr', route.ArptArr, isNamedAirport(last) ? last.ident : '');
  const legs = [];
  for (let n = 1; `DctWpt${n}` in route; n++) legs.push([route[`DctWpt${n}`], route[`DctWpt${n}Coordinates`]]);
  const legKeys = Object.keys(route).filter((key) => /^(DctWpt|Airway)/.test(key));
  c.same('flp', 'leg keys', legKeys.length, 2 * legs.length);
  const rows = c.route.slice(isNamedAirport(first) ? 1 : 0, isNamedAirport(last) ? -1 : undefined);
  const points = (isNamedAirport(first) ? 1 : 0) + legs.length + (isNamedAirport(last) ? 1 : 0);
  const count = Math.min(c.sameCount('flp', points), legs.length, rows.length);
  for (let i = 0; i < count; i++) checkLeg(c, i + 1, legs[i][0], legs[i][1], rows[i]);
}

module.exports = checkFlp;
