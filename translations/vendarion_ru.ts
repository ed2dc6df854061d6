<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CalendarDay</name>
    <message>
        <source>Void of course from %1 to %2 (%3)</source>
        <extracomment>Tooltip of a day on the Void Course tab: %1 to %2 the times, %3 the sign.</extracomment>
        <translation>Луна без курса с %1 до %2 (%3)</translation>
    </message>
    <message>
        <source>Sign: %1, lunar day %2</source>
        <extracomment>Tooltip of a day on the Daily tab: %1 the sign(s), %2 the lunar day(s).</extracomment>
        <translation>Знак: %1, лунный день %2</translation>
    </message>
    <message>
        <source>lunar day %1</source>
        <extracomment>A day of the calendar, read out: its lunar day.</extracomment>
        <translation>лунный день %1</translation>
    </message>
    <message>
        <source>lunar day %1 to %2</source>
        <extracomment>A day of the calendar, read out: the lunar days it holds.</extracomment>
        <translation>лунный день с %1 по %2</translation>
    </message>
    <message>
        <source>Moon in %1, then %2</source>
        <extracomment>A day of the calendar, read out: the Moon changes sign from %1 to %2.</extracomment>
        <translation>знак Луны: %1, затем %2</translation>
    </message>
    <message>
        <source>void of course %1 to %2</source>
        <extracomment>A day of the calendar, read out: the void of course from %1 to %2.</extracomment>
        <translation>Луна без курса с %1 до %2</translation>
    </message>
</context>
<context>
    <name>CalendarMonthSwitcher</name>
    <message>
        <source>The month before</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>The month after</source>
        <translation>Следующий месяц</translation>
    </message>
</context>
<context>
    <name>CalendarPage</name>
    <message>
        <source>Daily</source>
        <extracomment>The two views of the month: signs and lunar days per day; void-of-course times.</extracomment>
        <translation>По дням</translation>
    </message>
    <message>
        <source>Void Course</source>
        <translation>Луна без курса</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Back to today and the present moment (Ctrl+T)</source>
        <extracomment>Tooltip of the Today button; Ctrl+T is its key.</extracomment>
        <translation>Вернуться к сегодняшнему дню и текущему моменту (Ctrl+T)</translation>
    </message>
    <message>
        <source>Save the Moon&apos;s events as a calendar file</source>
        <extracomment>Tooltip of the export button.</extracomment>
        <translation>Сохранить события Луны в файл календаря</translation>
    </message>
    <message>
        <source>Clear the results</source>
        <translation>Очистить результаты</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>The print glyph of the calendar page, as a screen reader names it.</extracomment>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Search finished, dates found: %1</source>
        <extracomment>Told to a screen reader when a search has ended; %1 the number of dates found.</extracomment>
        <translation>Поиск завершён, найдено дат: %1</translation>
    </message>
</context>
<context>
    <name>CalendarResultList</name>
    <message>
        <source>Found dates</source>
        <extracomment>The list of found dates, as a screen reader names it.</extracomment>
        <translation>Найденные даты</translation>
    </message>
</context>
<context>
    <name>CalendarSearchForm</name>
    <message>
        <source>Moon day</source>
        <translation>Лунный день</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Любой</translation>
    </message>
    <message>
        <source>In sign</source>
        <translation>В знаке</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>The date the search starts from.</extracomment>
        <translation>Начиная с</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>How many dates to find.</extracomment>
        <translation>Результатов</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Look for</source>
        <extracomment>What the search looks for: days, or the eclipses that can be seen from the place.</extracomment>
        <translation>Искать</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>Eclipses seen here</source>
        <translation>Затмения здесь</translation>
    </message>
</context>
<context>
    <name>CalendarSearchResult</name>
    <message>
        <source>Rising</source>
        <extracomment>Rising: the Moon is waxing; Descending: waning. Then how far, and the lunar day.</extracomment>
        <translation>Растущая</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Убывающая</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>%1-й лунный день</translation>
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
        <translation>покрыто %1%</translation>
    </message>
    <message>
        <source>magnitude %1</source>
        <extracomment>The magnitude of a lunar eclipse.</extracomment>
        <translation>фаза %1</translation>
    </message>
    <message>
        <source>Waxing: %1% of the way from new moon to full moon</source>
        <extracomment>Tooltip of a found date: what its percentage counts.</extracomment>
        <translation>Растущая: пройдено %1% пути от новолуния к полнолунию</translation>
    </message>
    <message>
        <source>Waning: %1% of the way from full moon to new moon</source>
        <translation>Убывающая: пройдено %1% пути от полнолуния к новолунию</translation>
    </message>
</context>
<context>
    <name>DialogPopup</name>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>Events</name>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Полутеневое лунное затмение</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Частное лунное затмение</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Полное лунное затмение</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Частное солнечное затмение</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Кольцеобразное солнечное затмение</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Полное солнечное затмение</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <extracomment>Annular along part of its path, total along the rest.</extracomment>
        <translation>Гибридное солнечное затмение</translation>
    </message>
    <message>
        <source>%1, maximum %2, visible here</source>
        <translation>%1, максимум %2, видно здесь</translation>
    </message>
    <message>
        <source>%1, maximum %2, not visible here</source>
        <translation>%1, максимум %2, здесь не видно</translation>
    </message>
    <message>
        <source>Perigee %1, %2 km</source>
        <extracomment>The Moon nearest the Earth (perigee) or farthest from it (apogee): when, and how far.</extracomment>
        <translation>Перигей %1, %2 км</translation>
    </message>
    <message>
        <source>Apogee %1, %2 km</source>
        <translation>Апогей %1, %2 км</translation>
    </message>
    <message>
        <source>Called out: a full or new moon within 24 hours of a perigee.</source>
        <translation>Отмечено: полнолуние или новолуние в пределах 24 часов от перигея.</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Полнолуние %1</translation>
    </message>
    <message>
        <source>New moon %1</source>
        <translation>Новолуние %1</translation>
    </message>
    <message>
        <source>Full moon %1, near the perigee of %2 (%3 km)</source>
        <translation>Полнолуние %1, близко к перигею в %2 (%3 км)</translation>
    </message>
    <message>
        <source>New moon %1, near the perigee of %2 (%3 km)</source>
        <translation>Новолуние %1, близко к перигею в %2 (%3 км)</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Void of course</source>
        <translation>Луна без курса</translation>
    </message>
    <message>
        <source>Sign changes</source>
        <translation>Смена знака</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Фазы</translation>
    </message>
    <message>
        <source>Lunar days</source>
        <translation>Лунные дни</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Восход Луны</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Заход Луны</translation>
    </message>
    <message>
        <source>The last day lies before the first.</source>
        <translation>Последний день раньше первого.</translation>
    </message>
    <message>
        <source>Choose at most %1 years between %2 and %3.</source>
        <translation>Выберите не более %1 лет в пределах %2–%3 годов.</translation>
    </message>
    <message>
        <source>Choose at least one kind of event.</source>
        <translation>Выберите хотя бы один вид событий.</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Экспорт в календарь</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The calendar was saved as
%1</source>
        <translation>Календарь сохранён в файл
%1</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>Экспорт отменён.</translation>
    </message>
    <message>
        <source>The calendar could not be saved:
%1</source>
        <translation>Не удалось сохранить календарь:
%1</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Файлы iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Этот месяц</translation>
    </message>
    <message>
        <source>Next 3 months</source>
        <translation>Следующие 3 месяца</translation>
    </message>
    <message>
        <source>Next 12 months</source>
        <translation>Следующие 12 месяцев</translation>
    </message>
    <message>
        <source>From - to</source>
        <translation>С - по</translation>
    </message>
    <message>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>To</source>
        <translation>По</translation>
    </message>
    <message>
        <source>Exporting... %1%</source>
        <translation>Экспорт... %1&#xa0;%</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Затмения</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Перигей и апогей</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Напоминание</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>At the moment</source>
        <translation>В момент события</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>За 15 минут</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>За 1 час</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>За 1 день</translation>
    </message>
</context>
<context>
    <name>InputDate</name>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
</context>
<context>
    <name>LocationForm</name>
    <message>
        <source>Custom city</source>
        <extracomment>A place given by its typed coordinates.</extracomment>
        <translation>Свои координаты</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>Search city</source>
        <translation>Найти город</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Type a city name</source>
        <translation>Введите название города</translation>
    </message>
    <message>
        <source>No places found</source>
        <translation>Места не найдены</translation>
    </message>
</context>
<context>
    <name>Lunar</name>
    <message>
        <source>New Moon</source>
        <translation>Новолуние</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Растущий серп</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Первая четверть</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Растущая луна</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Полнолуние</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Убывающая луна</translation>
    </message>
    <message>
        <source>Third Quarter</source>
        <translation>Последняя четверть</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Убывающий серп</translation>
    </message>
    <message>
        <source>Aries</source>
        <extracomment>The zodiac signs; &quot;%1 of Aries&quot; is the Moon&apos;s position in the sign, %1 its degrees.</extracomment>
        <translation>Овен</translation>
    </message>
    <message>
        <source>Day of Warmth</source>
        <translation>День тепла</translation>
    </message>
    <message>
        <source>Moon in Aries</source>
        <translation>Луна в Овне</translation>
    </message>
    <message>
        <source>%1 of Aries</source>
        <translation>%1 Овна</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Телец</translation>
    </message>
    <message>
        <source>Day of Coldness</source>
        <translation>День холода</translation>
    </message>
    <message>
        <source>Moon in Taurus</source>
        <translation>Луна в Тельце</translation>
    </message>
    <message>
        <source>%1 of Taurus</source>
        <translation>%1 Тельца</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Близнецы</translation>
    </message>
    <message>
        <source>Day of Light</source>
        <translation>День света</translation>
    </message>
    <message>
        <source>Moon in Gemini</source>
        <translation>Луна в Близнецах</translation>
    </message>
    <message>
        <source>%1 of Gemini</source>
        <translation>%1 Близнецов</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Рак</translation>
    </message>
    <message>
        <source>Day of Water</source>
        <translation>День воды</translation>
    </message>
    <message>
        <source>Moon in Cancer</source>
        <translation>Луна в Раке</translation>
    </message>
    <message>
        <source>%1 of Cancer</source>
        <translation>%1 Рака</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Moon in Leo</source>
        <translation>Луна во Льве</translation>
    </message>
    <message>
        <source>%1 of Leo</source>
        <translation>%1 Льва</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Дева</translation>
    </message>
    <message>
        <source>Moon in Virgo</source>
        <translation>Луна в Деве</translation>
    </message>
    <message>
        <source>%1 of Virgo</source>
        <translation>%1 Девы</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Весы</translation>
    </message>
    <message>
        <source>Moon in Libra</source>
        <translation>Луна в Весах</translation>
    </message>
    <message>
        <source>%1 of Libra</source>
        <translation>%1 Весов</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Скорпион</translation>
    </message>
    <message>
        <source>Moon in Scorpio</source>
        <translation>Луна в Скорпионе</translation>
    </message>
    <message>
        <source>%1 of Scorpio</source>
        <translation>%1 Скорпиона</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Стрелец</translation>
    </message>
    <message>
        <source>Moon in Sagittarius</source>
        <translation>Луна в Стрельце</translation>
    </message>
    <message>
        <source>%1 of Sagittarius</source>
        <translation>%1 Стрельца</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Козерог</translation>
    </message>
    <message>
        <source>Moon in Capricorn</source>
        <translation>Луна в Козероге</translation>
    </message>
    <message>
        <source>%1 of Capricorn</source>
        <translation>%1 Козерога</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Водолей</translation>
    </message>
    <message>
        <source>Moon in Aquarius</source>
        <translation>Луна в Водолее</translation>
    </message>
    <message>
        <source>%1 of Aquarius</source>
        <translation>%1 Водолея</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Рыбы</translation>
    </message>
    <message>
        <source>Moon in Pisces</source>
        <translation>Луна в Рыбах</translation>
    </message>
    <message>
        <source>%1 of Pisces</source>
        <translation>%1 Рыб</translation>
    </message>
</context>
<context>
    <name>LunarDay</name>
    <message>
        <source>Day %1</source>
        <extracomment>The lunar day (1 to 30) of the moment shown.</extracomment>
        <translation>%1-й лунный день</translation>
    </message>
</context>
<context>
    <name>LunarDayArrow</name>
    <message>
        <source>One day back</source>
        <translation>На день назад</translation>
    </message>
    <message>
        <source>One day forward</source>
        <translation>На день вперёд</translation>
    </message>
</context>
<context>
    <name>LunarPanel</name>
    <message>
        <source>Void Course</source>
        <extracomment>The Moon is void of course.</extracomment>
        <translation>Луна без курса</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The Moon&apos;s illuminated fraction in percent.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Rise: %1</source>
        <translation>Восход: %1</translation>
    </message>
    <message>
        <source>Set: %1</source>
        <translation>Заход: %1</translation>
    </message>
    <message>
        <source>U/T: %1</source>
        <extracomment>The Moon&apos;s upper transit (culmination) at the time %1; keep it short.</extracomment>
        <translation>В. кульм.: %1</translation>
    </message>
    <message>
        <source>L/T: %1</source>
        <extracomment>The Moon&apos;s lower transit (lower culmination) at the time %1.</extracomment>
        <translation>Н. кульм.: %1</translation>
    </message>
    <message>
        <source>Times in %1 (%2)</source>
        <translation>Время: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>The Moon&apos;s distance from the Earth now, in kilometres.</extracomment>
        <translation>%1 км</translation>
    </message>
    <message>
        <source>The Moon rises next at %1</source>
        <translation>Следующий восход Луны в %1</translation>
    </message>
    <message>
        <source>The Moon sets next at %1</source>
        <translation>Следующий заход Луны в %1</translation>
    </message>
    <message>
        <source>Upper transit: the Moon crosses the meridian at its highest, at %1</source>
        <extracomment>Tooltip of &quot;U/T&quot;: the upper transit in words.</extracomment>
        <translation>Верхняя кульминация: Луна пересекает меридиан в наивысшей точке, в %1</translation>
    </message>
    <message>
        <source>Lower transit: the Moon crosses the meridian at its lowest, mostly below the horizon, at %1</source>
        <extracomment>Tooltip of &quot;L/T&quot;: the lower transit in words.</extracomment>
        <translation>Нижняя кульминация: Луна пересекает меридиан в низшей точке, обычно под горизонтом, в %1</translation>
    </message>
    <message>
        <source>The previous new moon</source>
        <translation>Предыдущее новолуние</translation>
    </message>
    <message>
        <source>The next new moon</source>
        <translation>Следующее новолуние</translation>
    </message>
    <message>
        <source>The previous first quarter</source>
        <translation>Предыдущая первая четверть</translation>
    </message>
    <message>
        <source>The next first quarter</source>
        <translation>Следующая первая четверть</translation>
    </message>
    <message>
        <source>The previous full moon</source>
        <translation>Предыдущее полнолуние</translation>
    </message>
    <message>
        <source>The next full moon</source>
        <translation>Следующее полнолуние</translation>
    </message>
    <message>
        <source>The previous third quarter</source>
        <translation>Предыдущая последняя четверть</translation>
    </message>
    <message>
        <source>The next third quarter</source>
        <translation>Следующая последняя четверть</translation>
    </message>
    <message>
        <source>The Moon</source>
        <extracomment>The moon panel, as a screen reader names it.</extracomment>
        <translation>Луна</translation>
    </message>
    <message>
        <source>%1% illuminated</source>
        <extracomment>The Moon&apos;s illuminated fraction, read out.</extracomment>
        <translation>освещено %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>LunarTime</name>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Moment shown</source>
        <extracomment>The moon panel&apos;s date and time field, as a screen reader names it.</extracomment>
        <translation>Показанный момент</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>No web browser could be opened. The help is at
%1</source>
        <translation>Не удалось открыть веб-браузер. Справка находится по адресу
%1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>MonthPage</name>
    <message>
        <source>the Moon enters the sign</source>
        <translation>Луна входит в знак</translation>
    </message>
    <message>
        <source>lunar day</source>
        <translation>лунный день</translation>
    </message>
    <message>
        <source>void of course</source>
        <translation>Луна без курса</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 с %2</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>Times in %1 (%2)</source>
        <translation>Время: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>PageSwitcher</name>
    <message>
        <source>Texts for the day</source>
        <translation>Тексты на день</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>The strip of page squares, as a screen reader names it.</extracomment>
        <translation>Страницы</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>%1° S</source>
        <translation>%1° ю.&#xa0;ш.</translation>
    </message>
    <message>
        <source>%1° N</source>
        <translation>%1° с.&#xa0;ш.</translation>
    </message>
    <message>
        <source>%1° W</source>
        <translation>%1° з.&#xa0;д.</translation>
    </message>
    <message>
        <source>%1° E</source>
        <translation>%1° в.&#xa0;д.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>The last month lies before the first.</source>
        <translation>Последний месяц раньше первого.</translation>
    </message>
    <message>
        <source>Choose at most %1 months between %2 and %3.</source>
        <translation>Выберите не более %1 месяцев в пределах %2–%3 годов.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Просмотр...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Экспорт в PDF...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>The calendar was saved as
%1</source>
        <translation>Календарь сохранён в файл
%1</translation>
    </message>
    <message>
        <source>The calendar could not be printed:
%1</source>
        <translation>Не удалось напечатать календарь:
%1</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Месяцы</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Этот месяц</translation>
    </message>
    <message>
        <source>3 months from this one</source>
        <translation>3 месяца начиная с этого</translation>
    </message>
    <message>
        <source>12 months from this one</source>
        <translation>12 месяцев начиная с этого</translation>
    </message>
    <message>
        <source>From - to</source>
        <translation>С - по</translation>
    </message>
    <message>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>To</source>
        <translation>По</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <source>Computing the months... %1%</source>
        <translation>Расчёт месяцев... %1&#xa0;%</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>ends</source>
        <translation>конец</translation>
    </message>
    <message>
        <source>begins</source>
        <translation>начало</translation>
    </message>
    <message>
        <source>Void of course</source>
        <translation>Луна без курса</translation>
    </message>
    <message>
        <source>The Moon enters a sign</source>
        <translation>Луна входит в знак</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Фазы</translation>
    </message>
    <message>
        <source>A lunar day begins</source>
        <translation>Начинается лунный день</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Восход Луны</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Заход Луны</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Void of course ends at %1: %2</source>
        <translation>Луна без курса заканчивается в %1: %2</translation>
    </message>
    <message>
        <source>Moon void of course from %1 to %2 (%3 to %4)</source>
        <translation>Луна без курса с %1 до %2 (%3 – %4)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <extracomment>%1 &quot;Moon in Scorpio&quot;, %2 the time the Moon enters the sign</extracomment>
        <translation>%1 с %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 an event (&quot;Full Moon&quot;), %2 its time</extracomment>
        <translation>%1 в %2</translation>
    </message>
    <message>
        <source>Lunar day %1 begins at %2</source>
        <translation>%1-й лунный день начинается в %2</translation>
    </message>
    <message>
        <source>Moonrise at %1</source>
        <translation>Восход Луны в %1</translation>
    </message>
    <message>
        <source>Moonset at %1</source>
        <translation>Заход Луны в %1</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Затмения</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Перигей и апогей</translation>
    </message>
</context>
<context>
    <name>RemindersDialog</name>
    <message>
        <source>At the moment</source>
        <translation>В момент события</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>За 15 минут</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>За 1 час</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>За 1 день</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Shown as desktop notifications while the program runs, for the place and in the time zone the window shows.</source>
        <translation>Показываются как уведомления рабочего стола, пока программа работает, для места и в часовом поясе, которые показывает окно.</translation>
    </message>
    <message>
        <source>When to remind of: %1</source>
        <extracomment>A screen reader&apos;s name of a reminder&apos;s lead time; %1 the kind.</extracomment>
        <translation>Когда напомнить: %1</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>UI scale</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>%1 – too large for this screen</source>
        <translation>%1 – не помещается на экране</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверять обновления</translation>
    </message>
    <message>
        <source>Times in</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>this computer&apos;s time zone</source>
        <translation>по компьютеру</translation>
    </message>
    <message>
        <source>the place&apos;s time zone</source>
        <translation>по месту</translation>
    </message>
    <message>
        <source>The place&apos;s zone: %1</source>
        <translation>Часовой пояс места: %1</translation>
    </message>
    <message>
        <source>No known city near the place: this computer&apos;s zone is used</source>
        <translation>Рядом с местом нет известного города: используется часовой пояс компьютера</translation>
    </message>
    <message>
        <source>Moon as in the sky now</source>
        <translation>Луна как на небе сейчас</translation>
    </message>
    <message>
        <source>Turn the Moon&apos;s picture as it stands in your sky at the moment shown. Otherwise it is shown as seen from your hemisphere.</source>
        <extracomment>Tooltip of the option &quot;Moon as in the sky now&quot;.</extracomment>
        <translation>Поворачивать изображение Луны так, как она стоит на вашем небе в показанный момент. Иначе она показана так, как её видно из вашего полушария.</translation>
    </message>
    <message>
        <source>Keep running in the tray when the window is closed</source>
        <translation>Оставаться в системном лотке после закрытия окна</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Запускать вместе с рабочим столом</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Напоминания...</translation>
    </message>
</context>
<context>
    <name>TextsPage</name>
    <message>
        <source>Moon day %1</source>
        <translation>%1-й лунный день</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>Topics of the texts; a line break where a caption takes two lines. The row is narrow: keep each line short.</extracomment>
        <translation>Общее</translation>
    </message>
    <message>
        <source>Mood</source>
        <translation>Настроение</translation>
    </message>
    <message>
        <source>Health
Nutrition</source>
        <translation>Здоровье
Питание</translation>
    </message>
    <message>
        <source>Hair
Care</source>
        <translation>Уход за
волосами</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Бизнес</translation>
    </message>
    <message>
        <source>Gardening</source>
        <translation>Сад и
огород</translation>
    </message>
    <message>
        <source>Wedding</source>
        <translation>Свадьба</translation>
    </message>
    <message>
        <source>Born
this day</source>
        <translation>Родившиеся
в этот день</translation>
    </message>
    <message>
        <source>These texts are in English only.</source>
        <translation>Пока эти тексты есть только на английском.</translation>
    </message>
    <message>
        <source>Texts for the moment shown</source>
        <extracomment>The texts of the texts page, as a screen reader names them.</extracomment>
        <translation>Тексты на показанный момент</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Напоминания...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Lunar day %1, %2, %3% lit</source>
        <translation>%1-й лунный день, %2, освещено %3%</translation>
    </message>
    <message>
        <source>Void of course now, until %1</source>
        <translation>Сейчас Луна без курса, до %1</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Downloading %1%</source>
        <translation>Загрузка: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Current version %1, latest %2</source>
        <translation>Текущая версия %1, последняя %2</translation>
    </message>
    <message>
        <source>download failed</source>
        <translation>ошибка загрузки</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Доступно обновление</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation>Что нового?</translation>
    </message>
    <message>
        <source>Manual Download</source>
        <translation>Скачать вручную</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>WorldMap</name>
    <message>
        <source>World map, the place: %1</source>
        <extracomment>The world map of the settings page, read out with the chosen place.</extracomment>
        <translation>Карта мира, место: %1</translation>
    </message>
</context>
<context>
    <name>ical</name>
    <message>
        <source>Moon enters %1</source>
        <translation>Луна входит в знак %1</translation>
    </message>
    <message>
        <source>Moon void of course (%1 → %2)</source>
        <extracomment>%1 the sign the Moon leaves, %2 the one it enters.</extracomment>
        <translation>Луна без курса (%1 → %2)</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Новолуние</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Первая четверть</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Полнолуние</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Последняя четверть</translation>
    </message>
    <message>
        <source>Lunar day %1</source>
        <translation>%1-й лунный день</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Восход Луны</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Заход Луны</translation>
    </message>
    <message>
        <source>%1, visible here: %2 % of the Sun covered at %3</source>
        <translation>%1, видно здесь: %2 % Солнца закрыто в %3</translation>
    </message>
    <message>
        <source>Perigee, %1 km</source>
        <translation>Перигей, %1 км</translation>
    </message>
    <message>
        <source>Apogee, %1 km</source>
        <translation>Апогей, %1 км</translation>
    </message>
    <message>
        <source>(full moon within %1 hours)</source>
        <translation>(полнолуние в пределах %1 ч)</translation>
    </message>
    <message>
        <source>(new moon within %1 hours)</source>
        <translation>(новолуние в пределах %1 ч)</translation>
    </message>
</context>
</TS>
