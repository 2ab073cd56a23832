'use strict';

const fs = require('fs');
const xml = require('fast-xml-parser');

// --- FlightGear route manager plan (.fgfp), read as XML by fast-xml-parser and
// checked by the FlightGear wiki's "Flightplan XML formats": a PropertyList of
// version 2 with the departure and destination airports and a route of wp
// entries, the first and last the airports; each property carries its type. A
// "navaid" wp is looked up by identifier (airports, navaids and fixes), so only a
// database name (1-5 upper-case letters and digits) may be one; any other row is
// a "basic" point at its position.

const DATABASE_NAME = /^[A-Z0-9]{1,5}$/;
const TYPES = { version: 'int', airport: 'string', type: 'string', ident: 'string', lat: 'double', lon: 'double',
                'alt-restrict': 'string', 'altitude-ft': 'double' };

function value(c, what, node, name) {
  const property = node[name];
  if (property === undefined || typeof property !== 'object') {
    c.fail('fgfp', `${what} has no ${name}`);
    return undefined;
  }
  if (property['@_type'] !== TYPES[name]) c.fail('fgfp', `${what} ${name} has type ${property['@_type']}`);
  return property['#text'];
}

function longitudeDifference(a, b) {
  const d = Math.abs(a - b) % 360;
  return Math.min(d, 360 - d);
}

function checkEnd(c, plan, element, row) {
  const named = row.kind === 'A' && DATABASE_NAME.test(row.ident);
  if (plan[element] === undefined) {
    if (named) c.fail('fgfp', `no ${element} airport`);
    return;
  }
  c.same('fgfp', `${element} airport`, value(c, element, plan[element], 'airport'), named ? row.ident : undefined);
}

function checkPoint(c, i, wp, expected) {
  const what = `wp ${i}`;
  if (wp['@_n'] !== String(i)) c.fail('fgfp', `${what} is numbered ${wp['@_n']}`);
  const named = expected.kind !== 'U' && DATABASE_NAME.test(expected.ident);
  c.same('fgfp', `${what} type`, value(c, what, wp, 'type'), named ? 'navaid' : 'basic');
  c.same('fgfp', `${what} ident`, value(c, what, wp, 'ident'), expected.ident);
  c.near('fgfp', `${what} latitude`, value(c, what, wp, 'lat'), expected.lat, 1e-6);
  c.near('fgfp', `${what} longitude`, longitudeDifference(Number(value(c, what, wp, 'lon')), expected.lon), 0, 1e-6);
  c.same('fgfp', `${what} alt-restrict`, value(c, what, wp, 'alt-restrict'), 'at');
  c.near('fgfp', `${what} altitude`, value(c, what, wp, 'altitude-ft'), expected.altitude, 0.005);
}

function checkFgfp(c) {
  const text = fs.readFileSync(c.plan('FGFP', '.fgfp'), 'utf8');
  if (/(^|[^\r])\n/.test(text)) c.fail('fgfp', 'a line of the plan does not end in CR LF');
  if (xml.validate(text) !== true) c.fail('fgfp', 'the plan is not well-formed XML');
  const options = { ignoreAttributes: false, parseNodeValue: false, parseAttributeValue: false, arrayMode: false };
  const plan = xml.parse(text, options).PropertyList;
  if (plan === undefined) {
    c.fail('fgfp', 'no PropertyList');
    return;
  }
  c.same('fgfp', 'version', value(c, 'the plan', plan, 'version'), '2');
  checkEnd(c, plan, 'departure', c.route[0]);
  checkEnd(c, plan, 'destination', c.route[c.route.length - 1]);
  const points = c.asArray(plan.route && plan.route.wp);
  const count = c.sameCount('fgfp', points.length);
  for (let i = 0; i < count; i++) checkPoint(c, i, points[i], c.route[i]);
}

module.exports = checkFgfp;
