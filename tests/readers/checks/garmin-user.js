'use strict';

const { checkGarminPlan, USER } = require('./garmin.js');

// --- Garmin FlightPlan v1, every en-route point a user waypoint ----------------

module.exports = (c) => checkGarminPlan(c, 'garmin-user', 'GARMINUSER', (row) => (row.kind === 'A' ? 'AIRPORT' : USER));
