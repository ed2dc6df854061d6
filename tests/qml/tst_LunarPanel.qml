import QtQuick 2.6
import QtTest 1.1
import Astro 1.0
import UI 1.0
import "qrc:/qml/lunar"

// The panel against a stand-in calculation that records what it is asked and delivers what
// the test hands it, in any order.
Item {
    id: scene
    width: 330
    height: 600

    Component {
        id: fakeCalculation
        QtObject {
            property var requests: []

            signal beginEphemeris()
            signal ephemerisCalculated(var ephe)
            signal ephemerisFailed(var time)
            signal outlookCalculated(int request, var outlook)
            property int outlooks: 0

            // Results for another place than the one set now carry "before".
            function isCurrent(e) { return e.observer !== "before" }

            function fullEphemeris(time) {
                requests.push(time)
            }
            function outlook(time) {
                return ++outlooks
            }
        }
    }

    Component {
        id: panelComponent
        LunarPanel {
            width: 294
            height: 560
        }
    }

    TestCase {
        name: "LunarPanel"
        when: windowShown

        property var calculation: null
        property var panel: null

        function ephemeris(time, fields) {
            var e = {
                time: time, phase: 0.3, illumination: 0.73, lunarDay: 9, zodiac: 4,
                zodiacDegrees: 12.5, isVoC: false,
                nextRising: new Date(2027, 2, 14, 9, 41), nextSetting: new Date(2027, 2, 14, 23, 5),
                upperTransit: new Date(2027, 2, 14, 16, 20),
                lowerTransit: new Date(2027, 2, 15, 4, 2),
                prevNewMoon: new Date(2027, 2, 8, 10, 29), nextNewMoon: new Date(2027, 3, 6, 23, 51),
                prevFirstQuarter: new Date(2027, 1, 14, 7, 58),
                nextFirstQuarter: new Date(2027, 2, 15, 16, 25),
                prevFullMoon: new Date(2027, 1, 20, 23, 23),
                nextFullMoon: new Date(2027, 2, 22, 10, 43),
                prevThirdQuarter: new Date(2027, 1, 28, 2, 16),
                nextThirdQuarter: new Date(2027, 2, 30, 0, 53)
            }
            for (var key in fields)
                e[key] = fields[key]
            return e
        }

        // The phase instant's line that shows the text.
        function phaseLine(item, text) {
            if (item.objectName === "phaseTime" && item.text === text)
                return item
            for (var i = 0; i < item.children.length; ++i) {
                var found = phaseLine(item.children[i], text)
                if (found)
                    return found
            }
            return null
        }

        function init() {
            calculation = createTemporaryObject(fakeCalculation, scene)
            panel = createTemporaryObject(panelComponent, scene, { calculation: calculation })
        }

        // Moved from a to b: whatever order the two results come in, b is what is shown.
        function test_latestMomentWins_data() {
            return [
                { tag: "in order", deliver: ["a", "b"], shown: "b", busy: false },
                { tag: "the older one last", deliver: ["b", "a"], shown: "b", busy: false },
                { tag: "only the older one", deliver: ["a"], shown: "", busy: true },
                { tag: "for the place before", deliver: ["b*"], shown: "", busy: true },
                { tag: "the library cannot compute it", deliver: ["b!"], shown: "", busy: false }
            ]
        }

        function test_latestMomentWins(data) {
            var times = { a: new Date(2027, 2, 14, 21, 30), b: new Date(2027, 2, 15, 21, 30) }
            var empty = panel.entry
            panel.dateTime = times.a
            panel.dateTime = times.b
            calculation.beginEphemeris()
            calculation.beginEphemeris()
            verify(panel.busy)
            for (var i = 0; i < data.deliver.length; ++i) {
                var name = data.deliver[i]
                var time = times[name.charAt(0)]
                if (name.charAt(1) === "!")
                    calculation.ephemerisFailed(time)
                else
                    calculation.ephemerisCalculated(ephemeris(time, { lunarDay: i + 10,
                        observer: name.charAt(1) === "*" ? "before" : "here" }))
            }
            if (data.shown === "")
                verify(panel.entry === empty, "nothing taken")
            else
                compare(panel.entry.time.getTime(), times[data.shown].getTime())
            compare(panel.busy, data.busy)
        }

        function test_phaseDateMovesThePanel() {
            var at = new Date(2027, 2, 14, 21, 30)
            panel.dateTime = at
            calculation.ephemerisCalculated(ephemeris(at))
            var before = calculation.requests.length
            // The new moon's upper line: the previous new moon.
            var line = phaseLine(panel, "03/08/2027 10:29")
            waitForRendering(panel)
            mouseClick(line, line.width / 2, line.height / 2)
            compare(UI.formatDateTime(panel.dateTime, "MM/dd/yyyy hh:mm"), "03/08/2027 10:29")
            compare(calculation.requests.length, before + 1)
            compare(calculation.requests[before].getTime(), panel.dateTime.getTime())
        }

        // The outlook is asked for once the moment's ephemeris is shown, and only the answer to
        // the latest request is taken; its lines move the panel to their moment.
        function test_outlook() {
            var at = new Date(2027, 2, 14, 21, 30)
            panel.dateTime = at
            compare(calculation.outlooks, 0)
            calculation.ephemerisCalculated(ephemeris(at))
            tryCompare(calculation, "outlooks", 1)
            var perigee = { kind: "perigee", time: new Date(2027, 2, 16, 4, 10), distanceKm: 361234 }
            var eclipse = { kind: "eclipse", body: "moon", type: "total", visible: false,
                            time: new Date(2027, 2, 20, 23, 13) }
            calculation.outlookCalculated(0, { distanceKm: 1 })
            compare(findChild(panel, "distance").visible, false, "an older answer")
            calculation.outlookCalculated(1, { distanceKm: 370123.4, perigee: perigee,
                                               eclipse: eclipse })
            compare(findChild(panel, "distance").text, "370,123 km")
            compare(findChild(panel, "perigee").text, "Perigee 03/16/2027 04:10, 361,234 km")
            compare(findChild(panel, "apogee").visible, false)
            var line = findChild(panel, "eclipse")
            compare(line.text, "Total lunar eclipse, maximum 03/20/2027\u00a023:13, not visible here")
            mouseClick(line, line.width / 2, line.height / 2)
            compare(panel.dateTime.getTime(), eclipse.time.getTime())
        }

        // Another zone shows the same phase instants on its own clock.
        function test_phaseTimesFollowTheZone() {
            calculation.ephemerisCalculated(ephemeris(panel.dateTime))
            var line = findChild(panel, "phaseTime")
            var before = line.text
            UI.timeZone = "Pacific/Chatham" // +12:45 or +13:45, no test's own zone
            var after = line.text
            UI.timeZone = ""
            verify(after !== before, before)
        }
    }
}
