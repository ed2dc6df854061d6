import QtQuick 2.6
import QtTest 1.1
import UI 1.0
import "qrc:/qml/controls"
import "qrc:/qml/scripts/Util.js" as Util

TestScene {
    id: window

    Component {
        id: searchComponent
        InputSearch {
            x: 100
            y: 50
            width: 200
            height: 27
            overlay: window.overlay
            inputText: "Paris, France"
            emptyNote: "Type a city name"
        }
    }

    SignalSpy { id: searchedSpy; signalName: "searched" }
    SignalSpy { id: chosenSpy; signalName: "optionSelected" }

    TestCase {
        name: "InputSearch"
        when: windowShown

        property var search: null
        property var list: null

        function init() {
            search = createTemporaryObject(searchComponent, window)
            list = findChild(search, "dropdown")
            searchedSpy.target = search
            searchedSpy.clear()
            chosenSpy.target = search
            chosenSpy.clear()
            mouseClick(search.box)
            for (var i = 0, typed = "Bern"; i < typed.length; ++i)
                keyClick(typed[i])
        }

        function cleanup() {
            list.hide()
            window.overlay.enableModalOverlay(false)
        }

        function test_typingSearches() {
            verify(search.inSearch)
            compare(searchedSpy.count, 4, "selecting on focus is no search")
            compare(searchedSpy.signalArguments[3][0], "Bern")
            verify(search.listVisible)
            // The box stays clickable: the overlay leaves out the box and the list together,
            // whichever side the list opened on.
            var boxY = Util.getAbsolutePosition(UI, search.box).y
            compare(window.overlay.topSize, Math.min(boxY, list.y) - window.overlay.windowY)
            compare(window.overlay.bottomSize, window.height
                    - (Math.max(boxY + search.box.height, list.y + list.height)
                       - window.overlay.windowY))
        }

        // Escape gives the lookup up and keeps the focus; leaving does the same.
        function test_leavingWithoutAChoiceRestores_data() {
            return [{ tag: "Escape", escape: true }, { tag: "focus loss", escape: false }]
        }

        function test_leavingWithoutAChoiceRestores(data) {
            if (data.escape)
                keyClick(Qt.Key_Escape)
            else
                search.input.focus = false
            verify(!search.inSearch)
            compare(search.inputText, "Paris, France")
            compare(search.input.text, "Paris, France")
            verify(!search.listVisible)
            verify(!window.overlay.active)
            compare(search.input.activeFocus, data.escape)
            // Focusing again keeps the name, selected, so typing replaces it with a new lookup.
            if (!data.escape)
                mouseClick(search.box)
            compare(search.input.selectedText, "Paris, France")
            keyClick("Z")
            verify(search.inSearch)
            compare(searchedSpy.signalArguments[searchedSpy.count - 1][0], "Z")
        }

        // Up and Down move through the suggestions from the first, Enter chooses; before any
        // answer Enter keeps the typing, the lookup going on.
        function test_keysThroughSuggestions_data() {
            var two = ["Bern, Switzerland", "Bern, Indiana, United States"]
            return [
                { tag: "Enter: the first", options: two, keys: [Qt.Key_Return], chosen: 0 },
                { tag: "Down, Enter: the second", options: two,
                  keys: [Qt.Key_Down, Qt.Key_Return], chosen: 1 },
                { tag: "Down past the last", options: two,
                  keys: [Qt.Key_Down, Qt.Key_Down, Qt.Key_Down, Qt.Key_Enter], chosen: 1 },
                { tag: "Up above the first", options: two, keys: [Qt.Key_Up, Qt.Key_Return],
                  chosen: 0 },
                { tag: "no answer yet", options: [], keys: [Qt.Key_Return], chosen: -1 }
            ]
        }

        function test_keysThroughSuggestions(data) {
            search.options = data.options
            for (var i = 0; i < data.keys.length; ++i)
                keyClick(data.keys[i])
            compare(chosenSpy.count, data.chosen < 0 ? 0 : 1)
            if (data.chosen < 0) {
                verify(search.inSearch)
                compare(search.input.text, "Bern")
                return
            }
            compare(chosenSpy.signalArguments[0][0], data.chosen)
            compare(search.inputText, data.options[data.chosen])
            verify(!search.listVisible)
        }

        // An empty list says what to do; the clear glyph clears the typing and the search goes
        // on, the list open.
        function test_emptyListSaysSoAndClearClears() {
            var note = findChild(list, "emptyNote")
            verify(note.visible, "no options yet: the note")
            verify(list.height > 2 * list.frameBorder)
            search.options = ["Bern, Switzerland"]
            verify(!note.visible)
            mouseClick(findChild(search, "clearButton"))
            compare(search.input.text, "")
            compare(searchedSpy.signalArguments[searchedSpy.count - 1][0], "")
            verify(search.inSearch)
            verify(search.listVisible)
        }
    }
}
