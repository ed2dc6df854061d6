import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors

// The frame the three input fields share: a label on the left and, on the right, a rounded box
// holding a placeholder and a one-line text input. The text input's committed text is
// inputText; the fields decide when to commit.
Item {
    id: root

    property string labelText: ""
    property string placeholder: ""
    property string inputText: ""
    // Width of the box in percent of the field's width.
    property real buttonWidth: 50
    property color labelColor: Colors.Label.Blue
    property int labelFontSize: UI.fontSize(16 * UI.ppp)
    property bool placeholderVisible: input.text === ""
    // Room kept free at the box's right end, for a glyph there.
    property real textRightMargin: 5 * UI.ppp
    // On a dark dialog, the light focus ring; a light label says the field stands on one.
    property bool onDark: labelColor.hslLightness > 0.6
    // What a screen reader calls the field: its label, unless it has none.
    property string accessibleName: labelText
    // The text can be typed; else the field is a screen reader's by other means (InputSelect).
    property bool typing: true
    // The text shown is not acceptable; the box says so.
    property bool invalid: false

    // The box and its text input, for the fields built on this frame to lay out and drive.
    readonly property alias box: box
    readonly property alias input: input
    readonly property real labelWidth: label.implicitWidth
    readonly property real boxWidth: box.width
    // The room the text has in the box, and its font: for whoever fits a text to the field.
    readonly property real textWidth: input.width
    readonly property font textFont: input.font
    property int boxCursorShape: Qt.IBeamCursor

    // A left click on the box where the text input does not take it.
    signal boxClicked()
    // A key pressed in the text input, before the input itself sees it; set event.accepted to
    // keep it from the input (the suggestions' Up, Down and Enter, Escape).
    signal inputKey(var event)
    // Enter or focus loss ended an edit. Once per edit: the fields drop the focus on Enter,
    // and the text input would report that focus loss as a second end.
    signal editFinished()

    property bool finishingEdit: false

    // Ends an edit: the text input lets the focus go, as a click elsewhere takes it, but the
    // keyboard's place stays on the field, so that Tab goes on from here, not from the start.
    function releaseFocus() {
        root.forceActiveFocus()
    }

    Keys.onTabPressed: input.nextItemInFocusChain(true).forceActiveFocus()
    Keys.onBacktabPressed: input.nextItemInFocusChain(false).forceActiveFocus()

    // The text input's text becomes the committed text.
    function commit() {
        inputText = input.text
    }

    implicitWidth: 200 * UI.ppp
    implicitHeight: 27 * UI.ppp

    Text {
        id: label
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        text: root.labelText
        color: root.labelColor
        font.pixelSize: root.labelFontSize
    }

    Rectangle {
        id: box
        objectName: "box"
        anchors.right: parent.right
        width: root.width * root.buttonWidth / 100
        height: root.height
        color: Colors.Background.LightSilver
        radius: 8 * UI.ppp
        border.width: (root.invalid ? 2 : 1) * UI.ppp
        border.color: root.invalid ? Colors.Label.Red : Colors.Background.FieldEdge

        Rectangle {
            anchors.fill: parent
            radius: parent.radius
            color: Colors.Label.Black
            opacity: boxMouse.containsMouse ? 0.05 : 0

            Behavior on opacity {
                NumberAnimation { duration: 100; easing.type: Easing.InOutQuad }
            }
        }

        // Beneath the text input, so an enabled input keeps its own clicks.
        MouseArea {
            id: boxMouse
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.LeftButton
            cursorShape: root.boxCursorShape
            onClicked: root.boxClicked()
        }

        Text {
            x: 5 * UI.ppp
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - x - root.textRightMargin
            visible: root.placeholderVisible
            text: root.placeholder
            color: Colors.Label.Grey
            // Told apart from a value by its slant as well as its colour.
            font.italic: true
            font.pixelSize: UI.fontSize(12 * UI.ppp)
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
        }

        FocusRing {
            shown: input.activeFocus
            onDark: root.onDark
            radius: parent.radius + offset
        }

        TextInput {
            id: input
            objectName: "input"
            x: 5 * UI.ppp
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - x - root.textRightMargin
            color: Colors.Label.Value
            selectionColor: Colors.Label.Blue
            font.pixelSize: UI.fontSize(12 * UI.ppp)
            horizontalAlignment: TextInput.AlignHCenter
            verticalAlignment: TextInput.AlignVCenter
            clip: true
            selectByMouse: true
            activeFocusOnTab: enabled
            Accessible.ignored: !root.typing
            Accessible.name: root.accessibleName
            Accessible.description: root.placeholder
            Keys.priority: Keys.BeforeItem
            Keys.onPressed: root.inputKey(event)
            onEditingFinished: {
                if (root.finishingEdit)
                    return
                root.finishingEdit = true
                root.editFinished()
                root.finishingEdit = false
            }
        }
    }
}
