import QtQuick 2.6
import QtTest 1.1
import UI 1.0
import "qrc:/qml/controls"

TestScene {
    id: window

    Component {
        id: dateComponent
        InputDate {
            x: 100
            y: 50
            width: 200
            height: 27
            overlay: window.overlay
            inputDate: new Date(2016, 2, 1, 9, 30)
            clock: function() { return new Date(2020, 5, 15, 8, 0) }
        }
    }

    TestCase {
        name: "InputDate"
        when: windowShown

        property var picker: null

        function init() {
            picker = createTemporaryObject(dateComponent, window)
        }

        function cleanup() {
            picker.closeCalendar()
            window.overlay.enableModalOverlay(false)
        }

        // A date text that is no date stands for now.
        function test_dateText_data() {
            return [
                { tag: "single digits", text: "7/4/2015", date: "2015-07-04" },
                { tag: "no such day: now", text: "02/30/2016", date: "2020-06-15" },
                { tag: "day first: now", text: "24/12/2017", date: "2020-06-15" },
                { tag: "words: now", text: "tomorrow", date: "2020-06-15" }
            ]
        }

        function test_dateText(data) {
            picker.inputText = data.text
            var date = picker.inputDate
            compare(UI.formatDateTime(date, "yyyy-MM-dd"), data.date)
            compare(picker.inputText, UI.formatDateTime(date, "MM/dd/yyyy"))
        }

        // A day comes as the calendar's QDate (midnight UTC) or as the picker's own (midnight
        // here): either is shown as that day.
        function test_pickedDay_data() {
            return [
                { tag: "a QDate's", day: new Date(Date.UTC(2019, 4, 17)) },
                { tag: "this computer's", day: new Date(2019, 4, 17) }
            ]
        }

        function test_pickedDay(data) {
            picker.inputDate = data.day
            compare(picker.inputText, "05/17/2019")
            compare(UI.formatDay(picker.inputDate, "yyyy-MM-dd"), "2019-05-17")
        }

        function test_todayUnderTheCalendar() {
            mouseClick(picker.box)
            verify(picker.calendarVisible)
            mouseClick(findChild(findChild(picker, "dropdown").contentItem, "today"))
            compare(UI.formatDateTime(picker.inputDate, "yyyy-MM-dd"), "2020-06-15")
            verify(!picker.calendarVisible)
        }

        // Enter commits the typing; Escape takes it back, the calendar closed, the focus kept.
        function test_typingEnds_data() {
            return [{ tag: "Enter commits", key: Qt.Key_Return, text: "05/17/2019",
                      day: "2019-05-17" },
                    { tag: "Escape restores", key: Qt.Key_Escape, text: "03/01/2016",
                      day: "2016-03-01", focused: true }]
        }

        function test_typingEnds(data) {
            picker.input.forceActiveFocus()
            verify(picker.calendarVisible, "focusing the text opens the calendar")
            picker.input.selectAll()
            for (var i = 0, typed = "05/17/2019"; i < typed.length; ++i)
                keyClick(typed[i])
            compare(picker.inputText, "03/01/2016", "nothing commits while typing")
            keyClick(data.key)
            compare(picker.inputText, data.text)
            compare(picker.input.text, data.text)
            compare(UI.formatDateTime(picker.inputDate, "yyyy-MM-dd"), data.day)
            compare(picker.input.activeFocus, !!data.focused)
            verify(!picker.calendarVisible)
        }

        // The month of today shown: today's cell is marked, and the weeks have their header,
        // from the locale's first weekday (US English: Sunday).
        function test_todayMarkedWithHeader() {
            picker.inputDate = UI.localTime()
            mouseClick(picker.box)
            var calendar = findChild(picker, "dropdown").contentItem
            tryVerify(function() { return findChild(calendar, "todayCell") !== null })
            var header = findChild(calendar, "weekdayName")
            verify(header)
            compare(header.text, Qt.locale(UI.namesLocaleName).dayName(0, Locale.ShortFormat))
        }
    }
}
