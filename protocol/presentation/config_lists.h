#pragma once
// The item lists of the configuration dialogs. An item's position is the
// value the receiver sends and receives for it, 0 first; the report decoders
// select items by these positions and the windows show these texts.

#include <array>
#include <string_view>

namespace navbin::reports::lists {

using std::string_view;

// I/O options dialog.
inline constexpr std::array<string_view, 2> kFormat{"XYZ ECEF", "LLA"};
inline constexpr std::array<string_view, 2> kAltitude{"HAE (datum)", "MSL geoid"};
inline constexpr std::array<string_view, 2> kPrecision{"single", "double"};
inline constexpr std::array<string_view, 2> kVelocity{"XYZ ECEF", "ENU"};
inline constexpr std::array<string_view, 2> kTiming{"GPS time", "UTC time"};
inline constexpr std::array<string_view, 3> kPpsOutput{"Always ON", "Fix Based", "Always OFF"};

// The datum list: the position is the receiver's datum index. Some names
// occur more than once; each occurrence keeps its own index.
inline constexpr std::array<string_view, 180> kDatums{
    "WGS-84",
    "Tokyo from old J6 values",
    "NAD-27",
    "Alaska/Canada",
    "European",
    "Australian",
    "WGS-72",
    "NAD-83",
    "NAD-02",
    "Mexican",
    "Hawaiian",
    "Astronomic",
    "U.S. Navy",
    "European",
    "Australian 1984",
    "Adindan-Mean",
    "Adindan-Ethiopia",
    "Adindan-Mali",
    "Adindan-Senegal",
    "Adindan-Sudan",
    "Afgooye-Somalia",
    "Ain El Abd-Bahrain",
    "Anna 1 Astro 1965",
    "Arc 1950-Mean",
    "Arc 1950-Botswana",
    "Arc 1950-Lesotho",
    "Arc 1950-Malawi",
    "Arc 1950-Swaziland",
    "Arc 1950-Zaire",
    "Arc 1950-Zambia",
    "Arc 1950-Zimbabwe",
    "Arc 1960-Mean",
    "Arc 1960-Kenya",
    "Arc 1960-Tanzania",
    "Ascension Isl 1958",
    "Astro Beacon E 1945",
    "Astro B4 Sorol Atoll",
    "Astro Dos 71/4",
    "Astro Station 1952",
    "Australia Geo 1966",
    "Bellevue (IGN)",
    "Bermuda 1957",
    "Bogota Observatory",
    "Compo Inchauspe",
    "Canton Island 1966",
    "Cape",
    "Cape Canaveral Mean",
    "Carthage",
    "Chatham 1971",
    "Chua Astro",
    "Corrego Alegre",
    "Djakarta (Batavia)",
    "DOS 1968",
    "Easter Island 1967",
    "Euro 1950-Mean",
    "Euro 1950-Cyprus",
    "Euro 1950-Egypt",
    "Euro 1950-Eng/Scot",
    "Euro 1950-Eng/Ire",
    "Euro 1950-Greece",
    "Euro 1950-Iran",
    "Euro 1950-Sardinia",
    "Euro 1950-Sicily",
    "Euro 1950-Norway",
    "Euro 1950-Port/Spain",
    "European 1979",
    "Gandajika Base",
    "Geodetic Datum 1949",
    "Guam 1963",
    "GUX 1 Astro",
    "Hjorsey 1955",
    "Hong Kong 1963",
    "Indian-Thai/Viet",
    "Indian-India/Nepal",
    "Ireland 1965",
    "ISTS 073 Astro 1969",
    "Johnston Island 1961",
    "Kandawala",
    "Kerguelen Island",
    "Kertau 1948",
    "La Reunion",
    "L.C. 5 Astro",
    "Liberia 1964",
    "Luzon-Phillippines",
    "Luzon-Mindanao",
    "Mahe 1971",
    "Marco Astro",
    "Massawa",
    "Merchich",
    "Midway Astro 1961",
    "Minna",
    "Nahrwan-Masirah",
    "Nahrwan-UAE",
    "Nahrwan-Saudia",
    "Namibia",
    "Naparima",
    "NAD 27-Western US",
    "NAD 27-Eastern US",
    "NAD 27-Alaska",
    "NAD 27-Bahamas",
    "NAD 27-San Salvador",
    "NAD 27-Canada",
    "NAD 27-Alberta/BC",
    "NAD 27-East Canada",
    "NAD 27-Manitoba/Ont",
    "NAD 27-NW Ter/Sask",
    "NAD 27-Yukon",
    "NAD 27-Canal Zone",
    "NAD 27-Caribbean",
    "NAD 27-Central Amer",
    "NAD 27-Cuba",
    "NAD 27-Greenland",
    "NAD 27-Mexico",
    "NAD 83-Alaska",
    "NAD 83-Canada",
    "NAD 83-CONUS",
    "NAD 83-Mex/Cent Am",
    "Observatorio 1966",
    "Old Egyptian 1907",
    "Old Hawaiian-mean",
    "Old Hawaiian-Hawaii",
    "Old Hawaiian",
    "Old Hawaiian",
    "Old Hawaiian",
    "Oman",
    "Ord Sur Brit 1936-Mean",
    "OSB-England",
    "OSB-Ilse of Man",
    "OSB-Scotland/Shetland",
    "OSB-Wales",
    "Pico De Las Nieves",
    "Pitcairn Astro 1967",
    "Prov So Chilean",
    "Prov S. Amer 1956-Mean",
    "Prov S. Amer 1956-Bolivia",
    "Prov S. Amer 1956-N.Chile",
    "Prov S. Amer 1956-S.Chile",
    "Prov S. Amer 1956-Colombia",
    "Prov S. Amer 1956-Ecuador",
    "Prov S. Amer 1956-Guyana",
    "Prov S. Amer 1956-Peru",
    "Prov S. Amer 1956-Venezuela",
    "Puerto Rico",
    "Quatar National",
    "Qornoq",
    "Rome 1940",
    "Santa Braz",
    "Santo (DOS)",
    "Sapper Hill 1943",
    "S. American 1969-Mean",
    "S. American 1969-Argentina",
    "S. American 1969-Bolivia",
    "S. American 1969-Brazil",
    "S. American 1969-Chile",
    "S. American 1969-Colombia",
    "S. American 1969-Ecuador",
    "S. American 1969-Guyana",
    "S. American 1969-Paraguay",
    "S. American 1969-Peru",
    "S. American 1969-Trin/Tob",
    "S. American 1969-Venezuela",
    "South Asia",
    "Southeast Base",
    "Southwest Base",
    "Timbalai 1948",
    "Tokyo-Mean",
    "Tokyo-Korea",
    "Tokyo-Okinawa",
    "Tristan Astro 1968",
    "Viti Levu 1916",
    "Wake-Eniwetok",
    "Zanderij",
    "Bukit Rimpah",
    "Camp Area Astro",
    "Gunung Segara",
    "Herat North",
    "Hu-Tzu-Shan",
    "Tananarive Obser. 1925",
    "Yacare",
    "Tokyo GSI coords",
};

// Initial position dialog.
inline constexpr std::array<string_view, 4> kPositionModes{"Approximate LLA", "Approximate ECEF",
                                                           "Exact LLA", "Exact ECEF"};

// GPS configuration dialog. "--Not Used--" holds the place of a value the
// dialog does not offer by name.
inline constexpr std::array<string_view, 9> kReceiverModes{
    "Automatic (2D/3D)", "--Not Used--",         "--Not Used--",
    "Horizontal (2D)",   "Full Position (3D)",   "--Not Used--",
    "--Not Used--",      "Overdetermined Clock", ""};
inline constexpr std::array<string_view, 5> kDynamicsCodes{"--Not Used--", "Land", "Sea", "Air",
                                                           "Stationary"};
inline constexpr std::array<string_view, 4> kDgpsModes{"DGPS off", "DGPS only", "DGPS auto",
                                                       "DGPS auto"};

// Serial port dialog: baud item = code - 5, data bits item = code - 3.
inline constexpr std::array<string_view, 5> kBaudRates{"2400", "4800", "9600", "19200", "38400"};
inline constexpr std::array<string_view, 1> kDataBits{"8"};
inline constexpr std::array<string_view, 3> kParities{"None", "Odd", "Even"};
inline constexpr std::array<string_view, 2> kStopBits{"1", "2"};
inline constexpr std::array<string_view, 3> kProtocolsIn{"NavBin", "NavTxt", "RTCM"};
inline constexpr std::array<string_view, 3> kProtocolsOut{"NavBin", "NMEA", "NavTxt"};
inline constexpr int kFirstBaudCode = 5;
inline constexpr int kFirstDataBitsCode = 3;
// Protocol bit masks of the protocol list items.
inline constexpr std::array<int, 3> kProtocolInMasks{0x02, 0x01, 0x08};
inline constexpr std::array<int, 3> kProtocolOutMasks{0x02, 0x04, 0x01};

// PPS dialog.
inline constexpr std::array<string_view, 2> kPpsSwitch{"Disabled", "Enabled"};
inline constexpr std::array<string_view, 2> kPpsTimeBase{"GPS", "UTC"};
inline constexpr std::array<string_view, 2> kPpsPolarity{"Positive", "Negative"};

// Sensitivity dialog: the mode after reset.
inline constexpr std::array<string_view, 2> kSensitivityModes{"OFF", "ON"};

// The item at `index` of a list with `count` items, or -1 (no selection).
constexpr int ItemOrNone(int index, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) < count ? index : -1;
}

}  // namespace navbin::reports::lists
