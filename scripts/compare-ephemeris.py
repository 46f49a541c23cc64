#!/usr/bin/python3
"""Checks the astrology report's longitudes against an independent computation.

The reference positions do not come from the Swiss Ephemeris: they are JPL's
DE405 (as packaged for casacore, years 1960 to 2060), corrected for light time,
seen from the city through astropy's GCRS (aberration, light deflection,
parallax) and put on the true ecliptic and equinox of date through ERFA's IAU
2006/2000A precession-nutation. A check against astropy's built-in Sun guards
the reading of the DE405 records. Where the bundled IERS table ends, UT1 is
taken as UTC (well under a second).

Usage:
  compare-ephemeris.py [--cli PATH] [--cities FILE]   compare with `quadrix-cli astro`
  compare-ephemeris.py --table                         print the reference rows of tests/test_astrology.cpp

Needs Debian's python3-astropy, python3-casacore and casacore-data-jpl-de405;
nothing is downloaded.
"""

import argparse
import math
import os
import subprocess
import sys
import xml.etree.ElementTree as ET
from datetime import datetime
from zoneinfo import ZoneInfo

import warnings

import numpy as np
from astropy.utils import iers

iers.conf.auto_download = False
iers.conf.auto_max_age = None
iers.conf.iers_degraded_accuracy = "ignore"
warnings.filterwarnings("ignore", message="Tried to get polar motions")

import astropy.units as u
import erfa
from astropy.coordinates import (GCRS, ICRS, CartesianRepresentation, EarthLocation, get_body_barycentric,
                                 solar_system_ephemeris)
from astropy.time import Time

HERE = os.path.dirname(os.path.abspath(__file__))
BODIES = ["sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"]
DE405 = "/usr/share/casacore/data/ephemerides/DE405"
LIGHT_DAY_KM = 299792.458 * 86400.0

# Local date-time as typed, and the city of res/city.xml.
CASES = [
    ("2011-11-24 10:30:00", "Beijing"),
    ("1987-10-19 9:30:00", "New York"),
    ("2000-01-01 12:00:00", "London"),
    ("2008-09-15 10:00:00", "Sydney"),
    ("1997-07-01 0:00:00", "Hong Kong"),
    ("2020-03-23 15:00:00", "Sao Paulo"),
    ("2024-06-21 9:15:00", "Mumbai"),
    ("1975-04-10 12:00:00", "Moscow"),
]


def read_cities(path):
    """Name -> (latitude, longitude, zone) from the city file."""
    cities = {}
    for loc in ET.parse(path).getroot().iter("Location"):
        def angle(tag, positive):
            e = loc.find(tag)
            value = int(e.get("Degrees")) + int(e.get("Minutes")) / 60.0
            return value if e.get("Direction") == positive else -value
        cities[loc.get("Name")] = (angle("Latitude", "North"), angle("Longitude", "East"), loc.get("Zone"))
    return cities


class De405:
    """Chebyshev records of DE405: 32-day blocks, km, barycentric ICRF."""
    # Offset in the record, coefficients per component, sub-intervals.
    LAYOUT = {"mercury": (0, 14, 4), "venus": (168, 10, 2), "emb": (228, 13, 2), "mars": (306, 11, 1),
              "jupiter": (339, 8, 1), "saturn": (363, 7, 1), "uranus": (384, 6, 1), "neptune": (402, 6, 1),
              "pluto": (420, 6, 1), "moon": (438, 13, 8), "sun": (750, 11, 2)}

    def __init__(self):
        from casacore.tables import table
        t = table(DE405, ack=False)
        keys = t.getkeywords()
        self.emrat = keys["EMRAT"]
        self.step = keys["dMJD"]
        self.starts = t.getcol("MJD")  # each record covers step days from its MJD
        self.records = t.getcol("x")

    def _raw(self, name, jd_tdb):
        mjd = jd_tdb - 2400000.5
        index = int(np.searchsorted(self.starts, mjd, side="right")) - 1
        start = self.starts[index]
        offset, n, subs = self.LAYOUT[name]
        length = self.step / subs
        sub = min(int((mjd - start) // length), subs - 1)
        x = 2.0 * (mjd - start - sub * length) / length - 1.0
        coeffs = self.records[index][offset + sub * 3 * n: offset + (sub + 1) * 3 * n].reshape(3, n)
        return np.polynomial.chebyshev.chebval(x, coeffs.T)

    def position(self, name, jd_tdb):
        """Barycentric km; the record holds the Moon from the Earth and the Earth-Moon barycentre."""
        emb = self._raw("emb", jd_tdb)
        moon = self._raw("moon", jd_tdb)
        earth = emb - moon / (1.0 + self.emrat)
        if name == "earth":
            return earth
        if name == "moon":
            return earth + moon
        return self._raw(name, jd_tdb)


def ecliptic_longitude(gcrs, t):
    """Longitude on the true ecliptic and equinox of date of a GCRS direction."""
    tt = t.tt
    v = erfa.pnm06a(tt.jd1, tt.jd2) @ gcrs.cartesian.xyz.value
    eps = erfa.obl06(tt.jd1, tt.jd2) + erfa.nut06a(tt.jd1, tt.jd2)[1]
    y = math.cos(eps) * v[1] + math.sin(eps) * v[2]
    return math.degrees(math.atan2(y, v[0])) % 360.0


def seen_from(de405, body, t, loc):
    """A body from DE405 at the time its light left, seen from loc through astropy's GCRS."""
    earth = de405.position("earth", t.tdb.jd)
    tau = 0.0
    for _ in range(3):
        position = de405.position(body, t.tdb.jd - tau)
        tau = np.linalg.norm(position - earth) / LIGHT_DAY_KM
    obsgeoloc, obsgeovel = loc.get_gcrs_posvel(t)
    icrs = ICRS(CartesianRepresentation(position * u.km))
    return icrs.transform_to(GCRS(obstime=t, obsgeoloc=obsgeoloc, obsgeovel=obsgeovel))


def reference(ut, lat, lon, de405):
    t = Time(ut, scale="utc")
    loc = EarthLocation.from_geodetic(lon * u.deg, lat * u.deg, 0 * u.m)
    return [ecliptic_longitude(seen_from(de405, b, t, loc), t) for b in BODIES]


def self_check(de405):
    """DE405's geocentric Sun against astropy's built-in one, to catch a misread record."""
    t = Time("2011-11-24 02:30:00", scale="utc")
    with solar_system_ephemeris.set("builtin"):
        sun = get_body_barycentric("sun", t) - get_body_barycentric("earth", t)
    mine = de405.position("sun", t.tdb.jd) - de405.position("earth", t.tdb.jd)
    theirs = sun.xyz.to(u.km).value
    angle = math.degrees(math.acos(np.dot(mine, theirs) / np.linalg.norm(mine) / np.linalg.norm(theirs)))
    if angle > 0.001:
        sys.exit(f"DE405 record misread: the Sun is {angle:.4f} degrees off")


def ut_of(local_text, zone):
    local = datetime.strptime(local_text, "%Y-%m-%d %H:%M:%S").replace(tzinfo=ZoneInfo(zone))
    return local.astimezone(ZoneInfo("UTC")).strftime("%Y-%m-%d %H:%M:%S")


def report_longitudes(cli, cities, local_text, city):
    out = subprocess.run([cli, "astro", "--date", local_text, "--city", city, "--cities", cities],
                         check=True, capture_output=True).stdout.decode("utf-8")
    lines = [l for l in out.split("\r\n") if l.endswith("'")]
    return [float(l.split("\t")[3]) for l in lines]


def arc(a, b):
    d = abs(a - b) % 360.0
    return min(d, 360.0 - d)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", default=os.path.join(HERE, "..", "build", "cli", "quadrix-cli"))
    parser.add_argument("--cities", default=os.path.join(HERE, "..", "res", "city.xml"))
    parser.add_argument("--table", action="store_true")
    args = parser.parse_args()

    de405 = De405()
    self_check(de405)
    cities = read_cities(args.cities)
    worst = [0.0] * len(BODIES)
    for local_text, city in CASES:
        lat, lon, zone = cities[city]
        ut = ut_of(local_text, zone)
        ref = reference(ut, lat, lon, de405)
        if args.table:
            y, mo, d = (int(x) for x in ut[:10].split("-"))
            h, mi, s = (int(x) for x in ut[11:].split(":"))
            print(f"    {{\"{city}\", {{{y}, {mo}, {d}, {h}, {mi}, {s}}}, {lat:.6f}, {lon:.6f},")
            print("        {" + ", ".join(f"{x:.5f}" for x in ref) + "}},")
            continue
        got = report_longitudes(args.cli, args.cities, local_text, city)
        for i, (a, b) in enumerate(zip(ref, got)):
            worst[i] = max(worst[i], arc(a, b))
        print(f"{local_text} {city} (UT {ut}): largest difference {max(arc(a, b) for a, b in zip(ref, got)):.4f}")
    if not args.table:
        print("largest difference per body, degrees (the report prints two decimals):")
        for name, w in zip(BODIES, worst):
            print(f"  {name:8s} {w:.4f}")


if __name__ == "__main__":
    main()
