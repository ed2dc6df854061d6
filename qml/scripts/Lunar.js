.pragma library

// Phase and sign tables shared by the moon panel, the calendar and the texts page. The names
// are source texts: show them through qsTranslate("Lunar", ...); data lookups use them as keys.

// Start and end in percent of the lunation; an end of 0 stands for 100.
var Phases = [
    { start: 0, end: 1, name: QT_TRANSLATE_NOOP("Lunar", "New Moon") },
    { start: 1, end: 25, name: QT_TRANSLATE_NOOP("Lunar", "Waxing Crescent") },
    { start: 25, end: 26, name: QT_TRANSLATE_NOOP("Lunar", "First Quarter") },
    { start: 26, end: 50, name: QT_TRANSLATE_NOOP("Lunar", "Waxing Gibbous") },
    { start: 50, end: 51, name: QT_TRANSLATE_NOOP("Lunar", "Full Moon") },
    { start: 51, end: 75, name: QT_TRANSLATE_NOOP("Lunar", "Waning Gibbous") },
    { start: 75, end: 76, name: QT_TRANSLATE_NOOP("Lunar", "Third Quarter") },
    { start: 76, end: 0, name: QT_TRANSLATE_NOOP("Lunar", "Waning Crescent") }
]

// Indexed by sign number, 0 = Aries. The glyphs need the "Vendarion" font family. A sign's
// name and element day (dayShort) are also keys of the text document. "Moon in ..." and the
// position ("12° 30' of Leo") are whole texts per sign, since in many languages the sign's name
// takes another form in them ("im Löwen", "во Льве").
var Zodiacs = [
    //: The zodiac signs; "%1 of Aries" is the Moon's position in the sign, %1 its degrees.
    { name: QT_TRANSLATE_NOOP("Lunar", "Aries"), icon: "\u2648",
      day: QT_TRANSLATE_NOOP("Lunar", "Day of Warmth"), dayShort: "Warmth",
      moonIn: QT_TRANSLATE_NOOP("Lunar", "Moon in Aries"),
      position: QT_TRANSLATE_NOOP("Lunar", "%1 of Aries") },
    { name: QT_TRANSLATE_NOOP("Lunar", "Taurus"), icon: "\u2649",
      day: QT_TRANSLATE_NOOP("Lunar", "Day of Coldness"), dayShort: "Coldness",
      moonIn: QT_TRANSLATE_NOOP("Lunar", "Moon in Taurus"),
      position: QT_TRANSLATE_NOOP("Lunar", "%1 of Taurus") },
    { name: QT_TRANSLATE_NOOP("Lunar", "Gemini"), icon: "\u264a",
      day: QT_TRANSLATE_NOOP("Lunar", "Day of Light"), dayShort: "Light",
      moonIn: QT_TRANSLATE_NOOP("Lunar", "Moon in Gemini"),
      position: QT_TRANSLATE_NOOP("Lunar", "%1 of Gemini") },
    { name: QT_TRANSLATE_NOOP("Lunar", "Cancer"), icon: "\u264b",
      day: QT_TRANSLATE_NOOP("Lunar", "Day of Water"), dayShort: "Water",
      moonIn: QT_TRANSLATE_NOOP("Lunar", "Moon in Cancer"),
      position: QT_TRANSLATE_NOOP("Lunar", "%1 of Cancer") },
    { name: QT_TRANSLATE_NOOP("Lunar", "Leo"), icon: "\u264c",
      day: QT_TRANSLATE_NOOP("Lunar", "Day of Warmth"), dayShort: "Warmth",
      moonIn: QT_TRANSLATE_NOOP("Lunar", "Moon in Leo"),
      position: QT_TRANSLATE_NOOP("Lunar", "%1 of Leo") },
    { name: QT_TRANSLATE_NOOP("Lunar", "Virgo"), icon: "\u264d",
      day: QT_TRANSLATE_NOOP("Lunar", "Day of Coldness"), dayShort: "Coldness",
      moonIn: QT_TRANSLATE_NOOP("Lunar", "Moon in Virgo"),
      position: QT_TRANSLATE_NOOP("Lunar", "%1 of Virgo") },
    { name: QT_TRANSLATE_NOOP("Lunar", "Libra"), icon: "\u264e",
      day: QT_TRANSLATE_NOOP("Lunar", "Day of Light"), dayShort: "Light",
      moonIn: QT_TRANSLATE_NOOP("Lunar", "Moon in Libra"),
      position: QT_TRANSLATE_NOOP("Lunar", "%1 of Libra") },
    { name: QT_TRANSLATE_NOOP("Lunar", "Scorpio"), icon: "\u264f",
      day: QT_TRANSLATE_NOOP("Lunar", "Day of Water"), dayShort: "Water",
      moonIn: QT_TRANSLATE_NOOP("Lunar", "Moon in Scorpio"),
      position: QT_TRANSLATE_NOOP("Lunar", "%1 of Scorpio") },
    { name: QT_TRANSLATE_NOOP("Lunar", "Sagittarius"), icon: "\u2650",
      day: QT_TRANSLATE_NOOP("Lunar", "Day of Warmth"), dayShort: "Warmth",
      moonIn: QT_TRANSLATE_NOOP("Lunar", "Moon in Sagittarius"),
      position: QT_TRANSLATE_NOOP("Lunar", "%1 of Sagittarius") },
    { name: QT_TRANSLATE_NOOP("Lunar", "Capricorn"), icon: "\u2651",
      day: QT_TRANSLATE_NOOP("Lunar", "Day of Coldness"), dayShort: "Coldness",
      moonIn: QT_TRANSLATE_NOOP("Lunar", "Moon in Capricorn"),
      position: QT_TRANSLATE_NOOP("Lunar", "%1 of Capricorn") },
    { name: QT_TRANSLATE_NOOP("Lunar", "Aquarius"), icon: "\u2652",
      day: QT_TRANSLATE_NOOP("Lunar", "Day of Light"), dayShort: "Light",
      moonIn: QT_TRANSLATE_NOOP("Lunar", "Moon in Aquarius"),
      position: QT_TRANSLATE_NOOP("Lunar", "%1 of Aquarius") },
    { name: QT_TRANSLATE_NOOP("Lunar", "Pisces"), icon: "\u2653",
      day: QT_TRANSLATE_NOOP("Lunar", "Day of Water"), dayShort: "Water",
      moonIn: QT_TRANSLATE_NOOP("Lunar", "Moon in Pisces"),
      position: QT_TRANSLATE_NOOP("Lunar", "%1 of Pisces") }
]

// The row of a sign number, or null for a number that is no sign (-1, or anything off the table).
function zodiac(sign) {
    return sign >= 0 && sign < Zodiacs.length ? Zodiacs[sign] : null
}

// The name of the phase band holding phase (0 new moon, 0.5 full moon); "??" outside [0, 1).
function phaseName(phase) {
    var p = phase * 100
    for (var i = 0; i < Phases.length; ++i) {
        var end = Phases[i].end === 0 ? 100 : Phases[i].end
        if (Phases[i].start <= p && p < end)
            return Phases[i].name
    }
    return "??"
}

// The shadow of the moon picture lies between two half-ellipses through the disc's poles. Each
// bound is a factor of the radius at the equator, -1 the left limb, +1 the right limb; the
// shadow spans from left to right. Waxing, the shadow's right edge withdraws from the right
// limb to the left one (lit from the right); waning, its left edge does the same, so the
// shadow grows from the right limb. Anything outside (0, 1), new moon itself included, is
// all shadow.
function shadowBounds(phase) {
    if (phase > 0 && phase <= 0.5)
        return { left: -1, right: Math.cos(2 * Math.PI * phase) }
    if (phase > 0.5 && phase < 1)
        return { left: Math.cos(2 * Math.PI * (phase - 0.5)), right: 1 }
    return { left: -1, right: 1 }
}

// The step from one phase to another the short way round the lunation: from 0.99 to 0.01 is
// +0.02, not -0.98.
function phaseStep(from, to) {
    var step = to - from
    if (step > 0.5)
        return step - 1
    if (step < -0.5)
        return step + 1
    return step
}

// Within half a percent of new moon the disc is almost all shadow: a ring keeps it visible.
function showsRing(phase) {
    return Math.abs(phase - 0.5) > 0.495
}
