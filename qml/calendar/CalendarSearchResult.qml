import QtQuick 2.6
import UI 1.0
import "../scripts/Calendar.js" as Calendar
import "../scripts/Colors.js" as Colors
import "../scripts/Events.js" as Events
import "../scripts/Lunar.js" as Lunar

// One found date of the search: the day, where the Moon stands in its lunation, and its sign;
// or a found eclipse: its day, what it is with its time, and how much of it is seen.
Rectangle {
    id: root

    // date, lunarDay, zodiac and phase of the hit, and for an eclipse its map.
    property var entry: ({ date: new Date(NaN), lunarDay: 0, zodiac: -1, phase: 0, eclipse: null })
    property bool hovered: false

    readonly property var progress: Calendar.phaseProgress(entry.phase)
    readonly property var sign: Lunar.zodiac(entry.zodiac)
    readonly property string dateText: UI.formatLocal(entry.date, UI.formats.day)
    //: Rising: the Moon is waxing; Descending: waning. Then how far, and the lunar day.
    readonly property string phaseText: (progress.rising ? qsTr("Rising") : qsTr("Descending"))
                                        + ", " + qsTr("%1%").arg(progress.percent) + ". "
                                        + qsTr("Day %1").arg(entry.lunarDay)
    readonly property string signText: sign ? sign.icon + " " + qsTranslate("Lunar", sign.day) : ""
    readonly property var eclipse: entry.eclipse || null
    //: A found eclipse: its name and the time of its greatest eclipse (at the place, for the Sun).
    readonly property string eclipseText: eclipse
        ? qsTr("%1, %2").arg(Events.eclipseName(eclipse))
                        .arg(UI.formatLocal(entry.date, UI.formats.time))
        : ""
    // How much of it: the share of the Sun covered, or the lunar eclipse's magnitude.
    readonly property string eclipseShare: !eclipse ? ""
        //: The share of the Sun's disc covered at the place.
        : eclipse.body === "sun" ? qsTr("%1% covered").arg(Math.round(eclipse.obscuration * 100))
        //: The magnitude of a lunar eclipse.
        : qsTr("magnitude %1").arg(Number(eclipse.magnitude).toLocaleString(Qt.locale(UI.localeName), "f", 2))

    implicitHeight: 30 * UI.ppp
    radius: 6 * UI.ppp
    color: hovered ? Colors.Background.Hovered : Colors.Background.White

    // The shipped PT Sans throughout: the three texts just fit the row in it. The middle one
    // keeps to the room between the other two, so they never run into each other.
    Text {
        id: dateLabel
        anchors.left: parent.left
        anchors.leftMargin: 8 * UI.ppp
        anchors.verticalCenter: parent.verticalCenter
        text: root.dateText
        color: Colors.Label.Grey
        font.family: "PT Sans"
        font.pixelSize: UI.fontSize(11 * UI.ppp)
    }

    Text {
        anchors.left: dateLabel.right
        anchors.right: signLabel.left
        anchors.margins: 6 * UI.ppp
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: root.eclipse ? root.eclipseText : root.phaseText
        color: Colors.Label.Blue
        font.family: "PT Sans"
        font.pixelSize: UI.fontSize(11 * UI.ppp)
    }

    Text {
        id: signLabel
        anchors.right: parent.right
        anchors.rightMargin: 16 * UI.ppp
        anchors.verticalCenter: parent.verticalCenter
        text: root.eclipse ? root.eclipseShare : root.signText
        color: Colors.Label.Green
        font.family: "Vendarion, PT Sans"
        font.pixelSize: UI.fontSize(11 * UI.ppp)
    }
}
