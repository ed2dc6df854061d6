import QtQuick 2.6
import QtTest 1.1
import UI 1.0
import "qrc:/qml/calendar"

Item {
    id: scene
    width: 400
    height: 100

    Component {
        id: switcherComponent
        CalendarMonthSwitcher {
            width: 340
            height: 60
            locale: Qt.locale("en_US")
        }
    }

    TestCase {
        name: "CalendarMonthSwitcher"
        when: windowShown

        function day(text) {
            return UI.parseDateTime(text + " 00:00", "yyyy-MM-dd hh:mm")
        }

        // side: -1 the left arrow, 1 the right one.
        function test_arrows_data() {
            return [
                { tag: "December forward to January", from: "2026-12-15", side: 1,
                  to: "2027-01-01", title: "January 2027" },
                { tag: "from the 31st back into February", from: "2027-03-31", side: -1,
                  to: "2027-02-01", title: "February 2027" },
                { tag: "from the 31st on into April", from: "2027-03-31", side: 1,
                  to: "2027-04-01", title: "April 2027" }
            ]
        }

        function test_arrows(data) {
            var switcher = createTemporaryObject(switcherComponent, scene,
                                                 { selectedDate: day(data.from) })
            waitForRendering(switcher)
            mouseClick(findChild(switcher, data.side < 0 ? "previousMonth" : "nextMonth"))
            compare(UI.formatDateTime(switcher.selectedDate, "yyyy-MM-dd hh:mm"),
                    data.to + " 00:00")
            compare(switcher.title, data.title)
        }

        // The stand-alone name, as a title: Polish says "marzec" alone and "marca" inside a date.
        function test_titleFollowsTheLocale_data() {
            return [
                { tag: "German", locale: "de_DE", title: "M\u00e4rz 2027" },
                { tag: "Polish, stand-alone form", locale: "pl_PL", title: "Marzec 2027" }
            ]
        }

        function test_titleFollowsTheLocale(data) {
            var switcher = createTemporaryObject(switcherComponent, scene,
                                                 { selectedDate: day("2027-03-31"),
                                                   locale: Qt.locale(data.locale) })
            compare(switcher.title, data.title)
        }
    }
}
