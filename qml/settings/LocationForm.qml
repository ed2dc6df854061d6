import QtQuick 2.6
import Geo 1.0
import UI 1.0
import "../controls"
import "../scripts/Places.js" as Places

// The observer's place: picked on the world map, found by name, or typed as coordinates.
Column {
    id: root

    property int buttonWidth: 50
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
        height: 200 * UI.ppp
    }

    InputSearch {
        id: city
        objectName: "cityField"

        // The last answer of the search by name; held here so the engine keeps it.
        property var locations: null
        // The text of the latest search.
        property string lastLookup: ""

        width: parent.width
        overlay: root.overlay
        labelText: qsTr("City")
        // Wider than the box, so that more of a long name's region shows.
        dropdownWidth: Math.round(1.6 * boxWidth)
        placeholder: qsTr("Search city")
        buttonWidth: root.buttonWidth
        onSearched: {
            city.lastLookup = lookup
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
        width: parent.width
        labelText: qsTr("Latitude")
        isNumber: true
        buttonWidth: root.buttonWidth
        onTextEdited: Geo.setLatitude(latitude.numberOf(text))
    }

    InputText {
        id: longitude
        objectName: "longitudeField"
        width: parent.width
        labelText: qsTr("Longitude")
        isNumber: true
        buttonWidth: root.buttonWidth
        onTextEdited: Geo.setLongitude(longitude.numberOf(text))
    }
}
