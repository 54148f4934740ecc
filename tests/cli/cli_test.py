#!/usr/bin/env python3
"""cli_test.py GROUP HKCAL runs the built tool: GROUP is golden, parsers
or pipes (each described below), or update, which rewrites golden/."""
import csv
import datetime
import difflib
import json
import os
import pathlib
import re
import shlex
import subprocess
import sys

# A fixed zone (UTC+8, no daylight saving) and DTSTAMP (2026-01-01 00:00 UTC) make outputs reproducible.
ENV = dict(os.environ, TZ='HKT-8', SOURCE_DATE_EPOCH='1767225600', LC_ALL='C.UTF-8')
ENV.pop('NO_COLOR', None)
failures = []


def check(ok, message):
    if not ok:
        failures.append(message)


def run(tool, args, env=ENV, stdout=subprocess.PIPE):
    return subprocess.run([tool] + args, stdout=stdout, stderr=subprocess.PIPE, env=env)


def output(tool, args):
    result = run(tool, args)
    if result.returncode != 0:
        raise SystemExit('hkcal %s: exit %d: %s' % (' '.join(args), result.returncode, result.stderr.decode()))
    return result.stdout


# A golden file of several commands shows each as "$ hkcal ARGS" before its output; these hold one each.
SINGLE = {'holidays-2026.csv': 'holidays 2026 --format=csv', 'holidays-2026.json': 'holidays 2026 --format=json',
          'holidays-2016.ics': 'holidays 2016 --format=ics'}


def mistake(tool, args):
    """errors.txt: a mistake exits 2 with nothing on stdout and one line on stderr, then the usage if that was wrong."""
    result = run(tool, args)
    check(result.returncode == 2 and result.stdout == b'' and
          re.fullmatch(rb'hkcal: .*\n(usage: hkcal .*\n)?', result.stderr), 'hkcal %s: %r' % (' '.join(args), result))
    return result.stderr


def golden(tool, update=False):
    """Outputs (stderr in errors.txt) byte for byte as in golden/, whose general lists 1999-2031 match the gazetted ones and statutory lists 2010-2027 the Labour Department's."""
    for path in sorted(pathlib.Path(__file__).resolve().parent.glob('golden/*')):
        want = path.read_bytes()
        run_one = mistake if path.name == 'errors.txt' else output
        commands = re.findall(rb'^\$ hkcal ?(.*)$', want, re.M)
        got = output(tool, SINGLE[path.name].split()) if path.name in SINGLE else b''.join(
            (b'$ hkcal ' + c).strip() + b'\n' + run_one(tool, shlex.split(c.decode())) for c in commands)
        if update:
            path.write_bytes(got)
        diff = difflib.unified_diff(want.decode().splitlines(True), got.decode().splitlines(True), 'want', 'got')
        check(update or (got == want and len(got) > 0), '%s differs:\n%s' % (path.name, ''.join(list(diff)[:12])))


def parsers(tool):
    """JSON, CSV and iCalendar output read by Python's json and csv and by python3-icalendar."""
    import icalendar  # Debian's python3-icalendar
    keys = ['date', 'weekday', 'name', 'observed_for']
    # Every year in English; Chinese, whose names differ only in the table of names, in years with substitute days.
    for year, lang in [(year, 'en') for year in range(1999, 2032)] + [(year, 'zh') for year in (2012, 2016, 2026)]:
        args = ['holidays', str(year), '--lang=' + lang]
        entries = json.loads(output(tool, args + ['--format=json']))
        days = [datetime.date.fromisoformat(e['date']) for e in entries]
        check(all(set(e) <= set(keys) and e['weekday'] == d.strftime('%A') and d.weekday() != 6
                  for d, e in zip(days, entries)), '%s: json %r' % (args, entries))
        rows = list(csv.reader(output(tool, args + ['--format=csv']).decode().splitlines()))
        check(rows == [keys] + [[e.get(k, '') for k in keys] for e in entries], '%s: csv %r' % (args, rows))
        if year not in (1999, 2012, 2016, 2026, 2031):  # long names to fold, Chinese to keep whole
            continue
        args.append('--format=ics')
        raw, raw_later = output(tool, args), run(tool, args, env=dict(ENV, SOURCE_DATE_EPOCH='1800000000')).stdout
        lines = [line.decode() for line in raw.split(b'\r\n')]  # folding never splits a character
        check(lines[-1] == '' and all(len(line.encode()) <= 75 and '\n' not in line for line in lines), '%s' % args)
        events, later = (icalendar.Calendar.from_ical(r).walk('VEVENT') for r in (raw, raw_later))
        got = [(e.decoded('DTSTART'), e.decoded('DTEND'), str(e['SUMMARY']), 'DTSTAMP' in e) for e in events]
        check(got == [(d, d + datetime.timedelta(days=1), e['name'], True) for d, e in zip(days, entries)],
              '%s: %r' % (args, got))
        # UIDs are unique and stay when the file is made again at another time; DTSTAMP moves.
        uids = [str(e['UID']) for e in events]
        check(len(set(uids)) == len(uids) and uids == [str(e['UID']) for e in later] and raw != raw_later,
              '%s: UIDs %r' % (args, uids))


def pipes(tool):
    """A reader gone before the tool writes (EPIPE) ends it quietly with status 0; a full disk gives 1."""
    for args in (['year', '2026'], ['holidays', '2026', '--format=ics'], ['--help']):
        read_end, write_end = os.pipe()
        os.close(read_end)
        result = run(tool, args, stdout=write_end)
        os.close(write_end)
        check(result.returncode == 0 and result.stderr == b'', 'closed pipe, %s: %r' % (args, result))
    with open('/dev/full', 'wb') as full:
        result = run(tool, ['holidays', '2026'], stdout=full)
    check(result.returncode == 1 and re.fullmatch(rb'hkcal: .*cannot write the output.*\n', result.stderr),
          'full disk: %r' % result)


def exchange(tool):
    """Every day of 1997-2025: a trading day is a weekday neither a general holiday nor listed closed; listed days
    are weekdays and not holidays; a day not listed trades its era's full hours (published: HKEX 23 Nov 2010, 1 Mar 2012)."""
    eras = [('1997-01-01', '10:00-12:30, 14:30-16:00'), ('2011-03-07', '09:30-12:00, 13:30-16:00'),
            ('2012-03-05', '09:30-12:00, 13:00-16:00')]
    table = lambda *args: list(csv.DictReader(output(tool, list(args) + ['--format=csv']).decode().splitlines()))
    for year in range(1997, 2026):
        holidays = {r['date'] for r in table('holidays', str(year))}
        listed = {r['date']: r['traded'] for r in table('closures', str(year))}
        sessions = {r['date']: r for r in table('sessions', str(year))}
        day = datetime.date(year, 1, 1)
        while day.year == year:
            iso, weekday = day.isoformat(), day.weekday() < 5
            check((weekday and iso not in holidays and listed.get(iso) != 'closed') == (iso in sessions), 'trading day ' + iso)
            check(iso not in listed or (weekday and iso not in holidays), 'listed on a day off: ' + iso)
            if iso in sessions:
                r = sessions[iso]
                hours = r['open'] + '-' + (r['break_start'] + ', ' + r['break_end'] + '-' if r['break_start'] else '') + r['close']
                want = listed.get(iso, [hours for since, hours in eras if since <= iso][-1])
                check(hours == want, '%s: %s, not %s' % (iso, hours, want))
            day += datetime.timedelta(1)


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    group, hkcal = sys.argv[1:]
    if group == 'update':
        golden(hkcal, update=True)
    else:
        globals()[group](hkcal)
    print(''.join('FAIL: %s\n' % f for f in failures) + '%s: %s' % (group, 'failed' if failures else 'passed'))
    sys.exit(1 if failures else 0)
