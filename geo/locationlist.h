#pragma once

#include "geo/location.h"

#include <QObject>
#include <QVector>

namespace geo {

// The answer to one search by name, handed to the interface as an object it can index.
class LocationList : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int length READ length CONSTANT)

public:
    explicit LocationList(QObject *parent = nullptr);
    explicit LocationList(const QVector<Location> &locations, QObject *parent = nullptr);

    int length() const;
    // An index outside the list gives the empty place rather than reading past the end.
    Q_INVOKABLE Location at(int i) const;

private:
    QVector<Location> m_locations;
};

} // namespace geo
