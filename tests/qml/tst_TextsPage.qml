import QtQuick 2.6
import QtTest 1.1
import Global 1.0
import Text 1.0
import "qrc:/qml/pages"

Item {
    id: scene
    width: 800
    height: 500

    // The fixture has texts for the general topic in Libra and on days of light, for day 3,
    // and for the mood at full moon; nothing for the general topic at full moon.
    readonly property string fixture: Qt.resolvedUrl("data/texts.txt").toString()
                                      .replace(/^file:\/\//, "")

    Component {
        id: pageComponent
        TextsPage {
            anchors.fill: parent
            path: scene.fixture
        }
    }

    SignalSpy { id: loadedSpy; target: TextLoader; signalName: "documentLoaded" }

    TestCase {
        name: "TextsPage"
        when: windowShown

        function section(heading, body) {
            return "<div>" + heading + "</div><p>" + body + "</p>"
        }

        function test_sections_data() {
            var fullMoonInLibra = { phase: 0.5, lunarDay: 15, zodiac: 6 }
            return [
                { tag: "topic and sign, not phase: two sections, sign first", tab: 0,
                  entry: fullMoonInLibra,
                  text: section("Moon in Libra", "Libra weighs both sides.")
                        + section("Day of Light", "A day of light, <b>in general</b>.") },
                { tag: "another topic", tab: 1, entry: fullMoonInLibra,
                  text: section("Moon in Libra", "Moods look for balance.")
                        + section("Full Moon", "Full and restless.") },
                { tag: "lunar day", tab: 0, entry: { phase: 0.08, lunarDay: 3, zodiac: 6 },
                  text: section("Moon in Libra", "Libra weighs both sides.")
                        + section("Moon day 3", "The third day builds.")
                        + section("Day of Light", "A day of light, <b>in general</b>.") },
                { tag: "nothing for the moment", tab: 4, entry: fullMoonInLibra, text: "" },
                { tag: "no sign yet", tab: 0, entry: { phase: 0.08, lunarDay: 3, zodiac: -1 },
                  text: section("Moon day 3", "The third day builds.") }
            ]
        }

        function test_sections(data) {
            var page = createTemporaryObject(pageComponent, scene, { entry: data.entry })
            tryVerify(function() { return page.document !== null })
            compare(page.tabIndex, 0)
            page.tabIndex = data.tab
            compare(page.text, data.text)
            compare(page.state, "ready")
        }

        // Changing the topic or the moment rebuilds from the document in hand; a document
        // announced for another file is not taken.
        function test_keepsItsDocument() {
            var page = createTemporaryObject(pageComponent, scene)
            tryVerify(function() { return page.document !== null })
            var document = page.document
            loadedSpy.clear()
            page.tabIndex = 1
            page.entry = { phase: 0.08, lunarDay: 3, zodiac: 0 }
            compare(page.document, document)
            TextLoader.load(Global.resourcePath + "text/vendarion.txt")
            loadedSpy.wait(10000)
            compare(loadedSpy.count, 1)
            compare(page.document, document)
            compare(page.tabIndex, 1)
        }
    }
}
