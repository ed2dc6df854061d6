import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/scripts/Colors.js" as Colors

// Contrast of the colour pairs the scene draws, by the WCAG formula: 4.5:1 for text, 3:1 for
// glyphs that are controls and for edges that mark them out.
TestCase {
    name: "Colors"

    // Relative luminance of "#rrggbb" with `shade` (0 to 1) of black laid over it.
    function luminance(hex, shade) {
        var sum = 0
        for (var i = 0; i < 3; ++i) {
            var v = parseInt(hex.substr(1 + 2 * i, 2), 16) / 255 * (1 - (shade || 0))
            v = v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4)
            sum += [0.2126, 0.7152, 0.0722][i] * v
        }
        return sum
    }

    function test_contrast_data() {
        var c = Colors, L = c.Label, B = c.Background
        return [
            { tag: "field value", fg: L.Value, bg: B.LightSilver, min: 4.5 },
            // A hovered box has 5 % black over it, a hovered list row less.
            { tag: "placeholder, hovered box", fg: L.Grey, bg: B.LightSilver, shade: 0.05,
              min: 4.5 },
            { tag: "placeholder apart from value", fg: L.Value, bg: L.Grey, min: 1.5 },
            { tag: "labels, tabs", fg: L.Blue, bg: B.LightSilver, min: 4.5 },
            { tag: "month title", fg: L.Light, bg: B.LightSilver, min: 4.5 },
            { tag: "signs in a selected day", fg: L.Green, bg: B.LightSilver, min: 4.5 },
            // The texts over the Moon stand in a halo of the panel's colour.
            { tag: "moon panel texts", fg: L.Pink, bg: B.DarkGrey, min: 4.5 },
            { tag: "search button", fg: "#ffffff", bg: c.Button.Green, min: 4.5 },
            { tag: "search button, searching", fg: "#ffffff", bg: c.Button.Disabled, min: 4.5 },
            { tag: "place on the moon panel", fg: c.OnDark.Grey, bg: B.DarkGrey, min: 4.5 },
            { tag: "invalid field mark", fg: L.Red, bg: B.LightSilver, min: 3 },
            { tag: "switch off on the panel", fg: c.OnDark.Grey, bg: B.DarkGrey, min: 3 },
            { tag: "page square lit", fg: c.OnDark.Green, bg: c.Button.Metal, min: 3 },
            { tag: "dialog button edge", fg: c.Button.Edge, bg: B.DarkGrey, min: 3 },
            { tag: "option that cannot be chosen", fg: L.Disabled, bg: B.Lighter, min: 3 },
            { tag: "disabled option apart from others", fg: L.Grey, bg: L.Disabled, min: 1.5 },
            // The focus ring, round controls on the light pages and on the dark panel, strip and
            // dialogs.
            { tag: "focus ring on a page", fg: c.Focus.OnLight, bg: B.White, min: 3 },
            { tag: "focus ring on a silver page", fg: c.Focus.OnLight, bg: B.LightSilver, min: 3 },
            { tag: "focus ring on a hovered box", fg: c.Focus.OnLight, bg: B.LightSilver,
              shade: 0.05, min: 3 },
            { tag: "focus ring on the panel", fg: c.Focus.OnDark, bg: B.DarkGrey, min: 3 },
            { tag: "focus ring on a lit square", fg: c.Focus.OnDark, bg: c.Button.Metal, min: 3 },
            { tag: "focus ring on a dialog button", fg: c.Focus.OnDark, bg: c.Button.Black, min: 3 }
        ]
    }

    function test_contrast(data) {
        var a = luminance(data.fg) + 0.05
        var b = luminance(data.bg, data.shade) + 0.05
        var ratio = Math.max(a, b) / Math.min(a, b)
        verify(ratio >= data.min, ratio.toFixed(2) + ":1, needs " + data.min + ":1")
    }
}
