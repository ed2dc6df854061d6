import QtQuick 2.6
import QtTest 1.1
import UI 1.0
import "qrc:/qml/lunar"

Rectangle {
    id: scene
    width: 300
    height: 100
    color: "black"

    // As the moon panel uses it: every announced moment becomes the moment shown.
    Component {
        id: editorComponent
        LunarTime {
            id: editor
            width: 258
            clock: function() { return new Date(2016, 5, 21, 22, 10, 37, 512) }
            onUpdateTime: editor.time = time
        }
    }

    SignalSpy {
        id: updateSpy
        signalName: "updateTime"
    }

    TestCase {
        name: "LunarTime"
        when: windowShown

        property var editor: null

        function shown(date) {
            return UI.formatDateTime(date, "yyyy-MM-dd hh:mm:ss")
        }

        function cleanup() {
            UI.language = ""
        }

        function init() {
            editor = createTemporaryObject(editorComponent, scene)
            updateSpy.target = editor
            updateSpy.clear()
        }

        function test_nowFollowsTheClockInWholeMinutes() {
            verify(editor.now, "on once complete")
            compare(shown(editor.time), "2016-06-21 22:10:00")
            compare(editor.text, "06 / 21 / 2016 22:10")
            editor.clock = function() { return new Date(2016, 5, 21, 22, 11, 2) }
            tryCompare(editor, "text", "06 / 21 / 2016 22:11", 2000)
            verify(editor.now)
        }

        function test_dayArrows_data() {
            return [
                { tag: "back from 1 March of a leap year", from: new Date(2016, 2, 1, 7, 5),
                  arrow: "left", to: "2016-02-29 07:05:00" },
                { tag: "forward over the new year", from: new Date(2016, 11, 31, 12, 30),
                  arrow: "right", to: "2017-01-01 12:30:00" }
            ]
        }

        function test_dayArrows(data) {
            editor.time = data.from
            updateSpy.clear()
            // The arrows stand at the two ends of the text line.
            mouseClick(editor, data.arrow === "left" ? 6 : editor.width - 6, editor.height - 12)
            compare(updateSpy.count, 1)
            compare(shown(updateSpy.signalArguments[0][0]), data.to)
            compare(shown(editor.time), data.to)
        }

        // An arrow turns Now off, and the time stops following the clock; the switch turns it
        // on again, and the time follows the clock at once.
        function test_nowOffAndOn() {
            verify(editor.now)
            mouseClick(editor, 6, editor.height - 12)
            verify(!editor.now)
            compare(shown(editor.time), "2016-06-20 22:10:00")
            verify(!findChild(editor, "clockTimer").running, "no longer follows the clock")
            updateSpy.clear()
            // The switch's click area ends 35 pixels from the right edge.
            mouseClick(editor, editor.width - 40, 8)
            verify(editor.now)
            compare(updateSpy.count, 1)
            compare(shown(editor.time), "2016-06-21 22:10:00")
        }

        // Tab passing through the field leaves the clock running; a key typed stops it, and
        // Escape takes the key and the stop back.
        function test_focusAndEscape() {
            var input = findChild(editor, "input")
            input.forceActiveFocus()
            verify(input.activeFocus)
            verify(editor.now, "focus alone keeps Now")
            keyClick(Qt.Key_End)
            keyClick(Qt.Key_Backspace)
            verify(!editor.now, "typing stops the clock")
            compare(editor.text, "06 / 21 / 2016 22:1")
            keyClick(Qt.Key_Escape)
            compare(editor.text, "06 / 21 / 2016 22:10")
            verify(editor.now, "Escape restores Now")
            keyClick(Qt.Key_Backspace)
            keyClick("0")
            keyClick(Qt.Key_Return)
            verify(editor.now, "the moment shown typed again keeps Now")
        }

        function test_typing_data() {
            return [
                { tag: "without blanks, single digits", typed: "7/4/2015 9:05",
                  to: "2015-07-04 09:05:00", text: "07 / 04 / 2015 09:05" },
                { tag: "no such day", typed: "02 / 30 / 2016 10:00", to: "2016-06-21 22:10:00",
                  text: "06 / 21 / 2016 22:10" },
                { tag: "after the data years", typed: "01/01/9000 10:00",
                  to: "2016-06-21 22:10:00", text: "06 / 21 / 2016 22:10" },
                { tag: "before them", typed: "01/01/1500 10:00", to: "2016-06-21 22:10:00",
                  text: "06 / 21 / 2016 22:10" },
                { tag: "their first day", typed: "1/1/1800 0:00", to: "1800-01-01 00:00:00",
                  text: "01 / 01 / 1800 00:00" },
                // The field reads what it shows in the user's locale.
                { tag: "German", language: "de", typed: " 4 . 7.2015  9:05",
                  to: "2015-07-04 09:05:00", text: "04.07.2015 09:05" },
                { tag: "Spanish", language: "es", typed: "4/7/2015 9:05",
                  to: "2015-07-04 09:05:00", text: "04 / 07 / 2015 09:05" }
            ]
        }

        function test_typing(data) {
            UI.language = data.language || ""
            editor.time = new Date(2016, 2, 1, 7, 5)
            // Focus through a click on the text, as a user does.
            editor.now = true
            mouseClick(editor, editor.width / 2, editor.height - 12)
            findChild(editor, "input").text = data.typed
            updateSpy.clear()
            keyClick(Qt.Key_Return)
            compare(updateSpy.count, 1, "announced whether or not it parsed, once")
            compare(shown(updateSpy.signalArguments[0][0]), data.to)
            compare(editor.text, data.text)
            compare(shown(editor.time), data.to)
        }
    }
}
