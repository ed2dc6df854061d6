.pragma library

// The scene's colour table; every colour the interface uses by name comes from here. Text keeps
// a contrast of at least 4.5:1 with what lies behind it (3:1 for large text and for glyphs that
// are controls): tst_Colors.qml measures the pairs the scene draws.

var Background = {
    DarkGrey: "#2b2b2b",
    LightSilver: "#e3e7f2",
    DarkMetal: "#474c59",
    Light: "#dfdfdf",
    Lighter: "#f0f0f0",
    White: "#ffffff",
    // A hovered row of the found days.
    Hovered: "#f2f2f2",
    // The edge of a field's box and of its drop-down list.
    FieldEdge: "#c1c6d1",
    // The glow round a dialog and the shadow the two columns cast.
    Glow: "#222222",
    Shadow: "#80000000"
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
    Value: "#343a4d",
    PinkHovered: "#f46d88",
    Black: "#000000",
    White: "#ffffff",
    // Body text of the texts page.
    Body: "#2b2b2b",
    // A hovered tab, and the day number of the selected day.
    Hovered: "#555577",
    SelectedDay: "#885500",
    // An option that cannot be chosen: readable, and set apart from those that can.
    Disabled: "#7c8398"
}

// Glyphs on the dark panel and page strip, where the light pages' darker colours would fade.
var OnDark = {
    Green: "#47be48",
    Grey: "#9199b1",
    // The Moon's sign and the Now switch on the panel.
    Teal: "#2ab66d",
    TealHovered: "#3ac67d",
    // The close glyph of a dialog.
    Close: "#dddddd"
}

var Button = {
    Metal: "#353f4f",
    Green: "#2e8530",
    GreenHovered: "#287a29",
    // A button that waits, as the search button while a search runs.
    Disabled: "#6d7385",
    // The edge of a dark button, which would otherwise melt into a dark dialog.
    Edge: "#8a8a8a",
    // The dark dialog buttons and their labels.
    Black: "#333333",
    BlackPressed: "#222222",
    BlackLabel: "#cdcdcd",
    BlackLabelDisabled: "#6d6d7d"
}

var Scroll = {
    Track: "#dfdfdf",
    Handle: "#d1d7e9"
}

// The waiting spinner's dots and the moon picture's shade and rim.
var Moon = {
    Dot: "#d42d88",
    DotEdge: "#a41d48",
    Shade: "#c0000000",
    Rim: "#80d42d88"
}

// The world map's markers: the chosen place, and the city nearest to the mouse.
var Map = {
    Place: "#cb3686",
    Near: "#ffffff",
    NearEdge: "#888888"
}

// The ring round the control that has the keyboard focus: a purple no other mark uses (today's
// day is marked blue), dark on the light pages, light on the dark panel, strip and dialogs; each
// at least 3:1 against what lies round it.
var Focus = {
    OnLight: "#7b1fa2",
    OnDark: "#ce93d8"
}

// The modal overlay's strips, where it is asked to show them.
var OverlayStrips = ["red", "green", "blue", "yellow"]
