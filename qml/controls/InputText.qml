import QtQuick 2.6
import "../scripts/Util.js" as Util

// A labelled one-line text field; with isNumber it holds a decimal number with six decimals.
InputFrame {
    id: root

    property bool isNumber: false

    signal textEdited(string text)

    function formatNumber(text) {
        return Util.formatNumber(text)
    }

    function setText(text) {
        input.text = isNumber ? formatNumber(text) : text
    }

    onBoxClicked: input.forceActiveFocus()

    onEditFinished: {
        if (isNumber)
            input.text = formatNumber(input.text)
        commit()
        input.focus = false
        textEdited(input.text)
    }
}
