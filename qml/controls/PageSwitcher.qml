import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons

// The dark strip at the right edge of the page area: one square per page, exactly one of them
// checked, and last the help square, which looks the same but never selects a page.
Rectangle {
    id: root

    property int selectedIndex: 0
    property real iconSize: 25 * UI.ppp
    // Glyphs of the page squares, in page order.
    property var icons: [Icons.FontAwesome.FileText, Icons.FontAwesome.Calendar,
        Icons.FontAwesome.Cogs]
    // What each square opens, said on hover; the help square's last.
    property var tips: [qsTr("Texts for the day"), qsTr("Calendar"), qsTr("Settings"), qsTr("Help")]
    // The keys of the squares, in the same order, said with their tips.
    property var keys: []

    function tipOf(index) {
        var tip = tips[index] || ""
        return keys[index] ? tip + " (" + keys[index] + ")" : tip
    }

    signal helpClicked()

    implicitWidth: 50 * UI.ppp
    color: Colors.Background.DarkGrey

    Column {
        width: parent.width
        spacing: 1
        Accessible.role: Accessible.PageTabList
        //: The strip of page squares, as a screen reader names it.
        Accessible.name: qsTr("Pages")

        Repeater {
            model: root.icons.length + 1

            Rectangle {
                readonly property bool isHelp: index === root.icons.length
                readonly property bool lit: (!isHelp && index === root.selectedIndex)
                                            || mouse.containsMouse

                function activate() {
                    if (isHelp)
                        root.helpClicked()
                    else
                        root.selectedIndex = index
                }

                width: root.width
                height: width
                color: lit ? Colors.Button.Metal : "transparent"

                Text {
                    x: 12 * UI.ppp
                    anchors.verticalCenter: parent.verticalCenter
                    text: isHelp ? Icons.FontAwesome.InfoCircle : root.icons[index]
                    color: lit ? Colors.OnDark.Green : Colors.Label.White
                    font.family: "FontAwesome"
                    font.pixelSize: UI.fontSize(root.iconSize)
                }

                MouseArea {
                    id: mouse
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: parent.activate()
                }
                AreaTip {
                    area: mouse
                    text: root.tipOf(index)
                }
                FocusTarget {
                    objectName: "pageSquare" + index
                    anchors.fill: parent
                    onDark: true
                    ringOffset: -3 * UI.ppp
                    role: isHelp ? Accessible.Button : Accessible.PageTab
                    name: root.tips[index] || ""
                    description: root.keys[index] || ""
                    selected: !isHelp && index === root.selectedIndex
                    onActivated: parent.activate()
                }
            }
        }
    }
}
