import QtQuick 2.6
import UI 1.0

// The moon panel's text style.
Text {
    color: "white"
    font.family: "Vendarion, PT Sans, Open Sans, Helvetica"
    font.pixelSize: UI.fontSize(14 * UI.ppp)
    font.weight: Font.Normal
    renderType: Text.NativeRendering
}
