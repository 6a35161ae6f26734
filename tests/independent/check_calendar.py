#!/usr/bin/python3
"""Reads the calendar that birthday-memo-cli exports with another iCalendar library (Debian's
python3-icalendar, and python3-dateutil for the yearly rules) and holds every event against
the program's own day counts: on the day of each event the tool must say the birthday is
today, and the title must carry the age of that year and the mark of a 整寿.

usage: check_calendar.py CLI
"""
import concurrent.futures
import datetime
import os
import re
import subprocess
import sys
import tempfile

from dateutil import rrule
import icalendar

TODAY = "2025-06-01"  # lunar 2025-5-6; lunar 2025 has a leap sixth month
LUNAR_YEAR_TODAY = 2025
YEARS = 21

# name, stored birthday, lunar, contact; every date exists in its year, as entering demands,
# and many fall on days other years lack
FRIENDS = [
    ("甲", "1992年2月29日", False, "13800000000"),
    ("乙", "1980年5月3日", False, ""),
    ("丙", "1970年12月31日", False, "c@example.com"),
    ("丁", "1989年4月30日", True, ""),
    ("李四", "1965年2月30日", True, ""),
    ("戊", "2006年7月30日", True, ""),
    ("己", "1990年5月12日[闰月]", True, "QQ 10001"),
    ("庚", "2017年6月30日[闰月]", True, ""),
    ("辛", "1984年12月30日", True, ""),
    ("壬", "2020年1月1日", True, ""),
    ("癸", "2022年6月30日", True, ""),
    ("子", "2030年1月1日", False, ""),
    ("王,五;六", "1988年8月8日", False, "a;b,c\\d"),
    ("欧阳" + "长名字" * 14, "1975年6月6日", True, ""),
]


def cli(*args):
    return subprocess.run([CLI, *args], check=True, capture_output=True, text=True).stdout


def birth_year(text):
    return int(re.match(r"(\d+)年", text).group(1))


TENS = ["", "十", "二十", "三十", "四十", "五十", "六十", "七十", "八十", "九十", "百岁",
        "一百一十", "一百二十"]


def milestone_mark(age):
    """The mark a title carries for a birthday that rounds out a decade."""
    if age == 1:
        return "（一周岁）"
    if age % 10 or not 10 <= age <= 120:
        return ""
    return f"（{TENS[age // 10]}{'岁整生日' if age < 60 else '大寿'}）"


def check_concrete(path, problems):
    calendar = icalendar.Calendar.from_ical(open(path, "rb").read())
    by_name = {name: (text, lunar, contact) for name, text, lunar, contact in FRIENDS}
    uids, counts, counted, marks = set(), {}, [], 0
    events = [c for c in calendar.walk() if c.name == "VEVENT"]
    pool = concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2)
    for event in events:
        summary = str(event["SUMMARY"])
        match = re.fullmatch(r"(.*)的(\d+)岁生日((?:（(?!农历)[^（）]*）)?)(（农历.*）)?", summary, re.S)
        if not match or match.group(1) not in by_name:
            problems.append(f"unknown title {summary!r}")
            continue
        name, age = match.group(1), int(match.group(2))
        if match.group(3) != milestone_mark(age):
            problems.append(f"{summary}: the mark of age {age} is {milestone_mark(age)!r}")
        marks += bool(match.group(3))
        text, lunar, contact = by_name[name]
        day = event["DTSTART"].dt
        iso = day.isoformat()
        counts[name] = counts.get(name, 0) + 1
        uids.add(str(event["UID"]))
        counted.append((summary, iso, pool.submit(cli, "--today", iso, "days", text,
                                                  *(["--lunar"] if lunar else []))))
        # A lunar year Y runs from late January or February of Y into the next solar year.
        year = birth_year(text) + age
        first, last = (datetime.date(year, 1, 20), datetime.date(year + 1, 2, 21)) if lunar else (
            datetime.date(year, 1, 1), datetime.date(year, 12, 31))
        if not first <= day <= last:
            problems.append(f"{summary} on {iso}: not in the year of age {age}")
        if (event["DTEND"].dt - day).days != 1:
            problems.append(f"{summary}: not one whole day")
        description = str(event["DESCRIPTION"])
        if f"生于{birth_year(text)}年" not in description or (contact and contact not in description):
            problems.append(f"{summary}: description {description!r}")
        alarm = [c for c in event.walk() if c.name == "VALARM"]
        if sorted(a["TRIGGER"].dt for a in alarm) != [datetime.timedelta(hours=-15),
                                                       datetime.timedelta(hours=9)]:
            problems.append(f"{summary}: alarm")
    for summary, iso, days in counted:
        if days.result().strip() != "0":
            problems.append(f"{summary} on {iso}: the program counts {days.result().strip()} days")
    if len(uids) != len(events):
        problems.append("identifiers repeat")
    if marks == 0:
        problems.append("no title marks a 整寿")
    for name, text, lunar, _ in FRIENDS:
        first = LUNAR_YEAR_TODAY if lunar else int(TODAY[:4])
        expected = sum(1 for y in range(first, first + YEARS) if y > birth_year(text))
        if counts.get(name, 0) != expected:
            problems.append(f"{name}: {counts.get(name, 0)} events, {expected} expected")
    return len(events), {name: [e["DTSTART"].dt for e in events if str(e["SUMMARY"]).startswith(name + "的")]
                         for name, *_ in FRIENDS}


def check_rules(path, concrete, problems):
    calendar = icalendar.Calendar.from_ical(open(path, "rb").read())
    events = [c for c in calendar.walk() if c.name == "VEVENT"]
    if len(events) != len(FRIENDS):
        problems.append(f"{len(events)} repeating events for {len(FRIENDS)} friends")
    # The library has no RFC 7529 parts: a lunar rule is compared as the file writes it.
    raw = open(path, encoding="utf-8", newline="").read().replace("\r\n ", "").split("\r\n")
    lunar_rules = [line[len("RRULE:"):] for line in raw if line.startswith("RRULE:RSCALE=")]
    for name, text, lunar, _ in FRIENDS:
        if not lunar:
            continue
        month = re.search(r"(\d+)月", text).group(1) + ("L" if "闰月" in text else "")
        day = re.search(r"月(\d+)日", text).group(1)
        rule = f"RSCALE=CHINESE;FREQ=YEARLY;BYMONTH={month};BYMONTHDAY={day};SKIP=BACKWARD"
        if rule not in lunar_rules:
            problems.append(f"{name}: no rule {rule}")
    for event in events:
        name = str(event["SUMMARY"])[: -len(" 生日")]
        if next(lunar for n, _, lunar, _ in FRIENDS if n == name):
            continue
        # The solar rules the library expands: the same days as the events of the span.
        days = rrule.rrulestr(event["RRULE"].to_ical().decode(), dtstart=event["DTSTART"].dt)
        first = int(TODAY[:4])
        span = (datetime.datetime(first, 1, 1), datetime.datetime(first + YEARS - 1, 12, 31))
        expanded = [d.date() for d in days.between(*span, inc=True)]
        # The events begin after the year of birth; so does the rule's first day.
        wanted = concrete[name]
        if expanded[-len(wanted):] != wanted:
            problems.append(f"{name}: the rule gives {expanded[:3]}..., the events {wanted[:3]}...")


CLI = sys.argv[1]
with tempfile.TemporaryDirectory() as folder:
    for name, text, lunar, contact in FRIENDS:
        cli("add", "--db", folder, name, text, "lunar" if lunar else "solar", *([contact] if contact else []))
    concrete_file = os.path.join(folder, "years.ics")
    rules_file = os.path.join(folder, "rules.ics")
    cli("--today", TODAY, "export", "--db", folder, "--ics", concrete_file, "--years", str(YEARS))
    cli("--today", TODAY, "export", "--db", folder, "--ics", rules_file, "--rules")
    problems = []
    count, concrete = check_concrete(concrete_file, problems)
    check_rules(rules_file, concrete, problems)
for problem in problems:
    print(problem)
print(f"{count} events read and compared, {len(problems)} problems")
sys.exit(1 if problems or count == 0 else 0)
