import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/controls"
import "qrc:/qml/scripts/Util.js" as Util

Item {
    id: scene
    width: 400
    height: 200

    Component {
        id: fieldComponent
        InputText {
            width: 200
            height: 27
        }
    }

    SignalSpy {
        id: editedSpy
        signalName: "textEdited"
    }

    TestCase {
        name: "InputText"
        when: windowShown

        property var field: null

        function init() {
            field = createTemporaryObject(fieldComponent, scene)
            editedSpy.target = field
            editedSpy.clear()
        }

        function test_formatNumber_data() {
            return [
                { tag: "no number", text: "abc", number: "" },
                { tag: "decimal", text: "12.5", number: "12.500000" },
                { tag: "decimal comma", text: "48,85", number: "48.850000" },
                { tag: "the locale's own separator", text: "30\u066b5", point: "\u066b",
                  number: "30\u066b500000" },
                { tag: "written with the locale's comma", text: "48.85", point: ",",
                  number: "48,850000" },
                { tag: "another locale's separator", text: "30\u066b5", number: "" },
                { tag: "a tail is no number", text: "-3.25xyz", number: "" },
                { tag: "two separators", text: "1.2,3", number: "" },
                { tag: "blanks, plus, bare fraction", text: "  +.5 ", number: "0.500000" },
                { tag: "rounded to six decimals", text: "1.23456789", number: "1.234568" },
                { tag: "negative zero", text: "-0.0000001", number: "0.000000" },
                { tag: "exponent", text: "1e5", number: "" },
            ]
        }

        function test_formatNumber(data) {
            compare(Util.formatNumber(data.text, data.point || "."), data.number)
        }

        function test_finishingAnEdit_data() {
            return [
                { tag: "number, Enter", isNumber: true, typed: "-7,5", enter: true,
                  result: "-7.500000" },
                { tag: "number, focus loss", isNumber: true, typed: "12.5", enter: false,
                  result: "12.500000" },
                { tag: "no number is kept, marked, not committed", isNumber: true, typed: "48x",
                  enter: true, result: "48x", invalid: true },
                { tag: "text, Enter", isNumber: false, typed: "abc", enter: true, result: "abc" }
            ]
        }

        function test_finishingAnEdit(data) {
            field.isNumber = data.isNumber
            mouseClick(field.box)
            verify(field.input.activeFocus)
            for (var i = 0; i < data.typed.length; ++i)
                keyClick(data.typed[i])
            if (data.enter)
                keyClick(Qt.Key_Return)
            else
                field.input.focus = false
            compare(field.input.text, data.result)
            verify(!field.input.activeFocus)
            compare(field.invalid, !!data.invalid)
            compare(field.inputText, data.invalid ? "" : data.result)
            // Dropping the focus after Enter must not end the edit a second time.
            compare(editedSpy.count, data.invalid ? 0 : 1)
            if (!data.invalid)
                compare(editedSpy.signalArguments[0][0], data.result)
        }

        // Only a changed number is an edit: passing through the field, typing the number back
        // as it was or taking the typing back with Escape leaves the value (for the place: the
        // city stays a city).
        function test_unchangedIsNoEdit_data() {
            return [
                { tag: "passing through", keys: [] },
                { tag: "typed back as it was", keys: [Qt.Key_End, Qt.Key_Backspace, "0"] },
                { tag: "a stray digit taken back", keys: [Qt.Key_End, "7", Qt.Key_Escape] },
                { tag: "no number taken back", keys: ["x", Qt.Key_Escape] }
            ]
        }

        function test_unchangedIsNoEdit(data) {
            field.isNumber = true
            field.setText("-33.870000")
            field.input.forceActiveFocus()
            for (var i = 0; i < data.keys.length; ++i)
                keyClick(data.keys[i])
            field.input.focus = false
            compare(field.input.text, "-33.870000")
            verify(!field.invalid)
            compare(editedSpy.count, 0)
        }
    }
}
