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

    SignalSpy {
        id: selectedSpy
        signalName: "optionSelected"
    }

    TestCase {
        name: "InputSelect"
        when: windowShown

        property var select: null

        function init() {
            select = createTemporaryObject(selectComponent, window)
            selectedSpy.target = select
            selectedSpy.clear()
        }

        function cleanup() {
            select.closeList()
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

        // An option shown as not offered is no choice: a click on it keeps the selection and
        // announces nothing; its neighbours are chosen as ever.
        function test_disabledOptionIsNoChoice() {
            select.options = ["100%", "150%", "200% too large"]
            select.disabledOptions = [2]
            select.openList()
            var rows = findChild(select, "dropdown").contentItem
            var tooLarge = findChild(rows, "option2")
            // Laid out in the list's own window.
            tryVerify(function() { return tooLarge.y > 0 })
            verify(!tooLarge.enabled)
            mouseClick(tooLarge)
            compare(select.selectedIndex, 0)
            compare(selectedSpy.count, 0)
            mouseClick(findChild(rows, "option1"))
            compare(select.selectedIndex, 1)
            compare(selectedSpy.count, 1)
        }

        // From the keyboard: Down or Space opens the list on the choice, Up and Down move past
        // what is not offered, Enter or Space chooses, Escape closes with the choice unchanged.
        function test_keys_data() {
            return [
                { tag: "Down opens, Down, Enter", keys: [Qt.Key_Down, Qt.Key_Down, Qt.Key_Return],
                  index: 3, chosen: true },
                { tag: "Space opens, Up, Space", keys: [Qt.Key_Space, Qt.Key_Up, Qt.Key_Space],
                  index: 0, chosen: true },
                { tag: "past the last", keys: [Qt.Key_Down, Qt.Key_Down, Qt.Key_Down,
                                               Qt.Key_Enter], index: 3, chosen: true },
                { tag: "Escape restores", keys: [Qt.Key_Down, Qt.Key_Down, Qt.Key_Escape],
                  index: 1, chosen: false }
            ]
        }

        function test_keys(data) {
            select.options = ["a", "b", "c", "d"]
            select.disabledOptions = [2]
            select.selectedIndex = 1
            findChild(select, "keyTarget").forceActiveFocus()
            for (var i = 0; i < data.keys.length; ++i)
                keyClick(data.keys[i])
            compare(select.selectedIndex, data.index)
            compare(selectedSpy.count, data.chosen ? 1 : 0)
            verify(!select.listVisible)
        }
    }
}
