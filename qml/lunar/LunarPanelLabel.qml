import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors

// The moon panel's text style. Each label is read out as it shows, its lines joined, markup and
// sign glyphs left out (the sign is named beside its glyph).
Text {
    Accessible.role: Accessible.StaticText
    Accessible.name: text.replace(/<br>/g, ", ").replace(/<[^>]*>/g, "").replace(/[\u2648-\u2653]/g, "").trim()
    color: Colors.Label.White
    font.family: "Vendarion, PT Sans, Open Sans, Helvetica"
    font.pixelSize: UI.fontSize(14 * UI.ppp)
    font.weight: Font.Normal
    renderType: Text.NativeRendering
}
