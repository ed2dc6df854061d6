import QtQuick 2.6
import QtTest 1.1
import QtQuick.Window 2.2
import Astro 1.0
import UI 1.0
import "qrc:/qml/pages"

TestScene {
    id: window
    width: 700
    height: 560

    Component {
        id: modelComponent
        CalendarModel {}
    }

    // Stands in for the search model: records the request and lets the test answer it.
    Component {
        id: searchComponent
        QtObject {
            property var requests: []
            // Hits found for another place than the one set now carry "before".
            property var calculation: QtObject {
                function isCurrent(e) { return e.observer !== "before" }
                function isCurrentSky(observer, zone) { return observer !== "before" }
            }
            signal searchResult(var entry, bool timeout)
            signal eclipseFound(var eclipse)
            signal searchFinished(int unanswered)
            function search(from, lunarDay, zodiac, results) {
                requests.push({ from: from, lunarDay: lunarDay, zodiac: zodiac, results: results })
            }
            function searchEclipses(from, results) {
                requests.push({ from: from, results: results, eclipses: true })
            }
        }
    }

    Component {
        id: pageComponent
        CalendarPage {
            width: 614
            height: 520
        }
    }

    TestCase {
        name: "CalendarPage"
        when: windowShown

        property var page: null
        property var search: null

        function day(text) {
            return UI.parseDateTime(text + " 00:00", "yyyy-MM-dd hh:mm")
        }

        function hit(date, lunarDay) {
            return { time: day(date), lunarDay: lunarDay, zodiac: 1, phase: 0.2 }
        }

        // The dates of the filled rows, top to bottom.
        function shownDates() {
            var dates = []
            var slots = findChild(page, "slots")
            for (var i = 0; i < slots.count; ++i) {
                if (slots.itemAt(i).active)
                    dates.push(UI.formatDateTime(slots.itemAt(i).entry.date, "yyyy-MM-dd"))
            }
            return dates
        }

        function init() {
            search = createTemporaryObject(searchComponent, window)
            page = createTemporaryObject(pageComponent, window,
                                         { calendarModel: createTemporaryObject(modelComponent,
                                                                                window),
                                           searchModel: search })
            waitForRendering(page)
        }

        function test_resultsInDateOrderFromTheTop_data() {
            return [
                { tag: "three found", timeouts: [false, false, false],
                  shown: ["2027-03-05", "2027-03-12", "2027-03-19"] },
                { tag: "a timed-out one adds no row but counts", timeouts: [false, true, false],
                  shown: ["2027-03-05", "2027-03-19"] },
                { tag: "all timed out", timeouts: [true, true, true], shown: [] },
                { tag: "one for the place before adds no row but counts",
                  timeouts: [false, false, false], before: 1, shown: ["2027-03-05", "2027-03-19"] },
                { tag: "the end of the data years answers the rest", timeouts: [false],
                  shown: ["2027-03-05"] }
            ]
        }

        function test_resultsInDateOrderFromTheTop(data) {
            findChild(page, "resultsField").selectedIndex = 2
            var moonDay = findChild(page, "moonDayField")
            moonDay.selectedIndex = 15
            mouseClick(findChild(page, "searchButton"))
            compare(search.requests[0].results, 3)
            compare(search.requests[0].lunarDay, 15)
            var form = findChild(page, "searchForm")
            compare(form.searchCount, 3)
            var dates = ["2027-03-05", "2027-03-12", "2027-03-19"]
            for (var i = 0; i < data.timeouts.length; ++i) {
                verify(!moonDay.enabled, "the form waits while results are due")
                var entry = hit(dates[i], 15)
                if (data.before === i)
                    entry.observer = "before"
                search.searchResult(entry, data.timeouts[i])
            }
            search.searchFinished(3 - data.timeouts.length)
            compare(form.searchCount, 0)
            verify(moonDay.enabled)
            compare(shownDates(), data.shown)
            compare(findChild(page, "resultList").lastIndex, data.shown.length - 1)
            // Told to a screen reader, which the user did not ask for.
            compare(findChild(page, "announcer").message,
                    "Search finished, dates found: " + data.shown.length)
        }

        // Ctrl+F's way in: the form's first field; Tab then walks the form in reading order
        // (also on from a field that Enter ended), and Space on the button searches.
        function test_searchFromTheKeyboard() {
            page.focusSearch()
            var walked = []
            for (var i = 0; i < 7; ++i) {
                var item = window.Window.activeFocusItem
                // A typed field is named by its frame's label.
                walked.push(item.name !== undefined ? item.name : item.parent.parent.labelText)
                if (i === 3)
                    keyClick(Qt.Key_Return)
                if (i < 6)
                    keyClick(Qt.Key_Tab)
            }
            compare(walked, ["Look for", "Moon day", "In sign", "From", "Results", "Search",
                             "Export..."])
            keyClick(Qt.Key_Backtab)
            keyClick(Qt.Key_Space)
            compare(search.requests.length, 1)
        }

        function test_newSearchStartsEmpty() {
            mouseClick(findChild(page, "searchButton"))
            search.searchResult(hit("2027-03-05", 4), false)
            compare(shownDates(), ["2027-03-05"])
            mouseClick(findChild(page, "searchButton"))
            compare(shownDates(), [])
            compare(search.requests.length, 2)
        }

        // A page made once the panel has moved on opens on the model's month, not on today's.
        function test_opensOnTheModelsMonth() {
            var model = createTemporaryObject(modelComponent, window)
            var moved = UI.addMonths(UI.localTime(), 1)
            model.selectedDate = UI.dayOf(moved)
            model.activeMonth = UI.dayOf(moved)
            var opened = createTemporaryObject(pageComponent, window,
                                               { calendarModel: model, searchModel: search })
            waitForRendering(opened)
            compare(UI.formatDateTime(UI.fromDate(model.activeMonth), "yyyy-MM"),
                    UI.formatDateTime(moved, "yyyy-MM"))
        }

        // Looking for eclipses leaves lunar day and sign aside; each found one is listed with its
        // name, time and share, and a click shows its moment.
        function test_eclipses() {
            findChild(page, "subjectField").selectedIndex = 1
            verify(!findChild(page, "moonDayField").enabled)
            findChild(page, "resultsField").selectedIndex = 1
            mouseClick(findChild(page, "searchButton"))
            compare(search.requests[0].eclipses, true)
            compare(search.requests[0].results, 2)
            var at = UI.parseDateTime("2026-08-12 20:17", "yyyy-MM-dd hh:mm")
            search.eclipseFound({ body: "sun", type: "total", visible: true, time: at,
                                  localMaximum: at, obscuration: 0.9213, observer: "here" })
            search.eclipseFound({ body: "moon", type: "partial", visible: true, time: at,
                                  observer: "before" })
            search.searchFinished(0)
            compare(findChild(page, "searchForm").searchCount, 0)
            compare(shownDates(), ["2026-08-12"])
            var texts = findChild(page, "slots").itemAt(0).children[0].item.children
            compare(texts[1].text, "Total solar eclipse, 20:17")
            compare(texts[2].text, "92% covered")
            var selected = []
            page.dateTimeSelected.connect(function(value) { selected.push(value) })
            mouseClick(findChild(page, "slots").itemAt(0))
            compare(selected.length, 1)
            compare(selected[0].getTime(), at.getTime())
        }

        // A day's great days stand as glyphs; resting on one tells what it marks, with the rule
        // by which a full moon near a perigee is called out.
        function test_markTips() {
            var cell = findChild(page, "cells").itemAt(10)
            var at = UI.parseDateTime("2026-12-24 09:31", "yyyy-MM-dd hh:mm")
            cell.received = true
            cell.marks = [{ kind: "nearperigee", phase: "full", distanceKm: 356650.4,
                            time: UI.parseDateTime("2026-12-24 03:05", "yyyy-MM-dd hh:mm"),
                            perigeeTime: at },
                          { kind: "perigee", time: at, distanceKm: 356650.4 }]
            var glyphs = findChild(cell, "marks").children
            compare(glyphs[0].text, "\uf111")
            compare(glyphs[1].text, "\uf066")
            var tip = findChild(page, "markTip")
            waitForRendering(page)
            mouseMove(page, 1, 1)
            mouseMove(glyphs[0], 2, 2)
            tryCompare(tip, "visible", true)
            compare(tip.text, "Full moon 03:05, near the perigee of 09:31 (356,650 km)\n"
                    + "Called out: a full or new moon within 24 hours of a perigee.")
            mouseMove(glyphs[1], 2, 2)
            tryCompare(tip, "text", "Perigee 09:31, 356,650 km")
            mouseMove(page, 1, 1)
            tryCompare(tip, "visible", false)
        }

        // The widest row's three texts stand whole and side by side.
        function test_rowTextsNeverCollide() {
            mouseClick(findChild(page, "searchButton"))
            search.searchResult({ time: day("2027-09-28"), lunarDay: 30, zodiac: 9, phase: 0.999 },
                                false)
            var texts = findChild(page, "slots").itemAt(0).children[0].item.children
            verify(!texts[1].truncated, texts[1].text)
            verify(texts[0].x + texts[0].width < texts[1].x, "date and phase")
            verify(texts[1].x + texts[1].width < texts[2].x, "phase and sign")
        }

        // The weekday names over the grid start where the model's weeks start.
        function test_weekdaysFollowTheWeekStart_data() {
            return [{ tag: "Monday", first: 1, day: 1 }, { tag: "Sunday", first: 7, day: 0 },
                    { tag: "Saturday", first: 6, day: 6 }]
        }
        function test_weekdaysFollowTheWeekStart(data) {
            page.calendarModel.firstDayOfWeek = data.first
            var names = findChild(page, "weekdays").children
            compare(names[0].text, Qt.locale(UI.namesLocaleName).dayName(data.day, Locale.ShortFormat))
        }
    }
}
