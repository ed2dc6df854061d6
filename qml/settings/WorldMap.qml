import QtQuick 2.6
import Geo 1.0
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Places.js" as Places

// The world map of the location form: the chosen place in pink and, while the mouse is over
// the map, the known city nearest to it in white, named beside its marker; a click chooses
// the city at its own point. Label and click both take the location service's answer for their
// point, so the rule of which city that is lives in one place, the service.
Item {
    id: root

    readonly property real longitude: Geo.location.longitude
    readonly property real latitude: Geo.location.latitude
    property point mousePoint: Qt.point(0, 0)
    // The city nearest to the mouse, as the location service last answered.
    property var nearLocation: null
    property real nearLongitude: 0
    property real nearLatitude: 0
    property string nearName: ""
    property real nearOpacity: mouse.containsMouse && nearName !== "" ? 1 : 0
    readonly property real markerSize: 10 * UI.ppp
    // The near city's name as its label shows it.
    readonly property string nearText: nearName === "" || !nearLocation ? ""
        : Places.fitName(nearLocation.name, nearLocation.region, nearLocation.country,
                         width - 8 * UI.ppp,
                         function(text) { return labelMetrics.advanceWidth(text) })

    function drawMarker(ctx, longitude, latitude, fill, stroke, alpha) {
        var p = Places.project(longitude, latitude, width, height)
        ctx.globalAlpha = alpha
        ctx.fillStyle = fill
        ctx.strokeStyle = stroke
        ctx.lineWidth = 1
        ctx.beginPath()
        ctx.ellipse(p.x - markerSize / 2, p.y - markerSize / 2, markerSize, markerSize)
        ctx.fill()
        ctx.stroke()
    }

    Accessible.role: Accessible.Graphic
    //: The world map of the settings page, read out with the chosen place.
    Accessible.name: qsTr("World map, the place: %1")
                     .arg(Places.panelName(Geo.location, Qt.locale(UI.localeName).decimalPoint))

    Behavior on nearOpacity {
        NumberAnimation { duration: 200; easing.type: Easing.InOutQuad }
    }

    onLongitudeChanged: canvas.requestPaint()
    onLatitudeChanged: canvas.requestPaint()
    onNearLongitudeChanged: canvas.requestPaint()
    onNearLatitudeChanged: canvas.requestPaint()
    onNearOpacityChanged: canvas.requestPaint()
    onMousePointChanged: canvas.requestPaint()

    Image {
        anchors.fill: parent
        source: resourcePath + "images/map-world.svg"
        // Rendered at the size shown, so the outlines stay sharp at every scale.
        sourceSize: Qt.size(Math.max(1, Math.round(width)), Math.max(1, Math.round(height)))
        fillMode: Image.Stretch
        smooth: true
    }

    Canvas {
        id: canvas
        anchors.fill: parent
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            root.drawMarker(ctx, root.longitude, root.latitude, Colors.Map.Place, Colors.Map.Place, 1)
            if (root.nearOpacity > 0)
                root.drawMarker(ctx, root.nearLongitude, root.nearLatitude, Colors.Map.Near,
                                Colors.Map.NearEdge,
                                0.9 * root.nearOpacity)
        }
    }

    FontMetrics {
        id: labelMetrics
        font: nearLabel.font
    }

    Rectangle {
        readonly property point at: Places.project(root.nearLongitude, root.nearLatitude,
                                                   root.width, root.height)
        readonly property real gap: root.markerSize
        readonly property bool besideRight: at.x + gap + width <= root.width
        readonly property bool besideLeft: at.x - gap - width >= 0
        readonly property bool beside: besideRight || besideLeft

        // Right of the marker, else left of it, else (a long name) below or above it: never
        // over the marker it names.
        x: besideRight ? at.x + gap : besideLeft ? at.x - gap - width
                                                 : Math.max(0, Math.min(root.width - width,
                                                                        at.x - width / 2))
        y: beside ? Math.max(0, Math.min(root.height - height, at.y - height / 2))
                  : at.y + gap + height <= root.height ? at.y + gap : at.y - gap - height
        width: nearLabel.implicitWidth + 8 * UI.ppp
        height: nearLabel.implicitHeight + 4 * UI.ppp
        radius: 3 * UI.ppp
        color: Colors.Background.DarkGrey
        opacity: root.nearOpacity
        visible: opacity > 0

        Text {
            id: nearLabel
            anchors.centerIn: parent
            text: root.nearText
            color: Colors.Label.White
            font.pixelSize: UI.fontSize(12 * UI.ppp)
        }
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onPositionChanged: {
            root.mousePoint = Qt.point(mouse.x, mouse.y)
            var place = Places.unproject(mouse.x, mouse.y, width, height)
            // The size of one of the map's design pixels: the choice is the same at every scale.
            Geo.searchCoords(place.longitude, place.latitude, 360 * UI.ppp / width,
                             180 * UI.ppp / height)
        }
        // The click's own point decides: the hover's answer may still be about where the mouse
        // was before, and a tap has no hover at all.
        onClicked: {
            var place = Places.unproject(mouse.x, mouse.y, width, height)
            var picked = Geo.placeAt(place.longitude, place.latitude, 360 * UI.ppp / width,
                                     180 * UI.ppp / height)
            if (picked.name !== "")
                Geo.location = picked
        }
    }

    Connections {
        target: Geo
        function onSearchCoordsCompleted(near) {
            root.nearName = ""
            root.nearLongitude = near.longitude
            root.nearLatitude = near.latitude
            root.nearLocation = near
            root.nearName = near.name
        }
    }
}
