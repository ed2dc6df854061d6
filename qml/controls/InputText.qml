import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons
import "../scripts/Util.js" as Util

// A labelled one-line text field; with isNumber it holds a decimal number with six decimals.
// A number field keeps text that is no number as typed, marked, and commits nothing.
InputFrame {
    id: root

    property bool isNumber: false
    // The user's locale's; a point and a comma are read as well.
    readonly property string decimalPoint: Qt.locale(UI.localeName).decimalPoint

    signal textEdited(string text)

    function formatNumber(text) {
        return Util.formatNumber(text, decimalPoint)
    }

    // The number a text of this field stands for, NaN for none.
    function numberOf(text) {
        return Util.parseNumber(text, decimalPoint)
    }

    // Shows a value from outside, which is then the value an edit is measured against.
    function setText(text) {
        invalid = false
        input.text = isNumber ? formatNumber(text) : text
        commit()
    }

    onBoxClicked: input.forceActiveFocus()
    // Another locale writes the number anew.
    onDecimalPointChanged: {
        if (isNumber && !invalid && input.text !== "")
            input.text = formatNumber(input.text)
    }

    // Only a changed value is an edit: passing through the field, or typing a number back as it
    // was, changes nothing (for the place: does not turn a city into typed coordinates).
    onEditFinished: {
        if (isNumber) {
            var number = formatNumber(input.text)
            invalid = number === ""
            if (!invalid)
                input.text = number
        }
        releaseFocus()
        if (invalid || input.text === inputText)
            return
        commit()
        textEdited(input.text)
    }
    // Escape takes back what was typed.
    onInputKey: {
        if (event.key === Qt.Key_Escape && (input.text !== inputText || invalid)) {
            setText(inputText)
            event.accepted = true
        }
    }

    Text {
        anchors.right: root.box.right
        anchors.rightMargin: 8 * UI.ppp
        anchors.verticalCenter: root.box.verticalCenter
        visible: root.invalid
        text: Icons.FontAwesome.ExclamationCircle
        color: Colors.Label.Red
        font.family: "FontAwesome"
        font.pixelSize: UI.fontSize(16 * UI.ppp)
    }
}
