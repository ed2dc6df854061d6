import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/scripts/Places.js" as Places

TestCase {
    name: "Places"

    // Measured in characters here: the scene measures in pixels of the field's font.
    function test_fitName_data() {
        return [
            { tag: "fits whole", name: "Bern", region: "Bern", country: "Switzerland", width: 23,
              shown: "Bern, Bern, Switzerland" },
            { tag: "the region gives way", name: "Berlin", region: "State of Berlin",
              country: "Germany", width: 26, shown: "Berlin, State of\u2026, Germany" },
            { tag: "the region left out", name: "Kodiak", region: "Alaska",
              country: "United States", width: 21, shown: "Kodiak, United States" },
            { tag: "then the name, the country whole", name: "Llanfairpwllgwyngyll",
              region: "Wales", country: "United Kingdom", width: 26,
              shown: "Llanfairp\u2026, United Kingdom" },
            { tag: "not even the country fits", name: "Oslo", region: "Oslo", country: "Norway",
              width: 3, shown: "\u2026, Norway" }
        ]
    }

    function test_fitName(data) {
        var shown = Places.fitName(data.name, data.region, data.country, data.width,
                                   function(text) { return text.length })
        compare(shown, data.shown)
    }

    // The map is 360 x 180 here, one pixel a degree: x 0 is -170, x 180 is 10 E.
    function test_projection_data() {
        return [
            { tag: "top-left corner", lon: -170, lat: 90, x: 0, y: 0 },
            { tag: "Greenwich on the equator", lon: 0, lat: 0, x: 170, y: 90 },
            { tag: "date line, south pole", lon: 180, lat: -90, x: 350, y: 180, backLon: -180 },
            { tag: "west of -170 wraps to the right edge", lon: -175, lat: -15, x: 355, y: 105 }
        ]
    }

    function test_projection(data) {
        var p = Places.project(data.lon, data.lat, 360, 180)
        fuzzyCompare(p.x, data.x, 1e-9)
        fuzzyCompare(p.y, data.y, 1e-9)
        var back = Places.unproject(p.x, p.y, 360, 180)
        fuzzyCompare(back.longitude, data.backLon !== undefined ? data.backLon : data.lon, 1e-9)
        fuzzyCompare(back.latitude, data.lat, 1e-9)
    }

    function test_answersLookup_data() {
        return [
            { tag: "every name holds the lookup", names: ["Reykjavik", "Reykjahlid"],
              lookup: "reykja", current: "", answers: true },
            { tag: "the current place leads whatever the lookup", names: ["Bern", "Reykjavik"],
              lookup: "reykjav", current: "Bern", answers: true },
            { tag: "an earlier, shorter lookup's answer", names: ["Bern", "Rabat", "Reykjavik"],
              lookup: "reykjav", current: "Bern", answers: false },
            { tag: "the current place further down is no exception",
              names: ["Reykjavik", "Bern"], lookup: "reykjav", current: "Bern", answers: false },
            { tag: "nothing found", names: [], lookup: "xyzzy", current: "Bern", answers: true }
        ]
    }

    function test_answersLookup(data) {
        compare(Places.answersLookup(data.names, data.lookup, data.current,
                                     function(text) { return text.toLowerCase() }), data.answers)
    }
}
