.pragma library

.import "Lunar.js" as Lunar

// Texts and counting of the calendar page, kept free of items so the tests can drive them.

// The search result list holds this many rows.
var MaximumResults = 10

// "12" for a day that keeps its lunar day, "12-13" for one that changes it before midnight.
function lunarDayText(first, second) {
    return first === second ? String(first) : first + "-" + second
}

function signGlyph(sign) {
    var row = Lunar.zodiac(sign)
    return row ? row.icon : ""
}

// One glyph, or two when the Moon enters another sign during the day.
function signGlyphs(first, second) {
    return first === second ? signGlyph(first) : signGlyph(first) + signGlyph(second)
}

// Waxing up to and including full moon, then waning; the percentage runs 0 to 100 over each
// half of the lunation.
function phaseProgress(phase) {
    var rising = phase <= 0.5
    return { rising: rising, percent: Math.round((rising ? phase : phase - 0.5) * 200) }
}

// Where the next result goes: the fill counter's next value (the last row is reused once all
// are full), which is also its slot counted from the top. The search reports its hits in date
// order, so the list reads in date order from the top, the first hit in view.
function nextSlot(lastIndex) {
    var index = Math.min(lastIndex + 1, MaximumResults - 1)
    return { index: index, slot: index }
}
