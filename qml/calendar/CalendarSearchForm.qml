import QtQuick 2.6
import UI 1.0
import "../controls"
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons
import "../scripts/Lunar.js" as Lunar

// What to look for: days with a lunar day and a sign, or the eclipses seen from the place; from
// when and how many. The page runs the search and counts the answers down in searchCount;
// until they are all in, the form waits.
Item {
    id: root

    property var model: null
    // The scene's ModalOverlay, handed to the drop-downs.
    property Item overlay: null
    // Results still awaited.
    property int searchCount: 0
    readonly property bool isSearching: searchCount > 0
    // Where the search button lies in the form, for what the page sets beside it.
    readonly property rect buttonArea: Qt.rect(button.x, button.y, button.width, button.height)

    // The eclipses seen from the place are looked for, not days.
    readonly property bool eclipses: subject.selectedIndex === 1

    // from (date), lunarDay (0 any, else 1 to 30), zodiac (-1 any, else 0 to 11), results (1 to
    // 10), eclipses (bool)
    signal search(var request)

    function requestSearch() {
        search({ from: from.inputDate, lunarDay: moonDay.selectedIndex,
                 zodiac: sign.selectedIndex - 1, results: results.selectedIndex + 1,
                 eclipses: eclipses })
    }

    function range(first, last) {
        var list = []
        for (var i = first; i <= last; ++i)
            list.push(String(i))
        return list
    }

    // Boxes of one width beside the longest label, which another language may make longer.
    readonly property real boxWidth: 105 * UI.ppp
    readonly property real formWidth: Math.max(210 * UI.ppp, boxWidth + 8 * UI.ppp
        + Math.max(subject.labelWidth, moonDay.labelWidth, sign.labelWidth, from.labelWidth,
                   results.labelWidth))

    implicitWidth: formWidth
    implicitHeight: fields.height + 15 * UI.ppp + button.height

    Column {
        id: fields
        width: root.formWidth
        height: 130 * UI.ppp
        spacing: 4 * UI.ppp
        enabled: !root.isSearching
        // Disabled fields look it: they ignore clicks until the answers are in.
        opacity: enabled ? 1 : 0.5

        Behavior on opacity {
            NumberAnimation { duration: 150; easing.type: Easing.InOutQuad }
        }

        readonly property real fieldHeight: (height - 4 * spacing) / 5

        InputSelect {
            id: subject
            objectName: "subjectField"
            width: parent.width
            height: fields.fieldHeight
            buttonWidth: 100 * root.boxWidth / Math.max(1, width)
            overlay: root.overlay
            //: What the search looks for: days, or the eclipses that can be seen from the place.
            labelText: qsTr("Look for")
            options: [qsTr("Days"), qsTr("Eclipses seen here")]
        }
        InputSelect {
            id: moonDay
            objectName: "moonDayField"
            width: parent.width
            height: fields.fieldHeight
            buttonWidth: 100 * root.boxWidth / Math.max(1, width)
            overlay: root.overlay
            labelText: qsTr("Moon day")
            enabled: !root.eclipses
            opacity: enabled ? 1 : 0.5
            options: [qsTr("Any")].concat(root.range(1, 30))
        }
        InputSelect {
            id: sign
            objectName: "signField"
            width: parent.width
            height: fields.fieldHeight
            buttonWidth: 100 * root.boxWidth / Math.max(1, width)
            overlay: root.overlay
            labelText: qsTr("In sign")
            enabled: !root.eclipses
            opacity: enabled ? 1 : 0.5
            options: [qsTr("Any")].concat(Lunar.Zodiacs.map(function(z) {
                return qsTranslate("Lunar", z.name)
            }))
        }
        InputDate {
            id: from
            objectName: "fromField"
            width: parent.width
            height: fields.fieldHeight
            buttonWidth: 100 * root.boxWidth / Math.max(1, width)
            overlay: root.overlay
            //: The date the search starts from.
            labelText: qsTr("From")
            initialText: qsTr("Today")
        }
        InputSelect {
            id: results
            objectName: "resultsField"
            width: parent.width
            height: fields.fieldHeight
            buttonWidth: 100 * root.boxWidth / Math.max(1, width)
            overlay: root.overlay
            //: How many dates to find.
            labelText: qsTr("Results")
            options: root.range(1, 10)
        }
    }

    Rectangle {
        id: button
        objectName: "searchButton"
        anchors.top: fields.bottom
        anchors.topMargin: 15 * UI.ppp
        // Wider where the word is longer than "Search".
        width: Math.max(100 * UI.ppp, buttonLabel.implicitWidth + glyph.width + 34 * UI.ppp)
        height: 30 * UI.ppp
        radius: 6 * UI.ppp
        // Grey while a search runs; its turning glyph shows the work under way.
        color: root.isSearching ? Colors.Button.Disabled
                                : buttonMouse.containsMouse ? Colors.Button.GreenHovered
                                                            : Colors.Button.Green

        Text {
            id: buttonLabel
            anchors.left: parent.left
            anchors.leftMargin: 10 * UI.ppp
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Search")
            color: Colors.Label.White
            font.pixelSize: UI.fontSize(16 * UI.ppp)
        }

        Text {
            id: glyph
            anchors.right: parent.right
            anchors.rightMargin: 14 * UI.ppp
            anchors.verticalCenter: parent.verticalCenter
            text: root.isSearching ? Icons.FontAwesome.Refresh : Icons.FontAwesome.Search
            color: Colors.Label.White
            font.family: "FontAwesome"
            font.pixelSize: UI.fontSize(18 * UI.ppp)

            RotationAnimation on rotation {
                running: root.isSearching
                loops: Animation.Infinite
                from: 0
                to: 360
                duration: 800
                onRunningChanged: {
                    if (!running)
                        glyph.rotation = 0
                }
            }
        }

        // Stays enabled while searching, for the wait cursor; the click is ignored then.
        MouseArea {
            id: buttonMouse
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: root.isSearching ? Qt.WaitCursor : Qt.PointingHandCursor
            onClicked: {
                if (!root.isSearching)
                    root.requestSearch()
            }
        }
    }
}
