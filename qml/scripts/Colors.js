.pragma library

// The scene's colour table; every colour the interface uses by name comes from here. Text keeps
// a contrast of at least 4.5:1 with what lies behind it (3:1 for large text and for glyphs that
// are controls): tst_Colors.qml measures the pairs the scene draws.

var Background = {
    DarkGrey: "#2b2b2b",
    LightSilver: "#e3e7f2",
    DarkMetal: "#474c59",
    Light: "#dfdfdf",
    Lighter: "#f0f0f0"
}

// Text and glyphs on the light pages; Pink on the dark moon panel.
var Label = {
    Pink: "#f25aad",
    Green: "#2b752c",
    Blue: "#1f66b8",
    Light: "#5c6680",
    Grey: "#555e79",
    Red: "#c62828",
    // What a field holds, darker than its placeholder.
    Value: "#343a4d"
}

// Glyphs on the dark panel and page strip, where the light pages' darker colours would fade.
var OnDark = {
    Green: "#47be48",
    Grey: "#9199b1"
}

var Button = {
    Metal: "#353f4f",
    Green: "#2e8530",
    GreenHovered: "#287a29",
    // A button that waits, as the search button while a search runs.
    Disabled: "#6d7385",
    // The edge of a dark button, which would otherwise melt into a dark dialog.
    Edge: "#8a8a8a"
}
