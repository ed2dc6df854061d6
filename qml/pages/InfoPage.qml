import QtQuick 2.6

// Page 3: information. An empty frame for now.
Item {
    id: root
}
