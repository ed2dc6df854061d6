.pragma library

// Glyphs of the icon font, family "FontAwesome" (version 4.7 code points).
var FontAwesome = {
    Search: "\uf002",
    Refresh: "\uf021",
    Home: "\uf015",
    File: "\uf016",
    FileText: "\uf0f6",
    Cogs: "\uf085",
    InfoCircle: "\uf05a",
    Floppy: "\uf0c7",
    ChevronLeft: "\uf053",
    ChevronRight: "\uf054",
    AngleLeft: "\uf104",
    AngleRight: "\uf105",
    Calendar: "\uf073",
    Print: "\uf02f",
    CaretDown: "\uf0d7",
    Square: "\uf0c8",
    CheckSquare: "\uf14a",
    SquareOutline: "\uf096",
    ExclamationCircle: "\uf06a",
    ArrowUp: "\uf062",
    QuestionCircle: "\uf059",
    Question: "\uf128",
    Times: "\uf00d"
}
