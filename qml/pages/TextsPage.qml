import QtQuick 2.6

// Page 0: the texts for the moment the moon panel shows. An empty frame for now.
Item {
    id: root

    // The moon panel's current ephemeris.
    property var entry: null
}
