import QtQuick 2.6
import QtTest 1.1
import UI 1.0
import "qrc:/qml/calendar"

Item {
    id: scene
    width: 400
    height: 100

    Component {
        id: rowComponent
        CalendarSearchResult { width: 340 }
    }

    TestCase {
        name: "CalendarSearchResult"
        when: windowShown

        function test_texts_data() {
            return [
                { tag: "new moon", phase: 0, day: 1, sign: 0,
                  phaseText: "Rising, 0%. Day 1", signText: "\u2648 Day of Warmth" },
                { tag: "first quarter", phase: 0.25, day: 8, sign: 3,
                  phaseText: "Rising, 50%. Day 8", signText: "\u264b Day of Water" },
                { tag: "full moon itself is still rising", phase: 0.5, day: 15, sign: 6,
                  phaseText: "Rising, 100%. Day 15", signText: "\u264e Day of Light" },
                { tag: "just after full moon", phase: 0.5001, day: 16, sign: 6,
                  phaseText: "Descending, 0%. Day 16", signText: "\u264e Day of Light" },
                { tag: "third quarter", phase: 0.75, day: 23, sign: 9,
                  phaseText: "Descending, 50%. Day 23", signText: "\u2651 Day of Coldness" },
                { tag: "no sign", phase: 0.9, day: 28, sign: -1,
                  phaseText: "Descending, 80%. Day 28", signText: "" },
                { tag: "the widest texts", phase: 0.999, day: 30, sign: 9,
                  phaseText: "Descending, 100%. Day 30", signText: "\u2651 Day of Coldness" }
            ]
        }


        function test_texts(data) {
            var date = UI.parseDateTime("2027-09-28 00:00", "yyyy-MM-dd hh:mm")
            var row = createTemporaryObject(rowComponent, scene, {
                entry: { date: date, lunarDay: data.day, zodiac: data.sign, phase: data.phase }
            })
            compare(row.phaseText, data.phaseText)
            compare(row.signText, data.signText)
            compare(row.dateText, "2027, " + UI.formatDateTime(date, "MMM") + ", 28")
            // Shown whole and side by side.
            var texts = row.children
            verify(!texts[1].truncated)
            verify(texts[0].x + texts[0].width < texts[1].x, "date and phase")
            verify(texts[1].x + texts[1].width < texts[2].x, "phase and sign")
        }
    }
}
