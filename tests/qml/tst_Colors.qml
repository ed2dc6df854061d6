import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/scripts/Colors.js" as Colors

// Contrast of the colour pairs the scene draws, by the WCAG formula: 4.5:1 for text, 3:1 for
// glyphs that are controls and for edges that mark them out.
TestCase {
    name: "Colors"

    // "#rrggbb" as red, green and blue from 0 to 1, `amount` of black laid over it.
    function rgb(hex, amount) {
        var keep = 1 - (amount || 0)
        return [1, 3, 5].map(function(i) { return parseInt(hex.substr(i, 2), 16) / 255 * keep })
    }

    function luminance(c) {
        var linear = c.map(function(v) {
            return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4)
        })
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    }

    function test_contrast_data() {
        var text = 4.5
        var glyph = 3
        var c = Colors
        return [
            { tag: "field value", fg: c.Label.Value, bg: c.Background.LightSilver, min: text },
            // A hovered box has 5 % black over it.
            { tag: "placeholder, hovered box", fg: c.Label.Grey, bg: c.Background.LightSilver,
              shade: 0.05, min: text },
            { tag: "placeholder apart from value", fg: c.Label.Value, bg: c.Label.Grey, min: 1.5 },
            { tag: "labels, tabs", fg: c.Label.Blue, bg: c.Background.LightSilver, min: text },
            { tag: "month title", fg: c.Label.Light, bg: c.Background.LightSilver, min: text },
            { tag: "hovered list row", fg: c.Label.Grey, bg: c.Background.Light, min: text },
            { tag: "signs in a selected day", fg: c.Label.Green, bg: c.Background.LightSilver,
              min: text },
            // Behind the texts over the Moon stands a halo of the panel's colour.
            { tag: "moon panel texts", fg: c.Label.Pink, bg: c.Background.DarkGrey, min: text },
            { tag: "search button", fg: "#ffffff", bg: c.Button.Green, min: text },
            { tag: "search button, hovered", fg: "#ffffff", bg: c.Button.GreenHovered,
              min: text },
            { tag: "invalid field mark", fg: c.Label.Red, bg: c.Background.LightSilver,
              min: glyph },
            { tag: "switch off on the panel", fg: c.OnDark.Grey, bg: c.Background.DarkGrey,
              min: glyph },
            { tag: "page square lit", fg: c.OnDark.Green, bg: c.Button.Metal, min: glyph },
            { tag: "dialog button edge", fg: c.Button.Edge, bg: c.Background.DarkGrey,
              min: glyph }
        ]
    }

    function test_contrast(data) {
        var a = luminance(rgb(data.fg)) + 0.05
        var b = luminance(rgb(data.bg, data.shade)) + 0.05
        var ratio = Math.max(a, b) / Math.min(a, b)
        verify(ratio >= data.min, ratio.toFixed(2) + ":1, needs " + data.min + ":1")
    }
}
