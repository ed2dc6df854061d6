<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CalendarDay</name>
    <message>
        <source>Void of course from %1 to %2 (%3)</source>
        <extracomment>Tooltip of a day on the Void Course tab: %1 to %2 the times, %3 the sign.</extracomment>
        <translation>Lune vide de course de %1 à %2 (%3)</translation>
    </message>
    <message>
        <source>Sign: %1, lunar day %2</source>
        <extracomment>Tooltip of a day on the Daily tab: %1 the sign(s), %2 the lunar day(s).</extracomment>
        <translation>Signe : %1, jour lunaire %2</translation>
    </message>
    <message>
        <source>lunar day %1</source>
        <extracomment>A day of the calendar, read out: its lunar day.</extracomment>
        <translation>jour lunaire %1</translation>
    </message>
    <message>
        <source>lunar day %1 to %2</source>
        <extracomment>A day of the calendar, read out: the lunar days it holds.</extracomment>
        <translation>jour lunaire %1 à %2</translation>
    </message>
    <message>
        <source>Moon in %1, then %2</source>
        <extracomment>A day of the calendar, read out: the Moon changes sign from %1 to %2.</extracomment>
        <translation>Lune en %1, puis en %2</translation>
    </message>
    <message>
        <source>void of course %1 to %2</source>
        <extracomment>A day of the calendar, read out: the void of course from %1 to %2.</extracomment>
        <translation>Lune vide de course de %1 à %2</translation>
    </message>
</context>
<context>
    <name>CalendarMonthSwitcher</name>
    <message>
        <source>The month before</source>
        <translation>Le mois précédent</translation>
    </message>
    <message>
        <source>The month after</source>
        <translation>Le mois suivant</translation>
    </message>
</context>
<context>
    <name>CalendarPage</name>
    <message>
        <source>Daily</source>
        <extracomment>The two views of the month: signs and lunar days per day; void-of-course times.</extracomment>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Void Course</source>
        <translation>Lune vide de course</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Back to today and the present moment (Ctrl+T)</source>
        <extracomment>Tooltip of the Today button; Ctrl+T is its key.</extracomment>
        <translation>Revenir à aujourd&apos;hui et à l&apos;instant présent (Ctrl+T)</translation>
    </message>
    <message>
        <source>Save the Moon&apos;s events as a calendar file</source>
        <extracomment>Tooltip of the export button.</extracomment>
        <translation>Enregistrer les événements de la Lune dans un fichier de calendrier</translation>
    </message>
    <message>
        <source>Clear the results</source>
        <translation>Effacer les résultats</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>The print glyph of the calendar page, as a screen reader names it.</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Search finished, dates found: %1</source>
        <extracomment>Told to a screen reader when a search has ended; %1 the number of dates found.</extracomment>
        <translation>Recherche terminée, dates trouvées : %1</translation>
    </message>
</context>
<context>
    <name>CalendarResultList</name>
    <message>
        <source>Found dates</source>
        <extracomment>The list of found dates, as a screen reader names it.</extracomment>
        <translation>Dates trouvées</translation>
    </message>
</context>
<context>
    <name>CalendarSearchForm</name>
    <message>
        <source>Moon day</source>
        <translation>Jour lunaire</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>In sign</source>
        <translation>Dans le signe</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>The date the search starts from.</extracomment>
        <translation>À partir du</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Results</source>
        <extracomment>How many dates to find.</extracomment>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Look for</source>
        <extracomment>What the search looks for: days, or the eclipses that can be seen from the place.</extracomment>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Eclipses seen here</source>
        <translation>Éclipses visibles ici</translation>
    </message>
</context>
<context>
    <name>CalendarSearchResult</name>
    <message>
        <source>Rising</source>
        <extracomment>Rising: the Moon is waxing; Descending: waning. Then how far, and the lunar day.</extracomment>
        <translation>Croissante</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Décroissante</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Jour lunaire %1</translation>
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
        <translation>%1 % couvert</translation>
    </message>
    <message>
        <source>magnitude %1</source>
        <extracomment>The magnitude of a lunar eclipse.</extracomment>
        <translation>magnitude %1</translation>
    </message>
    <message>
        <source>Waxing: %1% of the way from new moon to full moon</source>
        <extracomment>Tooltip of a found date: what its percentage counts.</extracomment>
        <translation>Croissante : %1 % du chemin de la nouvelle lune à la pleine lune</translation>
    </message>
    <message>
        <source>Waning: %1% of the way from full moon to new moon</source>
        <translation>Décroissante : %1 % du chemin de la pleine lune à la nouvelle lune</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Events</name>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Éclipse lunaire pénombrale</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Éclipse lunaire partielle</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Éclipse lunaire totale</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Éclipse solaire partielle</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Éclipse solaire annulaire</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Éclipse solaire totale</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <extracomment>Annular along part of its path, total along the rest.</extracomment>
        <translation>Éclipse solaire hybride</translation>
    </message>
    <message>
        <source>%1, maximum %2, visible here</source>
        <translation>%1, maximum %2, visible ici</translation>
    </message>
    <message>
        <source>%1, maximum %2, not visible here</source>
        <translation>%1, maximum %2, invisible ici</translation>
    </message>
    <message>
        <source>Perigee %1, %2 km</source>
        <extracomment>The Moon nearest the Earth (perigee) or farthest from it (apogee): when, and how far.</extracomment>
        <translation>Périgée %1, %2 km</translation>
    </message>
    <message>
        <source>Apogee %1, %2 km</source>
        <translation>Apogée %1, %2 km</translation>
    </message>
    <message>
        <source>Called out: a full or new moon within 24 hours of a perigee.</source>
        <translation>Signalé : une pleine ou nouvelle lune à moins de 24 heures d&apos;un périgée.</translation>
    </message>
    <message>
        <source>Full moon %1</source>
        <translation>Pleine lune %1</translation>
    </message>
    <message>
        <source>New moon %1</source>
        <translation>Nouvelle lune %1</translation>
    </message>
    <message>
        <source>Full moon %1, near the perigee of %2 (%3 km)</source>
        <translation>Pleine lune %1, près du périgée de %2 (%3 km)</translation>
    </message>
    <message>
        <source>New moon %1, near the perigee of %2 (%3 km)</source>
        <translation>Nouvelle lune %1, près du périgée de %2 (%3 km)</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Void of course</source>
        <translation>Lune vide de course</translation>
    </message>
    <message>
        <source>Sign changes</source>
        <translation>Changements de signe</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Phases</translation>
    </message>
    <message>
        <source>Lunar days</source>
        <translation>Jours lunaires</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
    <message>
        <source>The last day lies before the first.</source>
        <translation>Le dernier jour précède le premier.</translation>
    </message>
    <message>
        <source>Choose at most %1 years between %2 and %3.</source>
        <translation>Choisissez au plus %1 ans entre %2 et %3.</translation>
    </message>
    <message>
        <source>Choose at least one kind of event.</source>
        <translation>Choisissez au moins un type d&apos;événement.</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exporter vers un agenda</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The calendar was saved as
%1</source>
        <translation>Le calendrier a été enregistré sous
%1</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>L&apos;export a été annulé.</translation>
    </message>
    <message>
        <source>The calendar could not be saved:
%1</source>
        <translation>Le calendrier n&apos;a pas pu être enregistré&#xa0;:
%1</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Next 3 months</source>
        <translation>Les 3 prochains mois</translation>
    </message>
    <message>
        <source>Next 12 months</source>
        <translation>Les 12 prochains mois</translation>
    </message>
    <message>
        <source>From - to</source>
        <translation>Du - au</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Exporting... %1%</source>
        <translation>Export... %1&#xa0;%</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Éclipses</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Périgée et apogée</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>At the moment</source>
        <translation>Au moment même</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 minutes avant</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 heure avant</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 jour avant</translation>
    </message>
</context>
<context>
    <name>InputDate</name>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>LocationForm</name>
    <message>
        <source>Custom city</source>
        <extracomment>A place given by its typed coordinates.</extracomment>
        <translation>Lieu personnalisé</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Search city</source>
        <translation>Chercher une ville</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Type a city name</source>
        <translation>Saisissez le nom d&apos;une ville</translation>
    </message>
    <message>
        <source>No places found</source>
        <translation>Aucun lieu trouvé</translation>
    </message>
</context>
<context>
    <name>Lunar</name>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibbeuse croissante</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Third Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Dernier croissant</translation>
    </message>
    <message>
        <source>Aries</source>
        <extracomment>The zodiac signs; &quot;%1 of Aries&quot; is the Moon&apos;s position in the sign, %1 its degrees.</extracomment>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Day of Warmth</source>
        <translation>Jour de chaleur</translation>
    </message>
    <message>
        <source>Moon in Aries</source>
        <translation>Lune en Bélier</translation>
    </message>
    <message>
        <source>%1 of Aries</source>
        <translation>%1 du Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Day of Coldness</source>
        <translation>Jour de froid</translation>
    </message>
    <message>
        <source>Moon in Taurus</source>
        <translation>Lune en Taureau</translation>
    </message>
    <message>
        <source>%1 of Taurus</source>
        <translation>%1 du Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Day of Light</source>
        <translation>Jour de lumière</translation>
    </message>
    <message>
        <source>Moon in Gemini</source>
        <translation>Lune en Gémeaux</translation>
    </message>
    <message>
        <source>%1 of Gemini</source>
        <translation>%1 des Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Day of Water</source>
        <translation>Jour d&apos;eau</translation>
    </message>
    <message>
        <source>Moon in Cancer</source>
        <translation>Lune en Cancer</translation>
    </message>
    <message>
        <source>%1 of Cancer</source>
        <translation>%1 du Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Moon in Leo</source>
        <translation>Lune en Lion</translation>
    </message>
    <message>
        <source>%1 of Leo</source>
        <translation>%1 du Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Moon in Virgo</source>
        <translation>Lune en Vierge</translation>
    </message>
    <message>
        <source>%1 of Virgo</source>
        <translation>%1 de la Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Moon in Libra</source>
        <translation>Lune en Balance</translation>
    </message>
    <message>
        <source>%1 of Libra</source>
        <translation>%1 de la Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Moon in Scorpio</source>
        <translation>Lune en Scorpion</translation>
    </message>
    <message>
        <source>%1 of Scorpio</source>
        <translation>%1 du Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Moon in Sagittarius</source>
        <translation>Lune en Sagittaire</translation>
    </message>
    <message>
        <source>%1 of Sagittarius</source>
        <translation>%1 du Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Moon in Capricorn</source>
        <translation>Lune en Capricorne</translation>
    </message>
    <message>
        <source>%1 of Capricorn</source>
        <translation>%1 du Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Moon in Aquarius</source>
        <translation>Lune en Verseau</translation>
    </message>
    <message>
        <source>%1 of Aquarius</source>
        <translation>%1 du Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>Moon in Pisces</source>
        <translation>Lune en Poissons</translation>
    </message>
    <message>
        <source>%1 of Pisces</source>
        <translation>%1 des Poissons</translation>
    </message>
</context>
<context>
    <name>LunarDay</name>
    <message>
        <source>Day %1</source>
        <extracomment>The lunar day (1 to 30) of the moment shown.</extracomment>
        <translation>Jour lunaire %1</translation>
    </message>
</context>
<context>
    <name>LunarDayArrow</name>
    <message>
        <source>One day back</source>
        <translation>Un jour en arrière</translation>
    </message>
    <message>
        <source>One day forward</source>
        <translation>Un jour en avant</translation>
    </message>
</context>
<context>
    <name>LunarPanel</name>
    <message>
        <source>Void Course</source>
        <extracomment>The Moon is void of course.</extracomment>
        <translation>Lune vide de course</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The Moon&apos;s illuminated fraction in percent.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Rise: %1</source>
        <translation>Lever&#xa0;: %1</translation>
    </message>
    <message>
        <source>Set: %1</source>
        <translation>Coucher&#xa0;: %1</translation>
    </message>
    <message>
        <source>U/T: %1</source>
        <extracomment>The Moon&apos;s upper transit (culmination) at the time %1; keep it short.</extracomment>
        <translation>Culm. sup.&#xa0;: %1</translation>
    </message>
    <message>
        <source>L/T: %1</source>
        <extracomment>The Moon&apos;s lower transit (lower culmination) at the time %1.</extracomment>
        <translation>Culm. inf.&#xa0;: %1</translation>
    </message>
    <message>
        <source>Times in %1 (%2)</source>
        <translation>Heures&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>The Moon&apos;s distance from the Earth now, in kilometres.</extracomment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>The Moon rises next at %1</source>
        <translation>La Lune se lève prochainement à %1</translation>
    </message>
    <message>
        <source>The Moon sets next at %1</source>
        <translation>La Lune se couche prochainement à %1</translation>
    </message>
    <message>
        <source>Upper transit: the Moon crosses the meridian at its highest, at %1</source>
        <extracomment>Tooltip of &quot;U/T&quot;: the upper transit in words.</extracomment>
        <translation>Passage supérieur : la Lune franchit le méridien au plus haut, à %1</translation>
    </message>
    <message>
        <source>Lower transit: the Moon crosses the meridian at its lowest, mostly below the horizon, at %1</source>
        <extracomment>Tooltip of &quot;L/T&quot;: the lower transit in words.</extracomment>
        <translation>Passage inférieur : la Lune franchit le méridien au plus bas, le plus souvent sous l&apos;horizon, à %1</translation>
    </message>
    <message>
        <source>The previous new moon</source>
        <translation>La nouvelle lune précédente</translation>
    </message>
    <message>
        <source>The next new moon</source>
        <translation>La prochaine nouvelle lune</translation>
    </message>
    <message>
        <source>The previous first quarter</source>
        <translation>Le premier quartier précédent</translation>
    </message>
    <message>
        <source>The next first quarter</source>
        <translation>Le prochain premier quartier</translation>
    </message>
    <message>
        <source>The previous full moon</source>
        <translation>La pleine lune précédente</translation>
    </message>
    <message>
        <source>The next full moon</source>
        <translation>La prochaine pleine lune</translation>
    </message>
    <message>
        <source>The previous third quarter</source>
        <translation>Le dernier quartier précédent</translation>
    </message>
    <message>
        <source>The next third quarter</source>
        <translation>Le prochain dernier quartier</translation>
    </message>
    <message>
        <source>The Moon</source>
        <extracomment>The moon panel, as a screen reader names it.</extracomment>
        <translation>La Lune</translation>
    </message>
    <message>
        <source>%1% illuminated</source>
        <extracomment>The Moon&apos;s illuminated fraction, read out.</extracomment>
        <translation>%1&#xa0;% éclairée</translation>
    </message>
</context>
<context>
    <name>LunarTime</name>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Moment shown</source>
        <extracomment>The moon panel&apos;s date and time field, as a screen reader names it.</extracomment>
        <translation>Moment affiché</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>No web browser could be opened. The help is at
%1</source>
        <translation>Aucun navigateur web n&apos;a pu être ouvert. L&apos;aide se trouve à l&apos;adresse
%1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>MonthPage</name>
    <message>
        <source>the Moon enters the sign</source>
        <translation>la Lune entre dans le signe</translation>
    </message>
    <message>
        <source>lunar day</source>
        <translation>jour lunaire</translation>
    </message>
    <message>
        <source>void of course</source>
        <translation>Lune vide de course</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 à partir du %2</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>Times in %1 (%2)</source>
        <translation>Heures&#xa0;: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>PageSwitcher</name>
    <message>
        <source>Texts for the day</source>
        <translation>Textes du jour</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>The strip of page squares, as a screen reader names it.</extracomment>
        <translation>Pages</translation>
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
        <translation>Le dernier mois précède le premier.</translation>
    </message>
    <message>
        <source>Choose at most %1 months between %2 and %3.</source>
        <translation>Choisissez au plus %1 mois entre %2 et %3.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Aperçu...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>The calendar was saved as
%1</source>
        <translation>Le calendrier a été enregistré sous
%1</translation>
    </message>
    <message>
        <source>The calendar could not be printed:
%1</source>
        <translation>Le calendrier n&apos;a pas pu être imprimé&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>3 months from this one</source>
        <translation>3 mois à partir de celui-ci</translation>
    </message>
    <message>
        <source>12 months from this one</source>
        <translation>12 mois à partir de celui-ci</translation>
    </message>
    <message>
        <source>From - to</source>
        <translation>Du - au</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Computing the months... %1%</source>
        <translation>Calcul des mois... %1&#xa0;%</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
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
        <translation>début</translation>
    </message>
    <message>
        <source>Void of course</source>
        <translation>Lune vide de course</translation>
    </message>
    <message>
        <source>The Moon enters a sign</source>
        <translation>La Lune entre dans un signe</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Phases</translation>
    </message>
    <message>
        <source>A lunar day begins</source>
        <translation>Un jour lunaire commence</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Void of course ends at %1: %2</source>
        <translation>Fin de la Lune vide de course à %1 : %2</translation>
    </message>
    <message>
        <source>Moon void of course from %1 to %2 (%3 to %4)</source>
        <translation>Lune vide de course de %1 à %2 (%3 à %4)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <extracomment>%1 &quot;Moon in Scorpio&quot;, %2 the time the Moon enters the sign</extracomment>
        <translation>%1 dès %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 an event (&quot;Full Moon&quot;), %2 its time</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Lunar day %1 begins at %2</source>
        <translation>Le jour lunaire %1 commence à %2</translation>
    </message>
    <message>
        <source>Moonrise at %1</source>
        <translation>Lever de la Lune à %1</translation>
    </message>
    <message>
        <source>Moonset at %1</source>
        <translation>Coucher de la Lune à %1</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Éclipses</translation>
    </message>
    <message>
        <source>Perigee and apogee</source>
        <translation>Périgée et apogée</translation>
    </message>
</context>
<context>
    <name>RemindersDialog</name>
    <message>
        <source>At the moment</source>
        <translation>Au moment même</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 minutes avant</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 heure avant</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 jour avant</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Shown as desktop notifications while the program runs, for the place and in the time zone the window shows.</source>
        <translation>Affichés comme notifications du bureau tant que le programme tourne, pour le lieu et dans le fuseau horaire de la fenêtre.</translation>
    </message>
    <message>
        <source>When to remind of: %1</source>
        <extracomment>A screen reader&apos;s name of a reminder&apos;s lead time; %1 the kind.</extracomment>
        <translation>Quand rappeler : %1</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>UI scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>%1 – too large for this screen</source>
        <translation>%1 – trop grand pour l&apos;écran</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Vérifier les mises à jour</translation>
    </message>
    <message>
        <source>Times in</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>this computer&apos;s time zone</source>
        <translation>de cet ordinateur</translation>
    </message>
    <message>
        <source>the place&apos;s time zone</source>
        <translation>du lieu</translation>
    </message>
    <message>
        <source>The place&apos;s zone: %1</source>
        <translation>Fuseau horaire du lieu&#xa0;: %1</translation>
    </message>
    <message>
        <source>No known city near the place: this computer&apos;s zone is used</source>
        <translation>Aucune ville connue près du lieu&#xa0;: le fuseau de cet ordinateur s&apos;applique</translation>
    </message>
    <message>
        <source>Moon as in the sky now</source>
        <translation>Lune comme dans le ciel</translation>
    </message>
    <message>
        <source>Turn the Moon&apos;s picture as it stands in your sky at the moment shown. Otherwise it is shown as seen from your hemisphere.</source>
        <extracomment>Tooltip of the option &quot;Moon as in the sky now&quot;.</extracomment>
        <translation>Tourner l&apos;image de la Lune comme elle se tient dans votre ciel à l&apos;instant affiché. Sinon, elle est montrée telle qu&apos;on la voit depuis votre hémisphère.</translation>
    </message>
    <message>
        <source>Keep running in the tray when the window is closed</source>
        <translation>Rester dans la zone de notification à la fermeture de la fenêtre</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Démarrer avec le bureau</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Rappels...</translation>
    </message>
</context>
<context>
    <name>TextsPage</name>
    <message>
        <source>Moon day %1</source>
        <translation>Jour lunaire %1</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>Topics of the texts; a line break where a caption takes two lines. The row is narrow: keep each line short.</extracomment>
        <translation>Général</translation>
    </message>
    <message>
        <source>Mood</source>
        <translation>Humeur</translation>
    </message>
    <message>
        <source>Health
Nutrition</source>
        <translation>Santé
Nutrition</translation>
    </message>
    <message>
        <source>Hair
Care</source>
        <translation>Soins des
cheveux</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Affaires</translation>
    </message>
    <message>
        <source>Gardening</source>
        <translation>Jardinage</translation>
    </message>
    <message>
        <source>Wedding</source>
        <translation>Mariage</translation>
    </message>
    <message>
        <source>Born
this day</source>
        <translation>Nés
ce jour</translation>
    </message>
    <message>
        <source>These texts are in English only.</source>
        <translation>Ces textes n&apos;existent pour l&apos;instant qu&apos;en anglais.</translation>
    </message>
    <message>
        <source>Texts for the moment shown</source>
        <extracomment>The texts of the texts page, as a screen reader names them.</extracomment>
        <translation>Textes pour le moment affiché</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Rappels...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Lunar day %1, %2, %3% lit</source>
        <translation>Jour lunaire %1, %2, éclairée à %3 %</translation>
    </message>
    <message>
        <source>Void of course now, until %1</source>
        <translation>Lune vide de course maintenant, jusqu’à %1</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement…</translation>
    </message>
    <message>
        <source>Downloading %1%</source>
        <translation>Téléchargement&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Current version %1, latest %2</source>
        <translation>Version actuelle %1, dernière %2</translation>
    </message>
    <message>
        <source>download failed</source>
        <translation>échec du téléchargement</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>What&apos;s New?</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>Manual Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Mettre à jour</translation>
    </message>
</context>
<context>
    <name>WorldMap</name>
    <message>
        <source>World map, the place: %1</source>
        <extracomment>The world map of the settings page, read out with the chosen place.</extracomment>
        <translation>Carte du monde, le lieu : %1</translation>
    </message>
</context>
<context>
    <name>ical</name>
    <message>
        <source>Moon enters %1</source>
        <translation>La Lune entre dans le signe %1</translation>
    </message>
    <message>
        <source>Moon void of course (%1 → %2)</source>
        <extracomment>%1 the sign the Moon leaves, %2 the one it enters.</extracomment>
        <translation>Lune vide de course (%1 → %2)</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Lunar day %1</source>
        <translation>Jour lunaire %1</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
    <message>
        <source>%1, visible here: %2 % of the Sun covered at %3</source>
        <translation>%1, visible ici : %2 % du Soleil couvert à %3</translation>
    </message>
    <message>
        <source>Perigee, %1 km</source>
        <translation>Périgée, %1 km</translation>
    </message>
    <message>
        <source>Apogee, %1 km</source>
        <translation>Apogée, %1 km</translation>
    </message>
    <message>
        <source>(full moon within %1 hours)</source>
        <translation>(pleine lune à moins de %1 heures)</translation>
    </message>
    <message>
        <source>(new moon within %1 hours)</source>
        <translation>(nouvelle lune à moins de %1 heures)</translation>
    </message>
</context>
</TS>
