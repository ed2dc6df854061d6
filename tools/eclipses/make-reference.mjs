// Writes the reference tables of eclipses and lunar apsides that the engine's tests compare
// with, computed by implementations independent of the engine's ephemeris library: the
// eclipses by Astronomy Engine, the Moon's distance by the lunar theory ELP/MPP02 (the series
// fitted to DE405, in the shorter of the two forms the package astronomia carries: within 0.05
// km of the full one, and two hundred times faster).
//   node make-reference.mjs OUTPUT_FOLDER        (npm ci && npm run build writes ../../tests/data)
//
// Every time is UTC, rounded to the second. Two runs write identical files.

import {writeFileSync} from 'node:fs';
import {join} from 'node:path';
import * as Astronomy from 'astronomy-engine';
import {Moon} from 'astronomia/elp';
import elpData from 'astronomia/data/elpMppDe';
import {deltaT} from 'astronomia/deltat';

const FIRST = new Date(Date.UTC(2026, 0, 1));
const END = new Date(Date.UTC(2036, 0, 1)); // 2026 to 2035
// One place in each hemisphere and one beside the date line, at sea level; for the lunar
// eclipses' visibility also one in the polar day and night.
const PLACES = [
    {name: 'paris', latitude: 48.85, longitude: 2.35},
    {name: 'buenosaires', latitude: -34.6, longitude: -58.38},
    {name: 'apia', latitude: -13.83, longitude: -171.76},
];
const POLAR = {name: 'longyearbyen', latitude: 78.22, longitude: 15.65};
// The highest altitude of a body during an eclipse is read from samples this far apart.
const SAMPLE_MINUTES = 1;
const MINUTE = 1 / 1440;

const out = process.argv[2];
if (!out) {
    console.error('usage: node make-reference.mjs OUTPUT_FOLDER');
    process.exit(2);
}

function stamp(time) {
    if (time === undefined)
        return '';
    const ms = Math.round(time.date.getTime() / 1000) * 1000;
    return new Date(ms).toISOString().replace('.000Z', 'Z');
}

function before(time) {
    return time.date.getTime() < END.getTime();
}

// The body's apparent altitude (refracted, its centre) seen from the place, in degrees.
function altitude(body, time, observer) {
    const eq = Astronomy.Equator(body, time, observer, true, true);
    return Astronomy.Horizon(time, observer, eq.ra, eq.dec, 'normal').altitude;
}

function highestAltitude(body, begin, end, observer) {
    let best = -90;
    for (let t = begin; t.ut <= end.ut; t = t.AddDays(SAMPLE_MINUTES * MINUTE))
        best = Math.max(best, altitude(body, t, observer));
    return Math.max(best, altitude(body, end, observer));
}

function write(name, header, rows) {
    writeFileSync(join(out, name), [header, ...rows].join('\n') + '\n');
    console.log(`${name}: ${rows.length} rows`);
}

const observe = p => ({...p, observer: new Astronomy.Observer(p.latitude, p.longitude, 0)});
const observers = PLACES.map(observe);

// Lunar eclipses: the contacts follow from the peak and the semi-durations of the phases.
const lunar = [];
const lunarAltitudes = [];
for (let e = Astronomy.SearchLunarEclipse(FIRST); before(e.peak); e = Astronomy.NextLunarEclipse(e.peak)) {
    // A phase the eclipse does not reach has a semi-duration of 0: no contacts.
    const at = (semi, side) => (semi > 0 ? e.peak.AddDays(side * semi * MINUTE) : undefined);
    lunar.push([e.kind, stamp(e.peak), stamp(at(e.sd_penum, -1)), stamp(at(e.sd_partial, -1)),
                stamp(at(e.sd_total, -1)), stamp(at(e.sd_total, 1)), stamp(at(e.sd_partial, 1)),
                stamp(at(e.sd_penum, 1))].join(','));
    const begin = e.peak.AddDays(-e.sd_penum * MINUTE), end = e.peak.AddDays(e.sd_penum * MINUTE);
    for (const p of [...observers, observe(POLAR)]) {
        const high = highestAltitude(Astronomy.Body.Moon, begin, end, p.observer);
        lunarAltitudes.push([p.name, stamp(e.peak), high.toFixed(2)].join(','));
    }
}
write('lunar_eclipses.csv',
      'kind,peak,penumbralBegin,partialBegin,totalBegin,totalEnd,partialEnd,penumbralEnd', lunar);
write('lunar_eclipse_altitudes.csv', 'place,peak,highestMoonAltitude', lunarAltitudes);

const solar = [];
for (let e = Astronomy.SearchGlobalSolarEclipse(FIRST); before(e.peak);
     e = Astronomy.NextGlobalSolarEclipse(e.peak))
    solar.push([e.kind, stamp(e.peak)].join(','));
write('solar_eclipses.csv', 'kind,peak', solar);

// Solar eclipses at each place: every one whose penumbra reaches it, seen or below the horizon.
const local = [];
for (const p of observers) {
    for (let e = Astronomy.SearchLocalSolarEclipse(FIRST, p.observer); before(e.peak.time);
         e = Astronomy.NextLocalSolarEclipse(e.peak.time, p.observer)) {
        const high = highestAltitude(Astronomy.Body.Sun, e.partial_begin.time, e.partial_end.time,
                                     p.observer);
        local.push([p.name, e.kind, stamp(e.partial_begin.time), stamp(e.peak.time),
                    stamp(e.partial_end.time), e.obscuration.toFixed(4), e.peak.altitude.toFixed(2),
                    high.toFixed(2)].join(','));
    }
}
write('local_solar_eclipses.csv',
      'place,kind,begin,maximum,end,obscuration,sunAltitudeAtMaximum,highestSunAltitude', local);

// The apsides: the extremes of the geometric distance between the centres, found on a scan
// every six hours (they lie two weeks apart) and narrowed by golden sections to well under a
// second. ELP/MPP02 runs on terrestrial
// time; astronomia's Delta T turns the instants into UT.
const moon = new Moon(elpData);
const julian = date => date.getTime() / 864e5 + 2440587.5;
const distance = jd => moon.position(jd + deltaT(2000 + (jd - 2451545) / 365.25) / 86400).range;
const utc = jd => Astronomy.MakeTime(new Date((jd - 2440587.5) * 864e5));
const STEP = 0.25; // days
const apsides = [];
let previous = distance(julian(FIRST) - STEP), current = distance(julian(FIRST));
for (let t = julian(FIRST); t < julian(END); t += STEP) {
    const next = distance(t + STEP);
    const perigee = current < previous && current <= next;
    if (perigee || (current > previous && current >= next)) {
        let a = t - STEP, b = t + STEP;
        while (b - a > 1e-6) {
            const m1 = a + (b - a) * 0.382, m2 = a + (b - a) * 0.618;
            if ((distance(m1) < distance(m2)) === perigee)
                b = m2;
            else
                a = m1;
        }
        const at = (a + b) / 2;
        apsides.push([perigee ? 'perigee' : 'apogee', stamp(utc(at)), distance(at).toFixed(1)].join(','));
    }
    previous = current;
    current = next;
}
write('moon_apsides.csv', 'kind,time,distanceKm', apsides);
