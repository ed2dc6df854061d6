import QtQuick 2.6
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import UI 1.0
import Global 1.0
import Text 1.0
import "../controls"
import "../scripts/Colors.js" as Colors
import "../scripts/Lunar.js" as Lunar

// The descriptive texts for the moon panel's moment in eight topics: for the topic, one section
// each for the Moon's sign, its phase, the lunar day and the element day, where the text
// document has something to say.
Rectangle {
    id: root

    // The moon panel's ephemeris; until it has one, a stand-in with the panel's own defaults.
    property var entry: null
    property var document: null
    // The topic shown.
    property int tabIndex: 0
    property string text: ""
    readonly property string css: "* { font-family: Verdana, Geneva; font-size: "
                                  + UI.fontSize(18 * UI.ppp) + "px; } "
                                  + "div { font-weight: normal; font-size: 1.1em; color: "
                                  + Colors.Label.Blue + "; "
                                  + "text-align: center; } "
                                  + "p { font-weight: normal; font-size: 1em; color: " + Colors.Label.Body + "; }"
    // The document this page reads; its announcement is recognised by this very name.
    property string path: Global.resourcePath + "text/vendarion.txt"
    readonly property var topicKeys: ["General", "Mood", "Health Nutrition", "Hair Care",
                                      "Business", "Gardening", "Wedding", "Born this day"]
    property bool completed: false
    // What the body was last built for (see build()).
    property string builtKeys: ""

    function topicKey(index) {
        return index >= 0 && index < topicKeys.length ? topicKeys[index] : ""
    }

    // The first text for both keys, or "" when there is none.
    function lookup(topic, key) {
        if (!document)
            return ""
        var texts = document.getEntries([topic, key])
        return texts.length > 0 ? document.safeMarkup(texts[0]) : ""
    }

    function section(heading, body) {
        return body === "" ? "" : "<div>" + escaped(heading) + "</div><p>" + body + "</p>"
    }

    // Headings are plain text; the entries' own texts may carry formatting, nothing more.
    function escaped(value) {
        return String(value).replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
    }

    function build() {
        var e = entry ? entry : { phase: 0.5, lunarDay: 2, zodiac: 6 }
        var topic = topicKey(tabIndex)
        var phase = Lunar.phaseName(e.phase)
        // The topic and what the sections are looked up by and headed in. A new ephemeris every
        // minute mostly changes none of them: the body then stays, and the reader keeps his
        // place.
        var keys = [document ? "document " + document.language : "none", UI.interfaceLanguage,
                    topic, e.zodiac, phase, e.lunarDay].join("|")
        if (keys === builtKeys)
            return
        builtKeys = keys
        state = "loading"
        // The empty ephemeris before the first result has no sign; its sections are left out.
        var sign = Lunar.zodiac(e.zodiac)
        var body = ""
        if (document) {
            if (sign)
                body += section(qsTranslate("Lunar", sign.moonIn),
                                lookup(topic, "Moon@" + sign.name))
            body += section(qsTranslate("Lunar", phase), lookup(topic, phase))
            body += section(qsTr("Moon day %1").arg(e.lunarDay), lookup(topic, "md" + e.lunarDay))
            if (sign)
                body += section(qsTranslate("Lunar", sign.day), lookup(topic, sign.dayShort))
        }
        text = body
        state = "ready"
    }

    // The document in the interface's language where there is one, else the English one.
    function load() {
        TextLoader.load(path, UI.interfaceLanguage)
    }

    color: "transparent"
    state: "loading"
    states: [
        State { name: "loading"; PropertyChanges { target: view; opacity: 0 } },
        State { name: "ready"; PropertyChanges { target: view; opacity: 1 } }
    ]
    transitions: Transition {
        NumberAnimation { property: "opacity"; duration: 150; easing.type: Easing.InOutSine }
    }

    onEntryChanged: if (completed) build()
    onTabIndexChanged: if (completed) build()

    Component.onCompleted: {
        completed = true
        build()
        load()
    }

    Connections {
        target: TextLoader
        function onDocumentLoaded(name, document) {
            if (name !== root.path)
                return
            // A late answer for a language left since.
            if (document.language !== "" && document.language !== UI.interfaceLanguage)
                return
            var first = root.document === null
            root.document = document
            // The first document opens on topic 0 (when it already is, the change alone would
            // build nothing); another language's keeps the topic read.
            if (first && root.tabIndex !== 0)
                root.tabIndex = 0
            else
                root.build()
        }
    }
    Connections {
        target: UI
        function onLanguageChanged() {
            root.build()
            root.load()
        }
    }

    Rectangle {
        id: header
        width: parent.width
        height: 60 * UI.ppp
        color: Colors.Background.White

        readonly property bool compact: root.width < 700 * UI.ppp

        TabSwitcher {
            id: tabs
            x: header.compact ? 15 * UI.ppp : 30 * UI.ppp
            width: parent.width - x - 10 * UI.ppp
            height: parent.height
            spacing: header.compact ? 10 * UI.ppp : 15 * UI.ppp
            fontSize: UI.fontSize((header.compact ? 18 : 19) * UI.ppp)
            //: Topics of the texts; a line break where a caption takes two lines. The row is
            //: narrow: keep each line short.
            names: [qsTr("General"), qsTr("Mood"), qsTr("Health\nNutrition"), qsTr("Hair\nCare"),
                    qsTr("Business"), qsTr("Gardening"), qsTr("Wedding"), qsTr("Born\nthis day")]
            onSelectedIndexChanged: root.tabIndex = selectedIndex
        }
        // Not a binding of the switcher's: a click on a tab sets its index, which would end one.
        Binding {
            target: tabs
            property: "selectedIndex"
            value: root.tabIndex
        }
    }

    Rectangle {
        anchors.top: header.bottom
        anchors.topMargin: 20 * UI.ppp
        anchors.bottom: parent.bottom
        width: parent.width
        color: Colors.Background.White

        // The texts may not be in the interface's language yet: say so, in one line.
        Text {
            id: languageNote
            objectName: "languageNote"
            x: 25 * UI.ppp
            y: 10 * UI.ppp
            width: parent.width - 2 * x
            visible: root.document !== null && UI.interfaceLanguage !== "en"
                     && root.document.language !== UI.interfaceLanguage
            text: qsTr("These texts are in English only.")
            color: Colors.Label.Grey
            font.family: "PT Sans"
            font.italic: true
            font.pixelSize: UI.fontSize(14 * UI.ppp)
            horizontalAlignment: Text.AlignHCenter
        }

        TextArea {
            id: view
            objectName: "view"
            anchors.fill: parent
            anchors.topMargin: languageNote.visible ? languageNote.y + languageNote.height : 0
            readOnly: true
            //: The texts of the texts page, as a screen reader names them.
            Accessible.name: qsTr("Texts for the moment shown")
            frameVisible: false
            backgroundVisible: false
            textFormat: TextEdit.RichText
            textMargin: 25 * UI.ppp
            text: "<html><head><style type=\"text/css\">" + root.css + "</style></head><body>"
                  + root.text + "</body></html>"

            style: TextAreaStyle {
                transientScrollBars: false
                frame: Item {}
                corner: Item {}
                incrementControl: Item {}
                decrementControl: Item {}
                scrollBarBackground: Rectangle {
                    implicitWidth: 10 * UI.ppp
                    implicitHeight: 10 * UI.ppp
                    color: Colors.Scroll.Track
                }
                handle: Rectangle {
                    implicitWidth: styleData.horizontal ? 30 : 10 * UI.ppp
                    implicitHeight: styleData.horizontal ? 10 * UI.ppp : 30
                    color: Colors.Scroll.Handle
                }
            }
        }
    }
}
