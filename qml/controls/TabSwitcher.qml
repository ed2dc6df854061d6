import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors

// A row of captions with a sliding underline under the selected one.
Item {
    id: root

    property int selectedIndex: -1
    property int spacing: 20
    property int fontSize: UI.fontSize(21 * UI.ppp)
    property var names: []
    // How one caption is drawn; it sees itemIndex, isSelected and isHovered.
    property Component captionItem: defaultCaption

    // The caption under the underline, or null.
    property Item selectedCaption: null
    // Where the captions would not fit `width` (another language's are longer), they and the
    // spacing between them shrink until they do.
    readonly property real fit: Math.min(1, width / Math.max(1, fullSize.implicitWidth))

    function updateSelectedCaption() {
        selectedCaption = selectedIndex >= 0 ? captions.itemAt(selectedIndex) : null
    }

    implicitWidth: row.implicitWidth
    implicitHeight: 40 * UI.ppp

    onSelectedIndexChanged: updateSelectedCaption()
    onNamesChanged: {
        var count = names ? names.length : 0
        if (count === 0)
            selectedIndex = -1
        else if (selectedIndex < 0 || selectedIndex >= count)
            selectedIndex = 0
        updateSelectedCaption()
    }

    Component {
        id: defaultCaption

        Text {
            text: root.names[itemIndex] !== undefined ? root.names[itemIndex] : ""
            // Shipped with the program: a system "Arial" falls back to wider faces on Linux.
            font.family: "PT Sans"
            font.pixelSize: Math.max(1, Math.floor(root.fontSize * root.fit))
            lineHeightMode: Text.FixedHeight
            lineHeight: 20 * UI.ppp
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            color: isSelected ? Colors.Label.Black : isHovered ? Colors.Label.Hovered : Colors.Label.Grey

            Behavior on color {
                ColorAnimation { duration: 200; easing.type: Easing.InOutSine }
            }
        }
    }

    // The default captions at full size, out of sight, so the measure does not follow the
    // shrinking.
    Row {
        id: fullSize
        visible: false
        spacing: root.spacing

        Repeater {
            model: root.names
            Text {
                text: modelData
                font.family: "PT Sans"
                font.pixelSize: root.fontSize
            }
        }
    }

    Row {
        id: row
        height: parent.height
        spacing: root.spacing * root.fit
        Accessible.role: Accessible.PageTabList

        Repeater {
            id: captions
            model: root.names ? root.names.length : 0
            onItemAdded: root.updateSelectedCaption()
            onItemRemoved: root.updateSelectedCaption()

            Item {
                id: caption
                width: loader.item ? loader.item.implicitWidth : 0
                height: row.height

                Loader {
                    id: loader
                    // The loaded caption resolves these names on its Loader.
                    property int itemIndex: index
                    property bool isSelected: index === root.selectedIndex
                    property bool isHovered: mouse.containsMouse
                    anchors.fill: parent
                    sourceComponent: root.captionItem
                }

                MouseArea {
                    id: mouse
                    width: parent.width
                    height: parent.height + 10 * UI.ppp
                    acceptedButtons: Qt.LeftButton
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.selectedIndex = index
                }
                FocusTarget {
                    anchors.fill: parent
                    role: Accessible.PageTab
                    name: root.names[index] !== undefined ? root.names[index].replace(/\n/g, " ") : ""
                    selected: index === root.selectedIndex
                    onActivated: root.selectedIndex = index
                }
            }
        }
    }

    Rectangle {
        id: underline
        anchors.bottom: parent.bottom
        height: 5 * UI.ppp
        color: Colors.Label.Blue
        x: root.selectedCaption ? root.selectedCaption.x - 2 * UI.ppp : 0
        width: root.selectedCaption ? root.selectedCaption.width + 4 * UI.ppp : 0
        opacity: root.selectedIndex === -1 ? 0 : 1

        Behavior on x {
            NumberAnimation {
                duration: 300
                easing.type: Easing.OutElastic
                easing.amplitude: 0.2
                easing.period: 4.0
            }
        }
        Behavior on width {
            NumberAnimation { duration: 300; easing.type: Easing.OutSine }
        }
    }
}
