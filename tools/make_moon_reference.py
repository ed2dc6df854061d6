#!/usr/bin/python3
"""Reference tables for the lunar engine's tests, computed with PyEphem (Debian python3-ephem),
an implementation independent of the ephemeris library the engine uses.

    /usr/bin/python3 tools/make_moon_reference.py tests/data

writes moon_events.csv (rising, setting, transits after given moments, and how fast the Moon's
altitude changes at rising and setting, degrees per minute), moon_signs.csv (the
Moon's topocentric tropical longitude crossing each multiple of 30 degrees) and moon_phases.csv
(the topocentric elongation crossing 0, 90, 180 and 270 degrees), for three places over
2026 and 2027; and for the calendar grid of March 2027 in Paris (local time Europe/Paris),
calendar_paris_2027_03.csv (lunar day and sign at 00:00 and 23:59 of each of the 42 days) and
voids_paris_2027_03.csv (the last exact aspect before each sign change of the grid). All times
are UTC, ISO 8601 with seconds, unless marked local.
"""

import csv
import datetime
import math
import os
import sys
import zoneinfo

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


def moon_longitude(lat, lon):
    """The Moon's topocentric longitude of date and the signs' width, for crossings()."""
    moon = ephem.Moon()
    return lambda t: (ecliptic_longitude(moon, lat, lon, t), 30.0)


def elongation(lat, lon):
    """The Moon's topocentric elongation from the Sun and the quarters' spacing, for
    crossings()."""
    moon, sun = ephem.Moon(), ephem.Sun()
    return lambda t: ((ecliptic_longitude(moon, lat, lon, t)
                       - ecliptic_longitude(sun, lat, lon, t)) % 360.0, 90.0)


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


GRID_PLACE = ("paris", 48.85, 2.35)
GRID_FIRST_DAY = datetime.date(2027, 2, 22)  # the Monday before 1 March 2027
ASPECTS = (0.0, 60.0, 90.0, 120.0, 180.0, 240.0, 270.0, 300.0)
BODIES = (ephem.Sun, ephem.Mercury, ephem.Venus, ephem.Mars, ephem.Jupiter, ephem.Saturn,
          ephem.Uranus, ephem.Neptune, ephem.Pluto)


def ephem_date(local_dt):
    return ephem.Date(local_dt.astimezone(datetime.timezone.utc).replace(tzinfo=None))


def calendar(folder):
    """Lunar day and sign at the grid's times, computed from first principles: the lunar day
    is floor(L * phase) + 1, with L the lunation between the topocentric new moons around the
    moment and phase the topocentric elongation as a fraction of the circle. Each row carries
    its distance from the next boundary, so a test can pass over rows too close to call."""
    _, lat, lon = GRID_PLACE
    zone = zoneinfo.ZoneInfo("Europe/Paris")
    moon = ephem.Moon()
    phase_angle = elongation(lat, lon)
    start = ephem_date(datetime.datetime.combine(GRID_FIRST_DAY, datetime.time(0), zone))
    begin = ephem.Date(start - 32)
    new_moons = [t for t, level in crossings(phase_angle, 1.0 / 24, begin, ephem.Date(begin + 110))
                 if level == 0]
    with open(os.path.join(folder, "calendar_paris_2027_03.csv"), "w", newline="") as f:
        w = csv.writer(f)
        w.writerow(["local_time", "lunar_day", "lunar_day_margin", "sign", "sign_margin_deg"])
        for i in range(42):
            day = GRID_FIRST_DAY + datetime.timedelta(days=i)
            for clock in (datetime.time(0, 0), datetime.time(23, 59)):
                local = datetime.datetime.combine(day, clock, zone)
                t = ephem_date(local)
                prev = max(n for n in new_moons if n <= t)
                nxt = min(n for n in new_moons if n > t)
                phase = phase_angle(t)[0] / 360.0
                product = (nxt - prev) * phase
                longitude = ecliptic_longitude(moon, lat, lon, t)
                in_sign = longitude % 30.0
                w.writerow([local.strftime("%Y-%m-%dT%H:%M"), math.floor(product) + 1,
                            "%.4f" % min(product % 1.0, 1.0 - product % 1.0),
                            int(longitude // 30.0) % 12,
                            "%.4f" % min(in_sign, 30.0 - in_sign)])

    # The void of course before each sign change of the grid: the last exact aspect (0, 60, 90,
    # 120, 180 degrees either way) of the Moon with the Sun or a planet before the change.
    ingresses = crossings(moon_longitude(lat, lon), 1.0 / 24, start, ephem.Date(start + 42))
    with open(os.path.join(folder, "voids_paris_2027_03.csv"), "w", newline="") as f:
        w = csv.writer(f)
        w.writerow(["ingress", "sign_entered", "last_aspect", "body", "angle"])
        for ingress, boundary in ingresses:
            best = None
            for make in BODIES:
                body = make()
                d = lambda t: (ecliptic_longitude(moon, lat, lon, t)
                               - ecliptic_longitude(body, lat, lon, t)) % 360.0
                t, v = ingress, d(ingress)
                while t > ingress - 4:
                    t2 = ephem.Date(t - 1.0 / 48)
                    v2 = d(t2)
                    # Going back the angle shrinks; an aspect angle lies in (v2, v] (mod 360).
                    hit = [a for a in ASPECTS if 0.0 < (v - a) % 360.0 <= (v - v2) % 360.0]
                    if hit:
                        a = hit[0]
                        lo, hi = t2, t
                        while hi - lo > 0.2 * SECOND:
                            mid = ephem.Date((lo + hi) / 2)
                            if (d(mid) - a) % 360.0 < 180.0:
                                hi = mid
                            else:
                                lo = mid
                        if best is None or hi > best[0]:
                            best = (hi, body.name, int(a))
                        break
                    t, v = t2, v2
            w.writerow([iso(ingress), boundary // 30 % 12, iso(best[0]), best[1], best[2]])


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
            for when, level in crossings(moon_longitude(lat, lon), 1.0 / 24, START, END):
                w.writerow([name, lat, lon, iso(when), level])

    with open(os.path.join(folder, "moon_phases.csv"), "w", newline="") as f:
        w = csv.writer(f)
        w.writerow(["place", "latitude", "longitude", "instant", "elongation"])
        for name, lat, lon in PLACES:
            for when, level in crossings(elongation(lat, lon), 1.0 / 24, START, END):
                w.writerow([name, lat, lon, iso(when), level])

    calendar(folder)


if __name__ == "__main__":
    main()
