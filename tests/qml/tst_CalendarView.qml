import QtQuick 2.6
import QtTest 1.1
import Astro 1.0
import UI 1.0
import "qrc:/qml/calendar"

Item {
    id: scene
    width: 700
    height: 400

    // Keys the grid leaves alone come up to here.
    property var passedOn: []
    Keys.onPressed: passedOn.push(event.key)

    // Without a calculation the model computes nothing: only its dates move.
    Component {
        id: modelComponent
        CalendarModel {}
    }

    Component {
        id: viewComponent
        CalendarView {
            width: 700
            height: 300
        }
    }

    SignalSpy {
        id: todaySpy
        signalName: "todayRequested"
    }

    TestCase {
        name: "CalendarView"
        when: windowShown

        property var model: null
        property var view: null

        function day(text) {
            return UI.parseDateTime(text + " 00:00", "yyyy-MM-dd hh:mm")
        }

        function shown(qdate) {
            return UI.formatDateTime(UI.fromDate(qdate), "yyyy-MM-dd")
        }

        function init() {
            model = createTemporaryObject(modelComponent, scene)
            view = createTemporaryObject(viewComponent, scene, { model: model })
            view.forceActiveFocus()
        }

        function test_keys_data() {
            return [
                { tag: "Page Up from 31 March", from: "2027-03-31", key: Qt.Key_PageUp,
                  to: "2027-02-28" },
                { tag: "Page Up from 31 March of a leap year", from: "2028-03-31",
                  key: Qt.Key_PageUp, to: "2028-02-29" },
                { tag: "Right from the last of the year", from: "2026-12-31",
                  key: Qt.Key_Right, to: "2027-01-01" },
                { tag: "End of February", from: "2027-02-10", key: Qt.Key_End,
                  to: "2027-02-28" }
            ]
        }

        function test_keys(data) {
            model.selectedDate = day(data.from)
            keyClick(data.key)
            compare(shown(model.selectedDate), data.to)
            // The grid shows the month of the selected day.
            compare(shown(model.activeMonth), data.to.substring(0, 8) + "01")
        }

        function test_otherKeysArePassedOn() {
            model.selectedDate = day("2027-03-17")
            scene.passedOn = []
            keyClick(Qt.Key_A)
            keyClick(Qt.Key_Return)
            keyClick(Qt.Key_PageUp)
            compare(scene.passedOn, [Qt.Key_A, Qt.Key_Return])
            compare(shown(model.selectedDate), "2027-02-17")
            // Home asks for today, as the page's Today button; the grid moves nothing itself.
            todaySpy.target = view
            keyClick(Qt.Key_Home)
            compare(todaySpy.count, 1)
            compare(shown(model.selectedDate), "2027-02-17")
        }
    }
}
