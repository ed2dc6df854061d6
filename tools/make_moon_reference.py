#!/usr/bin/python3
"""Reference tables for the lunar engine's tests, computed with PyEphem (Debian python3-ephem),
an implementation independent of the ephemeris library the engine uses.

    /usr/bin/python3 tools/make_moon_reference.py tests/data

writes moon_events.csv (rising, setting, transits after given moments, and how fast the Moon's
altitude changes at rising and setting, degrees per minute), moon_signs.csv (the
Moon's topocentric tropical longitude crossing each multiple of 30 degrees) and moon_phases.csv
(the topocentric elongation crossing 0, 90, 180 and 270 degrees), for three places over
2026 and 2027. All times are UTC, ISO 8601 with seconds.
"""

import csv
import math
import os
import sys

import ephem

PLACES = [
    # name, latitude, longitude (degrees, east positive)
    ("paris", 48.85, 2.35),
    ("reykjavik", 64.15, -21.94),
    ("sydney", -33.87, 151.21),
]
START = ephem.Date("2026/1/1 00:00:00")
END = ephem.Date("2028/1/1 00:00:00")
SECOND = 1.0 / 86400.0


def observer(lat, lon, when):
    o = ephem.Observer()
    o.lat = str(lat)
    o.lon = str(lon)
    o.elevation = 0.0
    o.pressure = 1013.25
    o.temp = 16.0
    o.horizon = "0"  # with use_center False: the upper limb, refraction from pressure and temp
    o.date = when
    o.epoch = when
    return o


def iso(d):
    if d is None:
        return ""
    # Round to the second; ephem.Date prints to the second with a slash format.
    t = ephem.Date(round(float(d) / SECOND) * SECOND).tuple()
    return "%04d-%02d-%02dT%02d:%02d:%02dZ" % (t[0], t[1], t[2], t[3], t[4], int(round(t[5])) % 60)


def ecliptic_longitude(body, lat, lon, when):
    """Topocentric apparent ecliptic longitude of date, degrees."""
    o = observer(lat, lon, when)
    body.compute(o)
    eq = ephem.Equatorial(body.ra, body.dec, epoch=when)
    return math.degrees(ephem.Ecliptic(eq, epoch=when).lon)


def crossings(function, step, start, end):
    """Instants where the growing angle function(t) (degrees, wrapping at 360) crosses a
    multiple of the spacing handed back by function as its second value."""
    out = []
    t = start
    v, spacing = function(t)
    while t < end:
        t2 = t + step
        v2, _ = function(t2)
        if math.floor(v2 / spacing) != math.floor(v / spacing):
            level = (math.floor(v / spacing) + 1) * spacing % 360.0
            lo, hi = t, t2
            while hi - lo > 0.2 * SECOND:
                mid = (lo + hi) / 2
                vm, _ = function(mid)
                if (vm - v) % 360.0 >= (level - v) % 360.0 and (vm - v) % 360.0 < 180.0:
                    hi = mid
                else:
                    lo = mid
            out.append((hi, int(round(level)) % 360))
        t, v = t2, v2
    return out


def altitude_rate(lat, lon, when):
    """How fast the Moon's altitude changes at an instant, degrees per minute (absolute)."""
    moon = ephem.Moon()
    alt = []
    for dt in (-30 * SECOND, 30 * SECOND):
        moon.compute(observer(lat, lon, ephem.Date(when + dt)))
        alt.append(math.degrees(moon.alt))
    return abs(alt[1] - alt[0])


def events(lat, lon):
    rows = []
    moon = ephem.Moon()
    t = START
    while t < END:
        o = observer(lat, lon, t)
        row = [iso(t)]
        rates = []
        for i, method in enumerate((o.next_rising, o.next_setting, o.next_transit,
                                    o.next_antitransit)):
            o.date = t
            try:
                when = method(moon)
                row.append(iso(when))
                if i < 2:
                    rates.append("%.5f" % altitude_rate(lat, lon, when))
            except (ephem.AlwaysUpError, ephem.NeverUpError):
                row.append("")
                if i < 2:
                    rates.append("")
        rows.append(row + rates)
        t = ephem.Date(t + 5 + 7.0 / 24)  # every 5 days 7 hours: all hours of the day
    return rows


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    with open(os.path.join(folder, "moon_events.csv"), "w", newline="") as f:
        w = csv.writer(f)
        w.writerow(["place", "latitude", "longitude", "from", "rising", "setting",
                    "upper_transit", "lower_transit", "rising_rate", "setting_rate"])
        for name, lat, lon in PLACES:
            for row in events(lat, lon):
                w.writerow([name, lat, lon] + row)

    with open(os.path.join(folder, "moon_signs.csv"), "w", newline="") as f:
        w = csv.writer(f)
        w.writerow(["place", "latitude", "longitude", "crossing", "boundary"])
        for name, lat, lon in PLACES:
            moon = ephem.Moon()
            fn = lambda t: (ecliptic_longitude(moon, lat, lon, t), 30.0)
            for when, level in crossings(fn, 1.0 / 24, START, END):
                w.writerow([name, lat, lon, iso(when), level])

    with open(os.path.join(folder, "moon_phases.csv"), "w", newline="") as f:
        w = csv.writer(f)
        w.writerow(["place", "latitude", "longitude", "instant", "elongation"])
        for name, lat, lon in PLACES:
            moon, sun = ephem.Moon(), ephem.Sun()
            fn = lambda t: ((ecliptic_longitude(moon, lat, lon, t)
                             - ecliptic_longitude(sun, lat, lon, t)) % 360.0, 90.0)
            for when, level in crossings(fn, 1.0 / 24, START, END):
                w.writerow([name, lat, lon, iso(when), level])


if __name__ == "__main__":
    main()
