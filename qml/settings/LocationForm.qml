import QtQuick 2.6
import Geo 1.0
import UI 1.0
import "../controls"
import "../scripts/Places.js" as Places

// The observer's place: picked on the world map, found by name, or typed as coordinates.
Column {
    id: root

    property real buttonWidth: 50
    // The fields' width; the map spans the whole form.
    property real fieldWidth: width
    readonly property real mapHeight: map.height
    // The longest of the fields' labels, for boxes that keep clear of it.
    readonly property real labelWidth: Math.max(city.labelWidth, latitude.labelWidth,
                                                longitude.labelWidth)
    // The scene's ModalOverlay, handed to the drop-downs.
    property Item overlay: null

    // The place's name as it fits `width`: the region gives way, never the country. Typed
    // coordinates are shown as such, in the user's language.
    function displayName(place, width) {
        //: A place given by its typed coordinates.
        var name = place.custom ? qsTr("Custom city") : place.name
        return Places.fitName(name, place.region, place.country, width,
                              function(text) { return nameMetrics.advanceWidth(text) })
    }

    function showName() {
        var name = displayName(Geo.location, city.textWidth)
        // While the user types a search, the field keeps the typing.
        if (!city.inSearch)
            city.setText(name)
        city.inputText = name
    }

    function showLocation() {
        showName()
        var place = Geo.location
        // Fixed here: the fields' own formatting reads no exponents ("1e-7").
        latitude.setText(place.latitude.toFixed(6))
        longitude.setText(place.longitude.toFixed(6))
    }

    width: 500 * UI.ppp
    spacing: 6 * UI.ppp

    Component.onCompleted: showLocation()

    Connections {
        target: UI
        function onLanguageChanged() { root.showName() }
    }

    Connections {
        target: Geo
        function onLocationChanged() { root.showLocation() }
        function onSearchCompleted(locationList) {
            var places = []
            var names = []
            for (var i = 0; i < locationList.length; ++i) {
                places.push(locationList.at(i))
                names.push(places[i].name)
            }
            // An answer to an earlier lookup that arrives after the latest one is dropped.
            if (!Places.answersLookup(names, city.lastLookup, Geo.location.name,
                                      function(text) { return Geo.foldedName(text) }))
                return
            city.answered = true
            city.locations = locationList
            city.options = places.map(function(place) {
                return root.displayName(place, city.optionTextWidth)
            })
        }
    }

    FontMetrics {
        id: nameMetrics
        font: city.textFont
    }
    // Another scale, another fit.
    Connections {
        target: city
        function onTextWidthChanged() { root.showName() }
    }

    WorldMap {
        id: map
        objectName: "map"
        width: parent.width
        // Half as high as wide, as the world is, up to what leaves the fields their room.
        height: Math.round(Math.min(width / 2, 240 * UI.ppp))
    }

    InputSearch {
        id: city
        objectName: "cityField"

        // The last answer of the search by name; held here so the engine keeps it.
        property var locations: null
        // The text of the latest search, and whether its answer has come.
        property string lastLookup: ""
        property bool answered: false

        width: root.fieldWidth
        overlay: root.overlay
        labelText: qsTr("City")
        // Wider than the box, so that more of a long name's region shows.
        dropdownWidth: Math.round(1.6 * boxWidth)
        placeholder: qsTr("Search city")
        buttonWidth: root.buttonWidth
        emptyNote: lastLookup.trim() === "" ? qsTr("Type a city name")
                   : answered ? qsTr("No places found") : ""
        onSearched: {
            city.lastLookup = lookup
            city.answered = false
            Geo.search(lookup)
        }
        onOptionSelected: {
            if (locations && index >= 0 && index < locations.length)
                Geo.location = locations.at(index)
            // The option's text was fitted to the list, not to the field.
            root.showName()
        }
    }

    InputText {
        id: latitude
        objectName: "latitudeField"
        width: root.fieldWidth
        labelText: qsTr("Latitude")
        isNumber: true
        buttonWidth: root.buttonWidth
        onTextEdited: Geo.setLatitude(latitude.numberOf(text))
    }

    InputText {
        id: longitude
        objectName: "longitudeField"
        width: root.fieldWidth
        labelText: qsTr("Longitude")
        isNumber: true
        buttonWidth: root.buttonWidth
        onTextEdited: Geo.setLongitude(longitude.numberOf(text))
    }
}
