import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/controls"

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
                { tag: "no number", text: "abc", number: "0.000000" },
                { tag: "empty", text: "", number: "0.000000" },
                { tag: "decimal", text: "12.5", number: "12.500000" },
                { tag: "negative with a tail", text: "-3.25xyz", number: "-3.250000" },
                { tag: "blanks, plus, bare fraction", text: "  +.5", number: "0.500000" },
                { tag: "rounded to six decimals", text: "1.23456789", number: "1.234568" },
                { tag: "negative zero", text: "-0.0000001", number: "0.000000" },
                { tag: "exponent is a tail", text: "1e5", number: "1.000000" },
                { tag: "not a word number", text: "Infinity", number: "0.000000" }
            ]
        }

        function test_formatNumber(data) {
            compare(field.formatNumber(data.text), data.number)
        }

        function test_setText() {
            field.setText("12.5")
            compare(field.input.text, "12.5")
            field.isNumber = true
            field.setText("12.5")
            compare(field.input.text, "12.500000")
            compare(field.inputText, "", "showing is not committing")
        }

        function test_finishingAnEdit_data() {
            return [
                { tag: "number, Enter", isNumber: true, typed: "abc", enter: true,
                  result: "0.000000" },
                { tag: "number, focus loss", isNumber: true, typed: "12.5", enter: false,
                  result: "12.500000" },
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
            compare(field.inputText, data.result)
            verify(!field.input.activeFocus)
            // Dropping the focus after Enter must not end the edit a second time.
            compare(editedSpy.count, 1)
            compare(editedSpy.signalArguments[0][0], data.result)
        }
    }
}
