<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CalendarDay</name>
    <message>
        <source>Void of course from %1 to %2 (%3)</source>
        <extracomment>Tooltip of a day on the Void Course tab: %1 to %2 the times, %3 the sign.</extracomment>
        <translation>Mond ohne Kurs von %1 bis %2 (%3)</translation>
    </message>
    <message>
        <source>Sign: %1, lunar day %2</source>
        <extracomment>Tooltip of a day on the Daily tab: %1 the sign(s), %2 the lunar day(s).</extracomment>
        <translation>Zeichen: %1, Mondtag %2</translation>
    </message>
    <message>
        <source>lunar day %1</source>
        <extracomment>A day of the calendar, read out: its lunar day.</extracomment>
        <translation>Mondtag %1</translation>
    </message>
    <message>
        <source>lunar day %1 to %2</source>
        <extracomment>A day of the calendar, read out: the lunar days it holds.</extracomment>
        <translation>Mondtag %1 bis %2</translation>
    </message>
    <message>
        <source>Moon in %1, then %2</source>
        <extracomment>A day of the calendar, read out: the Moon changes sign from %1 to %2.</extracomment>
        <translation>Mond im Zeichen %1, dann %2</translation>
    </message>
    <message>
        <source>void of course %1 to %2</source>
        <extracomment>A day of the calendar, read out: the void of course from %1 to %2.</extracomment>
        <translation>Mond ohne Kurs von %1 bis %2</translation>
    </message>
</context>
<context>
    <name>CalendarMonthSwitcher</name>
    <message>
        <source>The month before</source>
        <translation>Der Monat davor</translation>
    </message>
    <message>
        <source>The month after</source>
        <translation>Der Monat danach</translation>
    </message>
</context>
<context>
    <name>CalendarPage</name>
    <message>
        <source>Daily</source>
        <extracomment>The two views of the month: signs and lunar days per day; void-of-course times.</extracomment>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Void Course</source>
        <translation>Mond ohne Kurs</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Back to today and the present moment (Ctrl+T)</source>
        <extracomment>Tooltip of the Today button; Ctrl+T is its key.</extracomment>
        <translation>Zurück zu heute und zum jetzigen Moment (Strg+T)</translation>
    </message>
    <message>
        <source>Save the Moon&apos;s events as a calendar file</source>
        <extracomment>Tooltip of the export button.</extracomment>
        <translation>Die Ereignisse des Mondes als Kalenderdatei speichern</translation>
    </message>
    <message>
        <source>Clear the results</source>
        <translation>Ergebnisse leeren</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>The print glyph of the calendar page, as a screen reader names it.</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Search finished, dates found: %1</source>
        <extracomment>Told to a screen reader when a search has ended; %1 the number of dates found.</extracomment>
        <translation>Suche beendet, gefundene Tage: %1</translation>
    </message>
</context>
<context>
    <name>CalendarResultList</name>
    <message>
        <source>Found dates</source>
        <extracomment>The list of found dates, as a screen reader names it.</extracomment>
        <translation>Gefundene Tage</translation>
    </message>
</context>
<context>
    <name>CalendarSearchForm</name>
    <message>
        <source>Moon day</source>
        <translation>Mondtag</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>In sign</source>
        <translation>Im Zeichen</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>The date the search starts from.</extracomment>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>How many dates to find.</extracomment>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Look for</source>
        <extracomment>What the search looks for: days, or the eclipses that can be seen from the place.</extracomment>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Eclipses seen here</source>
        <translation>Finsternisse hier</translation>
    </message>
</context>
<context>
    <name>CalendarSearchResult</name>
    <message>
        <source>Rising</source>
        <extracomment>Rising: the Moon is waxing; Descending: waning. Then how far, and the lunar day.</extracomment>
        <translation>Zunehmend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Abnehmend</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>%1. Mondtag</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A found eclipse: its name and the time of its greatest eclipse (at the place, for the Sun).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1% covered</source>
        <extracomment>The share of the Sun&apos;s disc covered at the place.</extracomment>
        <translation>%1 % bedeckt</translation>
    </message>
    <message>
        <source>magnitude %1</source>
        <extracomment>The magnitude of a lunar eclipse.</extracomment>
        <translation>Größe %1</translation>
    </message>
    <message>
        <source>Waxing: %1% of the way from new moon to full moon</source>
        <extracomment>Tooltip of a found date: what its percentage counts.</extracomment>
        <translation>Zunehmend: %1 % des Weges vom Neumond zum Vollmond</translation>
    </message>
    <message>
        <source>Waning: %1% of the way from full moon to new moon</source>
        <translation>Abnehmend: %1 % des Weges vom Vollmond zum Neumond</translation>
    </message>
</context>
<context>
    <name>DialogPopup</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Events</name>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Halbschatten-Mondfinsternis</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Partielle Mondfinsternis</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Totale Mondfinsternis</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Partielle Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Ringförmige Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Totale Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <extracomment>Annular along part of its path, total along the rest.</extracomment>
        <translation>Hybride Sonnenfinsternis</translation>
    </message>
    <message>
        <source>%1, maximum %2, visible here</source>
        <translation>%1, Maximum %2, hier sichtbar</translation>
    </message>
    <message>
        <source>%1, maximum %2, not visible here</source>
        <translation>%1, Maximum %2, hier nicht sichtbar</translation>
    </message>
    <message>
        <source>Perigee %1, %2 km</source>
        <extracomment>The Moon nearest the Earth (perigee) or farthest from it (apogee): when, and how far.</extracomment>
        <translation>Perigäum %1, %2 km</translation>
    </message>
    <message>
        <source>Apogee %1, %2 km</source>
        <translation>Apogäum %1, %2 km</translation>
    </message>
    <message>
        <source>Called out: a full or new moon within 24 hours of a perigee.</source>
        <translation>Hervorgehoben: ein Voll- oder Neumond bis 24 Stunden vor oder nach einem Perigäum.</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Vollmond %1</translation>
    </message>
    <message>
        <source>New moon %1</source>
        <translation>Neumond %1</translation>
    </message>
    <message>
        <source>Full moon %1, near the perigee of %2 (%3 km)</source>
        <translation>Vollmond %1, nahe dem Perigäum um %2 (%3 km)</translation>
    </message>
    <message>
        <source>New moon %1, near the perigee of %2 (%3 km)</source>
        <translation>Neumond %1, nahe dem Perigäum um %2 (%3 km)</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Void of course</source>
        <translation>Mond ohne Kurs</translation>
    </message>
    <message>
        <source>Sign changes</source>
        <translation>Zeichenwechsel</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Mondphasen</translation>
    </message>
    <message>
        <source>Lunar days</source>
        <translation>Mondtage</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>The last day lies before the first.</source>
        <translation>Der letzte Tag liegt vor dem ersten.</translation>
    </message>
    <message>
        <source>Choose at most %1 years between %2 and %3.</source>
        <translation>Höchstens %1 Jahre zwischen %2 und %3 wählen.</translation>
    </message>
    <message>
        <source>Choose at least one kind of event.</source>
        <translation>Mindestens eine Art von Ereignis wählen.</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>In Kalender exportieren</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The calendar was saved as
%1</source>
        <translation>Der Kalender wurde gespeichert als
%1</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>Der Export wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The calendar could not be saved:
%1</source>
        <translation>Der Kalender konnte nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Next 3 months</source>
        <translation>Nächste 3 Monate</translation>
    </message>
    <message>
        <source>Next 12 months</source>
        <translation>Nächste 12 Monate</translation>
    </message>
    <message>
        <source>From - to</source>
        <translation>Von - bis</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Exporting... %1%</source>
        <translation>Export... %1&#xa0;%</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Finsternisse</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Perigäum und Apogäum</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>At the moment</source>
        <translation>Zum Zeitpunkt</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 Minuten vorher</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 Stunde vorher</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 Tag vorher</translation>
    </message>
</context>
<context>
    <name>InputDate</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
</context>
<context>
    <name>LocationForm</name>
    <message>
        <source>Custom city</source>
        <extracomment>A place given by its typed coordinates.</extracomment>
        <translation>Eigener Ort</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Search city</source>
        <translation>Stadt suchen</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Type a city name</source>
        <translation>Namen einer Stadt eingeben</translation>
    </message>
    <message>
        <source>No places found</source>
        <translation>Keine Orte gefunden</translation>
    </message>
</context>
<context>
    <name>Lunar</name>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Zunehmender Mond</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Third Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Abnehmende Sichel</translation>
    </message>
    <message>
        <source>Aries</source>
        <extracomment>The zodiac signs; &quot;%1 of Aries&quot; is the Moon&apos;s position in the sign, %1 its degrees.</extracomment>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Day of Warmth</source>
        <translation>Wärmetag</translation>
    </message>
    <message>
        <source>Moon in Aries</source>
        <translation>Mond im Widder</translation>
    </message>
    <message>
        <source>%1 of Aries</source>
        <translation>%1 Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Day of Coldness</source>
        <translation>Kältetag</translation>
    </message>
    <message>
        <source>Moon in Taurus</source>
        <translation>Mond im Stier</translation>
    </message>
    <message>
        <source>%1 of Taurus</source>
        <translation>%1 Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Day of Light</source>
        <translation>Lichttag</translation>
    </message>
    <message>
        <source>Moon in Gemini</source>
        <translation>Mond in den Zwillingen</translation>
    </message>
    <message>
        <source>%1 of Gemini</source>
        <translation>%1 Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Day of Water</source>
        <translation>Wassertag</translation>
    </message>
    <message>
        <source>Moon in Cancer</source>
        <translation>Mond im Krebs</translation>
    </message>
    <message>
        <source>%1 of Cancer</source>
        <translation>%1 Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Moon in Leo</source>
        <translation>Mond im Löwen</translation>
    </message>
    <message>
        <source>%1 of Leo</source>
        <translation>%1 Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Moon in Virgo</source>
        <translation>Mond in der Jungfrau</translation>
    </message>
    <message>
        <source>%1 of Virgo</source>
        <translation>%1 Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Moon in Libra</source>
        <translation>Mond in der Waage</translation>
    </message>
    <message>
        <source>%1 of Libra</source>
        <translation>%1 Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Moon in Scorpio</source>
        <translation>Mond im Skorpion</translation>
    </message>
    <message>
        <source>%1 of Scorpio</source>
        <translation>%1 Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Moon in Sagittarius</source>
        <translation>Mond im Schützen</translation>
    </message>
    <message>
        <source>%1 of Sagittarius</source>
        <translation>%1 Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Moon in Capricorn</source>
        <translation>Mond im Steinbock</translation>
    </message>
    <message>
        <source>%1 of Capricorn</source>
        <translation>%1 Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Moon in Aquarius</source>
        <translation>Mond im Wassermann</translation>
    </message>
    <message>
        <source>%1 of Aquarius</source>
        <translation>%1 Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Moon in Pisces</source>
        <translation>Mond in den Fischen</translation>
    </message>
    <message>
        <source>%1 of Pisces</source>
        <translation>%1 Fische</translation>
    </message>
</context>
<context>
    <name>LunarDay</name>
    <message>
        <source>Day %1</source>
        <extracomment>The lunar day (1 to 30) of the moment shown.</extracomment>
        <translation>%1. Mondtag</translation>
    </message>
</context>
<context>
    <name>LunarDayArrow</name>
    <message>
        <source>One day back</source>
        <translation>Einen Tag zurück</translation>
    </message>
    <message>
        <source>One day forward</source>
        <translation>Einen Tag vor</translation>
    </message>
</context>
<context>
    <name>LunarPanel</name>
    <message>
        <source>Void Course</source>
        <extracomment>The Moon is void of course.</extracomment>
        <translation>Mond ohne Kurs</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The Moon&apos;s illuminated fraction in percent.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Rise: %1</source>
        <translation>Aufgang: %1</translation>
    </message>
    <message>
        <source>Set: %1</source>
        <translation>Untergang: %1</translation>
    </message>
    <message>
        <source>U/T: %1</source>
        <extracomment>The Moon&apos;s upper transit (culmination) at the time %1; keep it short.</extracomment>
        <translation>O. Kulm.: %1</translation>
    </message>
    <message>
        <source>L/T: %1</source>
        <extracomment>The Moon&apos;s lower transit (lower culmination) at the time %1.</extracomment>
        <translation>U. Kulm.: %1</translation>
    </message>
    <message>
        <source>Times in %1 (%2)</source>
        <translation>Zeiten: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>The Moon&apos;s distance from the Earth now, in kilometres.</extracomment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>The Moon rises next at %1</source>
        <translation>Der Mond geht als Nächstes um %1 auf</translation>
    </message>
    <message>
        <source>The Moon sets next at %1</source>
        <translation>Der Mond geht als Nächstes um %1 unter</translation>
    </message>
    <message>
        <source>Upper transit: the Moon crosses the meridian at its highest, at %1</source>
        <extracomment>Tooltip of &quot;U/T&quot;: the upper transit in words.</extracomment>
        <translation>Obere Kulmination: Der Mond überquert den Meridian am höchsten Punkt, um %1</translation>
    </message>
    <message>
        <source>Lower transit: the Moon crosses the meridian at its lowest, mostly below the horizon, at %1</source>
        <extracomment>Tooltip of &quot;L/T&quot;: the lower transit in words.</extracomment>
        <translation>Untere Kulmination: Der Mond überquert den Meridian am tiefsten Punkt, meist unter dem Horizont, um %1</translation>
    </message>
    <message>
        <source>The previous new moon</source>
        <translation>Der vorige Neumond</translation>
    </message>
    <message>
        <source>The next new moon</source>
        <translation>Der nächste Neumond</translation>
    </message>
    <message>
        <source>The previous first quarter</source>
        <translation>Das vorige erste Viertel</translation>
    </message>
    <message>
        <source>The next first quarter</source>
        <translation>Das nächste erste Viertel</translation>
    </message>
    <message>
        <source>The previous full moon</source>
        <translation>Der vorige Vollmond</translation>
    </message>
    <message>
        <source>The next full moon</source>
        <translation>Der nächste Vollmond</translation>
    </message>
    <message>
        <source>The previous third quarter</source>
        <translation>Das vorige letzte Viertel</translation>
    </message>
    <message>
        <source>The next third quarter</source>
        <translation>Das nächste letzte Viertel</translation>
    </message>
    <message>
        <source>The Moon</source>
        <extracomment>The moon panel, as a screen reader names it.</extracomment>
        <translation>Der Mond</translation>
    </message>
    <message>
        <source>%1% illuminated</source>
        <extracomment>The Moon&apos;s illuminated fraction, read out.</extracomment>
        <translation>%1&#xa0;% beleuchtet</translation>
    </message>
</context>
<context>
    <name>LunarTime</name>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Moment shown</source>
        <extracomment>The moon panel&apos;s date and time field, as a screen reader names it.</extracomment>
        <translation>Angezeigter Zeitpunkt</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>No web browser could be opened. The help is at
%1</source>
        <translation>Es konnte kein Webbrowser geöffnet werden. Die Hilfe steht unter
%1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>MonthPage</name>
    <message>
        <source>the Moon enters the sign</source>
        <translation>der Mond tritt ins Zeichen</translation>
    </message>
    <message>
        <source>lunar day</source>
        <translation>Mondtag</translation>
    </message>
    <message>
        <source>void of course</source>
        <translation>Mond ohne Kurs</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 ab %2</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>Times in %1 (%2)</source>
        <translation>Zeiten: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>PageSwitcher</name>
    <message>
        <source>Texts for the day</source>
        <translation>Texte zum Tag</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>The strip of page squares, as a screen reader names it.</extracomment>
        <translation>Seiten</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>%1° S</source>
        <translation>%1° S</translation>
    </message>
    <message>
        <source>%1° N</source>
        <translation>%1° N</translation>
    </message>
    <message>
        <source>%1° W</source>
        <translation>%1° W</translation>
    </message>
    <message>
        <source>%1° E</source>
        <translation>%1° O</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>The last month lies before the first.</source>
        <translation>Der letzte Monat liegt vor dem ersten.</translation>
    </message>
    <message>
        <source>Choose at most %1 months between %2 and %3.</source>
        <translation>Höchstens %1 Monate zwischen %2 und %3 wählen.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vorschau...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>PDF exportieren...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>The calendar was saved as
%1</source>
        <translation>Der Kalender wurde gespeichert als
%1</translation>
    </message>
    <message>
        <source>The calendar could not be printed:
%1</source>
        <translation>Der Kalender konnte nicht gedruckt werden:
%1</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>3 months from this one</source>
        <translation>3 Monate ab diesem</translation>
    </message>
    <message>
        <source>12 months from this one</source>
        <translation>12 Monate ab diesem</translation>
    </message>
    <message>
        <source>From - to</source>
        <translation>Von - bis</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Computing the months... %1%</source>
        <translation>Monate werden berechnet... %1&#xa0;%</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>ends</source>
        <translation>endet</translation>
    </message>
    <message>
        <source>begins</source>
        <translation>beginnt</translation>
    </message>
    <message>
        <source>Void of course</source>
        <translation>Mond ohne Kurs</translation>
    </message>
    <message>
        <source>The Moon enters a sign</source>
        <translation>Der Mond wechselt das Zeichen</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Mondphasen</translation>
    </message>
    <message>
        <source>A lunar day begins</source>
        <translation>Ein Mondtag beginnt</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Void of course ends at %1: %2</source>
        <translation>Mond ohne Kurs endet um %1: %2</translation>
    </message>
    <message>
        <source>Moon void of course from %1 to %2 (%3 to %4)</source>
        <translation>Mond ohne Kurs von %1 bis %2 (%3 bis %4)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <extracomment>%1 &quot;Moon in Scorpio&quot;, %2 the time the Moon enters the sign</extracomment>
        <translation>%1 ab %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 an event (&quot;Full Moon&quot;), %2 its time</extracomment>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>Lunar day %1 begins at %2</source>
        <translation>Mondtag %1 beginnt um %2</translation>
    </message>
    <message>
        <source>Moonrise at %1</source>
        <translation>Mondaufgang um %1</translation>
    </message>
    <message>
        <source>Moonset at %1</source>
        <translation>Monduntergang um %1</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Finsternisse</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Perigäum und Apogäum</translation>
    </message>
</context>
<context>
    <name>RemindersDialog</name>
    <message>
        <source>At the moment</source>
        <translation>Zum Zeitpunkt</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 Minuten vorher</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 Stunde vorher</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 Tag vorher</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Shown as desktop notifications while the program runs, for the place and in the time zone the window shows.</source>
        <translation>Als Desktop-Benachrichtigungen, solange das Programm läuft, für den Ort und in der Zeitzone, die das Fenster zeigt.</translation>
    </message>
    <message>
        <source>When to remind of: %1</source>
        <extracomment>A screen reader&apos;s name of a reminder&apos;s lead time; %1 the kind.</extracomment>
        <translation>Wann erinnern an: %1</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>UI scale</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>%1 – too large for this screen</source>
        <translation>%1 – zu groß für den Bildschirm</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Times in</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>this computer&apos;s time zone</source>
        <translation>dieses Computers</translation>
    </message>
    <message>
        <source>the place&apos;s time zone</source>
        <translation>des Ortes</translation>
    </message>
    <message>
        <source>The place&apos;s zone: %1</source>
        <translation>Zeitzone des Ortes: %1</translation>
    </message>
    <message>
        <source>No known city near the place: this computer&apos;s zone is used</source>
        <translation>Keine bekannte Stadt in der Nähe: Es gilt die Zeitzone dieses Computers</translation>
    </message>
    <message>
        <source>Moon as in the sky now</source>
        <translation>Mond wie jetzt am Himmel</translation>
    </message>
    <message>
        <source>Turn the Moon&apos;s picture as it stands in your sky at the moment shown. Otherwise it is shown as seen from your hemisphere.</source>
        <extracomment>Tooltip of the option &quot;Moon as in the sky now&quot;.</extracomment>
        <translation>Das Bild des Mondes so drehen, wie er im gezeigten Moment an Ihrem Himmel steht. Sonst wird er gezeigt, wie man ihn von Ihrer Erdhälfte aus sieht.</translation>
    </message>
    <message>
        <source>Keep running in the tray when the window is closed</source>
        <translation>Beim Schließen des Fensters im Infobereich weiterlaufen</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Mit dem Desktop starten</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Erinnerungen...</translation>
    </message>
</context>
<context>
    <name>TextsPage</name>
    <message>
        <source>Moon day %1</source>
        <translation>%1. Mondtag</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>Topics of the texts; a line break where a caption takes two lines. The row is narrow: keep each line short.</extracomment>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Mood</source>
        <translation>Stimmung</translation>
    </message>
    <message>
        <source>Health
Nutrition</source>
        <translation>Gesundheit
Ernährung</translation>
    </message>
    <message>
        <source>Hair
Care</source>
        <translation>Haar-
pflege</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Geschäft</translation>
    </message>
    <message>
        <source>Gardening</source>
        <translation>Garten</translation>
    </message>
    <message>
        <source>Wedding</source>
        <translation>Hochzeit</translation>
    </message>
    <message>
        <source>Born
this day</source>
        <translation>Heute
geboren</translation>
    </message>
    <message>
        <source>These texts are in English only.</source>
        <translation>Diese Texte gibt es bisher nur auf Englisch.</translation>
    </message>
    <message>
        <source>Texts for the moment shown</source>
        <extracomment>The texts of the texts page, as a screen reader names them.</extracomment>
        <translation>Texte zum angezeigten Zeitpunkt</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Erinnerungen...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Lunar day %1, %2, %3% lit</source>
        <translation>Mondtag %1, %2, %3 % beleuchtet</translation>
    </message>
    <message>
        <source>Void of course now, until %1</source>
        <translation>Jetzt Mond ohne Kurs, bis %1</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen …</translation>
    </message>
    <message>
        <source>Downloading %1%</source>
        <translation>Wird heruntergeladen: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Current version %1, latest %2</source>
        <translation>Installierte Version %1, neueste %2</translation>
    </message>
    <message>
        <source>download failed</source>
        <translation>Herunterladen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation>Was ist neu?</translation>
    </message>
    <message>
        <source>Manual Download</source>
        <translation>Manuell laden</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>WorldMap</name>
    <message>
        <source>World map, the place: %1</source>
        <extracomment>The world map of the settings page, read out with the chosen place.</extracomment>
        <translation>Weltkarte, der Ort: %1</translation>
    </message>
</context>
<context>
    <name>ical</name>
    <message>
        <source>Moon enters %1</source>
        <translation>Mond tritt ins Zeichen %1</translation>
    </message>
    <message>
        <source>Moon void of course (%1 → %2)</source>
        <extracomment>%1 the sign the Moon leaves, %2 the one it enters.</extracomment>
        <translation>Mond ohne Kurs (%1 → %2)</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Lunar day %1</source>
        <translation>Mondtag %1</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>%1, visible here: %2 % of the Sun covered at %3</source>
        <translation>%1, hier sichtbar: %2 % der Sonne bedeckt um %3</translation>
    </message>
    <message>
        <source>Perigee, %1 km</source>
        <translation>Perigäum, %1 km</translation>
    </message>
    <message>
        <source>Apogee, %1 km</source>
        <translation>Apogäum, %1 km</translation>
    </message>
    <message>
        <source>(full moon within %1 hours)</source>
        <translation>(Vollmond innerhalb von %1 Stunden)</translation>
    </message>
    <message>
        <source>(new moon within %1 hours)</source>
        <translation>(Neumond innerhalb von %1 Stunden)</translation>
    </message>
</context>
</TS>
