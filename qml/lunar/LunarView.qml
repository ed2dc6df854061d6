import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Lunar.js" as Lunar

// The Moon's picture with the shadow of its phase drawn over it.
Item {
    id: root

    // 0 new moon, 0.25 first quarter, 0.5 full moon, 0.75 third quarter.
    property real phase: 0.5
    property url source: resourcePath + "images/moon.png"
    // Degrees counter-clockwise by which the picture, drawn lit on the right while waxing (as seen
    // from the north), is turned: Astro.pictureTurn.
    property real turn: 0

    // Below this step of the phase (about an hour of the Moon's) or of the turn, the picture
    // changes at once.
    readonly property real smallPhaseStep: 0.0015
    readonly property real smallTurn: 1.0

    implicitWidth: 174 * UI.ppp
    implicitHeight: 174 * UI.ppp

    // The phase drawn. It sweeps to a new phase rather than jumping, and the short way round:
    // a step across new moon (0.99 to 0.01) passes through new moon, not back through full
    // moon. On the way it may leave [0, 1); the drawing reads it modulo 1.
    property real shownPhase: 0.5
    readonly property real drawnPhase: shownPhase - Math.floor(shownPhase)

    // The first phase is drawn at once.
    Component.onCompleted: {
        sweep.stop()
        shownPhase = phase
        turning.enabled = false
        disc.rotation = -turn
        turning.enabled = true
    }

    // Set here, not bound, so that a small turn is not animated.
    onTurnChanged: {
        var change = ((-turn - disc.rotation) % 360 + 540) % 360 - 180
        turning.enabled = Math.abs(change) >= smallTurn
        disc.rotation = -turn
        turning.enabled = true
    }

    onPhaseChanged: {
        var from = drawnPhase
        var step = Lunar.phaseStep(from, phase)
        sweep.stop()
        // A minute's step of the clock is not to be seen moving: drawn once, not 30 times.
        if (Math.abs(step) < smallPhaseStep) {
            shownPhase = phase
            return
        }
        sweep.from = from
        sweep.to = from + step
        sweep.start()
    }

    NumberAnimation {
        id: sweep
        target: root
        property: "shownPhase"
        duration: 500
        easing.type: Easing.InOutSine
        // Ends on the phase itself, not on a neighbour past 1 or below 0.
        onStopped: {
            if (root.shownPhase === to)
                root.shownPhase = root.phase
        }
    }

    // Picture and shadow turn together.
    Item {
        id: disc
        objectName: "disc"
        anchors.fill: parent

        Behavior on rotation {
            id: turning
            RotationAnimation { duration: 500; direction: RotationAnimation.Shortest }
        }

        Image {
            anchors.fill: parent
            source: root.source
            // Decoded at the size it is shown: a picture of any size costs no more than that, and
            // needs no mipmaps (making them held the first frame back by a tenth of a second).
            sourceSize: Qt.size(Math.max(1, Math.round(width)), Math.max(1, Math.round(height)))
            asynchronous: true
            fillMode: Image.PreserveAspectFit
            smooth: true
        }

        Canvas {
            id: shadow
            anchors.fill: parent

            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                var r = height / 2
                var cx = width / 2
                var cy = height / 2
                var bounds = Lunar.shadowBounds(root.drawnPhase)
                // A point of a bound at latitude theta; factor -1 is the left limb, +1 the right.
                function edge(factor, theta) {
                    return Qt.point(cx + factor * r * Math.cos(theta), cy + r * Math.sin(theta))
                }
                // Down the left bound from the north pole to the south pole, back up the right one.
                var steps = 48
                ctx.beginPath()
                var start = edge(bounds.left, -Math.PI / 2)
                ctx.moveTo(start.x, start.y)
                for (var i = 1; i <= steps; ++i) {
                    var down = edge(bounds.left, -Math.PI / 2 + Math.PI * i / steps)
                    ctx.lineTo(down.x, down.y)
                }
                for (var j = steps; j >= 0; --j) {
                    var up = edge(bounds.right, -Math.PI / 2 + Math.PI * j / steps)
                    ctx.lineTo(up.x, up.y)
                }
                ctx.closePath()
                ctx.fillStyle = Colors.Moon.Shade
                ctx.fill()

                if (Lunar.showsRing(root.drawnPhase)) {
                    ctx.beginPath()
                    ctx.ellipse(1, 1, width - 2, height - 2)
                    ctx.lineWidth = 2
                    ctx.strokeStyle = Colors.Moon.Rim
                    ctx.stroke()
                }
            }

            Connections {
                target: root
                function onDrawnPhaseChanged() { shadow.requestPaint() }
            }
            onWidthChanged: requestPaint()
            onHeightChanged: requestPaint()
        }
    }
}
