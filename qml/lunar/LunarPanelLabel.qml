import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors

// The moon panel's text style.
Text {
    color: Colors.Label.White
    font.family: "Vendarion, PT Sans, Open Sans, Helvetica"
    font.pixelSize: UI.fontSize(14 * UI.ppp)
    font.weight: Font.Normal
    renderType: Text.NativeRendering
}
