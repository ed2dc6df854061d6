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
    readonly property alias map: map
    readonly property alias cityField: city
    readonly property alias latitudeField: latitude
    readonly property alias longitudeField: longitude

    function displayName(place) {
        return Places.displayName(place.name, place.region, place.country)
    }

    function showLocation() {
        var place = Geo.location
        var name = displayName(place)
        // While the user types a search, the field keeps the typing.
        if (!city.inSearch)
            city.setText(name)
        city.inputText = name
        // Fixed here: the fields' own formatting reads no exponents ("1e-7").
        latitude.setText(place.latitude.toFixed(6))
        longitude.setText(place.longitude.toFixed(6))
    }

    width: 500 * UI.ppp
    spacing: 6 * UI.ppp

    Component.onCompleted: showLocation()

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
            if (!Places.answersLookup(names, city.lastLookup, Geo.location.name))
                return
            city.locations = locationList
            city.options = places.map(root.displayName)
        }
    }

    WorldMap {
        id: map
        width: parent.width
        height: 200 * UI.ppp
    }

    InputSearch {
        id: city

        // The last answer of the search by name; held here so the engine keeps it.
        property var locations: null
        // The text of the latest search.
        property string lastLookup: ""

        width: parent.width
        overlay: root.overlay
        labelText: qsTr("City")
        placeholder: qsTr("Search city")
        buttonWidth: root.buttonWidth
        onSearched: {
            city.lastLookup = lookup
            Geo.search(lookup)
        }
        onOptionSelected: {
            if (locations && index >= 0 && index < locations.length)
                Geo.location = locations.at(index)
        }
    }

    InputText {
        id: latitude
        width: parent.width
        labelText: qsTr("Latitude")
        isNumber: true
        buttonWidth: root.buttonWidth
        onTextEdited: Geo.setLatitude(Places.clampLatitude(Number(text)))
    }

    InputText {
        id: longitude
        width: parent.width
        labelText: qsTr("Longitude")
        isNumber: true
        buttonWidth: root.buttonWidth
        onTextEdited: Geo.setLongitude(Places.wrapLongitude(Number(text)))
    }
}
