.pragma library

// Place names and the world map's projection, kept free of items so the tests can drive them
// with plain numbers.

// "name, region, country"; without a region "name, country"; without either the bare name.
function displayName(name, region, country) {
    var text = name || ""
    if (region)
        text += ", " + region + (country ? ", " + country : "")
    else if (country)
        text += ", " + country
    return text
}

// The moon panel's line for the place (a geo::Location) its times are for: "Paris, France";
// typed coordinates, and the unnamed place at 0, 0, as "48.85° N, 2.35° E", with the locale's
// decimalPoint.
function panelName(place, decimalPoint) {
    if (place.name && !place.custom)
        return place.country ? place.name + ", " + place.country : place.name
    function degrees(value) {
        var text = Math.abs(value).toFixed(2)
        return decimalPoint ? text.replace(".", decimalPoint) : text
    }
    var north = place.latitude < 0 ? qsTranslate("Places", "%1\u00b0 S")
                                   : qsTranslate("Places", "%1\u00b0 N")
    var east = place.longitude < 0 ? qsTranslate("Places", "%1\u00b0 W")
                                   : qsTranslate("Places", "%1\u00b0 E")
    return north.arg(degrees(place.latitude)) + ", " + east.arg(degrees(place.longitude))
}

// The display name made to fit maxWidth as widthOf measures text. The region gives way first,
// cut short with an ellipsis or else left out, and then the name; the country always stays
// whole, since it is what tells namesakes apart.
function fitName(name, region, country, maxWidth, widthOf) {
    name = name || ""
    var full = displayName(name, region, country)
    if (widthOf(full) <= maxWidth)
        return full
    var tail = country ? ", " + country : ""
    // The longest cut of `text` for which make(cut) fits, or null when none, the empty one
    // included, does. The width grows with the length, so halving finds it.
    function longestFit(text, make) {
        if (widthOf(make("")) > maxWidth)
            return null
        var low = 0
        var high = text.length
        while (low < high) {
            var middle = Math.ceil((low + high) / 2)
            if (widthOf(make(text.substring(0, middle))) <= maxWidth)
                low = middle
            else
                high = middle - 1
        }
        return make(text.substring(0, low))
    }
    var shortRegion = region ? longestFit(region, function(cut) {
        return name + ", " + cut + "\u2026" + tail
    }) : null
    if (shortRegion !== null)
        return shortRegion
    if (region && widthOf(name + tail) <= maxWidth)
        return name + tail
    var shortName = longestFit(name, function(cut) { return cut + "\u2026" + tail })
    return shortName !== null ? shortName : "\u2026" + tail
}

// The map is a plate carree whose left edge is longitude -170 and whose centre line is 10 E.
// A longitude west of -170 is drawn wrapped round to the right edge rather than off the map.
function project(longitude, latitude, width, height) {
    var lon = longitude < -170 ? longitude + 360 : longitude
    return Qt.point(width / 2 + width / 360 * lon - width / 36, height / 2 - height / 180 * latitude)
}

// The inverse. The strip right of 180 E is the far east of the Pacific: its longitudes come
// back between -180 and -170, where the place tables keep them.
function unproject(x, y, width, height) {
    var longitude = (x + width / 36 - width / 2) / (width / 360)
    if (longitude >= 180)
        longitude -= 360
    return { longitude: longitude, latitude: (height / 2 - y) / (height / 180) }
}

// Whether a list of place names answers a search for `lookup`. Searches run side by side and
// may answer out of order, so a list for an earlier, shorter lookup can come last; it holds
// names without the text typed since. The service puts the current place first whatever the
// lookup; every other name contains the lookup once both are folded as the service folds them
// (`fold`: letter case and accents aside).
function answersLookup(names, lookup, currentName, fold) {
    var wanted = fold(String(lookup))
    for (var i = 0; i < names.length; ++i) {
        if (i === 0 && names[i] === currentName)
            continue
        if (fold(String(names[i])).indexOf(wanted) < 0)
            return false
    }
    return true
}
