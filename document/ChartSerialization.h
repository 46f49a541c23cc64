#pragma once

// How charts and their records go into a chart file through Boost: the
// field order, class versions and tracking that give the file's layout.
// Each chart kind writes only its CBaseDraw part; the charts are the only
// tracked objects and are always saved through pointers to their own class,
// so no class name is ever written.

#include "ChartFields.h"
#include "ChartSlots.h"

#include <boost/archive/archive_exception.hpp>
#include <boost/serialization/base_object.hpp>
#include <boost/serialization/map.hpp>
#include <boost/serialization/string.hpp>
#include <boost/serialization/tracking.hpp>
#include <boost/serialization/utility.hpp>
#include <boost/serialization/version.hpp>

BOOST_CLASS_VERSION(CBaseDraw, 1)
BOOST_CLASS_TRACKING(CBaseDraw, boost::serialization::track_never)
BOOST_CLASS_VERSION(Cell_Style, 0)
BOOST_CLASS_TRACKING(Cell_Style, boost::serialization::track_never)
BOOST_CLASS_VERSION(CLine, 0)
BOOST_CLASS_TRACKING(CLine, boost::serialization::track_never)
BOOST_CLASS_VERSION(Comments, 0)
BOOST_CLASS_TRACKING(Comments, boost::serialization::track_never)
BOOST_CLASS_VERSION(CDrawMasterChart, 0)
BOOST_CLASS_TRACKING(CDrawMasterChart, boost::serialization::track_always)
BOOST_CLASS_VERSION(CDrawSquareOfFour, 0)
BOOST_CLASS_TRACKING(CDrawSquareOfFour, boost::serialization::track_always)
BOOST_CLASS_VERSION(CDrawSquareOfNine, 0)
BOOST_CLASS_TRACKING(CDrawSquareOfNine, boost::serialization::track_always)
BOOST_CLASS_VERSION(CDrawHexagon, 0)
BOOST_CLASS_TRACKING(CDrawHexagon, boost::serialization::track_always)
BOOST_CLASS_VERSION(CDrawWheel, 0)
BOOST_CLASS_TRACKING(CDrawWheel, boost::serialization::track_always)

namespace ChartSerialization {

// A file may hold older class versions, never newer ones.
inline void CheckVersion(unsigned version, unsigned current)
{
    if (version > current)
        throw boost::archive::archive_exception(boost::archive::archive_exception::unsupported_class_version);
}

template <class Archive>
auto Field(Archive& ar)
{
    return [&ar](const char*, auto& member) { ar & member; };
}

template <class Archive, class Record>
void SerializeRecord(Archive& ar, Record& r, unsigned version)
{
    CheckVersion(version, 0);
    VisitFields(r, Field(ar));
}

template <class Archive, class Chart>
void SerializeChart(Archive& ar, Chart& chart, unsigned version)
{
    CheckVersion(version, 0);
    ar & boost::serialization::base_object<CBaseDraw>(chart);
}

} // namespace ChartSerialization

// Found by argument-dependent lookup, as Boost expects of non-intrusive
// serialisation of classes in the global namespace.

// The trailing fields (ring rotations and directions, overlay radii, the
// divisions count) exist from class version 1; a file at version 0 leaves
// them as the chart's constructor set them. The reading archive keeps the version
// each chart was read at.
template <class Archive>
void serialize(Archive& ar, CBaseDraw& d, unsigned version)
{
    using namespace ChartSerialization;
    CheckVersion(version, CChartSlots::kCurrentBaseVersion);
    VisitLeadingFields(d, Field(ar));
    VisitContainers(d, Field(ar));
    if (version >= 1)
        VisitTrailingFields(d, Field(ar));
    if constexpr (Archive::is_loading::value)
        ar.NoteBaseVersion(d, version);
}

template <class Archive>
void serialize(Archive& ar, Cell_Style& r, unsigned version)
{
    ChartSerialization::SerializeRecord(ar, r, version);
}
template <class Archive>
void serialize(Archive& ar, CLine& r, unsigned version)
{
    ChartSerialization::SerializeRecord(ar, r, version);
}
template <class Archive>
void serialize(Archive& ar, Comments& r, unsigned version)
{
    ChartSerialization::SerializeRecord(ar, r, version);
}

template <class Archive>
void serialize(Archive& ar, CDrawMasterChart& c, unsigned version)
{
    ChartSerialization::SerializeChart(ar, c, version);
}
template <class Archive>
void serialize(Archive& ar, CDrawSquareOfFour& c, unsigned version)
{
    ChartSerialization::SerializeChart(ar, c, version);
}
template <class Archive>
void serialize(Archive& ar, CDrawSquareOfNine& c, unsigned version)
{
    ChartSerialization::SerializeChart(ar, c, version);
}
template <class Archive>
void serialize(Archive& ar, CDrawHexagon& c, unsigned version)
{
    ChartSerialization::SerializeChart(ar, c, version);
}
template <class Archive>
void serialize(Archive& ar, CDrawWheel& c, unsigned version)
{
    ChartSerialization::SerializeChart(ar, c, version);
}
