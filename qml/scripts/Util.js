.pragma library

// Arithmetic of the scene kept free of items, so the tests can drive it with plain numbers.

// The item's top-left corner in screen coordinates: its offset inside the scene plus the
// window's own position. (0, 0) when either is missing.
function getAbsolutePosition(window, item) {
    if (!window || !item)
        return Qt.point(0, 0)
    var x = 0
    var y = 0
    for (var node = item; node; node = node.parent) {
        x += node.x
        y += node.y
    }
    return Qt.point(x + window.x, y + window.y)
}

// Screen y of a drop-down list hanging from a box whose top is at originY (screen). It opens
// below unless it only fits above; when it fits nowhere, below wins, so its top stays in view.
function dropdownY(originY, windowY, windowHeight, boxHeight, listHeight) {
    var baseY = originY - windowY
    var spaceAbove = baseY
    var spaceBelow = windowHeight - baseY - boxHeight
    if (listHeight > spaceBelow && listHeight <= spaceAbove)
        return originY - listHeight
    return originY + boxHeight
}

// Sizes of the four strips that cover a window except the rectangle rect (screen coordinates):
// widths of the left and right strips, heights of the top and bottom ones. A rectangle that
// sticks out of the window gives 0, not a negative size, on that side.
function overlayStrips(rect, windowX, windowY, windowWidth, windowHeight) {
    var left = rect.x - windowX
    var top = rect.y - windowY
    return {
        left: Math.max(0, left),
        top: Math.max(0, top),
        right: Math.max(0, windowWidth - (left + rect.width)),
        bottom: Math.max(0, windowHeight - (top + rect.height))
    }
}

// The smallest rectangle holding both.
function unionRect(a, b) {
    var x = Math.min(a.x, b.x)
    var y = Math.min(a.y, b.y)
    return Qt.rect(x, y, Math.max(a.x + a.width, b.x + b.width) - x,
                   Math.max(a.y + a.height, b.y + b.height) - y)
}

// The number a whole text stands for, or NaN. The decimal separator may be a point, a comma
// or the locale's own (decimalPoint): "48,85" is 48.85, never 48. Anything besides the number
// and blanks around it makes the text no number, so nothing typed is silently cut off.
// Exponents, "Infinity" and hexadecimal are not numbers a user types into a coordinate field.
function parseNumber(text, decimalPoint) {
    var separators = ".,"
    if (decimalPoint && separators.indexOf(decimalPoint) < 0)
        separators += decimalPoint
    var match = /^\s*([-+]?)(\d*)(.?)(\d*)\s*$/.exec(String(text))
    if (!match || match[2] + match[4] === "" || (match[3] && separators.indexOf(match[3]) < 0))
        return NaN
    var value = Number(match[1] + (match[2] || "0") + "." + (match[4] || "0"))
    return isFinite(value) ? value : NaN
}

// The number of the text written with exactly six decimals and the locale's decimalPoint;
// empty when the text is no number.
function formatNumber(text, decimalPoint) {
    var value = parseNumber(text, decimalPoint)
    if (isNaN(value))
        return ""
    var result = value.toFixed(6)
    // toFixed keeps the sign of a value that rounds to zero ("-0.000000").
    if (Number(result) === 0)
        result = (0).toFixed(6)
    return decimalPoint ? result.replace(".", decimalPoint) : result
}

// A list-like value (an array or a string list from C++) as a plain array; anything else,
// a single string included, as an empty one.
function toList(value) {
    if (value === null || value === undefined || typeof value === "string"
            || typeof value.length !== "number")
        return []
    var list = []
    for (var i = 0; i < value.length; ++i)
        list.push(value[i])
    return list
}

// The moment with its seconds and milliseconds dropped; the moon panel and its editor both work
// in whole minutes, and must agree on them.
function startOfMinute(date) {
    return new Date(Math.floor(date.getTime() / 60000) * 60000)
}

// The index a step (1 down, -1 up) moves a highlight to among `count` rows, passing over those
// `usable` refuses; the index itself where no row lies that way.
function stepIndex(index, step, count, usable) {
    for (var i = index + step; i >= 0 && i < count; i += step) {
        if (!usable || usable(i))
            return i
    }
    return index
}

// The first control within `scope` in the order Tab walks, or null where it holds none.
function firstControlIn(scope) {
    var item = scope.nextItemInFocusChain(true)
    for (var up = item; up; up = up.parent) {
        if (up === scope)
            return item
    }
    return null
}
