<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CalendarDay</name>
    <message>
        <source>Void of course from %1 to %2 (%3)</source>
        <extracomment>Tooltip of a day on the Void Course tab: %1 to %2 the times, %3 the sign.</extracomment>
        <translation>Luna fuera de curso de %1 a %2 (%3)</translation>
    </message>
    <message>
        <source>Sign: %1, lunar day %2</source>
        <extracomment>Tooltip of a day on the Daily tab: %1 the sign(s), %2 the lunar day(s).</extracomment>
        <translation>Signo: %1, día lunar %2</translation>
    </message>
    <message>
        <source>lunar day %1</source>
        <extracomment>A day of the calendar, read out: its lunar day.</extracomment>
        <translation>día lunar %1</translation>
    </message>
    <message>
        <source>lunar day %1 to %2</source>
        <extracomment>A day of the calendar, read out: the lunar days it holds.</extracomment>
        <translation>día lunar %1 a %2</translation>
    </message>
    <message>
        <source>Moon in %1, then %2</source>
        <extracomment>A day of the calendar, read out: the Moon changes sign from %1 to %2.</extracomment>
        <translation>Luna en %1, luego en %2</translation>
    </message>
    <message>
        <source>void of course %1 to %2</source>
        <extracomment>A day of the calendar, read out: the void of course from %1 to %2.</extracomment>
        <translation>Luna fuera de curso de %1 a %2</translation>
    </message>
</context>
<context>
    <name>CalendarMonthSwitcher</name>
    <message>
        <source>The month before</source>
        <translation>El mes anterior</translation>
    </message>
    <message>
        <source>The month after</source>
        <translation>El mes siguiente</translation>
    </message>
</context>
<context>
    <name>CalendarPage</name>
    <message>
        <source>Daily</source>
        <extracomment>The two views of the month: signs and lunar days per day; void-of-course times.</extracomment>
        <translation>Por días</translation>
    </message>
    <message>
        <source>Void Course</source>
        <translation>Luna fuera de curso</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Back to today and the present moment (Ctrl+T)</source>
        <extracomment>Tooltip of the Today button; Ctrl+T is its key.</extracomment>
        <translation>Volver a hoy y al momento actual (Ctrl+T)</translation>
    </message>
    <message>
        <source>Save the Moon&apos;s events as a calendar file</source>
        <extracomment>Tooltip of the export button.</extracomment>
        <translation>Guardar los eventos de la Luna como archivo de calendario</translation>
    </message>
    <message>
        <source>Clear the results</source>
        <translation>Borrar los resultados</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>The print glyph of the calendar page, as a screen reader names it.</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Search finished, dates found: %1</source>
        <extracomment>Told to a screen reader when a search has ended; %1 the number of dates found.</extracomment>
        <translation>Búsqueda terminada, fechas encontradas: %1</translation>
    </message>
</context>
<context>
    <name>CalendarResultList</name>
    <message>
        <source>Found dates</source>
        <extracomment>The list of found dates, as a screen reader names it.</extracomment>
        <translation>Fechas encontradas</translation>
    </message>
</context>
<context>
    <name>CalendarSearchForm</name>
    <message>
        <source>Moon day</source>
        <translation>Día lunar</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Cualquiera</translation>
    </message>
    <message>
        <source>In sign</source>
        <translation>En el signo</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>The date the search starts from.</extracomment>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>How many dates to find.</extracomment>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Look for</source>
        <extracomment>What the search looks for: days, or the eclipses that can be seen from the place.</extracomment>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Eclipses seen here</source>
        <translation>Eclipses visibles aquí</translation>
    </message>
</context>
<context>
    <name>CalendarSearchResult</name>
    <message>
        <source>Rising</source>
        <extracomment>Rising: the Moon is waxing; Descending: waning. Then how far, and the lunar day.</extracomment>
        <translation>Creciente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Menguante</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Día lunar %1</translation>
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
        <translation>%1 % cubierto</translation>
    </message>
    <message>
        <source>magnitude %1</source>
        <extracomment>The magnitude of a lunar eclipse.</extracomment>
        <translation>magnitud %1</translation>
    </message>
    <message>
        <source>Waxing: %1% of the way from new moon to full moon</source>
        <extracomment>Tooltip of a found date: what its percentage counts.</extracomment>
        <translation>Creciente: %1 % del camino de la luna nueva a la luna llena</translation>
    </message>
    <message>
        <source>Waning: %1% of the way from full moon to new moon</source>
        <translation>Menguante: %1 % del camino de la luna llena a la luna nueva</translation>
    </message>
</context>
<context>
    <name>DialogPopup</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Events</name>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Eclipse lunar penumbral</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Eclipse lunar parcial</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Eclipse lunar total</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Eclipse solar parcial</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Eclipse solar anular</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Eclipse solar total</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <extracomment>Annular along part of its path, total along the rest.</extracomment>
        <translation>Eclipse solar híbrido</translation>
    </message>
    <message>
        <source>%1, maximum %2, visible here</source>
        <translation>%1, máximo %2, visible aquí</translation>
    </message>
    <message>
        <source>%1, maximum %2, not visible here</source>
        <translation>%1, máximo %2, no visible aquí</translation>
    </message>
    <message>
        <source>Perigee %1, %2 km</source>
        <extracomment>The Moon nearest the Earth (perigee) or farthest from it (apogee): when, and how far.</extracomment>
        <translation>Perigeo %1, %2 km</translation>
    </message>
    <message>
        <source>Apogee %1, %2 km</source>
        <translation>Apogeo %1, %2 km</translation>
    </message>
    <message>
        <source>Called out: a full or new moon within 24 hours of a perigee.</source>
        <translation>Destacado: una luna llena o nueva a menos de 24 horas de un perigeo.</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Luna llena %1</translation>
    </message>
    <message>
        <source>New moon %1</source>
        <translation>Luna nueva %1</translation>
    </message>
    <message>
        <source>Full moon %1, near the perigee of %2 (%3 km)</source>
        <translation>Luna llena %1, cerca del perigeo de las %2 (%3 km)</translation>
    </message>
    <message>
        <source>New moon %1, near the perigee of %2 (%3 km)</source>
        <translation>Luna nueva %1, cerca del perigeo de las %2 (%3 km)</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Void of course</source>
        <translation>Luna fuera de curso</translation>
    </message>
    <message>
        <source>Sign changes</source>
        <translation>Cambios de signo</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Fases</translation>
    </message>
    <message>
        <source>Lunar days</source>
        <translation>Días lunares</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la Luna</translation>
    </message>
    <message>
        <source>The last day lies before the first.</source>
        <translation>El último día es anterior al primero.</translation>
    </message>
    <message>
        <source>Choose at most %1 years between %2 and %3.</source>
        <translation>Elija como máximo %1 años entre %2 y %3.</translation>
    </message>
    <message>
        <source>Choose at least one kind of event.</source>
        <translation>Elija al menos un tipo de evento.</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exportar al calendario</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The calendar was saved as
%1</source>
        <translation>El calendario se guardó como
%1</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>La exportación se canceló.</translation>
    </message>
    <message>
        <source>The calendar could not be saved:
%1</source>
        <translation>No se pudo guardar el calendario:
%1</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Next 3 months</source>
        <translation>Próximos 3 meses</translation>
    </message>
    <message>
        <source>Next 12 months</source>
        <translation>Próximos 12 meses</translation>
    </message>
    <message>
        <source>From - to</source>
        <translation>Desde - hasta</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Exporting... %1%</source>
        <translation>Exportando... %1&#xa0;%</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Eclipses</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Perigeo y apogeo</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>At the moment</source>
        <translation>En el momento</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 minutos antes</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 hora antes</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 día antes</translation>
    </message>
</context>
<context>
    <name>InputDate</name>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
</context>
<context>
    <name>LocationForm</name>
    <message>
        <source>Custom city</source>
        <extracomment>A place given by its typed coordinates.</extracomment>
        <translation>Lugar personalizado</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Search city</source>
        <translation>Buscar ciudad</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Type a city name</source>
        <translation>Escriba el nombre de una ciudad</translation>
    </message>
    <message>
        <source>No places found</source>
        <translation>No se encontraron lugares</translation>
    </message>
</context>
<context>
    <name>Lunar</name>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibosa creciente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibosa menguante</translation>
    </message>
    <message>
        <source>Third Quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Luna menguante</translation>
    </message>
    <message>
        <source>Aries</source>
        <extracomment>The zodiac signs; &quot;%1 of Aries&quot; is the Moon&apos;s position in the sign, %1 its degrees.</extracomment>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Day of Warmth</source>
        <translation>Día de calor</translation>
    </message>
    <message>
        <source>Moon in Aries</source>
        <translation>Luna en Aries</translation>
    </message>
    <message>
        <source>%1 of Aries</source>
        <translation>%1 de Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Day of Coldness</source>
        <translation>Día de frío</translation>
    </message>
    <message>
        <source>Moon in Taurus</source>
        <translation>Luna en Tauro</translation>
    </message>
    <message>
        <source>%1 of Taurus</source>
        <translation>%1 de Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Day of Light</source>
        <translation>Día de luz</translation>
    </message>
    <message>
        <source>Moon in Gemini</source>
        <translation>Luna en Géminis</translation>
    </message>
    <message>
        <source>%1 of Gemini</source>
        <translation>%1 de Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Day of Water</source>
        <translation>Día de agua</translation>
    </message>
    <message>
        <source>Moon in Cancer</source>
        <translation>Luna en Cáncer</translation>
    </message>
    <message>
        <source>%1 of Cancer</source>
        <translation>%1 de Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Moon in Leo</source>
        <translation>Luna en Leo</translation>
    </message>
    <message>
        <source>%1 of Leo</source>
        <translation>%1 de Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Moon in Virgo</source>
        <translation>Luna en Virgo</translation>
    </message>
    <message>
        <source>%1 of Virgo</source>
        <translation>%1 de Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Moon in Libra</source>
        <translation>Luna en Libra</translation>
    </message>
    <message>
        <source>%1 of Libra</source>
        <translation>%1 de Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Moon in Scorpio</source>
        <translation>Luna en Escorpio</translation>
    </message>
    <message>
        <source>%1 of Scorpio</source>
        <translation>%1 de Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Moon in Sagittarius</source>
        <translation>Luna en Sagitario</translation>
    </message>
    <message>
        <source>%1 of Sagittarius</source>
        <translation>%1 de Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Moon in Capricorn</source>
        <translation>Luna en Capricornio</translation>
    </message>
    <message>
        <source>%1 of Capricorn</source>
        <translation>%1 de Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Moon in Aquarius</source>
        <translation>Luna en Acuario</translation>
    </message>
    <message>
        <source>%1 of Aquarius</source>
        <translation>%1 de Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
    <message>
        <source>Moon in Pisces</source>
        <translation>Luna en Piscis</translation>
    </message>
    <message>
        <source>%1 of Pisces</source>
        <translation>%1 de Piscis</translation>
    </message>
</context>
<context>
    <name>LunarDay</name>
    <message>
        <source>Day %1</source>
        <extracomment>The lunar day (1 to 30) of the moment shown.</extracomment>
        <translation>Día lunar %1</translation>
    </message>
</context>
<context>
    <name>LunarDayArrow</name>
    <message>
        <source>One day back</source>
        <translation>Un día atrás</translation>
    </message>
    <message>
        <source>One day forward</source>
        <translation>Un día adelante</translation>
    </message>
</context>
<context>
    <name>LunarPanel</name>
    <message>
        <source>Void Course</source>
        <extracomment>The Moon is void of course.</extracomment>
        <translation>Luna fuera de curso</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The Moon&apos;s illuminated fraction in percent.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Rise: %1</source>
        <translation>Salida: %1</translation>
    </message>
    <message>
        <source>Set: %1</source>
        <translation>Puesta: %1</translation>
    </message>
    <message>
        <source>U/T: %1</source>
        <extracomment>The Moon&apos;s upper transit (culmination) at the time %1; keep it short.</extracomment>
        <translation>Culm. sup.: %1</translation>
    </message>
    <message>
        <source>L/T: %1</source>
        <extracomment>The Moon&apos;s lower transit (lower culmination) at the time %1.</extracomment>
        <translation>Culm. inf.: %1</translation>
    </message>
    <message>
        <source>Times in %1 (%2)</source>
        <translation>Horas: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>The Moon&apos;s distance from the Earth now, in kilometres.</extracomment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>The Moon rises next at %1</source>
        <translation>La Luna sale la próxima vez a las %1</translation>
    </message>
    <message>
        <source>The Moon sets next at %1</source>
        <translation>La Luna se pone la próxima vez a las %1</translation>
    </message>
    <message>
        <source>Upper transit: the Moon crosses the meridian at its highest, at %1</source>
        <extracomment>Tooltip of &quot;U/T&quot;: the upper transit in words.</extracomment>
        <translation>Tránsito superior: la Luna cruza el meridiano en su punto más alto, a las %1</translation>
    </message>
    <message>
        <source>Lower transit: the Moon crosses the meridian at its lowest, mostly below the horizon, at %1</source>
        <extracomment>Tooltip of &quot;L/T&quot;: the lower transit in words.</extracomment>
        <translation>Tránsito inferior: la Luna cruza el meridiano en su punto más bajo, casi siempre bajo el horizonte, a las %1</translation>
    </message>
    <message>
        <source>The previous new moon</source>
        <translation>La luna nueva anterior</translation>
    </message>
    <message>
        <source>The next new moon</source>
        <translation>La próxima luna nueva</translation>
    </message>
    <message>
        <source>The previous first quarter</source>
        <translation>El cuarto creciente anterior</translation>
    </message>
    <message>
        <source>The next first quarter</source>
        <translation>El próximo cuarto creciente</translation>
    </message>
    <message>
        <source>The previous full moon</source>
        <translation>La luna llena anterior</translation>
    </message>
    <message>
        <source>The next full moon</source>
        <translation>La próxima luna llena</translation>
    </message>
    <message>
        <source>The previous third quarter</source>
        <translation>El cuarto menguante anterior</translation>
    </message>
    <message>
        <source>The next third quarter</source>
        <translation>El próximo cuarto menguante</translation>
    </message>
    <message>
        <source>The Moon</source>
        <extracomment>The moon panel, as a screen reader names it.</extracomment>
        <translation>La Luna</translation>
    </message>
    <message>
        <source>%1% illuminated</source>
        <extracomment>The Moon&apos;s illuminated fraction, read out.</extracomment>
        <translation>%1&#xa0;% iluminada</translation>
    </message>
</context>
<context>
    <name>LunarTime</name>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Moment shown</source>
        <extracomment>The moon panel&apos;s date and time field, as a screen reader names it.</extracomment>
        <translation>Momento mostrado</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>No web browser could be opened. The help is at
%1</source>
        <translation>No se pudo abrir ningún navegador web. La ayuda está en
%1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>MonthPage</name>
    <message>
        <source>the Moon enters the sign</source>
        <translation>la Luna entra en el signo</translation>
    </message>
    <message>
        <source>lunar day</source>
        <translation>día lunar</translation>
    </message>
    <message>
        <source>void of course</source>
        <translation>Luna fuera de curso</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 desde el %2</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>Times in %1 (%2)</source>
        <translation>Horas: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>PageSwitcher</name>
    <message>
        <source>Texts for the day</source>
        <translation>Textos del día</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>The strip of page squares, as a screen reader names it.</extracomment>
        <translation>Páginas</translation>
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
        <translation>%1° O</translation>
    </message>
    <message>
        <source>%1° E</source>
        <translation>%1° E</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>The last month lies before the first.</source>
        <translation>El último mes es anterior al primero.</translation>
    </message>
    <message>
        <source>Choose at most %1 months between %2 and %3.</source>
        <translation>Elija como máximo %1 meses entre %2 y %3.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vista previa...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Exportar como PDF...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>The calendar was saved as
%1</source>
        <translation>El calendario se guardó como
%1</translation>
    </message>
    <message>
        <source>The calendar could not be printed:
%1</source>
        <translation>No se pudo imprimir el calendario:
%1</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>3 months from this one</source>
        <translation>3 meses desde este</translation>
    </message>
    <message>
        <source>12 months from this one</source>
        <translation>12 meses desde este</translation>
    </message>
    <message>
        <source>From - to</source>
        <translation>Desde - hasta</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Computing the months... %1%</source>
        <translation>Calculando los meses... %1&#xa0;%</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>ends</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>begins</source>
        <translation>inicio</translation>
    </message>
    <message>
        <source>Void of course</source>
        <translation>Luna fuera de curso</translation>
    </message>
    <message>
        <source>The Moon enters a sign</source>
        <translation>La Luna entra en un signo</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Fases</translation>
    </message>
    <message>
        <source>A lunar day begins</source>
        <translation>Empieza un día lunar</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la Luna</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Void of course ends at %1: %2</source>
        <translation>La Luna fuera de curso termina a las %1: %2</translation>
    </message>
    <message>
        <source>Moon void of course from %1 to %2 (%3 to %4)</source>
        <translation>Luna fuera de curso de %1 a %2 (%3 a %4)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <extracomment>%1 &quot;Moon in Scorpio&quot;, %2 the time the Moon enters the sign</extracomment>
        <translation>%1 desde las %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 an event (&quot;Full Moon&quot;), %2 its time</extracomment>
        <translation>%1 a las %2</translation>
    </message>
    <message>
        <source>Lunar day %1 begins at %2</source>
        <translation>El día lunar %1 empieza a las %2</translation>
    </message>
    <message>
        <source>Moonrise at %1</source>
        <translation>Salida de la Luna a las %1</translation>
    </message>
    <message>
        <source>Moonset at %1</source>
        <translation>Puesta de la Luna a las %1</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Eclipses</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Perigeo y apogeo</translation>
    </message>
</context>
<context>
    <name>RemindersDialog</name>
    <message>
        <source>At the moment</source>
        <translation>En el momento</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 minutos antes</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 hora antes</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 día antes</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Shown as desktop notifications while the program runs, for the place and in the time zone the window shows.</source>
        <translation>Se muestran como notificaciones del escritorio mientras el programa se ejecuta, para el lugar y en la zona horaria de la ventana.</translation>
    </message>
    <message>
        <source>When to remind of: %1</source>
        <extracomment>A screen reader&apos;s name of a reminder&apos;s lead time; %1 the kind.</extracomment>
        <translation>Cuándo recordar: %1</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>UI scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>%1 – too large for this screen</source>
        <translation>%1 – no cabe en la pantalla</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Times in</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>this computer&apos;s time zone</source>
        <translation>de este ordenador</translation>
    </message>
    <message>
        <source>the place&apos;s time zone</source>
        <translation>del lugar</translation>
    </message>
    <message>
        <source>The place&apos;s zone: %1</source>
        <translation>Zona horaria del lugar: %1</translation>
    </message>
    <message>
        <source>No known city near the place: this computer&apos;s zone is used</source>
        <translation>Ninguna ciudad conocida cerca del lugar: se usa la zona de este ordenador</translation>
    </message>
    <message>
        <source>Moon as in the sky now</source>
        <translation>Luna como en el cielo</translation>
    </message>
    <message>
        <source>Turn the Moon&apos;s picture as it stands in your sky at the moment shown. Otherwise it is shown as seen from your hemisphere.</source>
        <extracomment>Tooltip of the option &quot;Moon as in the sky now&quot;.</extracomment>
        <translation>Girar la imagen de la Luna tal como está en su cielo en el momento mostrado. Si no, se muestra como se ve desde su hemisferio.</translation>
    </message>
    <message>
        <source>Keep running in the tray when the window is closed</source>
        <translation>Seguir en la bandeja del sistema al cerrar la ventana</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Iniciar con el escritorio</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Recordatorios...</translation>
    </message>
</context>
<context>
    <name>TextsPage</name>
    <message>
        <source>Moon day %1</source>
        <translation>Día lunar %1</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>Topics of the texts; a line break where a caption takes two lines. The row is narrow: keep each line short.</extracomment>
        <translation>General</translation>
    </message>
    <message>
        <source>Mood</source>
        <translation>Ánimo</translation>
    </message>
    <message>
        <source>Health
Nutrition</source>
        <translation>Salud
Nutrición</translation>
    </message>
    <message>
        <source>Hair
Care</source>
        <translation>Cuidado
del cabello</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Negocios</translation>
    </message>
    <message>
        <source>Gardening</source>
        <translation>Jardinería</translation>
    </message>
    <message>
        <source>Wedding</source>
        <translation>Boda</translation>
    </message>
    <message>
        <source>Born
this day</source>
        <translation>Nacidos
este día</translation>
    </message>
    <message>
        <source>These texts are in English only.</source>
        <translation>Por ahora, estos textos solo están en inglés.</translation>
    </message>
    <message>
        <source>Texts for the moment shown</source>
        <extracomment>The texts of the texts page, as a screen reader names them.</extracomment>
        <translation>Textos para el momento mostrado</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Recordatorios...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Lunar day %1, %2, %3% lit</source>
        <translation>Día lunar %1, %2, iluminada al %3 %</translation>
    </message>
    <message>
        <source>Void of course now, until %1</source>
        <translation>Luna fuera de curso ahora, hasta las %1</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>Descargando...</translation>
    </message>
    <message>
        <source>Downloading %1%</source>
        <translation>Descargando: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Current version %1, latest %2</source>
        <translation>Versión actual %1, última %2</translation>
    </message>
    <message>
        <source>download failed</source>
        <translation>la descarga ha fallado</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>Manual Download</source>
        <translation>Descarga manual</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Actualizar ahora</translation>
    </message>
</context>
<context>
    <name>WorldMap</name>
    <message>
        <source>World map, the place: %1</source>
        <extracomment>The world map of the settings page, read out with the chosen place.</extracomment>
        <translation>Mapa del mundo, el lugar: %1</translation>
    </message>
</context>
<context>
    <name>ical</name>
    <message>
        <source>Moon enters %1</source>
        <translation>La Luna entra en %1</translation>
    </message>
    <message>
        <source>Moon void of course (%1 → %2)</source>
        <extracomment>%1 the sign the Moon leaves, %2 the one it enters.</extracomment>
        <translation>Luna fuera de curso (%1 → %2)</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Lunar day %1</source>
        <translation>Día lunar %1</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la Luna</translation>
    </message>
    <message>
        <source>%1, visible here: %2 % of the Sun covered at %3</source>
        <translation>%1, visible aquí: %2 % del Sol cubierto a las %3</translation>
    </message>
    <message>
        <source>Perigee, %1 km</source>
        <translation>Perigeo, %1 km</translation>
    </message>
    <message>
        <source>Apogee, %1 km</source>
        <translation>Apogeo, %1 km</translation>
    </message>
    <message>
        <source>(full moon within %1 hours)</source>
        <translation>(luna llena a menos de %1 horas)</translation>
    </message>
    <message>
        <source>(new moon within %1 hours)</source>
        <translation>(luna nueva a menos de %1 horas)</translation>
    </message>
</context>
</TS>
