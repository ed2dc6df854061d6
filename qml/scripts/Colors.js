.pragma library

// The scene's colour table; every colour the interface uses by name comes from here.

var Background = {
    DarkGrey: "#2b2b2b",
    LightSilver: "#e3e7f2",
    DarkMetal: "#474c59",
    Light: "#dfdfdf",
    Lighter: "#f0f0f0"
}

var Label = {
    Pink: "#d42d88",
    Green: "#47be48",
    Blue: "#448cdf",
    Light: "#8d96ad",
    Grey: "#9199b1",
    Red: "#c62828"
}

var Button = {
    Metal: "#353f4f",
    Green: "#50c14e"
}
