'use strict';

const fs = require('fs');
const { parsePln } = require('plnprsr');

// --- FSX and Prepar3D, MSFS 2020: the XML plan of their SDK ----------------

// The rules a FliteStar route is written by, worked out here from the route alone: FSX and Prepar3D ignore a plan
// whose waypoint id holds anything but letters, digits, '_' and blank or is longer than 10 characters; a point
// whose ident had to be changed, and one whose id first stood for another position, is a User point.
const ID_RULE = /^[A-Za-z0-9_ ]{1,10}$/;

function expectedId(ident, index) {
  const plain = ident.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
  const kept = plain.replace(/[^A-Za-z0-9_ ]/g, '').trim().slice(0, 10).trim();
  return kept === '' ? `WPT${index + 1}` : kept;
}

// A position as written, to the hundredth of a second.
function place(row) {
  return `${Math.round(row.lat * 360000)},${Math.round(row.lon * 360000)}`;
}

// Each row of the route with the id and the type an XML plan gives it.
function expectedWaypoints(route) {
  const kinds = { A: 'Airport', V: 'VOR', N: 'NDB', I: 'Intersection' };
  const waypoints = [];
  route.forEach((row, i) => {
    const id = expectedId(row.ident, i);
    const first = waypoints.find((w) => w.id === id);
    const user = id !== row.ident || (first !== undefined && place(first.row) !== place(row));
    waypoints.push({ row, id, type: user ? 'User' : kinds[row.kind] || 'User' });
  });
  return waypoints;
}

// The runways of an airport in the data file, as MSFS names them ("07C" is 7C).
function runwaysOf(airportsPath, ident) {
  for (const line of fs.readFileSync(airportsPath, 'latin1').split(/\r?\n/)) {
    const f = line.trim().split(/\s+/);
    if (f[0] !== ident) continue;
    return f.slice(5).flatMap((pair) => pair.split('-')).map((end) => end.split('_')[0].replace(/^0/, ''));
  }
  return [];
}

// A runway as MSFS writes it, and one the airport has in the data file (the second argument of check-plans.js).
function checkRunway(c, format, what, runway, airport) {
  if (!/^([1-9]|[12][0-9]|3[0-6])[LCR]?$/.test(runway)) {
    c.fail(format, `${what} ${JSON.stringify(runway)} is no runway as MSFS names one`);
  } else if (!runwaysOf(c.airportsPath || process.argv[3], airport).includes(runway)) {
    c.fail(format, `${what} ${runway} is no runway of ${airport}`);
  }
}

// Text as XML means it: the plan reader hands entities on as they are written.
function decodeEntities(text) {
  const entities = { lt: '<', gt: '>', quot: '"', apos: "'", amp: '&' };
  return String(text).replace(/&(lt|gt|quot|apos|amp);/g, (entity, name) => entities[name]);
}

// The name a plan gives an airport: plain ASCII, as the simulators require; none when the data file lacks it.
function asciiName(name) {
  return name.normalize('NFD').replace(/[^\x20-\x7E]/g, '').trim();
}

function checkLines(c, format, text, version) {
  const lines = text.split('\r\n').map((line) => line.trim()).filter((line) => line !== '');
  if (!(lines[0] || '').startsWith('<?xml version')) c.fail(format, 'the first line is no XML declaration');
  const descr = lines.indexOf('<Descr>AceXML Document</Descr>');
  const plan = lines.indexOf('<FlightPlan.FlightPlan>');
  if (descr < 0 || plan < 0 || descr > plan) c.fail(format, 'no AceXML Descr before FlightPlan.FlightPlan');
  const [major, build] = version;
  for (const line of [`<AppVersionMajor>${major}</AppVersionMajor>`, `<AppVersionBuild>${build}</AppVersionBuild>`]) {
    if (!lines.includes(line)) c.fail(format, `no line ${line}`);
  }
  if (/[^\x00-\x7F]/.test(text.replace(/\u00B0/g, ''))) {
    c.fail(format, 'a character outside ASCII besides the degree sign');
  }
  if (lines.includes('<DeparturePosition></DeparturePosition>')) c.fail(format, 'an empty DeparturePosition');
  for (const [, altitude] of text.matchAll(/",([-+][0-9.]+)</g)) {
    if (altitude.startsWith('-') && Number(altitude) === 0) c.fail(format, `a negative zero altitude ${altitude}`);
  }
}

function checkPlan(c, format, folder, version) {
  const text = fs.readFileSync(c.plan(folder, '.pln'), 'utf8');
  checkLines(c, format, text, version);
  const plan = parsePln(text);
  const expected = expectedWaypoints(c.route);
  const departure = c.route[0];
  const destination = c.route[c.route.length - 1];
  c.same(format, 'departure', String(plan.departure.id), expected[0].id);
  c.same(format, 'destination', String(plan.destination.id), expected[expected.length - 1].id);
  c.same(format, 'departure name', decodeEntities(plan.departure.name), asciiName(departure.name));
  c.same(format, 'destination name', decodeEntities(plan.destination.name), asciiName(destination.name));
  if (plan.departure.position !== undefined) {
    checkRunway(c, format, 'departure position', String(plan.departure.position), departure.ident);
  }
  const count = c.sameCount(format, plan.route.length);
  for (let i = 0; i < count; i++) {
    const got = plan.route[i];
    const want = expected[i];
    const id = String(got.id);
    if (!ID_RULE.test(id)) c.fail(format, `waypoint ${i} id ${JSON.stringify(id)} breaks the FSX id rule`);
    c.same(format, `waypoint ${i} id`, id, want.id);
    c.same(format, `waypoint ${i} ICAOIdent`, got.ident === undefined ? undefined : String(got.ident), want.id);
    c.same(format, `waypoint ${i} type`, got.type, want.type);
    c.near(format, `waypoint ${i} latitude`, got.coords[1], want.row.lat, 5e-6);
    c.near(format, `waypoint ${i} longitude`, got.coords[0], want.row.lon, 5e-6);
    c.near(format, `waypoint ${i} altitude`, got.altitude, want.row.altitude, 0.005);
  }
}

function checkMsfs(c) {
  const targets = [['fsx', 'FSX', ['10', '61472']], ['msfs2020', 'MSFS2020', ['11', '282174']]];
  for (const [format, folder, version] of targets) {
    try {
      checkPlan(c, format, folder, version);
    } catch (error) {
      c.fail(format, `the reader refused the plan: ${error.message}`);
    }
  }
}

module.exports = checkMsfs;
// What the MSFS 2024 check shares (checks/msfs2024.js).
Object.assign(module.exports, { ID_RULE, expectedWaypoints, checkRunway, decodeEntities });
