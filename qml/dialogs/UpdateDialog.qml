import QtQuick 2.6
import QtGraphicalEffects 1.0
import Global 1.0
import UI 1.0
import "../controls"
import "../scripts/Colors.js" as Colors

// Offers a newer version when the update service finds one, and shows the download's progress.
// While it shows, nothing below it can be used; only its buttons (or Escape, as Close) close it.
FocusScope {
    id: root

    property string info: ""
    property bool downloading: false
    // What lies behind the dialog, kept from the keyboard while it shows.
    property Item blocked: null

    function show(text) {
        info = text
        visible = true
    }

    function offer(current, latest) {
        downloading = false
        show(qsTr("Current version %1, latest %2").arg(current).arg(latest))
    }

    function choose(option) {
        Global.update(option)
        visible = false
    }

    // Percent of the download; the service counts one byte more than the reply's total, so an
    // unknown total comes as 0 and is shown without a number.
    function progressText(bytes, bytesTotal) {
        if (!(bytesTotal > 0))
            return qsTr("Downloading...")
        var percent = Math.floor(bytes / bytesTotal * 100)
        return qsTr("Downloading %1%").arg(Math.max(0, Math.min(100, percent)))
    }

    anchors.fill: parent
    visible: false
    Accessible.role: Accessible.Dialog
    Accessible.name: qsTr("Update Available")
    Accessible.description: info
    Keys.onEscapePressed: visible = false

    ModalFocus {
        scope: box
        active: root.visible
        blocked: root.blocked
    }

    Connections {
        target: Global
        function onUpdateAvailable(current, latest) { root.offer(current, latest) }
        function onUpdateDownloadProgress(bytes, bytesTotal) {
            root.info = root.progressText(bytes, bytesTotal)
        }
        function onUpdateFinished(success) {
            root.downloading = false
            if (success)
                root.visible = false
            else
                root.info = qsTr("download failed")
        }
    }

    // Swallows every click and wheel turn meant for what lies below, and does not close.
    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
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
        width: 700 * UI.ppp
        height: 260 * UI.ppp
        color: Colors.Background.DarkGrey
        radius: 5 * UI.ppp

        Item {
            anchors.fill: parent
            anchors.margins: 20 * UI.ppp

            Text {
                anchors.top: parent.top
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Update Available")
                color: Colors.Label.White
                font.pixelSize: UI.fontSize(24 * UI.ppp)
            }

            Text {
                objectName: "info"
                anchors.centerIn: parent
                text: root.info
                color: Colors.Label.White
                font.pixelSize: UI.fontSize(20 * UI.ppp)
            }

            Row {
                anchors.bottom: parent.bottom
                anchors.horizontalCenter: parent.horizontalCenter
                height: 40 * UI.ppp
                spacing: 10 * UI.ppp

                ButtonBlack {
                    width: 160 * UI.ppp
                    height: 40 * UI.ppp
                    text: qsTr("Close")
                    onClicked: root.visible = false
                }
                ButtonBlack {
                    width: 160 * UI.ppp
                    height: 40 * UI.ppp
                    text: qsTr("What's New?")
                    onClicked: root.choose(2)
                }
                ButtonBlack {
                    width: 160 * UI.ppp
                    height: 40 * UI.ppp
                    text: qsTr("Manual Download")
                    onClicked: root.choose(1)
                }
                ButtonBlack {
                    id: updateNow
                    objectName: "updateNow"
                    width: 160 * UI.ppp
                    height: 40 * UI.ppp
                    text: qsTr("Update Now")
                    enabled: !root.downloading
                    onClicked: {
                        root.downloading = true
                        Global.update(0)
                    }
                }
            }
        }
    }
}
