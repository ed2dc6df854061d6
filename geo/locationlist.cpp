#include "geo/locationlist.h"

namespace geo {

LocationList::LocationList(QObject *parent)
    : QObject(parent)
{}

LocationList::LocationList(const QVector<Location> &locations, QObject *parent)
    : QObject(parent)
    , m_locations(locations)
{}

int LocationList::length() const
{
    return m_locations.size();
}

Location LocationList::at(int i) const
{
    if (i < 0 || i >= m_locations.size())
        return Location();
    return m_locations.at(i);
}

} // namespace geo
