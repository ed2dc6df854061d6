import QtQuick 2.6
import QtGraphicalEffects 1.0
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons
import "../scripts/Util.js" as Util

// A modal dialog frame over its parent. Callers show it by setting opacity to 1; every way out
// fades it back to 0. Shown, it takes the keyboard focus, and gives it back when it goes; Escape
// is its "cancel" button (or its close glyph), Enter its "ok".
FocusScope {
    id: root

    property string title: ""
    property real clientWidth: 380 * UI.ppp
    property real clientHeight: 240 * UI.ppp
    property var buttons: ["ok", "cancel"]
    property real buttonWidth: 160 * UI.ppp
    property var buttonsData: ({ "ok": qsTr("Ok"), "cancel": qsTr("Cancel") })
    default property alias content: contentArea.data
    // Its buttons, backdrop and close glyph leave it open (the glyph is hidden): the owner closes
    // it, as a dialog with work under way must.
    property bool keepOpen: false
    // What lies behind the dialog, kept from the keyboard while it shows.
    property Item blocked: null

    // Anything but a list of names (a single string, say) gives no buttons rather than an error.
    readonly property var buttonNames: Util.toList(buttons)

    signal okClicked()
    signal cancelClicked()
    // Any button, by its name in `buttons`.
    signal buttonClicked(string name)
    signal closed()

    function close() {
        opacity = 0
        closed()
    }

    // A button of `buttons`, by its name, pressed by the mouse or a key.
    function press(name) {
        if (!keepOpen)
            opacity = 0
        buttonClicked(name)
        if (name === "ok")
            okClicked()
        else if (name === "cancel")
            cancelClicked()
    }

    function accept() {
        if (buttonNames.indexOf("ok") >= 0)
            press("ok")
    }

    Keys.onEscapePressed: {
        if (buttonNames.indexOf("cancel") >= 0)
            press("cancel")
        else if (!keepOpen)
            close()
    }
    Keys.onReturnPressed: accept()
    Keys.onEnterPressed: accept()

    ModalFocus {
        scope: box
        active: root.visible
        blocked: root.blocked
    }

    anchors.fill: parent
    opacity: 0
    Accessible.role: Accessible.Dialog
    Accessible.name: title
    visible: opacity > 0.01

    Behavior on opacity {
        NumberAnimation { duration: 200; easing.type: Easing.InOutQuad }
    }

    // Swallows every click and wheel turn meant for what lies below.
    MouseArea {
        id: backdrop
        anchors.fill: parent
        onClicked: {
            if (!root.keepOpen)
                root.close()
        }
        onWheel: wheel.accepted = true
    }

    RectangularGlow {
        anchors.fill: box
        glowRadius: 10 * UI.ppp
        spread: 0.4
        color: Colors.Background.Glow
        cornerRadius: 15 * UI.ppp
    }

    Rectangle {
        id: box
        anchors.centerIn: parent
        width: root.clientWidth
        height: root.clientHeight
        color: Colors.Background.DarkGrey
        radius: 5 * UI.ppp

        // Clicks on the box itself must not reach the backdrop.
        MouseArea {
            anchors.fill: parent
        }

        Text {
            id: titleText
            anchors.top: parent.top
            anchors.topMargin: 20 * UI.ppp
            anchors.horizontalCenter: parent.horizontalCenter
            visible: root.title !== ""
            text: root.title
            color: Colors.Label.White
            font.pixelSize: UI.fontSize(24 * UI.ppp)
        }

        Item {
            id: contentArea
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: root.title !== "" ? titleText.bottom : parent.top
            anchors.bottom: buttonRow.top
            anchors.margins: 20 * UI.ppp
        }

        Row {
            id: buttonRow
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20 * UI.ppp
            anchors.horizontalCenter: parent.horizontalCenter
            height: 40 * UI.ppp
            spacing: 10 * UI.ppp

            Repeater {
                model: root.buttonNames

                ButtonBlack {
                    width: root.buttonWidth
                    height: 40 * UI.ppp
                    text: root.buttonsData[modelData] !== undefined ? root.buttonsData[modelData]
                                                                    : modelData
                    onClicked: root.press(modelData)
                }
            }
        }

        Text {
            id: closeGlyph
            anchors.top: parent.top
            anchors.right: parent.right
            anchors.topMargin: 4 * UI.ppp
            anchors.rightMargin: 4 * UI.ppp
            visible: !root.keepOpen
            text: Icons.FontAwesome.Times
            font.family: "FontAwesome"
            // Deliberately not scaled.
            font.pixelSize: UI.fontSize(30)
            color: closeMouse.containsMouse ? Colors.Label.White : Colors.OnDark.Close

            MouseArea {
                id: closeMouse
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: root.close()
            }
            AreaTip {
                area: closeMouse
                text: qsTr("Close")
            }
            FocusTarget {
                anchors.fill: parent
                onDark: true
                name: qsTr("Close")
                onActivated: root.close()
            }
        }
    }
}
