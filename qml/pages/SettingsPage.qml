import QtQuick 2.6

// Page 2: place, interface scale and update check. An empty frame for now.
Item {
    id: root
}
