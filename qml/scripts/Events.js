.pragma library

// The texts of the Moon's great days (the marks of astro/moonevents.h), shared by the moon
// panel, the calendar and its search. Times and distances come formatted by the caller.

var EclipseNames = {
    moon: {
        penumbral: QT_TRANSLATE_NOOP("Events", "Penumbral lunar eclipse"),
        partial: QT_TRANSLATE_NOOP("Events", "Partial lunar eclipse"),
        total: QT_TRANSLATE_NOOP("Events", "Total lunar eclipse")
    },
    sun: {
        partial: QT_TRANSLATE_NOOP("Events", "Partial solar eclipse"),
        annular: QT_TRANSLATE_NOOP("Events", "Annular solar eclipse"),
        total: QT_TRANSLATE_NOOP("Events", "Total solar eclipse"),
        //: Annular along part of its path, total along the rest.
        hybrid: QT_TRANSLATE_NOOP("Events", "Hybrid solar eclipse")
    }
}

// The calendar's glyph of each kind of mark (FontAwesome): an eclipse a half-dark disc, a
// perigee arrows drawn in, an apogee arrows pointing out, a full or new moon near a perigee a
// full or an empty disc.
var Glyphs = {
    eclipse: "\uf042",
    perigee: "\uf066",
    apogee: "\uf065",
    full: "\uf111",
    "new": "\uf10c"
}

function glyph(mark) {
    return mark.kind === "nearperigee" ? Glyphs[mark.phase] || "" : Glyphs[mark.kind] || ""
}

// The translated name of an eclipse (body "moon" or "sun", and its type); empty for another.
function eclipseName(eclipse) {
    var names = eclipse ? EclipseNames[eclipse.body] : null
    return names && names[eclipse.type] ? qsTranslate("Events", names[eclipse.type]) : ""
}

// The moment that tells an eclipse: for a solar one seen from the place its greatest eclipse
// there, else its greatest eclipse over the Earth.
function eclipseMoment(eclipse) {
    return eclipse.localMaximum || eclipse.time
}

// "Total lunar eclipse, maximum 03/03/2026 12:33, not visible here"
function eclipseText(eclipse, time) {
    return eclipse.visible
            ? qsTranslate("Events", "%1, maximum %2, visible here").arg(eclipseName(eclipse)).arg(time)
            : qsTranslate("Events", "%1, maximum %2, not visible here").arg(eclipseName(eclipse))
              .arg(time)
}

// "Perigee 08/10/2026 13:17, 363,284 km"
function apsisText(apsis, time, km) {
    //: The Moon nearest the Earth (perigee) or farthest from it (apogee): when, and how far.
    return apsis.kind === "perigee" ? qsTranslate("Events", "Perigee %1, %2 km").arg(time).arg(km)
                                    : qsTranslate("Events", "Apogee %1, %2 km").arg(time).arg(km)
}

var NearPerigeeRule
    = QT_TRANSLATE_NOOP("Events", "Called out: a full or new moon within 24 hours of a perigee.")

// The tooltip of a calendar mark. `format` turns a date into the text shown (the day is the
// cell's: the time is enough), `locale` groups the kilometres.
function markText(mark, format, locale) {
    switch (mark.kind) {
    case "eclipse":
        return eclipseText(mark, format(eclipseMoment(mark)))
    case "perigee":
    case "apogee":
        var text = apsisText(mark, format(mark.time), km(mark.distanceKm, locale))
        if (mark.nearPhase === "full")
            text += "\n" + qsTranslate("Events", "Full moon %1").arg(format(mark.nearPhaseTime))
        else if (mark.nearPhase === "new")
            text += "\n" + qsTranslate("Events", "New moon %1").arg(format(mark.nearPhaseTime))
        return mark.nearPhase ? text + "\n" + qsTranslate("Events", NearPerigeeRule) : text
    case "nearperigee":
        var near = mark.phase === "full"
                ? qsTranslate("Events", "Full moon %1, near the perigee of %2 (%3 km)")
                : qsTranslate("Events", "New moon %1, near the perigee of %2 (%3 km)")
        return near.arg(format(mark.time)).arg(format(mark.perigeeTime))
                .arg(km(mark.distanceKm, locale)) + "\n" + qsTranslate("Events", NearPerigeeRule)
    }
    return ""
}

// A distance in whole kilometres, grouped as the locale groups thousands.
function km(value, locale) {
    return Number(value).toLocaleString(locale, "f", 0)
}
