'use strict';

const fs = require('fs');
const xml = require('fast-xml-parser');
const { ID_RULE, expectedWaypoints, checkRunway, decodeEntities } = require('./msfs.js');

// --- MSFS 2024: the EFB plan ---------------------------------------------------
// No reader of this plan installs here, so it is held to the rules of the SDK page "EFB Flight Plan XML (PLN File)
// Properties": the elements of FlightPlan.FlightPlan in the page's order, the airports by ident outside the waypoint
// list, the runways in DepartureDetails and ArrivalDetails by number and side in words, and, since the simulator
// finds a named facility by ICAO region and ident and a FliteStar route has no region, every en-route point a User
// point with its position.

const FORMAT = 'msfs2024';
const PLAN_ORDER = ['DepartureID', 'DestinationID', 'Title', 'Descr', 'FPType', 'CruisingAlt', 'AppVersion',
  'DepartureDetails', 'ATCWaypoint', 'ArrivalDetails', 'ApproachDetails'];
const REQUIRED = ['DepartureID', 'DestinationID', 'Title', 'Descr', 'FPType', 'CruisingAlt', 'AppVersion'];
const SIDES = { LEFT: 'L', RIGHT: 'R', CENTER: 'C' };

// The document as a tree of elements in their order: { name, attributes, children, text }.
function elementTree(text) {
  const root = { name: '', attributes: {}, children: [], text: '' };
  const open = [root];
  const tag = /<(\/?)([A-Za-z_][\w.-]*)((?:\s+[\w.-]+="[^"]*")*)\s*(\/?)>|<\?[^>]*\?>/g;
  let end = 0;
  for (let match; (match = tag.exec(text)) !== null; end = tag.lastIndex) {
    open[open.length - 1].text += decodeEntities(text.slice(end, match.index));
    if (match[2] === undefined) continue;
    if (match[1] === '/') {
      if (open.pop().name !== match[2]) throw new Error(`</${match[2]}> closes another element`);
      continue;
    }
    const attributes = {};
    for (const [, name, value] of match[3].matchAll(/([\w.-]+)="([^"]*)"/g)) attributes[name] = decodeEntities(value);
    const element = { name: match[2], attributes, children: [], text: '' };
    open[open.length - 1].children.push(element);
    if (match[4] !== '/') open.push(element);
  }
  return root;
}

const child = (element, name) => element.children.find((e) => e.name === name);
const textOf = (element, name) => (child(element, name) === undefined ? undefined : child(element, name).text.trim());

function sameChildren(c, what, element, names) {
  c.same(FORMAT, `${what} elements`, element.children.map((e) => e.name).join(' '), names.join(' '));
}

// N47° 27' 28.80" as signed degrees.
function degrees(text) {
  const m = /^([NSEW])(\d+)\u00B0 (\d+)' (\d+\.\d+)"$/.exec(text);
  if (m === null) return NaN;
  const value = Number(m[2]) + Number(m[3]) / 60 + Number(m[4]) / 3600;
  return m[1] === 'S' || m[1] === 'W' ? -value : value;
}

function checkOrder(c, plan) {
  let last = -1;
  for (const element of plan.children) {
    const at = PLAN_ORDER.indexOf(element.name);
    if (at < 0) c.fail(FORMAT, `${element.name} is no element of the EFB plan`);
    else if (at < last || (at === last && element.name !== 'ATCWaypoint')) {
      c.fail(FORMAT, `${element.name} is out of the page's order`);
    } else last = at;
  }
  for (const name of REQUIRED) if (child(plan, name) === undefined) c.fail(FORMAT, `no ${name}`);
}

// DepartureDetails or ArrivalDetails: a runway the airport has, by number and side in words. Returns the runway as
// MSFS names it elsewhere ("7C"), undefined without the element.
function checkRunwayDetails(c, details, airport) {
  if (details === undefined) return undefined;
  const designator = textOf(details, 'RunwayDesignatorFP');
  const names = designator === undefined ? ['RunwayNumberFP'] : ['RunwayNumberFP', 'RunwayDesignatorFP'];
  sameChildren(c, details.name, details, names);
  if (designator !== undefined && SIDES[designator] === undefined) {
    c.fail(FORMAT, `runway side ${designator} is not LEFT, RIGHT or CENTER`);
  }
  const runway = textOf(details, 'RunwayNumberFP') + (designator === undefined ? '' : SIDES[designator] || '?');
  checkRunway(c, FORMAT, details.name, runway, airport);
  return runway;
}

function checkWaypoint(c, i, waypoint, want) {
  const what = `waypoint ${i}`;
  sameChildren(c, what, waypoint, ['ATCWaypointType', 'WorldPosition', 'ICAO']);
  if (!ID_RULE.test(waypoint.attributes.id)) {
    c.fail(FORMAT, `${what} id ${JSON.stringify(waypoint.attributes.id)} breaks the FSX id rule`);
  }
  c.same(FORMAT, `${what} id`, waypoint.attributes.id, want.id);
  c.same(FORMAT, `${what} type`, textOf(waypoint, 'ATCWaypointType'), 'User');
  const icao = child(waypoint, 'ICAO');
  c.same(FORMAT, `${what} ICAOIdent`, icao === undefined ? undefined : textOf(icao, 'ICAOIdent'), want.id);
  const [lat, lon, altitude] = (textOf(waypoint, 'WorldPosition') || '').split(',');
  c.near(FORMAT, `${what} latitude`, degrees(lat), want.row.lat, 5e-6);
  c.near(FORMAT, `${what} longitude`, degrees(lon), want.row.lon, 5e-6);
  c.near(FORMAT, `${what} altitude`, altitude, want.row.altitude, 0.005);
}

function checkMsfs2024(c) {
  const text = fs.readFileSync(c.plan('MSFS2024', '.pln'), 'utf8');
  const valid = xml.validate(text);
  if (valid !== true) c.fail(FORMAT, `not well-formed XML: ${JSON.stringify(valid.err)}`);
  const root = elementTree(text);
  sameChildren(c, 'document', root, ['SimBase.Document']);
  const document = child(root, 'SimBase.Document');
  if (document === undefined) return;
  sameChildren(c, 'SimBase.Document', document, ['FlightPlan.FlightPlan']);
  const plan = child(document, 'FlightPlan.FlightPlan');
  if (plan === undefined) return;
  checkOrder(c, plan);
  c.same(FORMAT, 'AppVersionMajor', textOf(child(plan, 'AppVersion'), 'AppVersionMajor'), '12');
  const flightType = textOf(plan, 'FPType');
  if (!['VFR', 'IFR'].includes(flightType)) c.fail(FORMAT, `FPType ${flightType} is not VFR or IFR`);
  const cruising = textOf(plan, 'CruisingAlt');
  if (!/^-?[0-9]+$/.test(cruising)) c.fail(FORMAT, `CruisingAlt ${cruising} is no number`);

  const expected = expectedWaypoints(c.route);
  const departure = expected[0];
  const destination = expected[expected.length - 1];
  c.same(FORMAT, 'DepartureID', textOf(plan, 'DepartureID'), departure.id);
  c.same(FORMAT, 'DestinationID', textOf(plan, 'DestinationID'), destination.id);
  const enRoute = expected.slice(1, -1);
  const waypoints = plan.children.filter((e) => e.name === 'ATCWaypoint');
  if (waypoints.length !== enRoute.length) {
    c.fail(FORMAT, `${waypoints.length} en-route waypoints, expected ${enRoute.length}`);
  }
  for (let i = 0; i < Math.min(waypoints.length, enRoute.length); i++) {
    checkWaypoint(c, i + 1, waypoints[i], enRoute[i]);
  }

  // The departure runway is the one the MSFS 2020 plan of the same conversion departs from, or none in both.
  const msfs2020 = fs.readFileSync(c.plan('MSFS2020', '.pln'), 'utf8');
  const position = /<DeparturePosition>([^<]*)<\/DeparturePosition>/.exec(msfs2020);
  const runway = checkRunwayDetails(c, child(plan, 'DepartureDetails'), departure.row.ident);
  c.same(FORMAT, 'departure runway', runway, position === null ? undefined : position[1]);
  checkRunwayDetails(c, child(plan, 'ArrivalDetails'), destination.row.ident);
}

module.exports = checkMsfs2024;
