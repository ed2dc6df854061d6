import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/scripts/Lunar.js" as Lunar

TestCase {
    name: "Lunar"

    function test_phaseName_data() {
        return [
            { tag: "new moon itself", phase: 0, name: "New Moon" },
            { tag: "last of the new moon band", phase: 0.0099, name: "New Moon" },
            { tag: "end of the first quarter band", phase: 0.2599, name: "First Quarter" },
            { tag: "waning crescent starts", phase: 0.76, name: "Waning Crescent" },
            { tag: "a whole lunation is none", phase: 1.0, name: "??" },
            { tag: "negative is none", phase: -0.001, name: "??" }
        ]
    }

    function test_phaseName(data) {
        compare(Lunar.phaseName(data.phase), data.name)
    }

    // The shadow's edges at the equator, in radii from the centre line, and the ring.
    function test_shadowBounds_data() {
        return [
            { tag: "new moon: all, ring", phase: 0, left: -1, right: 1, ring: true },
            { tag: "0.997: almost all, ring", phase: 0.997, left: Math.cos(0.994 * Math.PI),
              right: 1, ring: true },
            { tag: "0.994: no ring yet", phase: 0.994, left: Math.cos(0.988 * Math.PI),
              right: 1, ring: false },
            { tag: "0.004: ring", phase: 0.004, left: -1, right: Math.cos(0.008 * Math.PI),
              ring: true }
        ]
    }

    function test_shadowBounds(data) {
        var bounds = Lunar.shadowBounds(data.phase)
        fuzzyCompare(bounds.left, data.left, 1e-9)
        fuzzyCompare(bounds.right, data.right, 1e-9)
        compare(Lunar.showsRing(data.phase), data.ring)
    }

    // Numbers that are no sign (the empty ephemeris's -1, a stray 12) have no row.
    function test_noSign() {
        compare(Lunar.zodiac(-1), null)
        compare(Lunar.zodiac(12), null)
    }
}
