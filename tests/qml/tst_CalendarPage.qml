import QtQuick 2.6
import QtTest 1.1
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
            }
            signal searchResult(var entry, bool timeout)
            signal searchFinished(int unanswered)
            function search(from, lunarDay, zodiac, results) {
                requests.push({ from: from, lunarDay: lunarDay, zodiac: zodiac, results: results })
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
