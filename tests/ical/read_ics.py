# Prints each event of the iCalendar file on standard input as UID|start|end|summary|alarms, times
# in UTC ("-" for no end), the alarms as their triggers in seconds from the start, comma-separated;
# a zone's times are read with the file's own VTIMEZONE.
import sys, icalendar
from datetime import timezone

calendar = icalendar.Calendar.from_ical(sys.stdin.buffer.read())
zones = {str(z['TZID']): z.to_tz() for z in calendar.walk('VTIMEZONE')}
def utc(prop):
    tzid, wall = prop.params.get('TZID'), prop.dt.replace(tzinfo=None)
    time = zones[tzid].localize(wall, is_dst=True) if tzid else prop.dt
    return time.astimezone(timezone.utc).isoformat()
for e in calendar.walk('VEVENT'):
    alarms = ','.join(str(int(a['TRIGGER'].dt.total_seconds())) for a in e.walk('VALARM')
                      if a['ACTION'] == 'DISPLAY' and a['DESCRIPTION'] == e['SUMMARY'])
    print(e['UID'], utc(e['DTSTART']), utc(e['DTEND']) if 'DTEND' in e else '-', e['SUMMARY'],
          alarms, sep='|')
