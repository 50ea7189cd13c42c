#!/usr/bin/env python3
"""Makes the real-recording corpus of the flight analysis tests from public flight logs.

Each line of sources.txt names one recording: the data set file to write, the kind of flight, the public repository,
commit and path it comes from, and the reader for its format. The logs themselves are not kept here; clone each
repository at its commit into SOURCES/owner+name (for example SOURCES/octo+flights for octo/flights) and run

    realcorpus.py make SOURCES tests/analysis/data/real

Every data set file holds the pressure (or barometric) altitude in metres at the log's own sample times, counted from
its first fix, and three notes: the kind of flight, where it came from, and its truth. The truth is taken from what
the log holds beside the altitude, never from the altitude analysis:

- IGC logs: the ground speed between GPS fixes. A flight is a stretch in which the aircraft moves at flying speed
  (joined over short slow spells: a glider hanging in a headwind); it was launched at the end of the last spell at
  rest (or at a walk) before it, and landed where the first lasting spell at rest after it begins.
- Radio telemetry logs: the ground speed of the GPS sensor where the model carries one, otherwise the motor (the
  first throttle-up launches a powered model) and the sticks (they rest once the model is down).

The highest altitude of a flight is the highest sample between its launch and landing. Where a log needs a word of
judgement (a wing handled along a beach after landing), sources.txt says so in an override with its reason.

    realcorpus.py show SOURCES NAME      prints the signals of one recording around its truth, for review
"""

import csv
import math
import os
import sys
from dataclasses import dataclass, field

HERE = os.path.dirname(os.path.abspath(__file__))


@dataclass
class Fix:
    t: float              # seconds from the first fix
    altitude: float       # pressure or barometric altitude, metres
    speed: float = math.nan  # ground speed, m/s (nan where unknown)
    motor: bool = False   # the motor runs (telemetry of powered models)
    sticks: bool = False  # the pilot moves the sticks (telemetry)


@dataclass
class Flight:
    launch: float
    landing: float | None  # None: the recording ends in the air
    in_air_at_start: bool = False
    highest: float = 0.0


@dataclass
class Source:
    name: str
    kind: str
    repo: str
    commit: str
    path: str
    reader: str
    overrides: dict = field(default_factory=dict)


# --- readers ---------------------------------------------------------------------------------------------------------

def distance(lat1, lon1, lat2, lon2):
    """Metres between two positions, on a sphere (plenty for a few hundred metres)."""
    p1, p2 = math.radians(lat1), math.radians(lat2)
    x = math.radians(lon2 - lon1) * math.cos(0.5 * (p1 + p2))
    return 6371000.0 * math.hypot(x, p2 - p1)


def ground_speeds(times, positions, half_span):
    """Ground speed at each fix over the fixes about half_span seconds either side; nan without positions."""
    n = len(times)
    speeds = [math.nan] * n
    lo = hi = 0
    for i in range(n):
        while lo < i and times[lo] < times[i] - half_span:
            lo += 1
        while hi + 1 < n and times[hi + 1] <= times[i] + half_span:
            hi += 1
        a, b = lo, hi
        if a == b:
            a, b = max(i - 1, 0), min(i + 1, n - 1)
        if positions[a] is None or positions[b] is None or times[b] <= times[a]:
            continue
        speeds[i] = distance(*positions[a], *positions[b]) / (times[b] - times[a])
    return speeds


def read_igc(path):
    """Fixes of an IGC log: B records, in time order (a time that does not advance is dropped)."""
    times, altitudes, positions = [], [], []
    offset = 0
    previous = None
    with open(path, 'rb') as f:
        for raw in f:
            line = raw.decode('latin-1').rstrip('\r\n')
            if not line.startswith('B') or len(line) < 35:
                continue
            try:
                t = int(line[1:3]) * 3600 + int(line[3:5]) * 60 + int(line[5:7]) + offset
                lat = int(line[7:9]) + int(line[9:14]) / 60000.0
                lon = int(line[15:18]) + int(line[18:23]) / 60000.0
                pressure = int(line[25:30])
            except ValueError:
                continue
            lat = -lat if line[14] == 'S' else lat
            lon = -lon if line[23] == 'W' else lon
            if previous is not None and t < previous - 43200:  # past midnight
                offset += 86400
                t += 86400
            if previous is not None and t <= previous:
                continue
            previous = t
            times.append(float(t))
            altitudes.append(float(pressure))
            positions.append((lat, lon) if line[24] == 'A' and (lat or lon) else None)
    return times, altitudes, positions


def read_fix_list(path):
    """Fixes of a list of "hhmmss altitude" lines ('#' starts a comment), with no positions."""
    times, altitudes = [], []
    with open(path) as f:
        for line in f:
            if not line.strip() or line.startswith('#'):
                continue
            stamp, altitude = line.split()[:2]
            times.append(int(stamp[0:2]) * 3600 + int(stamp[2:4]) * 60 + int(stamp[4:6]))
            altitudes.append(float(altitude))
    return times, altitudes


def seconds_of(stamp):
    h, m, s = stamp.split(':')
    return int(h) * 3600 + int(m) * 60 + float(s)


def read_telemetry(path):
    """Rows of a radio's telemetry log (CSV with a header): time, barometric altitude, throttle, sticks, GPS speed."""
    with open(path, encoding='utf-8', errors='replace', newline='') as f:
        rows = [r for r in csv.DictReader(f) if r.get('Time')]
    fixes = []
    first = seconds_of(rows[0]['Time'])
    for r in rows:
        t = seconds_of(r['Time']) - first
        if fixes and t <= fixes[-1].t:
            continue
        speed = r.get('GSpd(kmh)')
        fix = Fix(t, float(r['Alt(m)']), float(speed) / 3.6 if speed not in (None, '') else math.nan)
        fix.motor = float(r.get('Thr') or -1024) > 0  # more than half throttle
        fix.sticks = any(abs(float(r.get(k) or 0)) > 60 for k in ('Ail', 'Ele'))
        fixes.append(fix)
    return fixes


# --- truth -----------------------------------------------------------------------------------------------------------

# Ground speeds by kind of aircraft, m/s: at flying speed, and at rest (standing, or walking with the aircraft).
FLYING_SPEED = {'sailplane': 12.0, 'paraglider': 4.5, 'hang glider': 6.0, 'model': 5.0}
REST_SPEED = 2.0
MIN_FLYING_SECONDS = 20.0  # a shorter burst of speed is a glitch of the GPS
MIN_REST_SECONDS = 30.0    # a flight goes on over a shorter stop (a paraglider hanging in a headwind)
SETTLED_SECONDS = 15.0     # at rest this long before a flight, the aircraft stood on the ground
LANDED_SECONDS = 60.0      # at rest this long after a flight (or to the end of the log), the aircraft has landed: a
                           # glider descending into a strong wind can hang at a walker's pace for half a minute


def runs(flags):
    """(first, last) index of each run of True."""
    out, start = [], None
    for i, f in enumerate(flags + [False]):
        if f and start is None:
            start = i
        elif not f and start is not None:
            out.append((start, i - 1))
            start = None
    return out


def flights_from_speed(fixes, flying):
    """Flights from the ground speed: runs at flying speed, joined over stops shorter than MIN_REST_SECONDS."""
    t = [f.t for f in fixes]
    # A fix without a position (the GPS lost its fix for a moment) moves as the fix before it did.
    speeds, last = [], math.nan
    for f in fixes:
        last = last if math.isnan(f.speed) else f.speed
        speeds.append(last)
    moving = [not math.isnan(v) and v >= flying for v in speeds]
    resting = [not math.isnan(v) and v < REST_SPEED for v in speeds]
    # Fixes far apart see a thermalling aircraft as slow: a rest then takes a few fixes more.
    step = median_step(t)
    min_rest = max(MIN_REST_SECONDS, 8 * step)
    seeds = [(a, b) for a, b in runs(moving) if t[b] - t[a] >= MIN_FLYING_SECONDS]
    rests = [(a, b) for a, b in runs(resting) if t[b] - t[a] >= min_rest or b == len(fixes) - 1]
    joined = []
    for a, b in seeds:
        if joined and not any(joined[-1][1] < ra and rb < a for ra, rb in rests):
            joined[-1] = (joined[-1][0], b)
        else:
            joined.append((a, b))
    # At rest for a while: a glider hanging in the wind, or turning into it on the final approach, can slow to a walk
    # for a moment.
    rests = runs(resting)
    settled = [rb for ra, rb in rests if t[rb] - t[ra] >= max(SETTLED_SECONDS, 2 * step) or ra == 0]
    landed = [ra for ra, rb in rests if t[rb] - t[ra] >= max(LANDED_SECONDS, 2 * step) or rb == len(fixes) - 1]
    flights = []
    for a, b in joined:
        before = [rb for rb in settled if rb < a]
        after = [ra for ra in landed if ra > b]
        launch = before[-1] if before else 0
        landing = after[0] if after else None
        in_air = not before and not resting[0]
        flights.append(Flight(t[launch], t[landing] if landing is not None else None, in_air))
    return flights


def flights_from_controls(fixes):
    """One flight of a powered model without GPS: launched when the motor first runs, landed where the sticks come to
    rest for good (the last move of a stick, when the sticks then rest to the end of the log)."""
    first = next(i for i, f in enumerate(fixes) if f.motor)
    last_move = max(i for i, f in enumerate(fixes) if f.sticks or f.motor)
    landing = fixes[last_move + 1].t if last_move + 1 < len(fixes) else None
    return [Flight(fixes[first].t, landing)]


def add_highest(fixes, flights):
    for f in flights:
        end = f.landing if f.landing is not None else fixes[-1].t
        f.highest = max(x.altitude for x in fixes if f.launch <= x.t <= end)


# --- sources and data set files --------------------------------------------------------------------------------------

def read_sources(path=os.path.join(HERE, 'sources.txt')):
    """The recordings: 'name | kind | repo | commit | path | reader [| key=value ...]' lines, '#' starts a comment."""
    sources = []
    with open(path) as f:
        for line in f:
            if not line.strip() or line.lstrip().startswith('#'):
                continue
            cells = [c.strip() for c in line.split('|')]
            overrides = dict(c.split('=', 1) for c in cells[6:] if c)
            sources.append(Source(*cells[:6], overrides))
    return sources


def parse_time(text):
    """Seconds from 'hhmmss' or a plain number of seconds."""
    if len(text) == 6 and text.isdigit():
        return int(text[0:2]) * 3600 + int(text[2:4]) * 60 + int(text[4:6])
    return float(text)


def load(source, root):
    """The fixes of a recording, with its flights as the log shows them."""
    if source.repo == '-':  # kept in this tree
        path = os.path.join(HERE, '..', 'data', source.path)
    else:
        path = os.path.join(root, source.repo.replace('/', '+'), source.path)
    speed_span = float(source.overrides.get('speed_span', 4))
    if source.reader == 'igc':
        times, altitudes, positions = read_igc(path)
        first = times[0]
        times = [t - first for t in times]
        speeds = ground_speeds(times, positions, max(speed_span, 1.5 * median_step(times)))
        fixes = [Fix(t, a, v) for t, a, v in zip(times, altitudes, speeds)]
    elif source.reader == 'fixes':
        times, altitudes = read_fix_list(path)
        first = times[0]
        fixes = [Fix(t - first, a) for t, a in zip(times, altitudes)]
    elif source.reader == 'telemetry':
        first = None
        fixes = read_telemetry(path)
    else:
        raise ValueError(f'{source.name}: unknown reader {source.reader}')
    flights = truth(source, fixes, first)
    add_highest(fixes, flights)
    return fixes, flights


def truth(source, fixes, first):
    o = source.overrides
    if 'flights' in o:  # launch-landing pairs read off the log by hand, in its own clock ('air': no landing)
        flights = []
        for pair in o['flights'].split(','):
            launch, landing = pair.split('-')
            shift = first if len(launch) == 6 else 0
            flights.append(Flight(parse_time(launch) - shift,
                                  None if landing == 'air' else parse_time(landing) - shift))
        return flights
    if not any(not math.isnan(f.speed) for f in fixes):
        return flights_from_controls(fixes)
    flying = float(o.get('flying_speed', FLYING_SPEED[source.kind.split(',')[0]]))
    return flights_from_speed(fixes, flying)


def median_step(times):
    steps = sorted(b - a for a, b in zip(times, times[1:]))
    return steps[len(steps) // 2] if steps else 1.0


def truth_note(flights):
    """Note 3: 'truth: launch-landing highest; ...' in seconds and metres ('air' where the recording ends in the air,
    a launch marked '<' where it began in the air)."""
    parts = []
    for f in flights:
        landing = 'air' if f.landing is None else f'{f.landing:g}'
        parts.append(f"{'<' if f.in_air_at_start else ''}{f.launch:g}-{landing} {f.highest:g}")
    return 'truth: ' + '; '.join(parts)


def data_set_file(source, fixes, flights):
    """The data set file, as the program writes it: a header of seven lines and one line per sample."""
    origin = f'tests/analysis/data/{source.path}' if source.repo == '-' else \
        f'{source.repo} {source.commit[:12]} {source.path}'
    lines = [source.name[:19], 'Time (seconds)', 'Altitude (meters)', source.kind, origin, truth_note(flights)]
    out = ['#' + line for line in lines]
    low = min(f.altitude for f in fixes)
    high = max(f.altitude for f in fixes)
    out.append(f'#{0:g},{low:g},{fixes[-1].t:g},{high:g},0')
    out += [f'{f.t:9.4f}, {f.altitude:9.4f}, 0' for f in fixes]
    return ('\r\n'.join(out) + '\r\n').encode('utf-8')


def make(root, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for source in read_sources():
        fixes, flights = load(source, root)
        with open(os.path.join(out_dir, source.name + '.csv'), 'wb') as f:
            f.write(data_set_file(source, fixes, flights))
        print(f'{source.name}: {len(fixes)} samples, {truth_note(flights)}')


def show(root, name):
    source = next(s for s in read_sources() if s.name == name)
    fixes, flights = load(source, root)
    print(truth_note(flights))
    marks = {f.launch for f in flights} | {f.landing for f in flights if f.landing is not None}
    step = max(1, len(fixes) // 400)
    for i, f in enumerate(fixes):
        near = any(abs(f.t - m) <= 30 for m in marks)
        if near or i % step == 0:
            print(f'{f.t:9.1f} {f.altitude:7.1f} {f.speed:6.1f} {"M" if f.motor else " "}{"S" if f.sticks else " "}'
                  f'{" <--" if f.t in marks else ""}')


if __name__ == '__main__':
    if len(sys.argv) == 4 and sys.argv[1] == 'make':
        make(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 4 and sys.argv[1] == 'show':
        show(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)
