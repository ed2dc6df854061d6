import QtQuick 2.6
import QtTest 1.1
import UI 1.0
import "qrc:/qml/controls"

TestScene {
    id: window

    Component {
        id: selectComponent
        InputSelect {
            x: 100
            y: 50
            width: 200
            height: 27
            overlay: window.overlay
        }
    }

    Component {
        id: dateComponent
        InputSelect {
            x: 100
            y: 50
            width: 200
            height: 27
            overlay: window.overlay
            isDate: true
            inputDate: new Date(2016, 2, 1, 9, 30)
            clock: function() { return new Date(2020, 5, 15, 8, 0) }
        }
    }

    SignalSpy {
        id: selectedSpy
        signalName: "optionSelected"
    }

    TestCase {
        name: "InputSelect"
        when: windowShown

        property var select: null
        property var picker: null

        function init() {
            select = createTemporaryObject(selectComponent, window)
            picker = createTemporaryObject(dateComponent, window)
            selectedSpy.target = select
            selectedSpy.clear()
        }

        function cleanup() {
            select.dropdown.hide()
            picker.dropdown.hide()
            window.overlay.enableModalOverlay(false)
        }

        // Each step hands in a list or chooses an index, and names the index and text it
        // must end on.
        function test_optionsChange_data() {
            return [
                { tag: "a default beyond the list falls back to the first", defaultIndex: 5,
                  steps: [{ options: ["a", "b"], index: 0, text: "a" }] },
                { tag: "a valid choice survives a new list, showing its new text",
                  defaultIndex: 0, steps: [{ options: ["a", "b"], index: 0, text: "a" },
                                           { choose: 1, index: 1, text: "b" },
                                           { options: ["x", "y", "z"], index: 1, text: "y" }] },
                { tag: "a shorter list drops a choice beyond it", defaultIndex: 1,
                  steps: [{ options: ["a", "b", "c"], index: 1, text: "b" },
                          { choose: 2, index: 2, text: "c" },
                          { options: ["x", "y"], index: 1, text: "y" }] },
                { tag: "an empty list chooses nothing and clears", defaultIndex: 0,
                  steps: [{ options: ["a"], index: 0, text: "a" },
                          { options: [], index: -1, text: "" }] }
            ]
        }

        function test_optionsChange(data) {
            select.defaultIndex = data.defaultIndex
            compare(select.selectedIndex, -1)
            verify(select.placeholderVisible)
            for (var i = 0; i < data.steps.length; ++i) {
                var step = data.steps[i]
                if (step.options !== undefined)
                    select.options = step.options
                else
                    select.selectedIndex = step.choose
                compare(select.selectedIndex, step.index, "step " + i)
                compare(select.input.text, step.text, "step " + i)
                compare(select.placeholderVisible, step.index === -1, "step " + i)
            }
            compare(selectedSpy.count, 0, "only a click announces a choice")
            compare(select.inputText, "", "choosing does not commit text")
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

        function test_todayUnderTheCalendar() {
            mouseClick(picker.box)
            verify(picker.dropdown.visible)
            mouseClick(findChild(picker.dropdown.contentItem, "today"))
            compare(UI.formatDateTime(picker.inputDate, "yyyy-MM-dd"), "2020-06-15")
            verify(!picker.dropdown.visible)
        }

        function test_typingCommitsOnEnter() {
            picker.input.forceActiveFocus()
            verify(picker.dropdown.visible, "focusing the text opens the calendar")
            picker.input.selectAll()
            for (var i = 0, typed = "05/17/2019"; i < typed.length; ++i)
                keyClick(typed[i])
            compare(picker.inputText, "03/01/2016", "nothing commits while typing")
            keyClick(Qt.Key_Return)
            compare(picker.inputText, "05/17/2019")
            compare(UI.formatDateTime(picker.inputDate, "yyyy-MM-dd"), "2019-05-17")
            verify(!picker.input.activeFocus)
            verify(!picker.dropdown.visible)
        }
    }
}
