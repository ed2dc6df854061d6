import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/lunar"
import "qrc:/qml/scripts/Lunar.js" as Lunar

Rectangle {
    id: scene
    width: 300
    height: 300
    color: "white"

    Component {
        id: viewComponent
        LunarView {
            x: 50
            y: 50
            width: 100
            height: 100
            // The picture is not what is tested: the shadow over a white page is.
            source: ""
        }
    }

    TestCase {
        name: "LunarView"
        when: windowShown

        // How dark the scene is at a point of the view: 0 white, 1 black.
        function darkness(image, x, y) {
            var c = image.pixel(50 + x, 50 + y)
            return 1 - (c.r + c.g + c.b) / 3
        }

        // Points at a quarter radius inside the left, right, upper and lower limbs, in shadow
        // or lit; and the ring's pixel at the left limb. The picture turns counter-clockwise by
        // `turn` degrees: half a turn for the south, where the first quarter is lit on the left.
        function test_shadow_data() {
            return [
                { tag: "first quarter: left half", phase: 0.25, turn: 0, dark: ["left"],
                  lit: ["right"], ring: false },
                { tag: "first quarter in the south: right half", phase: 0.25, turn: 180,
                  dark: ["right"], lit: ["left"], ring: false },
                { tag: "third quarter, lit side turned up: lower half", phase: 0.75, turn: -90,
                  dark: ["lower"], lit: ["upper"], ring: false },
                { tag: "0.997: almost all, ring", phase: 0.997, turn: 0,
                  dark: ["left", "right", "upper", "lower"], lit: [], ring: true }
            ]
        }

        function test_shadow(data) {
            var view = createTemporaryObject(viewComponent, scene,
                                             { phase: data.phase, turn: data.turn })
            // Created at its phase and turn, so there is no sweep to wait for.
            waitForRendering(view)
            var image = grabImage(scene)
            var points = { left: [12, 50], right: [88, 50], upper: [50, 12], lower: [50, 88] }
            data.dark.concat(data.lit).forEach(function(side) {
                compare(darkness(image, points[side][0], points[side][1]) > 0.5,
                        data.dark.indexOf(side) >= 0, side)
            })
            // The ring is pink over the shadow: red well above green.
            var ring = image.pixel(50 + 1, 50 + 50)
            compare(ring.r - ring.g > 0.1, data.ring, "ring " + ring)
            // Outside the disc nothing is drawn.
            compare(darkness(image, 3, 3) < 0.05, true, "corner")
        }

        // The shadow sweeps the short way round, through new moon when a step crosses it; a
        // minute's step of the clock (and its small turn) is drawn at once, so an idle window
        // draws once a minute, not thirty times.
        function test_phaseSweeps_data() {
            return [
                { tag: "waning to first quarter", from: 0.5, to: 0.25, nearest: 0.25 },
                { tag: "across new moon", from: 0.98, to: 0.02, nearest: 0 },
                { tag: "back across new moon", from: 0.02, to: 0.98, nearest: 0 },
                { tag: "a minute later", from: 0.3, to: 0.30002, nearest: 0.30002, turn: 0.01 },
                { tag: "a minute later, across new moon", from: 0.99999, to: 0.00001,
                  nearest: 0.00001 }
            ]
        }

        function test_phaseSweeps(data) {
            var view = createTemporaryObject(viewComponent, scene, { phase: data.from })
            view.phase = data.to
            var arc = Math.abs(Lunar.phaseStep(data.from, data.to))
            if (arc < view.smallPhaseStep) {
                view.turn = data.turn || 0
                compare(view.drawnPhase, data.to)
                fuzzyCompare(findChild(view, "disc").rotation, -view.turn, 1e-9)
                return
            }
            for (var frames = 0; view.drawnPhase !== data.to && frames < 100; ++frames) {
                verify(Math.abs(Lunar.phaseStep(view.drawnPhase, data.nearest)) <= arc,
                       "drawn " + view.drawnPhase)
                wait(20)
            }
            verify(frames > 2, "the change is animated")
            compare(view.drawnPhase, data.to)
        }
    }
}
