#!/usr/bin/env python3
"""Runs the built hkcal tool.

    cli_test.py GROUP HKCAL     GROUP: golden, rules, errors, parsers, output
    cli_test.py update HKCAL    rewrites the golden files from HKCAL

golden:  outputs compared byte for byte with tests/cli/golden/ (the law's
         lists 1999-2031 there were checked against the gazetted lists)
rules:   the substitution rules, one assertion per case
errors:  every mistake exits 2 with one line on stderr and nothing on stdout
parsers: JSON, CSV and iCalendar output read by Python's json and csv and
         by python3-icalendar
output:  a closed pipe ends the tool quietly; a full disk is reported
"""
import csv
import datetime
import io
import json
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
GOLDEN_DIR = os.path.join(HERE, 'golden')
# A fixed local zone (UTC+8, no daylight saving) and a fixed DTSTAMP
# (2026-01-01 00:00 UTC) make every output reproducible.
ENV = dict(os.environ, TZ='HKT-8', SOURCE_DATE_EPOCH='1767225600', LC_ALL='C.UTF-8')
ENV.pop('NO_COLOR', None)
LAW_YEARS = range(1999, 2032)

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(tool, args, env=ENV, stdout=subprocess.PIPE):
    return subprocess.run([tool] + args, stdout=stdout, stderr=subprocess.PIPE, env=env)


def output(tool, args):
    result = run(tool, args)
    if result.returncode != 0:
        raise SystemExit('hkcal %s: exit %d: %s' % (' '.join(args), result.returncode, result.stderr.decode()))
    return result.stdout


# ---- golden outputs -----------------------------------------------------------

def transcript(*commands):
    return list(commands)


GOLDEN = {
    # Every year the law's list covers, in text.
    'holidays-1999-2031.txt': [['holidays', str(y)] for y in LAW_YEARS],
    'holidays-2026.csv': [['holidays', '2026', '--format=csv']],
    'holidays-2026.json': [['holidays', '2026', '--format=json']],
    'holidays-2016.ics': [['holidays', '2016', '--format=ics']],
    'holidays-zh.txt': [['holidays', '2016', '--lang=zh'], ['holidays', '2012', '--lang=zh', '--format=csv'],
                        ['holidays', '2015', '--lang=zh', '--format=json']],
    'holidays-library.txt': [['holidays', '2012', '--rules=library'], ['holidays', '2013', '--rules=library'],
                             ['holidays', '1960', '--rules=library', '--format=csv'],
                             ['holidays', '2040', '--rules=library']],
    'commands.txt': [
        ['date', '2024-02-10'], ['date', '2026-04-07', '--lang=zh'], ['date', '1900-01-01'],
        ['date', '2023-03-22'], ['date', '-0044-03-15'],
        ['lunar', '2023-03-22'], ['lunar', '2024-02-09'], ['lunar', '2031-12-31'],
        ['solar', '2023-L2-01'], ['solar', '2023-2-1'], ['solar', '1936-01-01'],
        ['add', '2024-01-31', '1', 'months'], ['add', '2000-02-29', '1', 'years'], ['add', '1582-10-04', '1'],
        ['add', '2024-03-01', '-1'], ['add', '1582-09-10', '1', 'months'],
        ['add', '2026-04-02', '1', 'workdays'], ['add', '2026-04-08', '-1', 'workdays'],
        ['add', '2026-04-02', '2', 'workdays', '--weekdays=Mon-Sat'],
        ['add', '2000-01-08', '5', 'workdays', '--no-holidays'], ['add', '2000-01-08', '5', 'workdays'],
        ['add', '2026-12-24', '3', 'workdays', '--weekdays=Sat-Mon', '--no-holidays'],
        ['between', '2026-01-01', '2026-12-31'], ['between', '2026-12-31', '2026-01-01'],
        ['between', '2026-01-01', '2026-12-31', '--workdays'],
        ['between', '2026-01-01', '2026-12-31', '--workdays', '--no-holidays'],
        ['between', '1582-10-04', '1582-10-15'],
        ['easter', '2026'], ['easter', '1582'], ['easter', '2285'],
        ['jd', '2000-01-01'], ['jd', '2299160'], ['jd', '2299161'], ['jd', '0'], ['jd', '-4712-01-01'],
        ['tz', '2000-12-31 20:00', '--from=+0000', '--to=+0800'],
        ['tz', '2000-12-31 20:00', '--from=+0800', '--to=+0000'],
        ['tz', '2024-03-10 12:00', '--from=-0500', '--from-dst=+0100', '--to=+0530'],
        ['tz', '2024-01-01 12:00', '--to=-0500'], ['tz', '2024-01-01 12:00', '--from=+0000'],
        ['tz', '2024-01-01 12:00'],
        ['month', '2026-04'], ['month', '2026-04', '--lunar'], ['month', '1582-10'],
        ['month', '2016-12', '--color=always'], ['year', '2026'], ['year', '2023', '--lunar'],
    ],
}


def render(tool, commands):
    if len(commands) == 1:
        return output(tool, commands[0])
    text = b''
    for args in commands:
        text += ('$ hkcal %s\n' % ' '.join("'%s'" % a if ' ' in a else a for a in args)).encode()
        text += output(tool, args)
    return text


def golden(tool):
    for name, commands in GOLDEN.items():
        with open(os.path.join(GOLDEN_DIR, name), 'rb') as f:
            want = f.read()
        got = render(tool, commands)
        if got != want:
            got_lines, want_lines = got.split(b'\n'), want.split(b'\n')
            first = next((i for i, (g, w) in enumerate(zip(got_lines, want_lines)) if g != w),
                         min(len(got_lines), len(want_lines)))
            check(False, '%s differs from line %d:\n  got:  %r\n  want: %r' % (
                name, first + 1, got_lines[first] if first < len(got_lines) else b'<end>',
                want_lines[first] if first < len(want_lines) else b'<end>'))


def update(tool):
    for name, commands in GOLDEN.items():
        with open(os.path.join(GOLDEN_DIR, name), 'wb') as f:
            f.write(render(tool, commands))


# ---- the law's rules ------------------------------------------------------------

def holidays(tool, year, *extra):
    return json.loads(output(tool, ['holidays', str(year), '--format=json'] + list(extra)))


# (year, date, name, the festival's own date or None), each a case of a rule.
RULE_CASES = [
    # Ching Ming on Easter Sunday: its substitute takes Easter Monday's day,
    # and Easter Monday moves to the next day that is no holiday.
    (2026, '2026-04-06', 'The day following Ching Ming Festival', '2026-04-05'),
    (2026, '2026-04-07', 'The day following Easter Monday', '2026-04-06'),
    (2021, '2021-04-05', 'The day following Ching Ming Festival', '2021-04-04'),
    (2021, '2021-04-06', 'The day following Easter Monday', '2021-04-05'),
    # Ching Ming on Easter Monday: Easter Monday, the earlier feast, keeps it.
    (2010, '2010-04-05', 'Easter Monday', None),
    (2010, '2010-04-06', 'The day following Ching Ming Festival', '2010-04-05'),
    # Mid-Autumn on Sunday 30 September 2012: its following day is National Day.
    (2012, '2012-10-01', 'The day following the Chinese Mid-Autumn Festival', None),
    (2012, '2012-10-02', 'The day following National Day', '2012-10-01'),
    # Lunar New Year before and after 24 February 2012.
    (2010, '2010-02-13', "The day preceding Lunar New Year's Day", '2010-02-14'),
    (2007, '2007-02-17', "The day preceding Lunar New Year's Day", '2007-02-18'),
    (2012, '2012-01-23', "Lunar New Year's Day", None),
    (2013, '2013-02-13', 'The fourth day of Lunar New Year', '2013-02-10'),
    (2024, '2024-02-13', 'The fourth day of Lunar New Year', '2024-02-11'),
    # Mid-Autumn's following day on a Sunday, before and after.
    (2009, '2009-10-03', 'Chinese Mid-Autumn Festival', '2009-10-04'),
    (2002, '2002-09-21', 'Chinese Mid-Autumn Festival', '2002-09-22'),
    (2022, '2022-09-12', 'The second day following the Chinese Mid-Autumn Festival', '2022-09-11'),
    (2029, '2029-09-24', 'The second day following the Chinese Mid-Autumn Festival', '2029-09-23'),
    # Christmas on a Sunday, and on a Saturday.
    (2016, '2016-12-26', 'The first weekday after Christmas Day', None),
    (2016, '2016-12-27', 'The second weekday after Christmas Day', '2016-12-25'),
    (2022, '2022-12-27', 'The second weekday after Christmas Day', '2022-12-25'),
    (2021, '2021-12-27', 'The first weekday after Christmas Day', None),
    (2020, '2020-12-26', 'The first weekday after Christmas Day', None),
    # Festival dates of the Observatory's calendar where the library's table differs.
    (2013, '2013-06-12', 'Tuen Ng Festival', None),
    (2023, '2023-05-26', 'The Birthday of the Buddha', None),
    (2030, '2030-02-06', 'The fourth day of Lunar New Year', '2030-02-03'),
    # Days appointed for one year.
    (1999, '1999-12-31', 'Additional general holiday', None),
    (2015, '2015-09-03', "The 70th anniversary day of the victory of the Chinese people's war of resistance "
                         "against Japanese aggression", None),
]


def rules(tool):
    lists = {year: holidays(tool, year) for year in LAW_YEARS}
    for year, day, name, observed_for in RULE_CASES:
        found = [h for h in lists[year] if h['date'] == day]
        check(len(found) == 1 and found[0]['name'] == name and found[0].get('observed_for') == observed_for,
              '%s: want %r (for %s), got %r' % (day, name, observed_for, found))
    for year, entries in lists.items():
        check(len(entries) == (18 if year in (1999, 2015) else 17), '%d has %d holidays' % (year, len(entries)))
    # The library keeps its own table and its own (pre-2012) rules.
    library = holidays(tool, 2013, '--rules=library')
    check(any(h['date'] == '2013-06-13' and h['name'] == 'Tuen Ng Festival' for h in library), 'library Tuen Ng 2013')
    check(not any('Ching Ming' in h['name'] for h in library), 'the library has no Ching Ming')


# ---- error cases ------------------------------------------------------------------

# (arguments, pattern of the first stderr line, whether the usage follows)
ERROR_CASES = [
    (['holidays', '1998'], r"law's holiday list covers 1999 to 2031, not 1998", False),
    (['holidays', '2032'], r"covers 1999 to 2031, not 2032", False),
    (['holidays', 'twenty'], r"'twenty' is not a year", False),
    (['holidays', '2026', '--format=xml'], r"--format: 'xml' is not one of text, csv, json, ics", False),
    (['holidays', '2026', '--lang=fr'], r"--lang: 'fr' is not one of en, zh", False),
    (['holidays', '2026', '--rules=gazette'], r"--rules: 'gazette' is not one of law, library", False),
    (['holidays', '0', '--rules=library', '--format=ics'], r"iCalendar dates need years 1 to 9999", False),
    (['date', '2024-02-30'], r"'2024-02-30' is not a date: February 2024 has 29 days$", False),
    (['date', '2023-02-29'], r"'2023-02-29' is not a date: February 2023 has 28 days$", False),
    (['date', '2024-13-01'], r"'2024-13-01' is not a date: there is no month 13", False),
    (['date', '2024-04-00'], r"'2024-04-00' is not a date: April 2024 has 30 days", False),
    (['date', '1582-10-10'], r"'1582-10-10' is not a date: October 1582 went from the 4th", False),
    (['date', '2024-2-5'], r"'2024-2-5' is not a date: expected YYYY-MM-DD", False),
    (['date', '-5000-01-01'], r"years start at -4712", False),
    (['month', '2024-13'], r"'2024-13' is not a month: there is no month 13", False),
    (['month', '2024'], r"'2024' is not a month: expected YYYY-MM", False),
    (['month', '2024-01', '--color=sometimes'], r"--color: 'sometimes' is not one of auto, always, never", False),
    (['year', '10000'], r"'10000' is not a year", False),
    (['lunar', '1900-01-01'], r"'1900-01-01' has no lunar date: the library's table covers 1936-01-24", False),
    (['solar', '2024-L2-01'], r"'2024-L2-01' is not a lunar date: lunar 2024 has no leap month 2", False),
    (['solar', '2024-03-30'], r"lunar month 2024-03 has 29 days", False),
    (['solar', '2023-L2-30'], r"lunar month 2023-L2 has 29 days", False),
    (['solar', '2024-13-01'], r"there is no month 13", False),
    (['solar', '2024-01-31'], r"lunar months have days 1 to 30", False),
    (['solar', '1935-01-01'], r"covers the years 1936 to 2031", False),
    (['solar', '2031-12-29'], r"lies after 2031-12-31", False),
    (['add', '2024-01-01', 'x'], r"'x' is not a count", False),
    (['add', '2024-01-01', '99999999999'], r"outside -2147483648 to 2147483647", False),
    (['add', '2024-01-01', '5', 'weeks'], r"UNIT: 'weeks' is not one of days, months, years, workdays", False),
    (['add', '2024-01-01', '5', 'days', '--weekdays=Mon'], r"--weekdays: only with the unit workdays", False),
    (['add', '2024-01-01', '5', 'workdays', '--weekdays=Mo'], r"--weekdays: 'Mo' is not a weekday or range", False),
    (['add', '9999-12-01', '100', 'workdays'], r"the count runs past the years -4712 to 9999", False),
    (['between', '2024-01-01', '2024-01-32'], r"'2024-01-32' is not a date: January 2024 has 31 days", False),
    (['between', '2024-01-01', '2024-02-01', '--no-holidays'], r"--no-holidays: only with --workdays", False),
    (['jd', 'noon'], r"'noon' is not a Julian Day Number", False),
    (['tz', '2024-01-01 12:00', '--from=+2500'], r"--from: '\+2500' is not a UTC offset: hours run from 00 to 23", False),
    (['tz', '2024-01-01 12:00', '--to=0800'], r"--to: '0800' is not a UTC offset", False),
    (['tz', '2024-01-01 12:00', '--from-dst=+0100'], r"--from-dst: not with --from=local", False),
    (['tz', '2024-01-01 25:00'], r"the time runs from 00:00 to 23:59", False),
    (['tz', '1600-01-01 12:00', '--to=+0100'], r"handles the years 1601 to 9999", False),
    (['foo'], r"'foo' is not a command", True),
    ([], r"a command is required", True),
    (['holidays', '--bogus'], r"unknown option or argument: --bogus", True),
    (['holidays', '2026', '2027'], r"unknown option or argument: 2027", True),
    (['holidays', '--format'], r"--format: a value is required", True),
    (['lunar'], r"DATE is required", True),
    (['between', '2024-01-01'], r"DATE2 is required", True),
]


def errors(tool):
    for args, pattern, with_usage in ERROR_CASES:
        result = run(tool, args)
        lines = result.stderr.decode().splitlines()
        where = 'hkcal %s' % ' '.join(args)
        check(result.returncode == 2, '%s: exit %d' % (where, result.returncode))
        check(result.stdout == b'', '%s: wrote to stdout: %r' % (where, result.stdout[:80]))
        check(len(lines) == (2 if with_usage else 1), '%s: stderr has %d lines: %r' % (where, len(lines), lines))
        check(bool(lines) and lines[0].startswith('hkcal: ') and re.search(pattern, lines[0]) is not None,
              '%s: %r does not match %r' % (where, lines[:1], pattern))
        if with_usage and len(lines) == 2:
            check(lines[1].startswith('usage: hkcal '), '%s: no usage line: %r' % (where, lines[1]))


# ---- real parsers -----------------------------------------------------------------

def parsers(tool):
    import icalendar  # Debian's python3-icalendar

    # Every year in English; Chinese, whose names differ only in the table of
    # names, in a few years with substitute days.
    runs = [(year, 'en') for year in LAW_YEARS] + [(year, 'zh') for year in (2012, 2016, 2026)]
    for year, lang in runs:
        entries = holidays(tool, year, '--lang=' + lang)
        rows = list(csv.DictReader(io.StringIO(output(tool, ['holidays', str(year), '--format=csv',
                                                             '--lang=' + lang]).decode('utf-8'))))
        check([r['date'] for r in rows] == [e['date'] for e in entries], '%d %s: csv dates' % (year, lang))
        check([r['name'] for r in rows] == [e['name'] for e in entries], '%d %s: csv names' % (year, lang))
        check([r['observed_for'] for r in rows] == [e.get('observed_for', '') for e in entries],
              '%d %s: csv observed_for' % (year, lang))
        for e in entries:
            day = datetime.date.fromisoformat(e['date'])
            check(set(e) <= {'date', 'weekday', 'name', 'observed_for'}, 'json keys %r' % e)
            check(e['weekday'] == day.strftime('%A'), 'weekday of %s' % e['date'])
            check(day.weekday() != 6, '%s is a Sunday' % e['date'])
        if year in (1999, 2012, 2016, 2026, 2031):  # long names to fold, Chinese to keep whole
            raw = output(tool, ['holidays', str(year), '--format=ics', '--lang=' + lang])
            check_ics(raw, entries, year, lang, icalendar)


def check_ics(raw, entries, year, lang, icalendar):
    where = 'ics %d %s' % (year, lang)
    check(raw.endswith(b'\r\n') and b'\n' not in raw.replace(b'\r\n', b''), where + ': lines end in CRLF')
    physical = raw.split(b'\r\n')[:-1]
    check(all(len(line) <= 75 for line in physical), where + ': a line longer than 75 octets')
    for line in physical:
        line.decode('utf-8')  # folding never splits a character
    calendar = icalendar.Calendar.from_ical(raw)
    events = list(calendar.walk('VEVENT'))
    check(len(events) == len(entries), where + ': %d events' % len(events))
    uids = [str(e['UID']) for e in events]
    check(len(set(uids)) == len(uids), where + ': UIDs repeat')
    for event, entry in zip(events, entries):
        start = event.decoded('DTSTART')
        end = event.decoded('DTEND')
        check(type(start) is datetime.date and start.isoformat() == entry['date'], where + ': DTSTART %r' % start)
        check(end - start == datetime.timedelta(days=1), where + ': DTEND %r' % end)
        check(str(event['SUMMARY']) == entry['name'], where + ': SUMMARY %r' % str(event['SUMMARY']))
        check('DTSTAMP' in event, where + ': no DTSTAMP')
    # UIDs stay when the file is made again at another time; DTSTAMP moves.
    env = dict(ENV, SOURCE_DATE_EPOCH='1800000000')
    again = icalendar.Calendar.from_ical(run(sys.argv[2], ['holidays', str(year), '--format=ics', '--lang=' + lang],
                                             env=env).stdout)
    check([str(e['UID']) for e in again.walk('VEVENT')] == uids, where + ': UIDs changed')
    check(raw != run(sys.argv[2], ['holidays', str(year), '--format=ics', '--lang=' + lang], env=env).stdout,
          where + ': DTSTAMP did not follow the clock')


# ---- output errors -------------------------------------------------------------------

def output_errors(tool):
    # The reader is gone before the tool writes: EPIPE, quietly, status 0.
    for args in (['year', '2026'], ['holidays', '2026', '--format=ics'], ['--help']):
        read_end, write_end = os.pipe()
        os.close(read_end)
        result = run(tool, args, stdout=write_end)
        os.close(write_end)
        check(result.returncode == 0 and result.stderr == b'',
              'closed pipe, hkcal %s: exit %d, %r' % (' '.join(args), result.returncode, result.stderr))
    if os.path.exists('/dev/full'):
        with open('/dev/full', 'wb') as full:
            result = run(tool, ['holidays', '2026'], stdout=full)
        lines = result.stderr.decode().splitlines()
        check(result.returncode == 1 and len(lines) == 1 and 'cannot write the output' in lines[0],
              'full disk: exit %d, %r' % (result.returncode, lines))


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    group, tool = sys.argv[1], sys.argv[2]
    groups = {'golden': golden, 'rules': rules, 'errors': errors, 'parsers': parsers, 'output': output_errors,
              'update': update}
    groups[group](tool)
    for failure in failures:
        print('FAIL: ' + failure)
    print('%s: %s' % (group, 'failed' if failures else 'passed'))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
