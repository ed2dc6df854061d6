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

        // Where a text's glyphs lie, whatever its alignment.
        function inked(text) {
            var left = text.x + (text.horizontalAlignment === Text.AlignHCenter
                                 ? (text.width - text.contentWidth) / 2 : 0)
            return { left: left, right: left + text.contentWidth }
        }

        function test_texts(data) {
            var date = UI.parseDateTime("2027-09-28 00:00", "yyyy-MM-dd hh:mm")
            var row = createTemporaryObject(rowComponent, scene, {
                entry: { date: date, lunarDay: data.day, zodiac: data.sign, phase: data.phase }
            })
            compare(row.phaseText, data.phaseText)
            compare(row.signText, data.signText)
            compare(row.dateText, "2027, " + UI.formatDateTime(date, "MMM") + ", 28")
            // Shown whole, side by side, inside the row.
            var texts = [row.children[0], row.children[1], row.children[2]]
            verify(!texts[1].truncated)
            verify(inked(texts[0]).left >= 0 && inked(texts[2]).right <= row.width)
            for (var i = 1; i < 3; ++i)
                verify(inked(texts[i - 1]).right < inked(texts[i]).left, "text " + i)
        }
    }
}
