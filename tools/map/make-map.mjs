// Draws res/images/map-world.svg: the land of Natural Earth's 1:50m land polygons (world-atlas
// land-50m.json) in the settings page's map projection.
//
// The page stretches the picture over a map 300 x 200 design pixels large and places markers
// with x = W/2 + W/360 * longitude - W/36 and y = H/2 - H/180 * latitude: a plate carrée
// whose left edge is longitude -170, whose centre line is 10 E and whose top and bottom are the
// poles. The picture uses the same numbers in its own units (viewBox 0 0 300 200), so a point
// projected by the page lies on the same spot of the picture at every size.
//
// Run with `npm ci && npm run build` in this folder. Two runs write identical files.

import {readFileSync, writeFileSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {createRequire} from 'node:module';
import {geoEquirectangular, geoStream} from 'd3-geo';
import {feature} from 'topojson-client';

const WIDTH = 300;
const HEIGHT = 200;
const LEFT_LONGITUDE = -170;
// Coordinates are written on a grid of 1/GRID picture units, about 0.12 degrees: finer than
// a screen pixel of the map at any interface scale, coarse enough to keep the file small.
const GRID = 10;
// Qt's SVG renderer drops a whole <path> with more than 32767 elements without a word, so the
// land is split into paths of whole polygons with at most this many points each.
const MAX_POINTS_PER_PATH = 12000;
const LAND_COLOUR = '#8d96ad';

const here = dirname(fileURLToPath(import.meta.url));
const target = join(here, '..', '..', 'res', 'images', 'map-world.svg');
const require = createRequire(import.meta.url);
const topology = JSON.parse(readFileSync(require.resolve('world-atlas/land-50m.json'), 'utf8'));
const land = feature(topology, topology.objects.land);

// Rotating the sphere by -(LEFT_LONGITUDE + 180) = -10 degrees brings the picture's edge to the
// projection's antimeridian, where d3 cuts the shapes on the sphere. A flat shift of projected
// x would instead leave Chukotka's and Fiji's polygons straddling the edge and draw bands
// across the whole map. Precision 0: the data's edges are straight in longitude and latitude,
// so no resampling is wanted. The projection gives x in [-pi, pi] and y in [-pi/2, pi/2].
const projection = geoEquirectangular()
    .rotate([-(LEFT_LONGITUDE + 180), 0])
    .scale(1)
    .translate([0, 0])
    .precision(0);

function toPicture(x, y) {
    return [
        Math.round((WIDTH / 2 + (x * WIDTH) / (2 * Math.PI)) * GRID),
        Math.round((HEIGHT / 2 + (y * HEIGHT) / Math.PI) * GRID),
    ];
}

// Collects the projected rings polygon by polygon, on the integer grid.
const polygons = [];
let polygon = null;
let ring = null;
const sink = {
    polygonStart() {
        polygon = [];
    },
    polygonEnd() {
        if (polygon.length > 0) polygons.push(polygon);
        polygon = null;
    },
    lineStart() {
        ring = [];
    },
    lineEnd() {
        // Drop the closing repeat and points that fall on the grid point before them.
        const points = [];
        for (const p of ring) {
            const last = points[points.length - 1];
            if (!last || last[0] !== p[0] || last[1] !== p[1]) points.push(p);
        }
        while (points.length > 1 && points[0][0] === points[points.length - 1][0]
               && points[0][1] === points[points.length - 1][1])
            points.pop();
        if (points.length >= 3) polygon.push(points);
        ring = null;
    },
    point(x, y) {
        ring.push(toPicture(x, y));
    },
    sphere() {},
};
geoStream(land, projection.stream(sink));

const number = (n) => {
    // Grid units to picture units, shortest form: 12 -> "1.2", -3 -> "-.3", 0 -> "0".
    const text = (n / GRID).toString();
    return text.replace(/^(-?)0\./, '$1.');
};
const pair = (x, y) => number(x) + (y < 0 ? '' : ' ') + number(y);

function ringPath(points) {
    // Absolute start, then relative steps, which are short numbers.
    let d = 'M' + pair(points[0][0], points[0][1]) + 'l';
    for (let i = 1; i < points.length; ++i) {
        const dx = points[i][0] - points[i - 1][0];
        const dy = points[i][1] - points[i - 1][1];
        d += (i > 1 && dx >= 0 ? ' ' : '') + pair(dx, dy);
    }
    return d + 'z';
}

const paths = [];
let current = '';
let currentPoints = 0;
let totalPoints = 0;
for (const rings of polygons) {
    const points = rings.reduce((sum, r) => sum + r.length, 0);
    if (points > MAX_POINTS_PER_PATH) throw new Error(`one polygon has ${points} points`);
    if (currentPoints + points > MAX_POINTS_PER_PATH) {
        paths.push(current);
        current = '';
        currentPoints = 0;
    }
    current += rings.map(ringPath).join('');
    currentPoints += points;
    totalPoints += points;
}
if (current) paths.push(current);

const svg = [
    '<?xml version="1.0" encoding="UTF-8"?>',
    `<svg xmlns="http://www.w3.org/2000/svg" version="1.1" baseProfile="tiny" width="${WIDTH}" `
        + `height="${HEIGHT}" viewBox="0 0 ${WIDTH} ${HEIGHT}">`,
    '<!-- Land: Natural Earth 1:50m (public domain) from world-atlas 2.0.2 (ISC). Plate carrée, '
        + `left edge ${LEFT_LONGITUDE}, centre ${LEFT_LONGITUDE + 180} E. Made by tools/map/make-map.mjs. -->`,
    `<g fill="${LAND_COLOUR}" fill-rule="nonzero" stroke="none">`,
    ...paths.map((d) => `<path d="${d}"/>`),
    '</g>',
    '</svg>',
    '',
].join('\n');
writeFileSync(target, svg);
console.log(`${target}: ${polygons.length} polygons, ${totalPoints} points, ${paths.length} paths, `
            + `${svg.length} bytes`);
