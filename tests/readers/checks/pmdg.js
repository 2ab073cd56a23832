'use strict';

const fs = require('fs');

// --- PMDG route (.rte), by the published layout -----------------------------------
// A remark line, an empty line, the number of points, an empty line, then per
// point: name, type (1 airport, 5 other), the leg to it (DIRECT), the position
// "1 N 47.458000 E 8.548000 1416"; an airport goes on with its runway ("-----"
// for none), the departure flag, the runway position, an empty line, the
// restriction phase (not 0), altitude, type and the two unset values; any other
// point with its restriction lines "0"; each entry ends with an empty line.
// A name must exist in the FMC's database: a row whose identifier is no database
// name is named by its position in ICAO form ("4741N00826E").

const DATABASE_NAME = /^[A-Z0-9]{1,5}$/;
const POSITION = /^1 ([NS]) (\d+\.\d{6}) ([EW]) (\d+\.\d{6}) (-?\d+)$/;
const ICAO_NAME = /^(\d{2})(\d{2})([NS])(\d{3})(\d{2})([EW])$/;
const MINUTE_ROUNDING = 0.5 / 60 + 1e-9;

function longitudeDifference(a, b) {
  const d = Math.abs(a - b) % 360;
  return Math.min(d, 360 - d);
}

// Reads the entries; a line out of the layout is a failure and ends the reading.
function readEntries(lines) {
  const entries = [];
  let at = 4;
  const next = () => lines[at++];
  while (at < lines.length && lines[at] !== '') {
    const entry = { name: next(), type: next(), via: next(), position: next() };
    if (entry.type === '1') {
      entry.runway = next();
      entry.departure = next();
      entry.runwayPosition = next();
      entry.gap = next();
      entry.restriction = [next(), next(), next(), next(), next()];
    } else {
      entry.restriction = [next(), next(), next()];
    }
    entry.end = next();
    entries.push(entry);
  }
  return entries;
}

function checkEntry(c, i, entry, expected) {
  const what = `point ${i}`;
  const named = DATABASE_NAME.test(expected.ident) && expected.kind !== 'U';
  const airport = named && expected.kind === 'A';
  c.same('pmdg', `${what} type`, entry.type, airport ? '1' : '5');
  c.same('pmdg', `${what} leg`, entry.via, 'DIRECT');
  const m = POSITION.exec(entry.position || '');
  if (m === null) {
    c.fail('pmdg', `${what} position line ${JSON.stringify(entry.position)}`);
    return;
  }
  const lat = (m[1] === 'S' ? -1 : 1) * Number(m[2]);
  const lon = (m[3] === 'W' ? -1 : 1) * Number(m[4]);
  c.near('pmdg', `${what} latitude`, lat, expected.lat, 1e-6);
  c.near('pmdg', `${what} longitude`, longitudeDifference(lon, expected.lon), 0, 1e-6);
  c.near('pmdg', `${what} altitude`, m[5], expected.altitude, 0.5);
  if (named) {
    c.same('pmdg', `${what} name`, entry.name, expected.ident);
  } else {
    const n = ICAO_NAME.exec(entry.name);
    if (n === null) {
      c.fail('pmdg', `${what} name ${JSON.stringify(entry.name)} is no position`);
    } else {
      const nameLat = (n[3] === 'S' ? -1 : 1) * (Number(n[1]) + Number(n[2]) / 60);
      const nameLon = (n[6] === 'W' ? -1 : 1) * (Number(n[4]) + Number(n[5]) / 60);
      c.near('pmdg', `${what} name latitude`, nameLat, expected.lat, MINUTE_ROUNDING);
      c.near('pmdg', `${what} name longitude`, longitudeDifference(nameLon, expected.lon), 0, MINUTE_ROUNDING);
    }
  }
  if (airport) {
    c.same('pmdg', `${what} runway`, entry.runway, '-----');
    c.same('pmdg', `${what} departure flag`, entry.departure, i === 0 ? '1' : '0');
    c.same('pmdg', `${what} runway position`, entry.runwayPosition, '0');
    c.same('pmdg', `${what} empty line`, entry.gap, '');
    const phase = entry.restriction[0];
    if (!['1', '2', '3'].includes(phase)) c.fail('pmdg', `${what} restriction phase ${phase}`);
    c.same('pmdg', `${what} restriction altitude`, entry.restriction[1], m[5]);
    c.same('pmdg', `${what} restriction`, entry.restriction.slice(2).join(' '), '- -1000000 -1000000');
  } else {
    c.same('pmdg', `${what} restriction`, entry.restriction.join(' '), '0 0 0');
  }
  c.same('pmdg', `${what} end`, entry.end, '');
}

function checkPmdg(c) {
  const text = fs.readFileSync(c.plan('PMDG', '.rte'), 'latin1');
  if (!/^[\x20-\x7e\r\n]*$/.test(text) || /(^|[^\r])\n/.test(text)) {
    c.fail('pmdg', 'the plan is not ASCII with CR LF line ends');
  }
  const lines = text.split('\r\n');
  c.same('pmdg', 'line 2', lines[1], '');
  c.same('pmdg', 'line 4', lines[3], '');
  const entries = readEntries(lines);
  c.same('pmdg', 'point count line', lines[2], String(entries.length));
  const count = c.sameCount('pmdg', entries.length);
  for (let i = 0; i < count; i++) checkEntry(c, i, entries[i], c.route[i]);
}

module.exports = checkPmdg;
